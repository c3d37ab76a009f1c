#include "support/NonFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>

namespace testing_support {
namespace {

// Far longer than any read or write of a small file takes, even under a sanitizer.
constexpr std::chrono::seconds kDeadline{5};

// The numbers of the zero device on Linux.
constexpr unsigned kMemoryDevices = 1;
constexpr unsigned kZero = 5;

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

QString ownDevicePath(const QString& path) {
    return path + QStringLiteral(".device");
}

QString makeZeroDevice(const QString& path) {
    const QString own = ownDevicePath(path);
    const dev_t zero = makedev(kMemoryDevices, kZero);
    return ::mknod(native(own).constData(), S_IFCHR | 0666, zero) == 0
               ? own
               : QStringLiteral("/dev/zero");
}

bool isZeroDevice(const QString& path) {
    struct stat status {};
    return ::stat(native(path).constData(), &status) == 0 && S_ISCHR(status.st_mode) &&
           status.st_rdev == makedev(kMemoryDevices, kZero);
}

} // namespace

std::string nonFileName(NonFile kind) {
    switch (kind) {
    case NonFile::Pipe:
        return "Pipe";
    case NonFile::PipeWithReader:
        return "PipeWithReader";
    case NonFile::ZeroDevice:
        return "ZeroDevice";
    case NonFile::Folder:
        return "Folder";
    }
    return "Unknown";
}

void PrintTo(NonFile kind, std::ostream* out) {
    *out << nonFileName(kind);
}

NonFileAt::NonFileAt(NonFile kind, const QString& path) : m_kind(kind), m_path(path) {
    QDir().mkpath(QFileInfo(path).path());
    switch (kind) {
    case NonFile::Pipe:
        m_made = ::mkfifo(native(path).constData(), 0600) == 0;
        break;
    case NonFile::PipeWithReader:
        m_reader = std::make_unique<PipeReader>(path);
        m_made = m_reader->holds();
        break;
    case NonFile::ZeroDevice:
        m_made = QFile::link(makeZeroDevice(path), path);
        break;
    case NonFile::Folder:
        m_made = QDir().mkdir(path);
        break;
    }
}

bool NonFileAt::unchanged() {
    struct stat status {};
    if (!m_made || ::lstat(native(m_path).constData(), &status) != 0) {
        return false;
    }
    switch (m_kind) {
    case NonFile::Pipe:
        return S_ISFIFO(status.st_mode);
    case NonFile::PipeWithReader:
        return S_ISFIFO(status.st_mode) && m_reader->finish() == 0;
    case NonFile::ZeroDevice:
        return S_ISLNK(status.st_mode) && isZeroDevice(QFileInfo(m_path).symLinkTarget());
    case NonFile::Folder:
        return S_ISDIR(status.st_mode) &&
               QDir(m_path)
                   .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                   .isEmpty();
    }
    return false;
}

void withinDeadline(const std::string& what, const std::function<void()>& step) {
    std::promise<void> done;
    std::future<void> ended = done.get_future();
    std::thread watchdog([&ended, what] {
        if (ended.wait_for(kDeadline) == std::future_status::timeout) {
            std::fprintf(stderr, "FAILED: %s did not end within %lld s\n", what.c_str(),
                         static_cast<long long>(kDeadline.count()));
            std::fflush(stderr);
            std::_Exit(EXIT_FAILURE);
        }
    });
    step();
    done.set_value();
    watchdog.join();
}

} // namespace testing_support
