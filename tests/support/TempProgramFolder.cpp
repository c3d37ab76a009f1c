#include "support/TempProgramFolder.h"

#include "runtime/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace testing_support {

TempProgramFolder::TempProgramFolder() {
    runtime::setProgramFolder(m_dir.path());
}

TempProgramFolder::~TempProgramFolder() {
    runtime::setProgramFolder(QString());
}

QString TempProgramFolder::file(const QString& name) const {
    return m_dir.filePath(name);
}

void TempProgramFolder::write(const QString& name, const QByteArray& bytes) const {
    const QString path = file(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile out(path);
    if (out.open(QIODevice::WriteOnly)) {
        out.write(bytes);
    }
}

QByteArray TempProgramFolder::read(const QString& name) const {
    QFile in(file(name));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

bool TempProgramFolder::exists(const QString& name) const {
    return QFileInfo::exists(file(name));
}

QString referencePath(const QString& name) {
    return QDir(QStringLiteral(VELARCANA_REFERENCE_DIR)).filePath(name);
}

} // namespace testing_support
