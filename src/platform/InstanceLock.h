#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace platform {

// The previous-instance test: one running program per program folder and user. The lock lives in
// a folder only the user can write: the session's runtime folder (XDG_RUNTIME_DIR) where it is
// one, else "Velarcana" in the user's cache folder (XDG_CACHE_HOME, ~/.cache), made for the user
// alone.
class InstanceLock {
public:
    enum class Outcome {
        Taken,       // this process now holds the program folder
        Running,     // another live instance of this user holds it
        Unavailable, // no lock can be kept (no such folder, no room, no permission)
    };

    explicit InstanceLock(const QString& programFolder);

    Outcome acquire();
    // The lock file, whether or not it can be made.
    QString path() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace platform
