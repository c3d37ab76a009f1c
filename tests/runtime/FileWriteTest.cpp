#include "runtime/FileWrite.h"

#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/FullDisk.h"
#include "support/ReadOnlyFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using runtime::WhereFolderRefuses;
using testing_support::FullDisk;

using testing_support::contents;
using testing_support::put;

namespace {

const QByteArray kOld = "[opciones]\r\nTirada=real\r\nModo Silencioso=mudo\r\nHemisferio=Sur\r\n";

class OnAFullDisk : public testing::TestWithParam<FullDisk::Kind> {
protected:
    QString file() const { return dir.filePath("opciones.ini"); }
    QStringList names() const {
        return QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot);
    }
    QTemporaryDir dir;
};

// Shorter, longer and much longer than the old file: none of it may reach the file, and no
// new file may be left beside it.
TEST_P(OnAFullDisk, AReplacedFileStaysAsItWasAndTheWriteFails) {
    put(file(), kOld);
    const QStringList before = names();
    for (const QByteArray& bytes :
         {QByteArray("[opciones]\r\n"), kOld + "Tirada=objetiva\r\n", QByteArray(20000, 'x')}) {
        for (const auto fallback : {WhereFolderRefuses::Fail, WhereFolderRefuses::RewriteInPlace}) {
            bool written = true;
            {
                FullDisk full(GetParam(), dir.path());
                if (!full.holds()) {
                    GTEST_SKIP() << full.why().toStdString();
                }
                written = runtime::replaceFile(file(), bytes, fallback);
                EXPECT_EQ(contents(file()), kOld) << bytes.size() << " bytes";
                EXPECT_EQ(names(), before);
            }
            EXPECT_FALSE(written) << bytes.size() << " bytes";
        }
    }
}

TEST_P(OnAFullDisk, ANewFileIsNotCreated) {
    bool written = true;
    {
        FullDisk full(GetParam(), dir.path());
        if (!full.holds()) {
            GTEST_SKIP() << full.why().toStdString();
        }
        written = runtime::replaceFile(file(), kOld);
        EXPECT_FALSE(QFile::exists(file()));
    }
    EXPECT_FALSE(written);
}

// In place, the old bytes are all there is: what did not fit is taken back.
TEST_P(OnAFullDisk, AFileRewrittenInPlaceGetsItsOldBytesBack) {
    put(file(), kOld);
    bool written = true;
    {
        FullDisk full(GetParam(), dir.path());
        if (!full.holds()) {
            GTEST_SKIP() << full.why().toStdString();
        }
        written = runtime::rewriteInPlace(file(), kOld + QByteArray(20000, 'x'));
        EXPECT_EQ(contents(file()), kOld);
    }
    EXPECT_FALSE(written);
}

INSTANTIATE_TEST_SUITE_P(Kinds, OnAFullDisk, testing_support::kFullDisks,
                         testing_support::fullDiskName);

// Room for part of the new bytes: in place they go in whole or the old ones are put back.
TEST(RewriteInPlace, WithRoomForPartOfTheBytesTheOldOnesComeBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath("resNames.log");
    const QByteArray longer = kOld + "Nivel Alertas=None\r\n";
    const std::pair<qint64, bool> cases[] = {
        {0, false}, {kOld.size(), false}, {longer.size() - 1, false}, {longer.size(), true}};
    for (const auto& [room, fits] : cases) {
        put(path, kOld);
        bool written = false;
        {
            testing_support::FileSizeLimit full(room);
            if (!full.holds()) {
                GTEST_SKIP() << "the file size limit cannot be set";
            }
            written = runtime::rewriteInPlace(path, longer);
        }
        EXPECT_EQ(written, fits) << room;
        EXPECT_EQ(contents(path), fits ? longer : kOld) << room;
    }
}

// A folder that takes no new file, holding a file that may be written.
TEST(ReplaceFile, WhereTheFolderRefusesANewFileOnlyAnInPlaceWriteGoesIn) {
    QTemporaryDir dir;
    const QString path = dir.filePath("bio.dat");
    put(path, "15,6,1980\r\n");
    testing_support::ReadOnlyFolder readOnly(dir.path());
    if (!readOnly.holds()) {
        GTEST_SKIP() << "this process writes through every permission";
    }
    EXPECT_FALSE(runtime::replaceFile(path, "20,6,1980\r\n"));
    EXPECT_EQ(contents(path), "15,6,1980\r\n");
    EXPECT_TRUE(runtime::replaceFile(path, "3,11,1975\r\n", WhereFolderRefuses::RewriteInPlace));
    EXPECT_EQ(contents(path), "3,11,1975\r\n");
    EXPECT_TRUE(runtime::replaceFile(path, "1,1,1900\r\n", WhereFolderRefuses::RewriteInPlace));
    EXPECT_EQ(contents(path), "1,1,1900\r\n") << "a shorter record leaves nothing of the old";
    EXPECT_FALSE(
        runtime::replaceFile(dir.filePath("new.dat"), "1\r\n", WhereFolderRefuses::RewriteInPlace));
    EXPECT_FALSE(QFile::exists(dir.filePath("new.dat")));
}

// A file kept elsewhere and linked in: both ways of writing reach the file the link names, and
// the link stays a link.
TEST(ReplaceFile, ThroughALinkTheFileItNamesIsWrittenAndTheLinkStays) {
    QTemporaryDir dir;
    QTemporaryDir kept;
    const QString target = kept.filePath("bio.dat");
    const QString link = dir.filePath("bio.dat");
    put(target, "15,6,1980\r\n");
    ASSERT_TRUE(QFile::link(target, link));
    EXPECT_TRUE(runtime::replaceFile(link, "3,11,1975\r\n"));
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), target);
    EXPECT_EQ(contents(target), "3,11,1975\r\n");
    EXPECT_TRUE(runtime::rewriteInPlace(link, "1,1,1900\r\n"));
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), target);
    EXPECT_EQ(contents(target), "1,1,1900\r\n");
    EXPECT_EQ(QDir(kept.path()).entryList(QDir::Files), QStringList{"bio.dat"});
}

} // namespace
