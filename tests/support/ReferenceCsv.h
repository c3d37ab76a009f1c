#pragma once

#include "runtime/DateValue.h"
#include "support/TempProgramFolder.h"

#include <QDateTime>
#include <QFile>
#include <QStringList>

#include <vector>

namespace testing_support {

// The rows of a reference CSV file, header dropped; fields split at commas outside quotes.
inline std::vector<QStringList> readReferenceCsv(const QString& name) {
    std::vector<QStringList> rows;
    QFile file(referencePath(name));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return rows;
    }
    file.readLine();
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty()) {
            continue;
        }
        QStringList fields;
        QString field;
        bool quoted = false;
        for (const QChar ch : line) {
            if (ch == QLatin1Char('"')) {
                quoted = !quoted;
            } else if (ch == QLatin1Char(',') && !quoted) {
                fields << field;
                field.clear();
            } else {
                field += ch;
            }
        }
        rows.push_back(fields << field);
    }
    return rows;
}

// An ISO 8601 instant of the reference files ("2020-01-01T00:00:00Z", or without a zone in the
// time scale the file names) as a date value of the same clock.
inline runtime::DateValue isoInstant(const QString& text) {
    QDateTime instant = QDateTime::fromString(text, Qt::ISODate);
    if (instant.timeSpec() == Qt::LocalTime) {
        instant.setTimeSpec(Qt::UTC);
    }
    return runtime::fromQDateTime(instant.toUTC());
}

} // namespace testing_support
