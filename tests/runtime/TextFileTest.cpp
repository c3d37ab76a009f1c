#include "runtime/TextFile.h"

#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <optional>
#include <vector>

#include <gtest/gtest.h>

using testing_support::contents;

namespace {

// Appending where the disk has less room than the lines need fails, and whatever did fit is
// gone again; lines that just fit go in.
TEST(AppendLines, OnAFullDiskAllLinesGoInOrNone) {
    QTemporaryDir dir;
    const QString path = dir.filePath("perfiles.txt");
    ASSERT_TRUE(runtime::appendLines(path, {"Ana,March/5/1980,7:05"}));
    const QByteArray before = contents(path);
    const QStringList lines = {"Eva,May/1/1990,0:00", "Luis,July/24/1970,9:05"};
    const QByteArray added = "Eva,May/1/1990,0:00\r\nLuis,July/24/1970,9:05\r\n";
    const qint64 needed = added.size();
    const std::pair<qint64, bool> cases[] = {
        {0, false}, {5, false}, {needed - 1, false}, {needed, true}};
    for (const auto& [room, fits] : cases) {
        bool appended = false;
        {
            testing_support::FileSizeLimit full(contents(path).size() + room);
            if (!full.holds()) {
                GTEST_SKIP() << "the file size limit cannot be set";
            }
            appended = runtime::appendLines(path, lines);
        }
        EXPECT_EQ(appended, fits) << room << " bytes of room";
        EXPECT_EQ(contents(path), fits ? before + added : before) << room << " bytes of room";
    }
}

TEST(AppendLines, AFileThatCouldNotTakeTheLinesIsNotLeftBehind) {
    QTemporaryDir dir;
    const QString path = dir.filePath("new.log");
    {
        testing_support::FileSizeLimit full(0);
        if (!full.holds()) {
            GTEST_SKIP() << "the file size limit cannot be set";
        }
        EXPECT_FALSE(runtime::appendLines(path, {"entry"}));
        EXPECT_FALSE(QFile::exists(path));
        EXPECT_TRUE(runtime::appendLines(path, {})) << "no lines need no room";
        EXPECT_TRUE(QFile::exists(path));
    }
}

// A log or profiles file linked in from elsewhere grows where the link points; an append through
// a link to a file not yet there that does not fit takes away the file it made, not the link.
TEST(AppendLines, ThroughALinkTheFileItNamesGrowsAndTheLinkStays) {
    QTemporaryDir dir;
    QTemporaryDir kept;
    const QString target = kept.filePath("perfiles.txt");
    const QString link = dir.filePath("perfiles.txt");
    ASSERT_TRUE(QFile::link(target, link));
    {
        testing_support::FileSizeLimit full(0);
        if (!full.holds()) {
            GTEST_SKIP() << "the file size limit cannot be set";
        }
        EXPECT_FALSE(runtime::appendLines(link, {"Ana,March/5/1980,7:05"}));
    }
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), target);
    EXPECT_TRUE(runtime::appendLines(link, {"Ana,March/5/1980,7:05"}));
    EXPECT_TRUE(runtime::appendLines(link, {"Eva,May/1/1990,0:00"}));
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), target);
    EXPECT_EQ(contents(target), "Ana,March/5/1980,7:05\r\nEva,May/1/1990,0:00\r\n");
    EXPECT_EQ(runtime::readLines(link),
              QStringList({"Ana,March/5/1980,7:05", "Eva,May/1/1990,0:00"}));
}

// Only the first line is used, and only its start is read: a huge file or a link to a device
// without end reads as quickly as a small one.
TEST(ReadNumbers, OnlyTheStartOfTheFirstLineIsRead) {
    QTemporaryDir dir;
    const QString path = dir.filePath("bio.dat");
    const std::pair<QByteArray, std::optional<std::vector<long long>>> cases[] = {
        {"15,6,1980\r\n" + QByteArray(1 << 20, '7'), std::vector<long long>{15, 6, 1980}},
        {"15,6,1980," + QByteArray(1 << 20, ' '), std::vector<long long>{15, 6, 1980}},
        {"15,6," + QByteArray(1 << 20, '1'), std::nullopt},
        {"\r\n15,6,1980\r\n", std::nullopt},
        {"7,5\r1,1,1900\r", std::nullopt},
    };
    for (const auto& [bytes, numbers] : cases) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        EXPECT_EQ(runtime::readNumbers(path, 3), numbers) << bytes.left(20).toStdString();
    }
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path));
    EXPECT_EQ(runtime::readNumbers(path, 3), std::nullopt);
}

} // namespace
