#include "forms/Forms.h"
#include "forms/LoadGuard.h"
#include "runtime/EventLoop.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPointer>

#include <gtest/gtest.h>

using forms::Form;
using forms::Forms;

namespace {

QStringList events;

class Probe : public Form {
public:
    static constexpr const char* kName = "Probe";
    Probe() : Form(QString::fromLatin1(kName)) {}
    bool refuseUnload = false;

protected:
    void Form_Load() override {
        events << "load";
        // Referring to the window during its own load finds the same one.
        events << (Forms::instance().find(kName) == this ? "self" : "other");
    }
    void Form_Unload(int& cancel) override {
        events << "unload";
        cancel = refuseUnload ? 1 : 0;
    }
    void Form_Resize() override { events << QStringLiteral("resize%1").arg(windowStateCode()); }
};

class Second : public Form {
public:
    static constexpr const char* kName = "Second";
    Second() : Form(QString::fromLatin1(kName)) {}
};

// A window whose load lets events run, as a notice's slide or the start of a tune does.
class Yielder : public Form {
public:
    static constexpr const char* kName = "Yielder";
    Yielder() : Form(QString::fromLatin1(kName)) {}

protected:
    void Form_Load() override {
        events << "load";
        events << (forms::DoEvents(this) ? "went on" : "stopped");
    }
};

void unloadSoon(const char* name) {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [name] { Forms::instance().unload(name); },
        Qt::QueuedConnection);
}

void deleteUnloaded() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class FormsTest : public testing::Test {
protected:
    void SetUp() override { events.clear(); }
    void TearDown() override { Forms::instance().reset(); }
};

} // namespace

TEST_F(FormsTest, FirstReferenceLoadsOnceAndLaterOnesFindTheSameWindow) {
    Probe& first = *Forms::instance().get<Probe>();
    Probe& again = *Forms::instance().get<Probe>();
    EXPECT_EQ(&first, &again);
    EXPECT_EQ(events, QStringList({"load", "self"}));
    EXPECT_TRUE(first.isLoaded());
    EXPECT_FALSE(first.isVisible()) << "loading does not show";
}

TEST_F(FormsTest, LoadedWindowsAreKeptInLoadOrder) {
    Forms::instance().get<Second>();
    Forms::instance().get<Probe>();
    const QList<Form*> loaded = Forms::instance().loaded();
    ASSERT_EQ(loaded.size(), 2);
    EXPECT_EQ(loaded[0]->formName(), "Second");
    EXPECT_EQ(loaded[1]->formName(), "Probe");
}

TEST_F(FormsTest, UnknownNamesLoadNothing) {
    EXPECT_EQ(Forms::instance().load("FrmNothing"), nullptr);
    Forms::instance().registerFactory("Second", [] { return new Second; });
    EXPECT_NE(Forms::instance().load("Second"), nullptr);
}

TEST_F(FormsTest, UnloadCanBeCancelledAndAReferenceAfterAnUnloadLoadsAnew) {
    Probe& probe = *Forms::instance().get<Probe>();
    probe.refuseUnload = true;
    EXPECT_FALSE(probe.Unload());
    EXPECT_TRUE(Forms::instance().isLoaded("Probe"));
    probe.refuseUnload = false;
    EXPECT_TRUE(probe.Unload());
    EXPECT_FALSE(Forms::instance().isLoaded("Probe"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    events.clear();
    Forms::instance().get<Probe>();
    EXPECT_EQ(events, QStringList({"load", "self"}));
}

TEST_F(FormsTest, CloseBoxRunsTheUnloadHandlerWhichMayRefuse) {
    Probe& probe = *Forms::instance().get<Probe>();
    probe.refuseUnload = true;
    probe.Show();
    probe.close();
    EXPECT_TRUE(probe.isVisible());
    EXPECT_TRUE(probe.isLoaded());
    EXPECT_EQ(events.last(), "unload");
}

TEST_F(FormsTest, SettingTheWindowStateRunsResizeAtOnceEvenWhenHidden) {
    Probe& probe = *Forms::instance().get<Probe>();
    events.clear();
    probe.setWindowStateCode(forms::vbMinimized);
    EXPECT_EQ(events, QStringList({"resize1"}));
    probe.setWindowStateCode(forms::vbMinimized);
    EXPECT_EQ(events.size(), 1) << "no change, no handler";
    probe.setWindowStateCode(forms::vbNormal);
    EXPECT_EQ(events.last(), "resize0");
}

TEST_F(FormsTest, AGuardHoldsUntilItsLoadOfTheWindowEnds) {
    Probe* first = Forms::instance().get<Probe>();
    EXPECT_NE(first->loadSerial(), 0U);
    const forms::LoadGuard guard(first);
    EXPECT_TRUE(guard);
    first->Hide();
    first->setWindowStateCode(forms::vbMinimized);
    EXPECT_TRUE(guard) << "hiding and minimising leave it loaded";
    first->Unload();
    EXPECT_FALSE(guard) << "unloaded, before it is deleted";
    deleteUnloaded();
    EXPECT_FALSE(guard);

    Probe* second = Forms::instance().get<Probe>();
    const forms::LoadGuard again(second);
    EXPECT_TRUE(again);
    EXPECT_FALSE(guard) << "a new load under the same name is not the one it saw";
}

TEST_F(FormsTest, EventsThatUnloadTheWindowStopItsCode) {
    Probe* probe = Forms::instance().get<Probe>();
    EXPECT_TRUE(forms::DoEvents(probe)) << "nothing pending";
    unloadSoon(Probe::kName);
    EXPECT_FALSE(forms::DoEvents(probe));
    EXPECT_FALSE(Forms::instance().isLoaded(Probe::kName));
}

TEST_F(FormsTest, AWindowUnloadedDuringItsOwnLoadIsNotHandedOut) {
    unloadSoon(Yielder::kName);
    EXPECT_EQ(Forms::instance().get<Yielder>(), nullptr);
    EXPECT_EQ(events, QStringList({"load", "stopped"}));
    EXPECT_TRUE(Forms::instance().loaded().isEmpty());
    deleteUnloaded();

    events.clear();
    Yielder* next = Forms::instance().get<Yielder>();
    ASSERT_NE(next, nullptr) << "the next reference loads it anew";
    EXPECT_EQ(events, QStringList({"load", "went on"}));
    EXPECT_TRUE(next->isLoaded());
}

// Frames of a window unloaded by events run in a yield or a modal box may still be on the stack
// (its own and Qt's): it is deleted only once the outermost of them has ended.
TEST_F(FormsTest, AWindowUnloadedWhileEventsRunNestedLivesUntilTheyEnd) {
    const QPointer<Probe> probe = Forms::instance().get<Probe>();
    {
        const runtime::NestedEvents box;
        {
            const runtime::NestedEvents yield;
            probe->Unload();
            deleteUnloaded();
        }
        deleteUnloaded();
        EXPECT_FALSE(probe.isNull()) << "the box is still open";
        EXPECT_FALSE(Forms::instance().isLoaded(Probe::kName));
    }
    deleteUnloaded();
    EXPECT_TRUE(probe.isNull());
}
