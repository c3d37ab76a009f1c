// "opciones.ini" as the user may leave it: every key reads as at most 254 characters on one line,
// without blanks around unless it was written in quotes, and a key written reads back while the
// others keep their values, whether the file was Windows-1252 or UTF-8.

#include "FuzzSupport.h"

#include "platform/IniFile.h"

#include <array>

namespace {

const std::array<const char*, 8> kKeys = {"Tirada",      "Módulo Inicial",    "Nivel Alertas",
                                          "Perfil-Bio",  "Nombre secundario", "SongAmbient",
                                          "LogResNames", "Velarcanacod_Left"};

QString read(const QString& section, const char* key, const QString& file) {
    const QString value =
        platform::GetPrivateProfileString(section, QString::fromUtf8(key), QString(), file);
    fuzzing::require(value.size() <= platform::kProfileValueMax, "a value is cut to 254");
    fuzzing::require(!value.contains(QLatin1Char('\n')) && !value.contains(QLatin1Char('\r')),
                     "a value holds no line end");
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString file = fuzzing::writeProgramFile(QStringLiteral("opciones.ini"), data, size);
    const QString opciones = QStringLiteral("opciones");
    std::array<QString, kKeys.size()> before;
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        before[i] = read(opciones, kKeys[i], file);
    }
    read(QStringLiteral("Posición"), "Velarcanacod_Top", file);

    // Neither UTF-8 nor plain ASCII once in Windows-1252, so the file keeps its text.
    const QString written = QStringLiteral("Zoë Œuvre");
    const QByteArray old = fuzzing::bytes(data, size);
    const qint64 length = static_cast<qint64>(size);
    // Line ends written as CR LF at most double a file; the new section and key take the rest.
    const bool roomy = 2 * length + 64 <= platform::kSettingsFileMax;
    const bool done =
        platform::WritePrivateProfileString(opciones, QStringLiteral("Hemisferio"), written, file);
    fuzzing::require(done || !roomy, "a settings file with room to grow can be written");
    fuzzing::require(!done || length <= platform::kSettingsFileMax,
                     "a file longer than is read is never written over");
    if (!done) {
        fuzzing::require(fuzzing::readProgramFile(file) == old,
                         "a refused write leaves the file as it was");
        return 0;
    }
    fuzzing::require(fuzzing::readProgramFile(file).size() <= platform::kSettingsFileMax,
                     "a written file is read whole");
    fuzzing::require(read(opciones, "Hemisferio", file) == written, "a written key reads back");
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        fuzzing::require(read(opciones, kKeys[i], file) == before[i],
                         "writing one key keeps the others");
    }
    return 0;
}
