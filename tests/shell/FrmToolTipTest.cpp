#include "shell/FrmToolTip.h"
#include "biorule/BioState.h"
#include "forms/Forms.h"
#include "platform/Pointer.h"
#include "platform/ScreenMetrics.h"
#include "runtime/SystemFormats.h"
#include "shell/MoonPicture.h"
#include "shell/ShellState.h"
#include "support/FakeClock.h"
#include "support/FakeTimeZone.h"
#include "support/TempProgramFolder.h"

#include <QDir>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

#include <gtest/gtest.h>

using namespace shell;

TEST(MoonPicture, NumberRunsFromNewThroughFullToNew) {
    const std::pair<float, int> cases[] = {{0.0F, 0},    {10.0F, 0},   {11.0F, 1},  {180.0F, 15},
                                           {358.0F, 29}, {359.0F, 30}, {362.0F, 30}};
    for (const auto& [angle, number] : cases) {
        EXPECT_EQ(moonPictureNumber(angle), number) << angle;
    }
}

namespace {

// moon15.gif of the program folder: black with a white top left pixel and a white last column.
void saveFullMoon(const testing_support::TempProgramFolder& folder, int side) {
    QImage moon(side, side, QImage::Format_ARGB32);
    moon.fill(Qt::black);
    moon.setPixel(0, 0, qRgb(255, 255, 255));
    for (int y = 1; y < side; ++y) {
        moon.setPixel(side - 1, y, qRgb(255, 255, 255));
    }
    ASSERT_TRUE(QDir().mkpath(folder.file("lunagif")));
    ASSERT_TRUE(moon.save(folder.file("lunagif/moon15.gif"), "GIF") ||
                moon.save(folder.file("lunagif/moon15.gif"), "PNG"));
}

} // namespace

TEST(MoonPicture, SouthernHemisphereTurnsAllButTheLastFourPixels) {
    testing_support::TempProgramFolder folder;
    saveFullMoon(folder, 6);
    const QImage north = moonPictureBox(180.0F, "Norte", QSize(10, 10));
    const QImage south = moonPictureBox(180.0F, "Sur", QSize(10, 10));
    EXPECT_EQ(north.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(south.pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_EQ(south.pixel(0, 0), qRgb(255, 255, 255)) << "the last column turned to the first";
    EXPECT_EQ(south.pixel(1, 5), qRgb(0, 0, 0));
    EXPECT_TRUE(moonPictureBox(0.0F, "Sur", QSize(10, 10)).pixelColor(3, 3).alpha() == 0)
        << "a missing picture leaves the box empty";
}

TEST(MoonPicture, ABoxSmallerThanThePictureShowsItWhole) {
    testing_support::TempProgramFolder folder;
    saveFullMoon(folder, 64);
    const QImage box = moonPictureBox(180.0F, "Norte", QSize(53, 53));
    const int middle = 24;
    EXPECT_GT(qGray(box.pixel(48, middle)), 128) << "the picture's right edge is in the box";
    EXPECT_LT(qGray(box.pixel(24, middle)), 64);
    EXPECT_EQ(box.pixelColor(50, middle).alpha(), 0) << "the border stays clear";
}

class FrmToolTipTest : public testing::Test {
protected:
    void SetUp() override {
        resetShellState();
        biorhythms::resetBioState();
        runtime::setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        shellState().tooltipCerrado = true;
        screen = QGuiApplication::primaryScreen()->geometry().size();
    }
    void TearDown() override {
        forms::Forms::instance().reset();
        platform::setCursorPosOverride(std::nullopt);
    }
    FrmToolTip& openAt(double heightFraction) {
        platform::setCursorPosOverride(
            QPoint(screen.width() / 2, static_cast<int>(screen.height() * heightFraction)));
        return *forms::Forms::instance().get<FrmToolTip>();
    }

    QSize screen;
    testing_support::TempProgramFolder folder;
    testing_support::FakeTimeZone utc{0, 0, 0};
    testing_support::FakeClock clock{runtime::makeDateTime({2016, 7, 24, 12, 0, 0})};
};

TEST_F(FrmToolTipTest, OpensOnlyWithThePointerOnABottomTaskbar) {
    shellState().barraAbajo = true;
    EXPECT_FALSE(openAt(0.94).isVisible());
    forms::Forms::instance().reset();
    FrmToolTip& tip = openAt(0.97);
    EXPECT_TRUE(tip.isVisible());
    EXPECT_TRUE(shellState().tooltipVisible);
    const double top = platform::screenSizeTwips().height() - FrmToolTip::kTopFromBottomTwips;
    EXPECT_NEAR(tip.y(), top / platform::twipsPerPixelY(), 1.0);
    EXPECT_NEAR(tip.x() + tip.width() / 2.0, screen.width() / 2.0, 1.0) << "centred on the pointer";
}

// The taskbar begins below 95 % of the screen height, counted in twips: on a screen 800 pixels
// (12000 twips) high that is 11400 twips, row 760; the pointer there or above is not on it.
TEST_F(FrmToolTipTest, OpensOnlyBelowNinetyFivePercentOfTheScreenHeight) {
    ASSERT_EQ(screen.height(), 800);
    ASSERT_EQ(platform::twipsPerPixelY(), 15.0);
    shellState().barraAbajo = true;
    const std::pair<int, bool> rows[] = {{759, false}, {760, false}, {761, true}, {799, true}};
    for (const auto& [row, opens] : rows) {
        platform::setCursorPosOverride(QPoint(screen.width() / 2, row));
        EXPECT_EQ(forms::Forms::instance().get<FrmToolTip>()->isVisible(), opens) << row;
        forms::Forms::instance().reset();
    }
}

TEST_F(FrmToolTipTest, StaysWhollyOnTheScreenNearItsRightEdge) {
    platform::setCursorPosOverride(QPoint(screen.width() - 2, screen.height() - 2));
    FrmToolTip& tip = *forms::Forms::instance().get<FrmToolTip>();
    ASSERT_TRUE(tip.isVisible());
    EXPECT_LE(tip.x() + tip.width(), screen.width());
    EXPECT_GE(tip.x() + tip.width(), screen.width() - 1);
}

TEST_F(FrmToolTipTest, WithTheTaskbarElsewhereItOpensWhereverThePointerIs) {
    shellState().barraAbajo = false;
    EXPECT_TRUE(openAt(0.2).isVisible());
}

TEST_F(FrmToolTipTest, NothingWhileLoadingOrWithoutAGivenTip) {
    shellState().cargandoForm = true;
    EXPECT_FALSE(openAt(0.2).isVisible());
    forms::Forms::instance().reset();
    shellState().cargandoForm = false;
    shellState().tooltipCerrado = false;
    EXPECT_FALSE(openAt(0.2).isVisible());
}

TEST_F(FrmToolTipTest, ShowsTheNoticeWithoutABirthDate) {
    FrmToolTip& tip = openAt(0.2);
    EXPECT_EQ(tip.tipText(),
              "Dinamic ToolTps \nwhen the date of birth \nbe updated for the biorhythms!");
    EXPECT_EQ(tip.dateText(), "Date: ");
}

TEST_F(FrmToolTipTest, ShowsTheDateWithItsPlanetAndTheFourLines) {
    folder.write("bio.dat", "1,3,1980\r\n");
    biorhythms::bioState().diaNac = 1;
    biorhythms::bioState().mesNac = 3;
    biorhythms::bioState().anioNac = 1980;
    FrmToolTip& tip = openAt(0.2);
    EXPECT_EQ(tip.dateText(), "7/24/2016 (The Sun)");
    const QStringList lines = tip.tipText().split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "Card of Day: XXII. The World");
    EXPECT_TRUE(lines[1].startsWith("Zodiac Sign: "));
    EXPECT_TRUE(lines[2].startsWith("Biorhythms (avg.): "));
    EXPECT_TRUE(lines[3].startsWith("Moon Phase"));
}

TEST_F(FrmToolTipTest, APointerMoveOverItClosesIt) {
    FrmToolTip& tip = openAt(0.2);
    ASSERT_TRUE(tip.isVisible());
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&tip, &move);
    EXPECT_FALSE(forms::Forms::instance().isLoaded(FrmToolTip::kName));
    EXPECT_FALSE(shellState().tooltipVisible);
}
