// The tray layer on a StatusNotifierItem host (our own watcher on a private session bus), under
// the program's own windows: the icon registers as an item, its menu is the window's tray menu
// and works from the host, and its tooltip carries the date and the four tooltip lines, new
// when the refresh timer's own tick finds the clock moved on.
#include "shell/ShellState.h"
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

QString expectedTip(const QString& dateLine) {
    const shell::ShellState& s = shell::shellState();
    return QStringList{shell::ctxSysTray::kPlainTip,
                       dateLine,
                       s.lineaCartaDia,
                       s.lineaSigno,
                       s.lineaBio,
                       s.lineaLuna}
        .join(QLatin1Char('\n'));
}

} // namespace

class StatusNotifierTrayTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.ready()) << "the watcher did not come up";
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
    ProgramInTray program{runtime::makeDateTime({2024, 3, 20, 23, 59, 30})};
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
    EXPECT_EQ(tip, expectedTip("3/20/2024 (Mercury)"));
    EXPECT_TRUE(shell::shellState().lineaCartaDia.startsWith("Card of Day: "));
    EXPECT_TRUE(shell::shellState().lineaSigno.startsWith("Zodiac Sign: "));
    EXPECT_TRUE(shell::shellState().lineaBio.startsWith("Biorhythms (avg.): "));
    EXPECT_TRUE(shell::shellState().lineaLuna.startsWith("Moon Phase"));

    // The real timer ticks, sooner than every minute; the fake clock makes the minute pass.
    QTimer& refresh = *window->ctxSysTray1->TimerHostTip;
    ASSERT_TRUE(refresh.isActive());
    ASSERT_EQ(refresh.interval(), shell::ctxSysTray::kHostTipRefreshMs);
    const int changes = host.toolTipChanges();
    program.clock.advanceSeconds(60); // past midnight
    refresh.setInterval(kQuickRefreshMs);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return host.toolTip(item) == expectedTip("3/21/2024 (Jupiter)"); },
                        kDesktopDeadlineMs))
        << "the panel still reads " << host.toolTip(item).toStdString();
    EXPECT_EQ(shell::shellState().lineaCartaDia, "Card of Day: XIV. Temperance"); // 3+2+1+2+0+2+4
    EXPECT_GT(host.toolTipChanges(), changes) << "the panel was not told of the new tooltip";
}
