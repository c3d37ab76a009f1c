#include "runtime/Ansi.h"

#include <QList>

#include <array>

namespace runtime {
namespace {

// Code points of bytes 0x80..0x9F; 0 marks the five bytes that Windows-1252 leaves undefined,
// which read as the same code point (as Windows does).
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t decodeByte(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F && kHighControls[byte - 0x80] != 0) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

char encodeChar(char16_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        return static_cast<char>(code);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == code || (kHighControls[i] == 0 && code == 0x80 + i)) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

} // namespace

QString fromAnsi(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        text.append(QChar(decodeByte(static_cast<unsigned char>(byte))));
    }
    return text;
}

QByteArray toAnsi(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        bytes.append(encodeChar(ch.unicode()));
    }
    return bytes;
}

QString nonAnsiCharacters(const QString& text) {
    QString found;
    for (const uint point : text.toUcs4()) {
        const char32_t code = point;
        const QString ch = QString::fromUcs4(&code, 1);
        const bool stored = code <= 0xFFFF && encodeChar(static_cast<char16_t>(code)) != '?';
        if (!stored && code != U'?' && !found.contains(ch)) {
            found += ch;
        }
    }
    return found;
}

QString ansiLower(const QString& text) {
    QString lower;
    lower.reserve(text.size());
    for (const QChar ch : text) {
        const QChar folded = ch.toLower();
        lower.append(encodeChar(folded.unicode()) == '?' && ch != QLatin1Char('?') ? ch : folded);
    }
    return lower;
}

} // namespace runtime
