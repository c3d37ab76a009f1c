#include "shell/frmAbout.h"

#include "forms/Forms.h"
#include "shell/ShellState.h"
#include "support/FakeShell.h"
#include "support/TempProgramFolder.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace shell;
using forms::Forms;

class FrmAboutTest : public testing::Test {
protected:
    void SetUp() override { resetShellState(); }
    void TearDown() override {
        Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    frmAbout& open() { return *Forms::instance().get<frmAbout>(); }
    static QLabel* label(frmAbout& w, const char* name) {
        return w.findChild<QLabel*>(QString::fromLatin1(name));
    }
    static void mouse(QWidget* target, QEvent::Type type) {
        QMouseEvent event(type, QPointF(2, 2), target->mapToGlobal(QPointF(2, 2)),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
    }

    testing_support::TempProgramFolder folder;
    testing_support::FakeShell desktop;
};

TEST(VersionText, MajorMinorAndRevision) {
    EXPECT_EQ(versionText(8, 4, 7), "Version: 8.4.7");
    EXPECT_EQ(versionText(1, 0, 0), "Version: 1.0.0");
}

TEST_F(FrmAboutTest, LoadSetsTitleVersionAndDescription) {
    frmAbout& w = open();
    EXPECT_EQ(w.windowTitle(), "About Velarcana");
    EXPECT_EQ(label(w, "LblTitle")->text(), "Velarcana by Quenlor");
    EXPECT_TRUE(label(w, "lblVersion")->text().startsWith("Version: "));
    EXPECT_EQ(frmAbout::kDescription.size(), 464);
    EXPECT_EQ(label(w, "lblDescription")->text(), frmAbout::kDescription);
    EXPECT_TRUE(frmAbout::kDescription.contains("meaning.       You can"));
}

TEST_F(FrmAboutTest, HelpMailAndWebOpenThroughTheDesktop) {
    frmAbout& w = open();
    w.findChild<QPushButton*>("CommandInfo")->click();
    mouse(label(w, "LblMailto"), QEvent::MouseButtonRelease);
    mouse(label(w, "LblUrl"), QEvent::MouseButtonRelease);
    ASSERT_EQ(desktop.opened.size(), 3);
    EXPECT_EQ(desktop.opened[0], QUrl::fromLocalFile(folder.file("Velarcana.chm")));
    EXPECT_EQ(desktop.opened[1].scheme(), "mailto");
    EXPECT_EQ(desktop.opened[2].scheme(), "https");
}

TEST_F(FrmAboutTest, HoveringALinkUnderlinesItUntilThePointerIsOverTheFreeArea) {
    frmAbout& w = open();
    QLabel* mail = label(w, "LblMailto");
    QLabel* web = label(w, "LblUrl");
    mouse(mail, QEvent::MouseMove);
    EXPECT_TRUE(mail->font().underline());
    EXPECT_FALSE(web->font().underline());
    mouse(web, QEvent::MouseMove);
    EXPECT_TRUE(web->font().underline());
    mouse(&w, QEvent::MouseMove);
    EXPECT_FALSE(mail->font().underline());
    EXPECT_FALSE(web->font().underline());
}

TEST_F(FrmAboutTest, EveryUnloadLetsATipShowAgain) {
    shellState().tooltipCerrado = true;
    open().findChild<QPushButton*>("ARButtonAcep")->click();
    EXPECT_FALSE(Forms::instance().isLoaded(frmAbout::kName));
    EXPECT_FALSE(shellState().tooltipCerrado);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    shellState().tooltipCerrado = true;
    open().close();
    EXPECT_FALSE(shellState().tooltipCerrado);
}
