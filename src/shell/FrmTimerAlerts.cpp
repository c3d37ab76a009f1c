// The biorhythm alert check of the background window: at start, every 30 minutes, and when the
// Biorhythms window asks.
#include "biorule/BioRule.h"
#include "biorule/BioState.h"
#include "forms/Forms.h"
#include "forms/LoadGuard.h"
#include "runtime/Clock.h"
#include "shell/BioAlerts.h"
#include "shell/BioStudyDate.h"
#include "shell/FrmTimer.h"
#include "shell/Notif.h"
#include "shell/SharedTables.h"
#include "shell/ShellState.h"

namespace shell {
namespace {

AlertInputs cycleInputs(const biorhythms::BioState& b) {
    AlertInputs in;
    in.now = {b.bioFisico, b.bioEmocional, b.bioIntelectual, b.bioIntuicion};
    in.later = {b.bioFisicoProx, b.bioEmocionalProx, b.bioIntelectualProx, b.bioIntuicionProx};
    const biorhythms::CycleValues earlier =
        biorhythms::cycleValues(b.diasVividos - biorhythms::kOneHour);
    in.earlier = {earlier[0], earlier[1], earlier[2], earlier[3]};
    return in;
}

runtime::DateValue studyDate(bool requested) {
    const auto fromWindow = requested ? bioWindowStudyDate() : std::nullopt;
    return fromWindow.value_or(runtime::Today());
}

} // namespace

void FrmTimer::alertasbio() {
    ShellState& s = shellState();
    const biorhythms::BioState& b = biorhythms::bioState();
    const bool requested = s.alertaDesdeBio;
    if ((s.nivelAlertas == QLatin1String("zero") && !requested) || !b.birthDateSet()) {
        return;
    }
    const runtime::DateValue study = studyDate(requested);
    const QString birthText = biorhythms::dayMonthYearText(b.diaNac, b.mesNac, b.anioNac);
    const QString studyText = biorhythms::dayMonthYearText(
        runtime::dayOf(study), runtime::monthOf(study), runtime::yearOf(study));
    if (!biorhythms::applyBioRule(birthText, b.horaNac, b.minutoNac, studyText, runtime::Now())) {
        return;
    }
    const AlertTexts alert = composeAlert(cycleInputs(b), s.nivelAlertas);
    s.textoCritico = alert.textoCritico;
    s.textoCruce = alert.textoCruce;
    s.textoNotif = alert.textoNotif;

    const bool periodic = !requested && !alInicio;
    const bool show = !periodic || (alert.key != s.ultimaAlerta && s.nivelAlertas != "solo");
    if (!requested) {
        s.ultimaAlerta = alert.key;
    }
    if (show) {
        const forms::LoadGuard guard(this);
        slideNoticeIn();
        if (!guard) {
            return;
        }
        if (s.notifVisible) {
            QString sound = QStringLiteral("Url.wav");
            tocarSonido(sound);
        }
    }
    s.textoCritico.clear();
    s.textoCruce.clear();
    s.textoNotif.clear();
}

} // namespace shell
