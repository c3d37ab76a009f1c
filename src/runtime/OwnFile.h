#pragma once

#include <QByteArray>
#include <QString>

namespace runtime {

// A file the program makes for its own passing use, removed when the object goes. It is always
// created new, so nothing that already stands at its name (a file, a link, a pipe, a folder) is
// ever opened or written through: it takes the name asked for when that name is free, and
// otherwise a unique name beside it ("mysnap.bmp" then becomes "mysnap-XXXXXX.bmp").
class OwnFile {
public:
    explicit OwnFile(const QString& path);
    ~OwnFile();
    OwnFile(const OwnFile&) = delete;
    OwnFile& operator=(const OwnFile&) = delete;

    // Where the file stands; empty when it could not be created.
    QString path() const { return m_path; }
    // Appends the bytes; true only when every one of them reached the disk.
    bool write(const QByteArray& bytes);

private:
    QString m_path;
    int m_descriptor = -1;
};

} // namespace runtime
