#pragma once

#include "forms/Form.h"
#include "runtime/DateValue.h"
#include "runtime/Numeric.h"

#include <QLabel>
#include <QTimer>

namespace shell {

// The hidden background window: it lives from start to exit, loads the start window, keeps the
// clock and the uptime, and runs the biorhythm alert check at start and every 30 minutes.
class FrmTimer : public forms::Form {
    Q_OBJECT

public:
    static constexpr const char* kName = "FrmTimer";
    static constexpr int kTickMs = 1000;
    static constexpr int kBioTickMs = 30000;
    static constexpr int kBioTicksPerCheck = 60; // 30 minutes
    static constexpr int kNotifTicks = 30;       // seconds a notice stays up

    FrmTimer();

    // Handlers of the two timers (tests call them through the fake clock).
    void TimeUp_Timer();
    void TimerBio_Timer();

    // The biorhythm alert check (at-start, periodic or request mode by the shared flags).
    void alertasbio();

    // The tray tooltip lines: each rebuilds its shared line (lineaLuna, lineaCartaDia,
    // lineaSigno, lineaBio); the tooltip code calls tipcartadia, tipsignzodiac, biotip and
    // lunatip in turn and shows the four lines in that order.
    void lunatip();
    void tipcartadia();
    void tipsignzodiac();
    void biotip();
    // Rebuilds the four lines in that order and returns them one a line (CR LF), as the
    // tooltips show them.
    QString tooltipLines();
    // The card of a date text: sets numCarta and tituloTip; returns the unreduced digit sum.
    runtime::Integer sumcartdia(const QString& dateText);
    // The sign of a local date-time: signoTip from the sign-period files, else the fixed table
    // of today's date; " (<=>)" is appended when the sign changes today.
    void signoZod(runtime::DateValue localDateTime);
    void signoZodSt(runtime::DateValue date);
    // part x 100 / whole; -1 when part > whole, 0 when part is 0.
    static runtime::Single Porcentaje(double part, double whole);

    QLabel* LblTime;
    QLabel* LblUptime;
    QLabel* LblDias;
    QTimer* TimeUp;
    QTimer* TimerBio;

    int diasUptime = 0;
    int ticksNotif = 0;
    bool alInicio = false;

    runtime::DateValue fechaTipCarta = 0.0; // the date lineaCartaDia was last built for
    QString tituloTip;                      // card title found by sumcartdia
    QString signoTip;                       // sign text found by signoZod / signoZodSt

protected:
    void Form_Load() override;

private:
    void showUptime();
    // A notice up for 30 seconds slides away.
    void slideOutOldNotice();

    // Uptime is counted from this instant of the clock; it never depends on clock texts.
    runtime::DateValue m_uptimeStart = 0.0;
};

// The moon line of the tray tooltip for an illuminated fraction (0..1) and a phase angle
// (degrees): waxing below a half angle of 90, waning from it.
QString moonTipLine(double illumination, runtime::Single angle);

// "2:05:17": hours without a leading zero, whatever the locale's time format.
QString uptimeText(long long seconds);

} // namespace shell
