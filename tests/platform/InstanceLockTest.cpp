#include "platform/InstanceLock.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

using platform::InstanceLock;

namespace {

// Points the runtime folder (XDG_RUNTIME_DIR) somewhere else for one case, as another user's
// session would have it, and puts the test run's own back afterwards.
class RuntimeFolder {
public:
    explicit RuntimeFolder(const QString& path) : m_saved(qgetenv("XDG_RUNTIME_DIR")) {
        qputenv("XDG_RUNTIME_DIR", path.toUtf8());
    }
    ~RuntimeFolder() {
        if (m_saved.isEmpty()) {
            qunsetenv("XDG_RUNTIME_DIR");
        } else {
            qputenv("XDG_RUNTIME_DIR", m_saved);
        }
    }

private:
    QByteArray m_saved;
};

} // namespace

TEST(InstanceLock, ASecondStartOfTheSameFolderIsRefused) {
    QTemporaryDir folder;
    QTemporaryDir session;
    const RuntimeFolder runtime(session.path());
    InstanceLock first(folder.path());
    ASSERT_TRUE(first.acquire());
    InstanceLock second(folder.path());
    EXPECT_FALSE(second.acquire());
    EXPECT_FALSE(QDir(session.path()).isEmpty()) << "the lock lives in the runtime folder";
    EXPECT_EQ(QDir(folder.path()).entryList({"*.lock"}, QDir::Files | QDir::Hidden), QStringList())
        << "nothing is written into the program folder";
}

TEST(InstanceLock, AnotherFolderOfTheSameUserStartsToo) {
    QTemporaryDir one;
    QTemporaryDir other;
    QTemporaryDir session;
    const RuntimeFolder runtime(session.path());
    InstanceLock first(one.path());
    ASSERT_TRUE(first.acquire());
    InstanceLock second(other.path());
    EXPECT_TRUE(second.acquire());
}

TEST(InstanceLock, AnotherUserIsNotRefused) {
    QTemporaryDir folder;
    QTemporaryDir firstSession;
    QTemporaryDir secondSession;
    std::optional<RuntimeFolder> runtime(std::in_place, firstSession.path());
    InstanceLock first(folder.path());
    ASSERT_TRUE(first.acquire());

    runtime.emplace(secondSession.path());
    InstanceLock second(folder.path());
    EXPECT_TRUE(second.acquire()) << "the same program folder, another user's runtime folder";
}
