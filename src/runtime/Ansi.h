#pragma once

#include <QByteArray>
#include <QString>

namespace runtime {

// Windows-1252, the single-byte text of every file the program reads and writes.
// Characters with no place in it are written as "?".
QString fromAnsi(const QByteArray& bytes);
QByteArray toAnsi(const QString& text);

// The characters of the text that have no place in Windows-1252, each once, in the order they
// first appear; empty when the whole text can be stored as it is.
QString nonAnsiCharacters(const QString& text);

// Lower case of ANSI text (letters with no lower form stay as they are).
QString ansiLower(const QString& text);

} // namespace runtime
