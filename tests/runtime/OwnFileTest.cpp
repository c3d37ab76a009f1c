#include "runtime/OwnFile.h"

#include "support/FileBytes.h"
#include "support/FullDisk.h"
#include "support/PipeReader.h"
#include "support/ReadOnlyFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using testing_support::FullDisk;

using testing_support::contents;
using testing_support::put;

namespace {

class OwnFileTest : public testing::Test {
protected:
    QString asked() const { return dir.filePath("mysnap.bmp"); }
    QStringList names() const {
        return QDir(dir.path())
            .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
};

} // namespace

TEST_F(OwnFileTest, AFreeNameIsTakenAsItIsAndTheFileGoesWithTheObject) {
    {
        runtime::OwnFile file(asked());
        ASSERT_EQ(file.path(), asked());
        EXPECT_TRUE(file.write("BM"));
        EXPECT_TRUE(file.write("picture"));
        EXPECT_EQ(contents(asked()), "BMpicture");
        EXPECT_EQ(QFileInfo(asked()).permissions() & (QFile::ReadOther | QFile::WriteOther), 0);
    }
    EXPECT_TRUE(names().isEmpty());
}

// Whatever stands at the name is neither opened nor written through nor removed: the file gets
// a unique name beside it, and only that file goes.
TEST_F(OwnFileTest, WhatStandsAtTheNameIsLeftAsItWas) {
    const QString target = elsewhere.filePath("mine.bmp");
    struct Case {
        const char* what;
        std::function<void()> make;
        std::function<void()> check;
    };
    std::unique_ptr<testing_support::PipeReader> pipe;
    const Case cases[] = {
        {"a file", [&] { put(asked(), "the user's"); },
         [&] { EXPECT_EQ(contents(asked()), "the user's"); }},
        {"a link to a file",
         [&] {
             put(target, "the user's");
             ASSERT_TRUE(QFile::link(target, asked()));
         },
         [&] {
             EXPECT_EQ(QFileInfo(asked()).symLinkTarget(), target);
             EXPECT_EQ(contents(target), "the user's");
         }},
        {"a link to nothing", [&] { ASSERT_TRUE(QFile::link(target, asked())); },
         [&] {
             EXPECT_TRUE(QFileInfo(asked()).isSymLink());
             EXPECT_FALSE(QFileInfo::exists(target));
         }},
        {"a named pipe",
         [&] {
             pipe = std::make_unique<testing_support::PipeReader>(asked());
             ASSERT_TRUE(pipe->holds());
         },
         [&] { EXPECT_EQ(pipe->finish(), 0); }},
        {"a folder",
         [&] {
             ASSERT_TRUE(QDir(dir.path()).mkdir("mysnap.bmp"));
             put(asked() + "/inside", "kept");
         },
         [&] { EXPECT_EQ(contents(asked() + "/inside"), "kept"); }},
    };
    const QRegularExpression unique(QStringLiteral("^mysnap-[A-Za-z0-9]{6}\\.bmp$"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(target);
        c.make();
        const QStringList before = names();
        {
            runtime::OwnFile file(asked());
            const QFileInfo made(file.path());
            EXPECT_EQ(made.path(), dir.path());
            EXPECT_TRUE(unique.match(made.fileName()).hasMatch()) << made.fileName().toStdString();
            EXPECT_TRUE(file.write("picture"));
            EXPECT_EQ(contents(file.path()), "picture");
        }
        c.check();
        EXPECT_EQ(names(), before);
        pipe.reset();
        QFile::remove(asked());
        QDir(asked()).removeRecursively();
    }
}

TEST_F(OwnFileTest, AFileThatTookItsNameMeanwhileStays) {
    {
        runtime::OwnFile file(asked());
        ASSERT_TRUE(QFile::remove(asked()));
        put(asked(), "another's");
    }
    EXPECT_EQ(contents(asked()), "another's");
}

TEST_F(OwnFileTest, InAReadOnlyFolderThereIsNoFileAndNothingIsWritten) {
    testing_support::ReadOnlyFolder readOnly(dir.path());
    if (!readOnly.holds()) {
        GTEST_SKIP() << "this process writes through every permission";
    }
    runtime::OwnFile file(asked());
    EXPECT_TRUE(file.path().isEmpty());
    EXPECT_FALSE(file.write("picture"));
    EXPECT_TRUE(names().isEmpty());
}

class OwnFileOnAFullDisk : public OwnFileTest,
                           public testing::WithParamInterface<FullDisk::Kind> {};

TEST_P(OwnFileOnAFullDisk, AWriteThatDoesNotReachTheDiskFailsAndLeavesNothing) {
    FullDisk full(GetParam(), dir.path());
    if (!full.holds()) {
        GTEST_SKIP() << full.why().toStdString();
    }
    const QStringList before = names();
    {
        runtime::OwnFile file(asked());
        EXPECT_FALSE(file.write(QByteArray(200000, 'x')));
    }
    EXPECT_EQ(names(), before);
}

INSTANTIATE_TEST_SUITE_P(Kinds, OwnFileOnAFullDisk, testing_support::kFullDisks,
                         testing_support::fullDiskName);
