// The tray layer on a StatusNotifierItem host (our own watcher on a private session bus), under
// the program's own windows: the icon registers as an item, its menu is the window's tray menu
// and works from the host, and its tooltip carries the date and the four tooltip lines, new
// when the refresh timer's own tick finds the clock moved on.
#include "shell/ctxSysTray.h"
#include "shell/frmAbout.h"
#include "support/DesktopDeadline.h"
#include "support/tray/ProgramInTray.h"
#include "support/tray/StatusNotifierHost.h"

#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

QStringList labels(const QList<MenuEntry>& entries) {
    QStringList texts;
    for (const MenuEntry& entry : entries) {
        texts << (entry.separator ? QStringLiteral("-") : entry.label);
    }
    return texts;
}

const MenuEntry* entryLabelled(const QList<MenuEntry>& entries, const QString& label) {
    for (const MenuEntry& entry : entries) {
        if (entry.label == label) {
            return &entry;
        }
        if (const MenuEntry* below = entryLabelled(entry.children, label)) {
            return below;
        }
    }
    return nullptr;
}

constexpr int kQuickRefreshMs = 200;

// The tooltip late on 4 November 2021 and just past midnight, for a birth on 1 March 1980 at
// midnight, worked out by hand. Both days are Scorpio days of the period file. The moon was new
// at 21:14 UT on the 4th: NASA SVS has it 0.0003 lit at 23:00 and 0.0004 at 00:00, and the
// program keeps within 0.004 of that, below 0.5 %.
const QStringList kTipLateOnThe4th = {
    "Velarcana by Quenlor",
    "11/4/2021 (Jupiter)",       // a Thursday
    "Card of Day: XI. Strength", // 1+1+4+2+0+2+1 = 11
    "Zodiac Sign: Scorpio",
    // 15223 days after the birth date, at 23:15: t = 15223 - 1 + 1 + 1395/1440 = 15223.96875;
    // sin(6.28318 t / P) for P = 23, 28, 33, 38 is -0.529842, -0.972678, 0.870194, -0.730765,
    // their mean -0.3407725; an hour later -0.3410381, falling.
    "Biorhythms (avg.): -34.08 % (<)",
    "Moon Phase: NEW (=)",
};
const QStringList kTipOnThe5th = {
    "Velarcana by Quenlor",
    "11/5/2021 (Venus)",                // a Friday
    "Card of Day: XII. The Hanged Man", // 1+1+5+2+0+2+1 = 12
    "Zodiac Sign: Scorpio",
    // At 00:00: t = 15224 - 1 + 1 + 0 = 15224; the sines are -0.522582, -0.974282, 0.867247,
    // -0.734282, their mean -0.3409748; an hour later -0.3412154, falling.
    "Biorhythms (avg.): -34.10 % (<)",
    "Moon Phase: NEW (=)",
};

} // namespace

class StatusNotifierTrayTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.ready()) << "the watcher did not come up";
        // The sun's stay in Scorpio in 2021, as the program folder's period files give it.
        program.folder.write("fechas-db/escorpio.txt",
                             "2021/10/23 05:51:00 - 2021/11/22 03:33:59\r\n");
        window = program.start();
        ASSERT_NE(window, nullptr);
        item = registeredItem();
        ASSERT_FALSE(item.isEmpty()) << "no item registered";
    }

    // Waits until exactly one item other than `previous` is registered, and returns it.
    QString registeredItem(const QString& previous = QString()) {
        QString found;
        const bool registered = QTest::qWaitFor(
            [&] {
                const QStringList items = host.items();
                found = items.size() == 1 && items.constFirst() != previous ? items.constFirst()
                                                                            : QString();
                return !found.isEmpty();
            },
            kDesktopDeadlineMs);
        return registered ? found : QString();
    }

    // Waits until the item's menu has its entries and returns them.
    QList<MenuEntry> menuOf(const QString& itemName) {
        QList<MenuEntry> entries;
        const bool filled = QTest::qWaitFor(
            [&] {
                entries = host.menu(itemName).children;
                return !entries.isEmpty();
            },
            kDesktopDeadlineMs);
        return filled ? entries : QList<MenuEntry>();
    }

    void click(const QString& itemName, const QString& label) {
        const QList<MenuEntry> entries = menuOf(itemName);
        const MenuEntry* entry = entryLabelled(entries, label);
        ASSERT_NE(entry, nullptr) << label.toStdString();
        ASSERT_TRUE(host.clickMenuEntry(itemName, entry->id)) << label.toStdString();
    }

    StatusNotifierHost host; // up before the program starts, as a desktop's panel is
    ProgramInTray program{runtime::makeDateTime({2021, 11, 4, 23, 15, 30})};
    shell::ModuleForm* window = nullptr;
    QString item;
};

TEST_F(StatusNotifierTrayTest, TheItemCarriesTheTrayMenuAndItsAboutOpensTheAboutWindow) {
    const QList<MenuEntry> entries = menuOf(item);
    EXPECT_EQ(labels(entries), (QStringList{"About...", "Options", "Go to...", "-", "Exit"}));
    const MenuEntry* goTo = entryLabelled(entries, "Go to...");
    ASSERT_NE(goTo, nullptr);
    EXPECT_EQ(labels(goTo->children),
              (QStringList{"Biorhythms", "Names", "Card of Day", "Oracle", "Another Day"}));

    click(item, "About...");
    EXPECT_TRUE(QTest::qWaitFor(
        [] {
            auto* about =
                forms::Forms::instance().find(QString::fromLatin1(shell::frmAbout::kName));
            return about && about->isVisible();
        },
        kDesktopDeadlineMs))
        << "the About window did not open";
    EXPECT_FALSE(window->isVisible()) << "the main window stays in the tray";
}

TEST_F(StatusNotifierTrayTest, ALeftClickInThePanelShowsTheWindow) {
    ASSERT_FALSE(window->isVisible());
    ASSERT_TRUE(host.activate(item));
    EXPECT_TRUE(QTest::qWaitFor([this] { return window->isVisible(); }, kDesktopDeadlineMs));
}

TEST_F(StatusNotifierTrayTest, GoToAndExitFromThePanelsMenu) {
    click(item, "Names");
    const QString names = registeredItem(item);
    ASSERT_FALSE(names.isEmpty()) << "the Names window's icon did not take the old one's place";
    EXPECT_EQ(ProgramInTray::mainWindow("frmVelarcana"), nullptr);
    const QList<MenuEntry> entries = menuOf(names);
    const MenuEntry* goTo = entryLabelled(entries, "Go to...");
    ASSERT_NE(goTo, nullptr);
    EXPECT_EQ(labels(goTo->children),
              (QStringList{"Biorhythms", "The Card of Day", "Numbers", "Another Day", "Oracle"}));

    click(names, "Exit");
    EXPECT_TRUE(QTest::qWaitFor([this] { return program.programEnds == 1; }, kDesktopDeadlineMs));
    EXPECT_TRUE(QTest::qWaitFor([this] { return host.items().isEmpty(); }, kDesktopDeadlineMs))
        << "the icon stayed in the panel";
}

TEST_F(StatusNotifierTrayTest, TheToolTipHoldsTheDateAndTheFourLinesAndFollowsTheClock) {
    QString tip;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            tip = host.toolTip(item);
            return !tip.isEmpty();
        },
        kDesktopDeadlineMs));
    EXPECT_EQ(tip.split(QLatin1Char('\n')), kTipLateOnThe4th);

    // The real timer ticks, sooner than every minute; the fake clock moves on past midnight.
    QTimer& refresh = *window->ctxSysTray1->TimerHostTip;
    ASSERT_TRUE(refresh.isActive());
    ASSERT_EQ(refresh.interval(), shell::ctxSysTray::kHostTipRefreshMs);
    const int changes = host.toolTipChanges();
    program.clock.advanceSeconds(45 * 60); // to 00:00:30 on the 5th
    refresh.setInterval(kQuickRefreshMs);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return host.toolTip(item).split(QLatin1Char('\n')) == kTipOnThe5th; },
                        kDesktopDeadlineMs))
        << "the panel reads " << host.toolTip(item).toStdString();
    EXPECT_GT(host.toolTipChanges(), changes) << "the panel was not told of the new tooltip";
}
