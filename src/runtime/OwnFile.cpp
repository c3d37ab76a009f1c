#include "runtime/OwnFile.h"

#include "runtime/FileWrite.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace runtime {
namespace {

constexpr mode_t kOwnerOnly = 0600;

// O_EXCL also refuses a link, even one that points nowhere, and never waits on a pipe.
int createAt(const QByteArray& name) {
    return ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kOwnerOnly);
}

// "<stem>-XXXXXX.<suffix>" beside the path; the system fills in the X and creates the file new.
int createBeside(const QString& path, QByteArray& name) {
    const QFileInfo info(path);
    const QString suffix = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    const QByteArray tail = QFile::encodeName(suffix);
    name = QFile::encodeName(info.path() + u'/' + info.completeBaseName() +
                             QStringLiteral("-XXXXXX")) +
           tail;
    return mkostemps(name.data(), int(tail.size()), O_CLOEXEC);
}

} // namespace

OwnFile::OwnFile(const QString& path) {
    QByteArray name = QFile::encodeName(path);
    m_descriptor = createAt(name);
    if (m_descriptor < 0 && errno == EEXIST) {
        m_descriptor = createBeside(path, name);
    }
    if (m_descriptor >= 0) {
        m_path = QFile::decodeName(name);
    }
}

OwnFile::~OwnFile() {
    if (m_descriptor < 0) {
        return;
    }
    // Only the file made here goes, not whatever may have taken its name since.
    const QByteArray name = QFile::encodeName(m_path);
    struct stat made {};
    struct stat named {};
    if (fstat(m_descriptor, &made) == 0 && lstat(name.constData(), &named) == 0 &&
        made.st_dev == named.st_dev && made.st_ino == named.st_ino) {
        unlink(name.constData());
    }
    ::close(m_descriptor);
}

bool OwnFile::write(const QByteArray& bytes) {
    if (m_descriptor < 0) {
        return false;
    }
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n =
            ::write(m_descriptor, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += n;
    }
    return syncToDisk(m_descriptor);
}

} // namespace runtime
