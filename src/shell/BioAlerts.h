#pragma once

#include <QString>

#include <array>

namespace shell {

// The four cycles in their fixed order: physical, emotional, intellectual, intuitive.
constexpr int kCycles = 4;
using CycleValues = std::array<float, kCycles>;

// Each cycle's value now (n), one hour later (l) and one hour earlier (e).
struct AlertInputs {
    CycleValues now{};
    CycleValues later{};
    CycleValues earlier{};
};

// What one alert check finds and shows.
struct AlertTexts {
    std::array<QString, kCycles> fasesCiclo; // phase text of each cycle, "" when none
    QString fasesUnidas;                     // the phase texts joined, for the levels that join
    QString textoCritico;                    // the first critical cycle, or ""
    QString textoCruce;                      // the first crossing, or ""
    QString textoNotif;                      // groups, separator, the four value lines
    QString key;                             // repetition key: fasesUnidas & critico & cruce
};

// Builds the alert of a level code ("zero" in request mode shows every group like "maxi").
AlertTexts composeAlert(const AlertInputs& inputs, const QString& nivelAlertas);

// The line of 45 minus signs between the groups and the values.
inline const QString kAlertSeparator = QString(45, QLatin1Char('-'));

} // namespace shell
