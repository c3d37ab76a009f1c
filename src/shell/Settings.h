#pragma once

#include <QString>

namespace shell {

// Section and path of the settings file.
inline const QString kSeccionOpciones = QStringLiteral("opciones");
inline const QString kSeccionPosicion = QStringLiteral("Posición");
// Program folder & "\opciones.ini" (the name matched without regard to case).
QString settingsFile();

// One-key readers: each returns the value ("" when missing) and keeps it in its shared value.
QString LeerModuloInicial(const QString& section, const QString& key, const QString& file);
QString LeerIniciarMinimizado(const QString& section, const QString& key, const QString& file);
QString LeerMinimizar(const QString& section, const QString& key, const QString& file);
QString LeerTipoCartas(const QString& section, const QString& key, const QString& file);
QString LeerNivelAlertas(const QString& section, const QString& key, const QString& file);
QString LeerDesactivarTooltips(const QString& section, const QString& key, const QString& file);
QString LeerModoSilencioso(const QString& section, const QString& key, const QString& file);
QString LeerMuteCod(const QString& section, const QString& key, const QString& file);
QString LeerEstiloTooltips(const QString& section, const QString& key, const QString& file);
QString LeerHemisferio(const QString& section, const QString& key, const QString& file);
QString LeerBackgroundSound(const QString& section, const QString& key, const QString& file);
QString LeerPerfilBio(const QString& section, const QString& key, const QString& file);
QString LeerDibujarSecundario(const QString& section, const QString& key, const QString& file);
QString LeerNombreSecundario(const QString& section, const QString& key, const QString& file);

// The generic reader; also sets iniSoundAmbient, iniLogResOracle, iniSongAmbient,
// iniLogResNumbers and iniLogResNames to the value.
QString LeerValorIni(const QString& section, const QString& key, const QString& file);

// Writes one key; false when the file could not be written.
bool EscribirIni(const QString& section, const QString& key, const QString& value,
                 const QString& file);

// The same readers and writer on section "opciones" of the settings file.
QString readOption(QString (*reader)(const QString&, const QString&, const QString&),
                   const QString& key);
bool writeOption(const QString& key, const QString& value);

} // namespace shell
