#include "shell/BioAlerts.h"

#include "runtime/SystemFormats.h"

#include <QStringList>

namespace shell {
namespace {

const QString kCrLf = QStringLiteral("\r\n");
constexpr float kCriticalBand = 0.1f;

constexpr std::array<const char*, kCycles> kCycleNames = {"physical", "emotional", "intellectual",
                                                          "intuitive"};
constexpr std::array<const char*, kCycles> kValueLabels = {
    "Physical: ", "Emotional: ", "Intellectual: ", "Intuitive: "};

struct CriticalTexts {
    const char* passive;
    const char* active;
};

constexpr std::array<CriticalTexts, kCycles> kCritical = {{
    {"Your physical cycle enter in a critical period and advance toward a passive phase, so take "
     "it easy!",
     "Your physical cycle enter in a critical period and advance toward an active phase, with "
     "caution prepare for action!"},
    {"Your emotional cycle enter in a critical period and advance toward a passive phase, better "
     "forget of feelings!",
     "Your emotional cycle enter in a critical period and advance toward an active phase, begin "
     "to put the direct!"},
    {"Your intellectual cycle enter in a critical period and advance toward a passive phase, "
     "don't warm your head!",
     "Your intellectual cycle enter in a critical period and advance toward an active phase, mind "
     "begins to be in form!"},
    {"Your intuitive cycle enter in a critical period and advance toward a passive phase, the "
     "intuition won't be of great help!",
     "Your intuitive cycle enter in a critical period and advance toward an active phase, in case "
     "of doubt the intuition can help!"},
}};

struct Crossing {
    int a;
    int b;
    const char* upward;
    const char* downward;
};

constexpr std::array<Crossing, 6> kCrossings = {{
    {0, 1, "Crossing upward physical cycle to emotional, strength imposes over feelings!",
     "Crossing downward physical cycle to emotional, feelings emerge while strength decreases!"},
    {0, 2, "Crossing upward physical cycle to intellectual, the brute force imposes over mind!",
     "Crossing downward physical cycle to intellectual, mind imposes over strength!"},
    {0, 3, "Crossing upward physical cycle to intuitive, the brute force overcomes intuition!",
     "Crossing downward physical cycle to intuitive, intuition will be an allied while strength "
     "decreases!"},
    {1, 2, "Crossing upward emotional cycle to intellectual, feelings emerge over mind!",
     "Crossing downward emotional cycle to intellectual, mind overcomes feelings!"},
    {1, 3, "Crossing upward emotional cycle to intuitive, feelings emerge over intuition!",
     "Crossing downward emotional cycle to intuitive, intuition overcomes feelings!"},
    {2, 3, "Crossing upward intellectual cycle to intuitive, mind emerges over intuition!",
     "Crossing downward intellectual cycle to intuitive, intuition will be an allied while "
     "intellect decreases!"},
}};

QString phaseText(int cycle, const AlertInputs& in) {
    const float n = in.now[cycle], l = in.later[cycle], e = in.earlier[cycle];
    const QString name = QString::fromLatin1(kCycleNames[cycle]);
    if (n <= e && l > n) {
        return QStringLiteral("Your %1 cycle begins an ascending phase!").arg(name);
    }
    if (n >= e && l < n) {
        return QStringLiteral("Your %1 cycle begins a descending phase!").arg(name);
    }
    return QString();
}

QString criticalText(const AlertInputs& in) {
    for (int c = 0; c < kCycles; ++c) {
        const float n = in.now[c], l = in.later[c];
        if (n > -kCriticalBand && n < kCriticalBand) {
            if (n > l) {
                return QString::fromLatin1(kCritical[c].passive);
            }
            if (n < l) {
                return QString::fromLatin1(kCritical[c].active);
            }
        }
    }
    return QString();
}

QString crossingText(const AlertInputs& in) {
    for (const Crossing& x : kCrossings) {
        const float nA = in.now[x.a], lA = in.later[x.a], nB = in.now[x.b], lB = in.later[x.b];
        if (nA < lA && nB > lB && lB < nA && nA < nB) {
            return QString::fromLatin1(x.upward);
        }
        if (nA > lA && nB < lB && nB < nA && nA < lB) {
            return QString::fromLatin1(x.downward);
        }
    }
    return QString();
}

QString joinNonEmpty(const QStringList& parts) {
    QStringList kept;
    for (const QString& p : parts) {
        if (!p.isEmpty()) {
            kept << p;
        }
    }
    return kept.join(kCrLf);
}

QString valueLines(const AlertInputs& in) {
    QStringList lines;
    for (int c = 0; c < kCycles; ++c) {
        const float n = in.now[c];
        lines << QString::fromLatin1(kValueLabels[c]) + runtime::formatNumber(n * 100, "0.00") +
                     QStringLiteral(" %") +
                     (n < in.later[c] ? QStringLiteral(" (rising)") : QStringLiteral(" (falling)"));
    }
    return lines.join(kCrLf);
}

} // namespace

AlertTexts composeAlert(const AlertInputs& in, const QString& level) {
    AlertTexts t;
    for (int c = 0; c < kCycles; ++c) {
        t.fasesCiclo[c] = phaseText(c, in);
    }
    t.textoCritico = criticalText(in);
    t.textoCruce = crossingText(in);
    const auto joinPhases = [&t] {
        t.fasesUnidas = joinNonEmpty({t.fasesCiclo.begin(), t.fasesCiclo.end()});
        return t.fasesUnidas;
    };

    QString groups;
    if (level == QLatin1String("bas1")) {
        groups = joinPhases();
    } else if (level == QLatin1String("bas2")) {
        groups = t.textoCritico;
    } else if (level == QLatin1String("bas3")) {
        groups = t.textoCruce;
    } else if (level == QLatin1String("med1")) {
        groups = joinPhases();
        if (!t.textoCritico.isEmpty()) {
            groups = t.textoCritico + kCrLf + t.fasesUnidas;
        }
    } else if (level == QLatin1String("med2")) {
        groups = t.textoCritico.isEmpty() ? t.textoCruce : t.textoCritico + kCrLf + t.textoCruce;
    } else if (level == QLatin1String("med3")) {
        groups = joinPhases();
        if (!t.textoCruce.isEmpty()) {
            groups = t.textoCruce + kCrLf + t.fasesUnidas;
        }
    } else if (level != QLatin1String("solo")) {
        groups = joinNonEmpty({joinPhases(), t.textoCritico, t.textoCruce});
    }

    if (!groups.isEmpty() && level != QLatin1String("solo")) {
        groups += kCrLf + kAlertSeparator + kCrLf;
    }
    t.textoNotif = groups + valueLines(in);
    t.key = t.fasesUnidas + t.textoCritico + t.textoCruce;
    return t;
}

} // namespace shell
