#include "support/FullDisk.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace testing_support {
namespace {

constexpr qint64 kPage = 4096;

// Every file below the folder with its bytes, by path relative to it.
QMap<QString, QByteArray> filesBelow(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            files.insert(QDir(folder).relativeFilePath(path), file.readAll());
        }
    }
    return files;
}

qint64 pagesFor(const QMap<QString, QByteArray>& files) {
    qint64 bytes = 0;
    for (const QByteArray& content : files) {
        bytes += (content.size() + kPage - 1) / kPage * kPage;
    }
    return bytes;
}

bool copyInto(const QString& folder, const QMap<QString, QByteArray>& files) {
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const QString path = QDir(folder).filePath(it.key());
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(it.value()) != it.value().size()) {
            return false;
        }
    }
    return true;
}

// Writes until the file system refuses a single byte more.
bool fillUp(const QString& folder) {
    const QByteArray path = QFile::encodeName(QDir(folder).filePath(QStringLiteral(".filler")));
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0) {
        return false;
    }
    const QByteArray chunk(kPage, 'x');
    while (::write(fd, chunk.constData(), chunk.size()) > 0) {
    }
    const bool full = errno == ENOSPC;
    ::close(fd);
    return full;
}

} // namespace

std::string fullDiskName(const testing::TestParamInfo<FullDisk::Kind>& kind) {
    return kind.param == FullDisk::SmallTmpfs ? "SmallTmpfs" : "FileSizeLimit";
}

FullDisk::FullDisk(Kind kind, const QString& folder) : m_folder(folder) {
    if (kind == SmallTmpfs) {
        m_why = mountFilled();
        return;
    }
    m_limit = std::make_unique<testing_support::FileSizeLimit>(0);
    if (!m_limit->holds()) {
        m_why = QStringLiteral("the file size limit cannot be set");
    }
}

FullDisk::~FullDisk() {
    if (m_mounted) {
        umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
    }
}

QString FullDisk::mountFilled() {
    const QMap<QString, QByteArray> files = filesBelow(m_folder);
    const QByteArray options = "mode=0700,size=" + QByteArray::number(pagesFor(files) + 16 * kPage);
    if (mount("tmpfs", QFile::encodeName(m_folder).constData(), "tmpfs", 0, options.constData()) !=
        0) {
        return QStringLiteral("a tmpfs cannot be mounted here: ") +
               QString::fromLocal8Bit(strerror(errno));
    }
    m_mounted = true;
    if (!copyInto(m_folder, files) || !fillUp(m_folder)) {
        return QStringLiteral("the small tmpfs could not be filled");
    }
    return QString();
}

} // namespace testing_support
