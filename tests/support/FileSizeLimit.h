#pragma once

#include <QtGlobal>

#include <csignal>
#include <sys/resource.h>

namespace testing_support {

// A full disk for this process while the object lives: no file may grow past `bytes`. A write
// past it fails (EFBIG) instead of ending the process, as SIGXFSZ is ignored meanwhile.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool holds() const { return m_holds; }

private:
    rlimit m_saved{};
    struct sigaction m_savedAction {};
    bool m_holds = false;
};

} // namespace testing_support
