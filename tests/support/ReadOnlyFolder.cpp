#include "support/ReadOnlyFolder.h"

#include <QDir>
#include <QFile>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace testing_support {
namespace {

constexpr QFileDevice::Permissions kReadOnly =
    QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
constexpr QFileDevice::Permissions kSearch =
    QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;

// Raises or lowers CAP_DAC_OVERRIDE in the effective set of this thread; it stays permitted, so
// it can be raised again.
bool setDacOverride(bool on) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    if (syscall(SYS_capget, &header, data) != 0) {
        return false;
    }
    const __u32 bit = 1U << CAP_DAC_OVERRIDE;
    data[0].effective = on ? (data[0].effective | bit) : (data[0].effective & ~bit);
    return syscall(SYS_capset, &header, data) == 0;
}

} // namespace

ReadOnlyFolder::ReadOnlyFolder(const QString& folder, const QStringList& files) : m_folder(folder) {
    for (const QString& name : files) {
        const QString path = QDir(folder).filePath(name);
        m_saved.emplace_back(path, QFile::permissions(path));
        QFile::setPermissions(path, kReadOnly);
    }
    m_saved.emplace_back(folder, QFile::permissions(folder));
    QFile::setPermissions(folder, kReadOnly | kSearch);
    if (writable() && geteuid() == 0) {
        m_droppedOverride = setDacOverride(false);
    }
    m_holds = !writable();
}

ReadOnlyFolder::~ReadOnlyFolder() {
    if (m_droppedOverride) {
        setDacOverride(true);
    }
    for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
        QFile::setPermissions(it->first, it->second);
    }
}

// A new file in the folder, or any of the protected files opened for writing.
bool ReadOnlyFolder::writable() const {
    QFile probe(QDir(m_folder).filePath(QStringLiteral(".write-probe")));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        return true;
    }
    for (const auto& [path, permissions] : m_saved) {
        QFile file(path);
        if (path != m_folder && file.open(QIODevice::Append)) {
            return true;
        }
    }
    return false;
}

} // namespace testing_support
