#pragma once

#include "readings/OracleMusic.h"
#include "readings/OracleReadings.h"
#include "runtime/DateValue.h"
#include "runtime/Numeric.h"
#include "shell/ModuleForm.h"

#include <QTimer>

#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QMenuBar;

namespace Ui {
class Frmoracle;
}

namespace readings {

// "ORACLE": four questions, one for each suit of the minor arcana, whose Read buttons draw a
// minor card from the question's letters and the date of reading; RESULTANT draws the global
// major card from the four question sums and the date. A click on a card shows its text. A
// MIDI tune loops in the background while the sound switch is on.
class Frmoracle : public shell::ModuleForm {
    Q_OBJECT

public:
    static constexpr const char* kName = "Frmoracle";
    static constexpr int kTimerMidiMs = 500;

    Frmoracle();
    ~Frmoracle() override;

    // The digit sum of the date's short date text into sumaFecha.
    void sumdate(runtime::DateValue fecha);
    // The letter sum of a question into sumaLetras.
    void sustituir(const QString& texto);
    // Draws and shows the global card.
    void sumapalos();

    // Handlers; tests call them directly.
    void ARButtonAcepEsp_Click();
    void ARButtonAcepBas_Click();
    void ARButtonAcepCop_Click();
    void ARButtonAcepOr_Click();
    void ARButtonResult_Click();
    void ARButtonReset_Click();
    void XPButton1_Click();
    void MonthView1_DateClick(QDate picked);
    void TxtEsp_Change();
    void imgesp_Click();
    void imgbas_Click();
    void imgcop_Click();
    void imgor_Click();
    void imgfinal_Click();
    void ImageSoundMidOn_Click();
    void ImageSoundMidOff_Click();
    void TimerMidi_Timer();
    void MnuShowResults_Click();
    void MnuRegResult_Click();
    void MnuDelResults_Click();
    void MnuEliSound_Click();
    void Mnucont_Click();

    QTimer* TimerMidi;
    QMenuBar* menuBar;
    QAction* MnuShowResults;
    QAction* MnuRegResult;
    QAction* MnuDelResults;
    QAction* MnuFileSalir;
    QAction* MnuBio;
    QAction* MnuCdia;
    QAction* MnuNum;
    QAction* MnuOtro;
    QAction* MnuNom;
    QAction* MnuOp;
    QAction* MnuEliSound;
    QAction* MnuCont;
    QAction* MnuAcerca;
    QAction* MnuBioIco;
    QAction* MnuNomIco;
    QAction* MnuHoy;
    QAction* MnuNumer;
    QAction* MnuOtroDia;

    // Reading state; sums are wider than the cards so that a long question still reads.
    runtime::Long sumaLetras = 0;
    runtime::Long sumaFecha = 0;
    runtime::DateValue fechaLectura = 0.0;
    runtime::Long sumaEspadas = 0;
    runtime::Long sumaBastos = 0;
    runtime::Long sumaCopas = 0;
    runtime::Long sumaOros = 0;
    runtime::Integer cartaEspadas = 0;
    runtime::Integer cartaBastos = 0;
    runtime::Integer cartaCopas = 0;
    runtime::Integer cartaOros = 0;
    runtime::Long sumaTotal = 0;
    runtime::Single orientacion = 0.0F;
    bool lecturaIniciada = false;
    bool globalHecha = false;
    QString rutaCartas;
    bool calendarioUsado = false;
    QString tuneStarted; // the full path of the tune started last

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct SuitControls {
        QLineEdit* question;
        QLabel* picture;
        runtime::Long* sum;
        runtime::Integer* card;
    };

    SuitControls controlsOf(Suit suit);
    void readSuit(Suit suit);
    void showSuitText(Suit suit);
    void paintCard(QLabel* box, const QString& path, bool reversed);
    void showBack(QLabel* box, const QString& file);
    QString LeerTirada();
    // False when the window was unloaded while the tune started.
    bool startMusicAtLoad();
    MusicPause musicPause();
    void showSoundSwitch(bool on);
    void showReadingDate(runtime::DateValue fecha);
    QString readingDateText() const;
    void buildMenus();
    void styleControls();
    void connectControls();

    std::unique_ptr<Ui::Frmoracle> ui;
};

} // namespace readings
