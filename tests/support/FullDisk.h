#pragma once

#include "support/FileSizeLimit.h"

#include <QString>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace testing_support {

// A disk with no room left for the files of a folder, while the object lives:
// - SmallTmpfs: the folder is mounted on a small file system of its own holding a copy of its
//   files, and the rest of that file system is filled up (needs the right to mount; as root);
// - FileSizeLimit: no file of this process may grow at all (RLIMIT_FSIZE, SIGXFSZ ignored).
// `holds()` tells whether the disk is full now; `why()` says why not, for a skip.
class FullDisk {
public:
    enum Kind { SmallTmpfs, FileSizeLimit };

    FullDisk(Kind kind, const QString& folder);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool holds() const { return m_why.isEmpty(); }
    QString why() const { return m_why; }

private:
    QString mountFilled();

    QString m_folder;
    bool m_mounted = false;
    std::unique_ptr<testing_support::FileSizeLimit> m_limit;
    QString m_why;
};

// Both kinds, for INSTANTIATE_TEST_SUITE_P(Kinds, Suite, kFullDisks, fullDiskName).
inline const auto kFullDisks = testing::Values(FullDisk::SmallTmpfs, FullDisk::FileSizeLimit);
std::string fullDiskName(const testing::TestParamInfo<FullDisk::Kind>& kind);

} // namespace testing_support
