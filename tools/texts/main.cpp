// Copies the hand-written texts of assets/ (UTF-8, LF) into a program folder as the program
// reads them: Windows-1252, lines ending CR LF. Refuses a text with a character that has no
// place in Windows-1252 or with a control character, so no text can turn into "?" unnoticed.
#include "runtime/Ansi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>

#include <cstdio>

namespace {

bool fail(const QString& path, const char* why) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(path), why);
    return false;
}

bool convert(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        return fail(source, "cannot be read");
    }
    QString text = QString::fromUtf8(in.readAll());
    text.remove(QLatin1Char('\r'));
    for (const QChar ch : text) {
        if (ch.unicode() < 0x20 && ch != QLatin1Char('\n')) {
            return fail(source, "holds a control character");
        }
    }
    QStringList lines = text.split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    const QString windowsText = lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    const QByteArray bytes = runtime::toAnsi(windowsText);
    if (runtime::fromAnsi(bytes) != windowsText) {
        return fail(source, "holds a character that Windows-1252 cannot store");
    }
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size()) {
        return fail(target, "cannot be written");
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: textgen <program folder> <assets folder> <folder>...\n");
        return 2;
    }
    const QDir programFolder(QString::fromLocal8Bit(argv[1]));
    const QDir assets(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        const QString name = QString::fromLocal8Bit(argv[i]);
        const QDir source(assets.filePath(name));
        const QDir target(programFolder.filePath(name));
        if (!QDir().mkpath(target.path())) {
            fail(target.path(), "cannot be created");
            return 1;
        }
        for (const QString& file : source.entryList({"*.txt"}, QDir::Files, QDir::Name)) {
            if (!convert(source.filePath(file), target.filePath(file))) {
                return 1;
            }
        }
    }
    return 0;
}
