#include "shell/SettingCodes.h"

#include <array>
#include <utility>

namespace shell {
namespace {

using Pair = std::pair<const char*, const char*>;

constexpr std::array<Pair, 8> kAlertLevels = {{
    {"None", "zero"},
    {"Only actual situation", "solo"},
    {"Basic (change of phase + actual s.)", "bas1"},
    {"Basic (critical days + actual s.)", "bas2"},
    {"Basic (Crossings between cycles + actual s.)", "bas3"},
    {"Medium (change of phase + critical  + actual s.)", "med1"},
    {"Medium (critical + Crossings + actual s.)", "med2"},
    {"Medium (change of phase + Crossings + actual s.)", "med3"},
}};

constexpr std::array<Pair, 5> kStartWindows = {{
    {"Another Day...", "FrmCalendar"},
    {"Oracle", "Frmoracle"},
    {"Names", "FrmName"},
    {"Numbers", "frmVelarcana"},
    {"Biorhythms", "frmBio"},
}};

template <std::size_t N>
QString lookUp(const std::array<Pair, N>& table, const QString& key, const char* fallback) {
    for (const auto& [text, code] : table) {
        if (key == QString::fromUtf8(text)) {
            return QString::fromLatin1(code);
        }
    }
    return QString::fromLatin1(fallback);
}

} // namespace

QString CodigoNivel(const QString& setting) {
    return lookUp(kAlertLevels, setting, "maxi");
}

QString modoMinimizarCode(const QString& setting) {
    return setting.isEmpty() || setting == QLatin1String("systray") ? QStringLiteral("systray")
                                                                    : QStringLiteral("toolbar");
}

QString tipoCartaCode(const QString& setting, const QString& current) {
    if (setting.isEmpty() || setting == QLatin1String("marsellaone")) {
        return QStringLiteral("marsellaone");
    }
    if (setting == QLatin1String("marsellaclass") || setting == QLatin1String("oldones")) {
        return setting;
    }
    return current;
}

QString startWindowName(const QString& setting) {
    return lookUp(kStartWindows, setting, "FrmCartaDia");
}

} // namespace shell
