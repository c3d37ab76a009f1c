#pragma once

#include "runtime/Numeric.h"

#include <QString>
#include <QStringList>

#include <array>

namespace readings {

// The result log of a reading window: its file under the program folder, the setting that
// remembers "Save results" ("yes" on, anything else off) and the question of "Delete results".
struct ResultLog {
    QString file;
    QString key;
    QString deleteQuestion;
};

extern const ResultLog kNumbersLog; // "\logs\resNumbers.log", "LogResNumbers"
extern const ResultLog kNamesLog;   // "\logs\resNames.log", "LogResNames"
extern const ResultLog kOracleLog;  // "\logs\resOracle.log", "LogResOracle"

// The four boxes of the Names window: first name, second name, first surname, second surname.
using NameBoxes = std::array<QString, 4>;

// Entries, one line a list item; a card is written by its picture file name. The texts the user
// typed go in as typed.
QStringList numbersEntry(const QString& number, runtime::Integer card);
QStringList namesEntry(const NameBoxes& names, runtime::Integer card);
// An Oracle suit card: the suit's log word ("batons", "cups", "swords", "golds"), the question,
// the minor card's picture file; while reversed cards are allowed, " (Inverted)" or " (Normal)".
QStringList oracleSuitEntry(const QString& suitWord, const QString& question,
                            const QString& minorCardFile, bool tiradaReal, bool inverted);
// The Oracle's global card: the saving time as a general date text, the reading date as the
// date button shows it, the major card.
QStringList oracleGlobalEntry(const QString& savedAt, const QString& readingDate,
                              runtime::Integer card, bool tiradaReal, bool inverted);

// "Save results" as the settings file holds it (read through LeerValorIni).
bool saveResultsOn(const ResultLog& log);
// Writes the setting at once: "yes" or "no".
void writeSaveResults(const ResultLog& log, bool on);

// The full path of the log.
QString logPath(const ResultLog& log);
// Appends an entry, whole or not at all. The "\logs\" folder is never created: without it the
// entry is lost, as is any entry that cannot be written; the reading itself is complete either
// way.
void appendEntry(const ResultLog& log, const QStringList& entry);
// Empties the log in place: afterwards it holds one empty line (a missing log is created). False
// only when a log stays with its entries: without the "\logs\" folder or the log there is none.
bool emptyLog(const ResultLog& log);

} // namespace readings
