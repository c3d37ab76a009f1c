#include "readings/ResultLogs.h"

#include "cards/CardRules.h"
#include "runtime/ProgramFolder.h"
#include "runtime/TextFile.h"
#include "shell/Settings.h"

#include <QFileInfo>

namespace readings {
namespace {

const QString kYes = QStringLiteral("yes");
const QString kNo = QStringLiteral("no");
const QString kBlankLine = QString(25, QLatin1Char(' '));
const QString kEqualsLine = QString(25, QLatin1Char('='));
const QString kHyphenLine = QString(22, QLatin1Char('-'));
const QString kDeleteQuestion = QStringLiteral("Are you sure to completely delete the results?");

QString orientation(bool tiradaReal, bool inverted) {
    if (!tiradaReal) {
        return QString();
    }
    return inverted ? QStringLiteral(" (Inverted)") : QStringLiteral(" (Normal)");
}

bool logsFolderExists(const QString& path) {
    return QFileInfo(QFileInfo(path).path()).isDir();
}

} // namespace

const ResultLog kNumbersLog{QStringLiteral("\\logs\\resNumbers.log"),
                            QStringLiteral("LogResNumbers"), kDeleteQuestion};
const ResultLog kNamesLog{QStringLiteral("\\logs\\resNames.log"), QStringLiteral("LogResNames"),
                          kDeleteQuestion};
const ResultLog kOracleLog{
    QStringLiteral("\\logs\\resOracle.log"), QStringLiteral("LogResOracle"),
    QStringLiteral("Are you sure to completely delete the results of throws?")};

QStringList numbersEntry(const QString& number, runtime::Integer card) {
    return {kBlankLine, kEqualsLine, QStringLiteral("For the number: ") + number,
            QStringLiteral("Resultant Card: ") + ImagenesArcanos(card)};
}

QStringList namesEntry(const NameBoxes& names, runtime::Integer card) {
    return {kBlankLine,
            kEqualsLine,
            QStringLiteral("For the first name: ") + names[0],
            QStringLiteral("For the second name: ") + names[1],
            QStringLiteral("For the first surname: ") + names[2],
            QStringLiteral("For the second surname: ") + names[3],
            QStringLiteral("Resultant card: ") + ImagenesArcanos(card)};
}

QStringList oracleSuitEntry(const QString& suitWord, const QString& question,
                            const QString& minorCardFile, bool tiradaReal, bool inverted) {
    return {kHyphenLine,
            QStringLiteral("Question for the ") + suitWord + QStringLiteral(": ") + question,
            QStringLiteral("Resultant card: ") + minorCardFile + orientation(tiradaReal, inverted)};
}

QStringList oracleGlobalEntry(const QString& savedAt, const QString& readingDate,
                              runtime::Integer card, bool tiradaReal, bool inverted) {
    return {kEqualsLine,
            QStringLiteral("Date of saving: ") + savedAt,
            QStringLiteral("Date for the read: ") + readingDate,
            QStringLiteral("Global resultant card: ") + ImagenesArcanos(card) +
                orientation(tiradaReal, inverted),
            kEqualsLine,
            kBlankLine};
}

bool saveResultsOn(const ResultLog& log) {
    return shell::LeerValorIni(shell::kSeccionOpciones, log.key, shell::settingsFile()) == kYes;
}

void writeSaveResults(const ResultLog& log, bool on) {
    shell::writeOption(log.key, on ? kYes : kNo);
}

QString logPath(const ResultLog& log) {
    return runtime::programPath(log.file);
}

void appendEntry(const ResultLog& log, const QStringList& entry) {
    const QString path = logPath(log);
    if (logsFolderExists(path)) {
        runtime::appendLines(path, entry);
    }
}

bool emptyLog(const ResultLog& log) {
    const QString path = logPath(log);
    if (!logsFolderExists(path)) {
        return true;
    }
    // A log that is not there has no entries to keep, whether or not it can be created.
    const bool existed = QFileInfo::exists(path);
    return runtime::overwriteLines(path, {QString()}) || !existed;
}

} // namespace readings
