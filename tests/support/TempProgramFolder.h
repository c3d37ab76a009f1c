#pragma once

#include <QString>
#include <QTemporaryDir>

namespace testing_support {

// A fresh, empty program folder that the program uses while the object lives.
class TempProgramFolder {
public:
    TempProgramFolder();
    ~TempProgramFolder();

    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const;
    // Writes raw bytes (Windows-1252 text or any garbage) into a file of the folder.
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;
    bool exists(const QString& name) const;

private:
    QTemporaryDir m_dir;
};

// Where the reference data for the astronomy tests lives.
QString referencePath(const QString& name);

} // namespace testing_support
