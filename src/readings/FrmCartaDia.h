#pragma once

#include "runtime/DateValue.h"
#include "runtime/Numeric.h"
#include "shell/ModuleForm.h"

#include <QPixmap>
#include <QTimer>

#include <memory>
#include <optional>

namespace Ui {
class FrmCartaDia;
}

namespace readings {

struct SignPeriod;

// "The Card of Day...", the default start window: today's date with the planet of the weekday,
// the card of the day, the zodiac sign with its change-of-sign alert, the moon picture (its
// detail window on hover), the biorhythm average bar with its trend, the clock and the uptime.
// It refreshes the bar every 30 minutes and the moon and sign every hour, and pops up with a
// trumpet just after midnight unless "Mute cod" is "muted".
class FrmCartaDia : public shell::ModuleForm {
    Q_OBJECT

public:
    static constexpr const char* kName = "FrmCartaDia";
    static constexpr int kClockTickMs = 1000;
    static constexpr int kRefreshTickMs = 60000;
    static constexpr int kBioRefreshMinutes = 30;
    static constexpr int kMoonRefreshMinutes = 60;
    static constexpr int kSignRefreshMinutes = 60;
    static constexpr int kHoverMoves = 5;          // pointer moves before a hover shows
    static constexpr int kPopUpFromSecond = 1;     // the midnight pop-up: from 0:00:01
    static constexpr int kPopUpToSecond = 59;      // to 0:00:59 of a new day
    static constexpr int kPopUpForSeconds = 29;    // and hidden again 29 seconds later
    static constexpr double kMoonDetailDrop = 1.7; // the detail window's heights below the top

    FrmCartaDia();
    ~FrmCartaDia() override;

    // The card of a date text: stores it as the current card and in numCarta, shows its picture
    // of the chosen deck with its title as tooltip; returns the unreduced digit sum.
    runtime::Integer sumcartdia(const QString& dateText);
    // The biorhythm average of now as a bar (green from 0 up, red below), its text, the birth
    // data line and the trend arrow of one hour later.
    void DrawBioMedia();
    // The zodiac sign of a local date-time from the sign-period files (the fixed table for today
    // when none holds it), with the alert icon on the day of a change.
    void signoZod(runtime::DateValue localDateTime);

    // Handlers; tests call them through the fake clock and the fake pointer.
    void krono_Timer();
    void TimerPlus_Timer();
    void ImgCartadia_Click();
    void ImgLuna_Click();
    void ImgLuna_MouseMove();
    void ImageZod_MouseMove();
    void ImageAlert_Click();
    void PictActualize_Click();
    void CmdSalir_Click();
    void CommandInfo_Click();
    void ARButtonBio_Click();
    void ARButtonNom_Click();
    void ARButtonNum_Click();
    void ARButtonOra_Click();
    void ARButtonOtro_Click();
    void PicMediaBio_Click();

    QTimer* krono;
    QTimer* TimerPlus;
    QAction* MnuBio;
    QAction* MnuNom;
    QAction* MnuOracul;
    QAction* MnuNum;
    QAction* MnuOtro;

    runtime::Integer cartaActual = 0; // the card of the day shown
    QString planetaDia;               // the planet of today's weekday
    bool minimizado = false;          // "Iniciar Minimizado" is "True"

protected:
    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload(int& cancel) override;
    bool& switchingFlag() override;
    void restoreFromTray() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool applyStoredRectangle();
    void storeRectangle();
    void readOwnSettings();
    void showDate();
    void showWelcomeNotice();
    void LeerIniMinimizado();
    void CargarLuna();
    bool MouseSobreLuna() const;
    bool MouseSobreZod() const;
    void showSignPeriod(const SignPeriod& period);
    void popUpAtMidnight();
    void endPopUp();
    void unloadMoonDetail();
    void styleControls();
    void connectControls();

    std::unique_ptr<Ui::FrmCartaDia> ui;
    std::optional<runtime::DateValue> horaAlerta; // universal time of today's change of sign
    QString textoEstacion;                        // the season that begins with it, or ""
    int zodHoverCount = 0;
    int moonHoverCount = 0;
    int moonCount = 0; // minutes since the moon picture was last loaded
    int signCount = 0; // minutes since the sign was last shown
};

} // namespace readings
