#include "platform/InstanceLock.h"

#include "support/EnvironmentVariable.h"
#include "support/FileSizeLimit.h"
#include "support/ReadOnlyFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <memory>
#include <optional>

#include <gtest/gtest.h>

using platform::InstanceLock;
using Outcome = InstanceLock::Outcome;
using testing_support::EnvironmentVariable;

namespace {

constexpr uid_t kOtherUser = 65534;
constexpr char kCannotSwitch = 'x';
constexpr int kDied = -1;

mode_t modeOf(const QString& path) {
    struct stat status {};
    ::stat(QFile::encodeName(path).constData(), &status);
    return status.st_mode & 07777;
}

void setMode(const QString& path, mode_t mode) {
    ::chmod(QFile::encodeName(path).constData(), mode);
}

// A child process that has become the unprivileged user 65534 (the tests run as root) and runs
// `action` there. It stays until the object goes, so that whatever it took is held meanwhile.
class AnotherUser {
public:
    explicit AnotherUser(const std::function<int()>& action) {
        if (::geteuid() != 0 || ::pipe(m_reply) != 0 || ::pipe(m_release) != 0) {
            return;
        }
        m_child = ::fork();
        if (m_child == 0) {
            runChild(action);
        }
        ::close(m_reply[1]);
        ::close(m_release[0]);
    }
    ~AnotherUser() {
        if (m_child > 0) {
            ::close(m_release[1]);
            ::waitpid(m_child, nullptr, 0);
            ::close(m_reply[0]);
        }
    }
    AnotherUser(const AnotherUser&) = delete;
    AnotherUser& operator=(const AnotherUser&) = delete;

    // What the action gave back; nothing when this machine cannot run a second user.
    std::optional<int> result() const {
        if (m_child <= 0) {
            return std::nullopt;
        }
        char reply = 0;
        if (::read(m_reply[0], &reply, 1) != 1) {
            return kDied;
        }
        return reply == kCannotSwitch ? std::nullopt : std::optional<int>(reply);
    }

private:
    [[noreturn]] void runChild(const std::function<int()>& action) const {
        ::close(m_reply[0]);
        ::close(m_release[1]);
        char reply = kCannotSwitch;
        if (::setgroups(0, nullptr) == 0 && ::setgid(kOtherUser) == 0 &&
            ::setuid(kOtherUser) == 0) {
            reply = static_cast<char>(action());
        }
        if (::write(m_reply[1], &reply, 1) == 1) {
            while (::read(m_release[0], &reply, 1) > 0) {
            }
        }
        ::_exit(0);
    }

    pid_t m_child = -1;
    int m_reply[2] = {-1, -1};
    int m_release[2] = {-1, -1};
};

constexpr const char* kNoSecondUser = "no second user: the tests do not run as root, or this "
                                      "machine refuses the switch to user 65534";

} // namespace

TEST(InstanceLock, ASecondStartOfTheSameFolderIsRefused) {
    QTemporaryDir folder;
    QTemporaryDir session;
    const EnvironmentVariable runtime("XDG_RUNTIME_DIR", session.path());
    InstanceLock first(folder.path());
    ASSERT_EQ(first.acquire(), Outcome::Taken);
    InstanceLock second(folder.path());
    EXPECT_EQ(second.acquire(), Outcome::Running);
    EXPECT_EQ(QFileInfo(first.path()).absolutePath(), session.path())
        << "the lock lives in the runtime folder";
    EXPECT_EQ(QDir(folder.path()).entryList({"*.lock"}, QDir::Files | QDir::Hidden), QStringList())
        << "nothing is written into the program folder";
}

TEST(InstanceLock, AnotherFolderOfTheSameUserStartsToo) {
    QTemporaryDir one;
    QTemporaryDir other;
    QTemporaryDir session;
    const EnvironmentVariable runtime("XDG_RUNTIME_DIR", session.path());
    InstanceLock first(one.path());
    ASSERT_EQ(first.acquire(), Outcome::Taken);
    InstanceLock second(other.path());
    EXPECT_EQ(second.acquire(), Outcome::Taken);
}

TEST(InstanceLock, AnotherSessionOfTheSameFolderIsNotRefused) {
    QTemporaryDir folder;
    QTemporaryDir firstSession;
    QTemporaryDir secondSession;
    std::optional<EnvironmentVariable> runtime(std::in_place, "XDG_RUNTIME_DIR",
                                               firstSession.path());
    InstanceLock first(folder.path());
    ASSERT_EQ(first.acquire(), Outcome::Taken);

    runtime.reset();
    runtime.emplace("XDG_RUNTIME_DIR", secondSession.path());
    InstanceLock second(folder.path());
    EXPECT_EQ(second.acquire(), Outcome::Taken);
}

// A user without a session runtime folder: the lock goes into the user's own cache folder.
class CacheFolderTest : public testing::Test {
protected:
    QString lockFolder() const { return QDir(cache).filePath("Velarcana"); }

    QTemporaryDir folder; // the program folder
    QTemporaryDir home;
    const QString cache = home.filePath(".cache");
    const EnvironmentVariable noRuntime{"XDG_RUNTIME_DIR", std::nullopt};
    const EnvironmentVariable cacheHome{"XDG_CACHE_HOME", cache};
};

TEST_F(CacheFolderTest, WithoutARuntimeFolderTheLockLivesInAFolderOfTheUserAlone) {
    struct Case {
        const char* what;
        std::optional<QString> runtime;
        std::optional<mode_t> cacheMode; // the cache folder is there already
    };
    const Case cases[] = {
        {"no runtime folder, no cache folder yet", std::nullopt, std::nullopt},
        {"an empty runtime folder, a cache folder open to read", QString(), 0755},
        {"a runtime folder that cannot be", home.filePath("file/run"), 0700},
        {"a runtime folder others may write in", home.filePath("run"), std::nullopt},
    };
    QFile(home.filePath("file")).open(QIODevice::WriteOnly);
    QDir(home.path()).mkdir("run");
    setMode(home.filePath("run"), 0777);
    for (const Case& c : cases) {
        QDir(cache).removeRecursively();
        if (c.cacheMode) {
            QDir().mkpath(cache);
            setMode(cache, *c.cacheMode);
        }
        const EnvironmentVariable runtime("XDG_RUNTIME_DIR", c.runtime);
        std::optional<InstanceLock> first(std::in_place, folder.path());
        ASSERT_EQ(first->acquire(), Outcome::Taken) << c.what;
        EXPECT_EQ(QFileInfo(first->path()).absolutePath(), lockFolder()) << c.what;
        EXPECT_EQ(modeOf(lockFolder()), 0700U) << c.what;
        EXPECT_EQ(modeOf(cache), c.cacheMode.value_or(0700)) << c.what;

        InstanceLock second(folder.path());
        EXPECT_EQ(second.acquire(), Outcome::Running) << c.what;
        first.reset();
        EXPECT_EQ(second.acquire(), Outcome::Taken) << "the first one has ended: " << c.what;
    }
}

// The lock file of a start that ended without taking it away (killed, or crashed).
bool leftByAnEndedStart(const QString& lockPath) {
    QDir().mkpath(QFileInfo(lockPath).absolutePath());
    const pid_t child = ::fork();
    if (child == 0) {
        QLockFile lock(lockPath);
        ::_exit(lock.tryLock(0) ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0 && QFile::exists(lockPath);
}

// Qt takes the place of such a lock through a second lock file of its own: where no file fits,
// it cannot, and the lock is unavailable, not held by a running instance.
TEST_F(CacheFolderTest, ALockLeftByAnEndedStartIsNoRunningInstanceWhereNoFileFits) {
    InstanceLock lock(folder.path());
    ASSERT_TRUE(leftByAnEndedStart(lock.path()));
    {
        const testing_support::FileSizeLimit full(0);
        if (!full.holds()) {
            GTEST_SKIP() << "the file size limit cannot be set";
        }
        EXPECT_EQ(lock.acquire(), Outcome::Unavailable);
    }
    EXPECT_EQ(lock.acquire(), Outcome::Taken) << "with room, it takes the ended start's place";
    const testing_support::FileSizeLimit full(0);
    InstanceLock second(folder.path());
    EXPECT_EQ(second.acquire(), Outcome::Running) << "a running holder still refuses the start";
}

// Something in the way of the lock file that is not a running instance.
struct Obstacle {
    const char* name;
    // Puts the obstacle in place; what it gives back keeps it there while it lives, and is empty
    // when this machine cannot make it.
    std::function<std::shared_ptr<void>(const QString& cache, const QString& lockFolder)> place;
};

void PrintTo(const Obstacle& obstacle, std::ostream* out) {
    *out << obstacle.name;
}

class LockObstacleTest : public CacheFolderTest, public testing::WithParamInterface<Obstacle> {};

TEST_P(LockObstacleTest, ALockThatCannotBeKeptIsNoRunningInstance) {
    const auto obstacle = GetParam().place(cache, lockFolder());
    if (!obstacle) {
        GTEST_SKIP() << "this machine cannot make the obstacle (it lets the test write)";
    }
    InstanceLock lock(folder.path());
    EXPECT_EQ(lock.acquire(), Outcome::Unavailable);
}

std::shared_ptr<void> readOnly(const QString& folder) {
    QDir().mkpath(folder);
    auto guard = std::make_shared<testing_support::ReadOnlyFolder>(folder);
    return guard->holds() ? guard : nullptr;
}

const Obstacle kObstacles[] = {
    {"NoSuchFolderCanBeMade",
     [](const QString& cache, const QString&) -> std::shared_ptr<void> {
         QDir().mkpath(QFileInfo(cache).absolutePath());
         QFile(cache).open(QIODevice::WriteOnly); // a file where the folder should be
         return std::make_shared<int>();
     }},
    {"CacheFolderReadOnly", [](const QString& cache, const QString&) { return readOnly(cache); }},
    {"LockFolderReadOnly",
     [](const QString&, const QString& lockFolder) {
         QDir().mkpath(lockFolder);
         setMode(lockFolder, 0700);
         return readOnly(lockFolder);
     }},
    {"LockFolderOthersMayWrite",
     [](const QString&, const QString& lockFolder) -> std::shared_ptr<void> {
         QDir().mkpath(lockFolder);
         setMode(lockFolder, 0777);
         return std::make_shared<int>();
     }},
    {"NoRoomLeft",
     [](const QString&, const QString&) -> std::shared_ptr<void> {
         auto guard = std::make_shared<testing_support::FileSizeLimit>(0);
         return guard->holds() ? guard : nullptr;
     }},
};

INSTANTIATE_TEST_SUITE_P(Obstacles, LockObstacleTest, testing::ValuesIn(kObstacles),
                         [](const testing::TestParamInfo<Obstacle>& row) {
                             return std::string(row.param.name);
                         });

// Another local user tries to take the lock's place before this user starts: where the cache
// folder is this user's, nothing can be put there; where it is shared, what is put there is no
// running instance and the program starts.
TEST_F(CacheFolderTest, AnotherUserCannotBlockTheStartWithALockOfTheirOwn) {
    struct Case {
        const char* what;
        mode_t cacheMode;
        bool startedBefore;
        bool planted;
        Outcome outcome;
    };
    const Case cases[] = {
        {"a cache folder of the user, before the first start", 0755, false, false, Outcome::Taken},
        {"a cache folder of the user, after a start", 0755, true, false, Outcome::Taken},
        {"a cache folder everyone may write in", 01777, false, true, Outcome::Unavailable},
    };
    setMode(home.path(), 0755);
    for (const Case& c : cases) {
        QDir(cache).removeRecursively();
        QDir().mkpath(cache);
        setMode(cache, c.cacheMode);
        InstanceLock lock(folder.path());
        if (c.startedBefore) {
            InstanceLock earlier(folder.path());
            ASSERT_EQ(earlier.acquire(), Outcome::Taken);
        }
        const QByteArray lockFolderName = QFile::encodeName(lockFolder());
        const QByteArray lockName = QFile::encodeName(lock.path());
        const AnotherUser other([&] {
            ::mkdir(lockFolderName.constData(), 0777);
            const int file = ::open(lockName.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
            if (file < 0) {
                return 0;
            }
            ::close(file);
            return 1;
        });
        const std::optional<int> planted = other.result();
        if (!planted) {
            GTEST_SKIP() << kNoSecondUser;
        }
        EXPECT_EQ(*planted == 1, c.planted) << c.what;
        EXPECT_EQ(lock.acquire(), c.outcome) << c.what;
    }
}

TEST_F(CacheFolderTest, AnotherUserRunningTheSameFolderDoesNotRefuseThisOne) {
    QTemporaryDir otherHome;
    ::chown(QFile::encodeName(otherHome.path()).constData(), kOtherUser, kOtherUser);
    const QString otherCache = otherHome.filePath(".cache");
    for (const bool otherFirst : {true, false}) {
        InstanceLock mine(folder.path());
        if (!otherFirst) {
            ASSERT_EQ(mine.acquire(), Outcome::Taken);
        }
        std::optional<InstanceLock> theirs; // lives on in the child, which holds it
        const AnotherUser other([&] {
            qputenv("XDG_CACHE_HOME", QFile::encodeName(otherCache));
            theirs.emplace(folder.path());
            return static_cast<int>(theirs->acquire());
        });
        const std::optional<int> outcome = other.result();
        if (!outcome) {
            GTEST_SKIP() << kNoSecondUser;
        }
        EXPECT_EQ(*outcome, static_cast<int>(Outcome::Taken)) << "the other user starts";
        if (otherFirst) {
            EXPECT_EQ(mine.acquire(), Outcome::Taken) << "while the other user's instance runs";
        }
    }
}
