#pragma once

#include <QString>

#include <atomic>
#include <thread>

namespace testing_support {

// Makes a named pipe at the path and reads whatever is written into it while the object lives,
// on a thread of its own: a writer that opens the pipe never waits, and what it wrote is counted.
class PipeReader {
public:
    explicit PipeReader(const QString& path);
    ~PipeReader();
    PipeReader(const PipeReader&) = delete;
    PipeReader& operator=(const PipeReader&) = delete;

    bool holds() const { return m_descriptor >= 0; }
    // Stops reading and tells how many bytes were written into the pipe, the last ones included.
    qint64 finish();

private:
    void drain();
    void readWaiting();

    int m_descriptor = -1;
    std::atomic<bool> m_stop{false};
    std::atomic<qint64> m_received{0};
    std::thread m_thread;
};

} // namespace testing_support
