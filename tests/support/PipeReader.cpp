#include "support/PipeReader.h"

#include <QFile>

#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace testing_support {
namespace {

constexpr auto kPause = std::chrono::milliseconds(1);

} // namespace

PipeReader::PipeReader(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    if (mkfifo(name.constData(), 0600) != 0) {
        return;
    }
    // Open without waiting for a writer; with a reader there, a writer's open does not wait.
    m_descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_descriptor >= 0) {
        m_thread = std::thread([this] { drain(); });
    }
}

PipeReader::~PipeReader() {
    finish();
    if (m_descriptor >= 0) {
        ::close(m_descriptor);
    }
}

qint64 PipeReader::finish() {
    m_stop = true;
    if (m_thread.joinable()) {
        m_thread.join();
    }
    if (m_descriptor >= 0) {
        readWaiting();
    }
    return m_received;
}

void PipeReader::drain() {
    while (!m_stop) {
        readWaiting();
        std::this_thread::sleep_for(kPause);
    }
}

void PipeReader::readWaiting() {
    char chunk[65536];
    for (ssize_t n; (n = ::read(m_descriptor, chunk, sizeof chunk)) > 0;) {
        m_received += n;
    }
}

} // namespace testing_support
