#pragma once

#include "runtime/Numeric.h"
#include "shell/ModuleForm.h"

#include <QMenuBar>

#include <memory>

namespace Ui {
class frmVelarcana;
}

namespace readings {

// TitulosNumeros: the Numbers window's own wording of the title of card 1..22 ("V. The Pope",
// "XX. The Trial"), for its result text only; "" for any other number.
QString TitulosNumeros(runtime::Integer card);

// "Numbers": the digits of a number typed by the user add up to a major card (reduced by 22),
// shown with its title, its picture of the chosen deck and, when "Save results" is on, an entry
// in "\logs\resNumbers.log". A click on the picture shows the card's meaning.
class frmVelarcana : public shell::ModuleForm {
    Q_OBJECT

public:
    static constexpr const char* kName = "frmVelarcana";
    static constexpr int kMaxDigits = 12; // "1-999999999999"

    frmVelarcana();
    ~frmVelarcana() override;

    // The card of the number in `s` (the number box's text): shows the result text, the picture
    // and its title, and logs it. Returns the digit sum before reduction; 0 when the number box
    // does not hold a number, which is refused with a message and cleared.
    runtime::Integer SumarUnidades(QString& s);

    void ARButtonAcep_Click();
    void ARButtonReset_Click();
    void text1_Change();
    void ImgVelarcana_Click();
    void Mnucont_Click();
    void MnuShowResults_Click();
    void MnuRegResult_Click(bool checked);
    void MnuDelResults_Click();

    QMenuBar* menuBar;
    QMenu* MnuArchivo;
    QAction* MnuShowResults;
    QAction* MnuRegResult;
    QAction* MnuDelResults;
    QAction* MnuSalirArchivo; // "Exit" of "&File"; the tray menu's "Exit" is MnuSal
    QMenu* MnuVer;
    QMenu* MnuAyuda;
    QAction* Mnucont;
    QAction* mnuAcercaDe;

    // The card of the last accepted number (1..22); 0 before the first and after a digit sum
    // of 0.
    runtime::Integer cartaNumeros = 0;

protected:
    void loadModule() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildTrayMenu();
    void connectControls();
    void showCardBack();
    void showCard(runtime::Integer card);

    std::unique_ptr<Ui::frmVelarcana> ui;
};

} // namespace readings
