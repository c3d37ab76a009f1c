#include "support/FileSizeLimit.h"

namespace testing_support {

FileSizeLimit::FileSizeLimit(qint64 bytes) {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &m_savedAction);
    getrlimit(RLIMIT_FSIZE, &m_saved);
    rlimit limit = m_saved;
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    m_holds = limit.rlim_cur <= m_saved.rlim_max && setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FileSizeLimit::~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &m_saved);
    sigaction(SIGXFSZ, &m_savedAction, nullptr);
}

} // namespace testing_support
