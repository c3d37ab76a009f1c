#include "biorhythms/FormSnap.h"
#include "app/Windows.h"
#include "biorhythms/JpegEncoder.h"
#include "biorhythms/frmBio.h"
#include "biorule/BioState.h"
#include "biorule/BirthData.h"
#include "forms/Forms.h"
#include "runtime/MessageBox.h"
#include "runtime/SystemFormats.h"
#include "shell/Notif.h"
#include "shell/ShellState.h"
#include "support/DrawnBoxes.h"
#include "support/FakeClock.h"
#include "support/FakeShell.h"
#include "support/FakeSoundPlayer.h"
#include "support/FakeTray.h"
#include "support/FileSizeLimit.h"
#include "support/FullDisk.h"
#include "support/PipeReader.h"
#include "support/ReadOnlyFolder.h"
#include "support/TempProgramFolder.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using biorhythms::frmBio;

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

QImage testPicture() {
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(QColor(40, 120, 200));
    return picture;
}

// The JPEG quality a reader sees is not stored; the file size tells the qualities apart.
qint64 jpegSize(int quality) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("q.jpg"));
    QImage noisy(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < noisy.height(); ++y) {
        for (int x = 0; x < noisy.width(); ++x) {
            noisy.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x * y) % 256, (x ^ y) * 4 % 256));
        }
    }
    EXPECT_TRUE(biorhythms::SaveJPG(noisy, path, quality));
    return QFileInfo(path).size();
}

class SnapshotTest : public testing::Test {
protected:
    void SetUp() override {
        shell::resetShellState();
        biorhythms::resetBioState();
        shell::shellState().modoMinimizar = "systray";
        runtime::setLocale(kEnglish);
        shell::Notif::setSlideDuration(0);
        runtime::setDialogScript([this](const runtime::DialogCall& call, QString&) {
            boxes.push_back(call);
            jpegAtMessage = folder.exists("mysnap.jpg");
            return runtime::vbOK;
        });
        app::registerWindows();
        folder.write("bio.dat", "5,3,1980\r\n");
        folder.write("horabio.dat", "7,5\r\n");
        folder.write("biofinal.dat", "0,0,0\r\n");
        biorhythms::readBirthDate();
    }
    void TearDown() override {
        forms::Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        runtime::setDialogScript(nullptr);
        shell::Notif::setSlideDuration(shell::Notif::kDefaultSlideMs);
    }
    frmBio& bio() { return *static_cast<frmBio*>(forms::Forms::instance().load(frmBio::kName)); }
    void clickSnap(frmBio& window) {
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("CmdSnap")),
                          Qt::LeftButton);
    }
    QStringList names() const {
        QStringList found =
            QDir(folder.path())
                .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                           QDir::Unsorted);
        found.sort();
        return found;
    }
    static QStringList withSnapshot(QStringList names) {
        names.append(QStringLiteral("mysnap.jpg"));
        names.sort();
        return names;
    }
    void expectSavedAndOpened(const testing_support::DrawnBoxes& drawn) {
        ASSERT_EQ(drawn.shown.size(), 1U);
        EXPECT_EQ(drawn.shown[0].text,
                  "The picture has been saved in the application folder as mysnap.jpg");
        EXPECT_EQ(drawn.shown[0].icon, QMessageBox::Information);
        EXPECT_TRUE(drawn.shown[0].drawn);
        EXPECT_EQ(QImageReader(folder.file("mysnap.jpg")).format(), "jpeg");
        ASSERT_EQ(desktop.opened.size(), 1);
        EXPECT_EQ(desktop.opened[0], QUrl::fromLocalFile(folder.file("mysnap.jpg")));
    }

    testing_support::TempProgramFolder folder;
    testing_support::FakeTray tray;
    testing_support::FakeSoundPlayer sound_;
    testing_support::FakeShell desktop;
    testing_support::FakeClock clock{runtime::makeDateTime({2016, 7, 24, 18, 0, 0})};
    std::vector<runtime::DialogCall> boxes;
    bool jpegAtMessage = true;
};

} // namespace

TEST_F(SnapshotTest, SnapshotOfTheBiorhythmsWindowIsSavedAsJpegAndOpened) {
    frmBio& window = bio();
    const QStringList before = names();
    window.CmdSnap_Click();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].prompt,
              "The picture has been saved in the application folder as mysnap.jpg");
    EXPECT_EQ(boxes[0].style, runtime::vbInformation);
    EXPECT_TRUE(jpegAtMessage) << "the message tells what was written";
    EXPECT_EQ(names(), withSnapshot(before)) << "only the snapshot is left";
    QImageReader reader(folder.file("mysnap.jpg"));
    EXPECT_EQ(reader.format(), "jpeg");
    const QImage snap = reader.read();
    EXPECT_EQ(snap.size(), bio().size());
    ASSERT_EQ(desktop.opened.size(), 1);
    EXPECT_EQ(desktop.opened[0], QUrl::fromLocalFile(folder.file("mysnap.jpg")));
    EXPECT_FALSE(forms::Forms::instance().isLoaded(biorhythms::FormSnap::kName));
}

// The passing bitmap is a file of the snapshot's own: whatever the user has at its name is not
// written through, not waited on and not removed, and the snapshot is saved and opened as usual.
TEST_F(SnapshotTest, WhatStandsAtTheBitmapsNameIsLeftAsItWas) {
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath("holiday.bmp");
    const QString bitmap = folder.file("mysnap.bmp");
    std::unique_ptr<testing_support::PipeReader> pipe;
    struct Case {
        const char* what;
        std::function<void()> make;
        std::function<void()> check;
    };
    const Case cases[] = {
        {"a link to a file",
         [&] {
             QFile file(target);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("BM the user's") == 13);
             file.close();
             ASSERT_TRUE(QFile::link(target, bitmap));
         },
         [&] {
             EXPECT_EQ(QFileInfo(bitmap).symLinkTarget(), target);
             QFile file(target);
             ASSERT_TRUE(file.open(QIODevice::ReadOnly));
             EXPECT_EQ(file.readAll(), "BM the user's");
         }},
        {"a link to nothing", [&] { ASSERT_TRUE(QFile::link(target, bitmap)); },
         [&] {
             EXPECT_TRUE(QFileInfo(bitmap).isSymLink());
             EXPECT_FALSE(QFileInfo::exists(target));
         }},
        {"a named pipe",
         [&] {
             pipe = std::make_unique<testing_support::PipeReader>(bitmap);
             ASSERT_TRUE(pipe->holds());
         },
         [&] {
             EXPECT_EQ(pipe->finish(), 0) << "bytes written into the pipe";
             EXPECT_EQ(QFileInfo(bitmap).isFile(), false);
         }},
        {"a folder",
         [&] {
             ASSERT_TRUE(QDir(folder.path()).mkdir("mysnap.bmp"));
             folder.write("mysnap.bmp/notes.txt", "kept");
         },
         [&] { EXPECT_EQ(folder.read("mysnap.bmp/notes.txt"), "kept"); }},
    };
    frmBio& window = bio();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.make();
        const QStringList before = names();
        desktop.opened.clear();
        {
            testing_support::DrawnBoxes drawn;
            clickSnap(window);
            expectSavedAndOpened(drawn);
        }
        c.check();
        EXPECT_EQ(names(), withSnapshot(before));
        pipe.reset();
        QFile::remove(bitmap);
        QFile::remove(target);
        QDir(bitmap).removeRecursively();
        QFile::remove(folder.file("mysnap.jpg"));
    }
}

// A bitmap whose last byte does not reach the disk is an error of its own: the JPEG, which fits,
// is saved and said so, but not opened, and no part of the bitmap is left behind.
TEST_F(SnapshotTest, ABitmapThatDoesNotFitKeepsTheViewerShutAndLeavesNothing) {
    frmBio& window = bio();
    QByteArray bitmap;
    QBuffer buffer(&bitmap);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(window.grab().toImage().save(&buffer, "BMP"));
    const QStringList before = names();
    {
        testing_support::FileSizeLimit limit(bitmap.size() - 1);
        ASSERT_TRUE(limit.holds());
        testing_support::DrawnBoxes drawn;
        clickSnap(window);
        ASSERT_EQ(drawn.shown.size(), 1U);
        EXPECT_EQ(drawn.shown[0].text,
                  "The picture has been saved in the application folder as mysnap.jpg");
    }
    EXPECT_EQ(QImageReader(folder.file("mysnap.jpg")).format(), "jpeg");
    EXPECT_EQ(names(), withSnapshot(before));
    EXPECT_TRUE(desktop.opened.isEmpty());
}

TEST_F(SnapshotTest, InAReadOnlyProgramFolderItSaysTheSnapshotWasNotSaved) {
    folder.write("mysnap.jpg", "earlier");
    frmBio& window = bio();
    testing_support::ReadOnlyFolder readOnly(folder.path(), {"mysnap.jpg"});
    if (!readOnly.holds()) {
        GTEST_SKIP() << "this process writes through every permission";
    }
    window.CmdSnap_Click();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].prompt,
              "The picture could not be saved in the application folder as mysnap.jpg");
    EXPECT_EQ(boxes[0].style, runtime::vbExclamation);
    EXPECT_EQ(boxes[0].title, "Error");
    EXPECT_EQ(folder.read("mysnap.jpg"), "earlier");
    EXPECT_FALSE(folder.exists("mysnap.bmp"));
    EXPECT_TRUE(desktop.opened.isEmpty()) << "the earlier snapshot is not shown as this one";
}

class SnapshotOnAFullDisk : public SnapshotTest,
                            public testing::WithParamInterface<testing_support::FullDisk::Kind> {};

TEST_P(SnapshotOnAFullDisk, ItSaysTheSnapshotWasNotSavedAndKeepsTheEarlierOne) {
    folder.write("mysnap.jpg", "earlier");
    frmBio& window = bio();
    {
        testing_support::FullDisk full(GetParam(), folder.path());
        if (!full.holds()) {
            GTEST_SKIP() << full.why().toStdString();
        }
        testing_support::DrawnBoxes drawn;
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("CmdSnap")),
                          Qt::LeftButton);
        ASSERT_EQ(drawn.shown.size(), 1U);
        EXPECT_EQ(drawn.shown[0].text,
                  "The picture could not be saved in the application folder as mysnap.jpg");
        EXPECT_EQ(drawn.shown[0].icon, QMessageBox::Warning);
        EXPECT_EQ(drawn.shown[0].title, "Error");
        EXPECT_TRUE(drawn.shown[0].drawn);
        EXPECT_EQ(folder.read("mysnap.jpg"), "earlier");
        EXPECT_FALSE(folder.exists("mysnap.bmp"));
    }
    EXPECT_TRUE(desktop.opened.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Kinds, SnapshotOnAFullDisk, testing_support::kFullDisks,
                         testing_support::fullDiskName);

TEST_F(SnapshotTest, WithoutTheBiorhythmsWindowNothingIsSavedOrOpened) {
    folder.write("mysnap.jpg", "earlier");
    forms::Forms::instance().load(biorhythms::FormSnap::kName);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(folder.read("mysnap.jpg"), "earlier");
    EXPECT_TRUE(desktop.opened.isEmpty());
}

TEST(JpegEncoder, EncoderMimeTypeMatchIgnoresCase) {
    const QList<QByteArray> encoders = {"image/bmp", "image/jpeg", "image/png"};
    for (const char* wanted : {"image/jpeg", "IMAGE/JPEG", "Image/Jpeg"}) {
        EXPECT_EQ(biorhythms::GetEncoderClsid(QString::fromLatin1(wanted), encoders),
                  QByteArray("image/jpeg"))
            << wanted;
    }
    EXPECT_FALSE(biorhythms::GetEncoderClsid(QStringLiteral("image/jpg"), encoders));
    EXPECT_FALSE(biorhythms::GetEncoderClsid(QStringLiteral("image/jpeg"), {}));
}

TEST(JpegEncoder, QualityIsClampedToZeroToHundred) {
    const std::pair<int, int> cases[] = {{88, 88}, {150, 100}, {100, 100}, {0, 0}, {-5, 0}};
    for (const auto& [given, used] : cases) {
        EXPECT_EQ(biorhythms::clampQuality(given), used) << given;
    }
    EXPECT_EQ(jpegSize(150), jpegSize(100));
    EXPECT_EQ(jpegSize(-5), jpegSize(0));
    EXPECT_LT(jpegSize(0), jpegSize(88));
}

TEST(JpegEncoder, WithoutAJpegEncoderItSaysSoAndKeepsTheEarlierFile) {
    std::vector<runtime::DialogCall> boxes;
    runtime::setDialogScript([&](const runtime::DialogCall& call, QString&) {
        boxes.push_back(call);
        return runtime::vbOK;
    });
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mysnap.jpg"));
    {
        QFile earlier(path);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
    }
    EXPECT_FALSE(biorhythms::SaveJPG(testPicture(), path, 88, {"image/png", "image/bmp"}));
    runtime::setDialogScript(nullptr);
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].prompt, "Konnte keinen passenden Encoder ermitteln.");
    EXPECT_EQ(boxes[0].style, runtime::vbOKOnly);
    EXPECT_EQ(boxes[0].title, "Encoder Error");
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "earlier");
}

TEST(JpegEncoder, NoPictureOrNoFolderIsAFailure) {
    QTemporaryDir dir;
    EXPECT_FALSE(biorhythms::SaveJPG(testPicture(), dir.filePath("missing/mysnap.jpg"), 88));
    EXPECT_FALSE(biorhythms::SaveJPG(QImage(), dir.filePath("mysnap.jpg"), 88));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("mysnap.jpg")));
    EXPECT_TRUE(biorhythms::SaveJPG(testPicture(), dir.filePath("mysnap.jpg"), 88));
    EXPECT_EQ(QImageReader(dir.filePath("mysnap.jpg")).format(), "jpeg");
}
