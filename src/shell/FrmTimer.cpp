#include "shell/FrmTimer.h"

#include "biorule/BirthData.h"
#include "forms/Forms.h"
#include "forms/LoadGuard.h"
#include "runtime/Clock.h"
#include "runtime/SystemFormats.h"
#include "shell/Notif.h"
#include "shell/SettingCodes.h"
#include "shell/Settings.h"
#include "shell/ShellState.h"

#include <cmath>

namespace shell {

QString uptimeText(long long seconds) {
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

FrmTimer::FrmTimer()
    : forms::Form(QString::fromLatin1(kName)), LblTime(new QLabel(this)),
      LblUptime(new QLabel(this)), LblDias(new QLabel(this)), TimeUp(new QTimer(this)),
      TimerBio(new QTimer(this)) {
    setWindowTitle(QStringLiteral("Timer"));
    // Whole-second timers fire together on the second, so the program wakes once for all.
    TimeUp->setTimerType(Qt::VeryCoarseTimer);
    TimerBio->setTimerType(Qt::VeryCoarseTimer);
    TimerBio->setInterval(kBioTickMs);
    connect(TimeUp, &QTimer::timeout, this, &FrmTimer::TimeUp_Timer);
    connect(TimerBio, &QTimer::timeout, this, &FrmTimer::TimerBio_Timer);
}

void FrmTimer::Form_Load() {
    ShellState& s = shellState();
    TimeUp->start(kTickMs);
    TimerBio->start();
    s.horaInicio = runtime::TimeOfDay();
    m_uptimeStart = runtime::Now();
    diasUptime = 0;
    biorhythms::readBirthDate();
    s.nivelAlertas = CodigoNivel(readOption(LeerNivelAlertas, QStringLiteral("Nivel Alertas")));
    s.modoMinimizar = modoMinimizarCode(readOption(LeerMinimizar, QStringLiteral("Minimizar")));
    s.tipoCarta =
        tipoCartaCode(readOption(LeerTipoCartas, QStringLiteral("tipocartas")), s.tipoCarta);
    const QString start = readOption(LeerModuloInicial, QStringLiteral("Módulo Inicial"));
    // The start window's load and the alert's notice let events run: "Exit" may come in them.
    const forms::LoadGuard guard(this);
    forms::Forms::instance().load(startWindowName(start));
    if (!guard) {
        return;
    }
    alInicio = true;
    alertasbio();
    if (guard) {
        alInicio = false;
    }
}

void FrmTimer::showUptime() {
    const double elapsedDays =
        runtime::toLinearDays(runtime::Now()) - runtime::toLinearDays(m_uptimeStart);
    const long long seconds = std::max(0LL, std::llround(elapsedDays * runtime::kSecondsPerDay));
    diasUptime = static_cast<int>(seconds / 86400);
    LblUptime->setText(uptimeText(seconds % 86400));
    LblDias->setText(QString::number(diasUptime) + QStringLiteral("d "));
}

void FrmTimer::TimeUp_Timer() {
    LblTime->setText(runtime::longTimeText(runtime::TimeOfDay()));
    showUptime();
    slideOutOldNotice();
}

void FrmTimer::slideOutOldNotice() {
    if (!shellState().notifVisible) {
        ticksNotif = 0;
        return;
    }
    if (++ticksNotif == kNotifTicks) {
        const forms::LoadGuard guard(this);
        slideNoticeOut();
        if (guard && forms::DoEvents(this)) {
            ticksNotif = 0;
        }
    }
}

void FrmTimer::TimerBio_Timer() {
    ShellState& s = shellState();
    if (++s.ticksBio >= kBioTicksPerCheck) {
        s.alertaDesdeBio = false;
        alertasbio();
        s.ticksBio = 0;
    }
}

} // namespace shell
