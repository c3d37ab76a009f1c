#include "shell/Settings.h"

#include "platform/IniFile.h"
#include "runtime/ProgramFolder.h"
#include "shell/ShellState.h"

namespace shell {
namespace {

QString readInto(QString ShellState::*variable, const QString& section, const QString& key,
                 const QString& file) {
    const QString value = platform::GetPrivateProfileString(section, key, QString(), file);
    shellState().*variable = value;
    return value;
}

} // namespace

QString settingsFile() {
    return runtime::programPath(QStringLiteral("\\opciones.ini"));
}

#define VELARCANA_ONE_KEY_READER(name, variable)                                                   \
    QString name(const QString& section, const QString& key, const QString& file) {                \
        return readInto(&ShellState::variable, section, key, file);                                \
    }

VELARCANA_ONE_KEY_READER(LeerModuloInicial, moduloInicialIni)
VELARCANA_ONE_KEY_READER(LeerIniciarMinimizado, iniciarMinimizado)
VELARCANA_ONE_KEY_READER(LeerMinimizar, minimizarIni)
VELARCANA_ONE_KEY_READER(LeerTipoCartas, tipoCartasIni)
VELARCANA_ONE_KEY_READER(LeerNivelAlertas, nivelAlertasIni)
VELARCANA_ONE_KEY_READER(LeerDesactivarTooltips, desactivarTooltips)
VELARCANA_ONE_KEY_READER(LeerModoSilencioso, modoSilencioso)
VELARCANA_ONE_KEY_READER(LeerMuteCod, muteCod)
VELARCANA_ONE_KEY_READER(LeerEstiloTooltips, estiloTooltipsIni)
VELARCANA_ONE_KEY_READER(LeerHemisferio, hemisferioIni)
VELARCANA_ONE_KEY_READER(LeerBackgroundSound, bgSound)
VELARCANA_ONE_KEY_READER(LeerPerfilBio, perfilBio)
VELARCANA_ONE_KEY_READER(LeerDibujarSecundario, dibujarSecundarioIni)
VELARCANA_ONE_KEY_READER(LeerNombreSecundario, nombreSecundario)

#undef VELARCANA_ONE_KEY_READER

QString LeerValorIni(const QString& section, const QString& key, const QString& file) {
    const QString value = platform::GetPrivateProfileString(section, key, QString(), file);
    ShellState& s = shellState();
    s.iniSoundAmbient = s.iniLogResOracle = s.iniSongAmbient = s.iniLogResNumbers =
        s.iniLogResNames = value;
    return value;
}

bool EscribirIni(const QString& section, const QString& key, const QString& value,
                 const QString& file) {
    return platform::WritePrivateProfileString(section, key, value, file);
}

QString readOption(QString (*reader)(const QString&, const QString&, const QString&),
                   const QString& key) {
    return reader(kSeccionOpciones, key, settingsFile());
}

bool writeOption(const QString& key, const QString& value) {
    return EscribirIni(kSeccionOpciones, key, value, settingsFile());
}

} // namespace shell
