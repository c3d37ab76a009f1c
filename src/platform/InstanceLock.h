#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace platform {

// The previous-instance test: one running program per program folder and user.
class InstanceLock {
public:
    explicit InstanceLock(const QString& programFolder);
    // True when this process now holds the folder; false when another instance holds it.
    bool acquire();

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace platform
