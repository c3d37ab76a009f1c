#include "biorhythms/FrmCompaTab.h"

#include "app/Windows.h"
#include "biorhythms/BioChart.h"
#include "biorhythms/frmBio.h"
#include "biorule/BioState.h"
#include "biorule/BirthData.h"
#include "forms/Forms.h"
#include "runtime/MessageBox.h"
#include "runtime/SystemFormats.h"
#include "shell/ShellState.h"
#include "support/FakeClock.h"
#include "support/FakeShell.h"
#include "support/FakeSoundPlayer.h"
#include "support/FakeTray.h"
#include "support/TempProgramFolder.h"
#include "support/WindowFixtures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QTabBar>

#include <gtest/gtest.h>

using biorhythms::frmBio;
using biorhythms::FrmCompaTab;
using biorhythms::Percentages;
using runtime::makeDateTime;

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

QStringList asText(const Percentages& values) {
    QStringList texts;
    for (const runtime::Single value : values) {
        texts << runtime::formatNumber(value, QStringLiteral("0.00"));
    }
    return texts;
}

} // namespace

TEST(CompatibilityRules, AffinityOfBirthDatesThatManyDaysApart) {
    struct Case {
        long long days;
        QStringList percentages;
    };
    const Case cases[] = {
        {0, {"100.00", "100.00", "100.00", "100.00"}},
        {100, {"30.43", "14.29", "93.94", "26.32"}},
        {14, {"21.74", "0.00", "15.15", "26.32"}}, // half the emotional period
        {23 * 28 * 33 * 38, {"100.00", "100.00", "100.00", "100.00"}},
        {40000, {"73.91", "14.29", "75.76", "26.32"}}, // beyond a 16-bit count
    };
    runtime::setLocale(kEnglish);
    for (const Case& c : cases) {
        EXPECT_EQ(asText(biorhythms::affinity(c.days)), c.percentages) << c.days;
    }
}

TEST(CompatibilityRules, EqualCycleValuesGiveTheirPercentage) {
    for (const double s : {-1.0, -0.5, 0.0, 0.25, 0.123456, 1.0}) {
        const runtime::Single p = biorhythms::cyclePercentage(s);
        const Percentages same = {p, p, p, p};
        const Percentages joint = biorhythms::complementarity(same, same);
        EXPECT_NEAR(joint[0], s * 50 + 50, 0.005) << s;
        EXPECT_FLOAT_EQ(joint[3], std::round((s * 50 + 50) * 100) / 100) << "two decimals";
    }
}

TEST(CompatibilityRules, MeanWordBandsIncludeTheirLowerEdge) {
    struct Case {
        runtime::Single mean;
        const char* word;
    };
    const Case cases[] = {
        {0.0F, "practically nothing"}, {19.99F, "practically nothing"}, {20.0F, "few affinity"},
        {40.0F, "little affinity"},    {59.99F, "little affinity"},     {60.0F, "much affinity"},
        {80.0F, "excellent attuned"},  {100.0F, "excellent attuned"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(biorhythms::affinityWord(c.mean), QString::fromLatin1(c.word)) << c.mean;
    }
    EXPECT_FALSE(biorhythms::affinityWord(-0.01F));
    EXPECT_FALSE(biorhythms::affinityWord(100.01F));
}

// The main person, Ana, is born on the study day at 0:00 and the clock is at 0:00, so her four
// cycles stand at 0 (50 %). Bea has lived 5.75 days then (a quarter of the physical period).
class FrmCompaTabTest : public testing::Test {
protected:
    void SetUp() override {
        shell::resetShellState();
        biorhythms::resetBioState();
        runtime::setLocale(kEnglish);
        runtime::setDialogScript([this](const runtime::DialogCall& call, QString&) {
            boxes.push_back(call);
            return runtime::vbOK;
        });
        app::registerWindows();
        folder.write("bio.dat", "24,7,2016\r\n");
        folder.write("horabio.dat", "0,0\r\n");
        folder.write("biofinal.dat", "0,0,0\r\n");
        folder.write("perfiles.txt", "Ana,July/24/2016,0:00\r\nBea,July/18/2016,6:00\r\n"
                                     "\r\nCid,July/24/2016,0:00\r\nDan,April/15/2016,0:00\r\n"
                                     "Eva,July/10/2016,0:00\r\nFay,Smarch/1/2000,x\r\n");
        settings("1", "Bea");
        biorhythms::readBirthDate();
    }
    void TearDown() override {
        forms::Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        runtime::setDialogScript(nullptr);
        runtime::setLocale(kEnglish);
    }

    void settings(const QByteArray& draw, const QByteArray& second) {
        folder.write("opciones.ini", "[opciones]\r\nPerfil-Bio=Ana\r\nDibujar secundario=" + draw +
                                         "\r\nNombre secundario=" + second + "\r\n");
    }
    FrmCompaTab* open() {
        bio = static_cast<frmBio*>(forms::Forms::instance().load(frmBio::kName));
        bio->XPButtonCompa_Click();
        return forms::Forms::instance().findForm<FrmCompaTab>();
    }
    template <class T = QLabel> static T* control(QWidget& w, const char* name) {
        T* found = w.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static QString text(QWidget& w, const char* name) { return control(w, name)->text(); }
    static bool valuesShown(FrmCompaTab& w) {
        for (const char* name :
             {"LabelInfo", "LabelFis", "LabelEmo", "LabelInte", "LabelIntu", "LabelMedia"}) {
            if (control(w, name)->isHidden()) {
                return false;
            }
        }
        return true;
    }
    static void choose(FrmCompaTab& w, const QString& name) {
        auto* list = control<QListWidget>(w, "ListProfiles");
        list->setCurrentItem(list->findItems(name, Qt::MatchExactly).value(0));
    }
    static void tab(FrmCompaTab& w, int index) {
        control<QTabBar>(w, "SSTab1")->setCurrentIndex(index);
    }
    QByteArray ini() const { return folder.read("opciones.ini"); }
    // The lines the chart draws once the event loop has run.
    qsizetype drawnLines() const {
        QCoreApplication::processEvents();
        return control<biorhythms::BioChart>(*bio, "MSChart1")->chart()->series().size();
    }
    static void clickCentre(QWidget* target) {
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
    }

    testing_support::TempProgramFolder folder;
    testing_support::FakeTray tray;
    testing_support::FakeSoundPlayer sound_;
    testing_support::FakeShell desktop;
    testing_support::FakeClock clock{makeDateTime({2016, 7, 24, 0, 0, 0})};
    std::vector<runtime::DialogCall> boxes;
    frmBio* bio = nullptr;
};

TEST_F(FrmCompaTabTest, LoadListsTheProfilesAndComparesTheSavedSecondProfile) {
    FrmCompaTab* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), "Compatibilities");
    EXPECT_TRUE(shell::shellState().perfilesAbierto);
    EXPECT_EQ(text(*w, "LabelProMain"), "Main profile: Ana");
    auto* list = control<QListWidget>(*w, "ListProfiles");
    ASSERT_EQ(list->count(), 6);
    EXPECT_EQ(list->item(5)->text(), "Fay");
    EXPECT_EQ(list->currentItem()->text(), "Bea");
    EXPECT_EQ(biorhythms::bioState().indiceSecundario, 1);
    auto* tabs = control<QTabBar>(*w, "SSTab1");
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(2), "Exit");
    EXPECT_EQ(tabs->currentIndex(), FrmCompaTab::kTabActual);
    EXPECT_TRUE(control<QCheckBox>(*w, "CheckPlot")->isChecked());

    ASSERT_TRUE(valuesShown(*w));
    EXPECT_EQ(text(*w, "LabelInfo"),
              "Complementarity between Ana and Bea for the day July/24/2016 " +
                  runtime::longTimeText(clock.now()) + " (0-100 %):");
    EXPECT_EQ(text(*w, "LabelFis"), "Physical: 75 %");
    EXPECT_EQ(text(*w, "LabelEmo"), "Emotional: 74.02 %");
    EXPECT_EQ(text(*w, "LabelInte"), "Intellectual: 72.22 %");
    EXPECT_EQ(text(*w, "LabelIntu"), "Intuition: 70.35 %");
    EXPECT_EQ(text(*w, "LabelMedia"),
              "Mean (Physi + Emo + Intell + Intui): 72.90 % (much affinity)");
    auto* second = control<QLineEdit>(*bio, "TextSecondProf");
    EXPECT_FALSE(second->isHidden());
    EXPECT_EQ(second->text(), "Bea");
    EXPECT_EQ(control<biorhythms::BioChart>(*bio, "MSChart1")->columnCount(), 8);
}

TEST_F(FrmCompaTabTest, NumbersFollowTheSystemsDecimalSeparator) {
    runtime::setLocale(QLocale(QStringLiteral("es_ES")));
    FrmCompaTab* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(text(*w, "LabelEmo"), "Emotional: 74,02 %");
    EXPECT_EQ(text(*w, "LabelMedia"),
              "Mean (Physi + Emo + Intell + Intui): 72,90 % (much affinity)");
    tab(*w, FrmCompaTab::kTabGeneral);
    EXPECT_EQ(text(*w, "LabelFis"), "Physical: 47,83 %"); // 6 days apart
}

TEST_F(FrmCompaTabTest, GeneralTabShowsTheAffinityOfTheBirthDates) {
    struct Case {
        const char* second;
        QStringList labels;
        const char* mean;
    };
    const Case cases[] = {
        {"Cid",
         {"Physical: 100.00 %", "Emotional: 100.00 %", "Intellectual: 100.00 %",
          "Intuition: 100.00 %"},
         "100.00 % (excellent attuned)"},
        {"Dan",
         {"Physical: 30.43 %", "Emotional: 14.29 %", "Intellectual: 93.94 %", "Intuition: 26.32 %"},
         "41.24 % (little affinity)"},
        {"Eva",
         {"Physical: 21.74 %", "Emotional: 0.00 %", "Intellectual: 15.15 %", "Intuition: 26.32 %"},
         "15.80 % (practically nothing)"},
    };
    FrmCompaTab* w = open();
    ASSERT_NE(w, nullptr);
    tab(*w, FrmCompaTab::kTabGeneral);
    for (const Case& c : cases) {
        choose(*w, QString::fromLatin1(c.second));
        EXPECT_EQ(text(*w, "LabelInfo"),
                  QStringLiteral("Affinity between Ana and %1 forever (0-100 %):").arg(c.second));
        EXPECT_EQ((QStringList{text(*w, "LabelFis"), text(*w, "LabelEmo"), text(*w, "LabelInte"),
                               text(*w, "LabelIntu")}),
                  c.labels)
            << c.second;
        EXPECT_EQ(text(*w, "LabelMedia"),
                  QStringLiteral("Mean (Physi + Emo + Intell + Intui): ") + c.mean);
        EXPECT_TRUE(ini().contains(QByteArray("Nombre secundario=") + c.second));
    }
    tab(*w, FrmCompaTab::kTabActual);
    EXPECT_EQ(text(*w, "LabelEmo"), "Emotional: 50 %") << "Eva has lived half an emotional period";
    EXPECT_EQ(text(*w, "LabelFis"), "Physical: 34.22 %");
}

TEST_F(FrmCompaTabTest, ChoosingTheMainProfileIsRefused) {
    FrmCompaTab* w = open();
    ASSERT_NE(w, nullptr);
    choose(*w, "Ana");
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].prompt, "You should choose a different profile that the main");
    EXPECT_EQ(boxes[0].title, "Error-Info");
    EXPECT_EQ(boxes[0].style, runtime::vbExclamation);
    EXPECT_FALSE(control(*w, "LabelInfo")->isVisible());
    EXPECT_FALSE(control(*w, "LabelMedia")->isVisible());
    EXPECT_TRUE(ini().contains("Nombre secundario=Bea"));
    choose(*w, "Cid");
    EXPECT_TRUE(valuesShown(*w));
}

TEST_F(FrmCompaTabTest, AProfileWhoseRecordCannotBeReadShowsNoValues) {
    FrmCompaTab* w = open();
    ASSERT_NE(w, nullptr);
    choose(*w, "Fay");
    EXPECT_FALSE(valuesShown(*w));
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(ini().contains("Nombre secundario=Bea"));
    EXPECT_EQ(biorhythms::bioState().fechaNac2, "18/7/2016");
}

TEST_F(FrmCompaTabTest, TheCheckBoxDrawsOrHidesTheSecondProfile) {
    FrmCompaTab* w = open();
    ASSERT_NE(w, nullptr);
    auto* box = control<QCheckBox>(*w, "CheckPlot");
    auto* second = control<QLineEdit>(*bio, "TextSecondProf");
    const auto* chart = control<biorhythms::BioChart>(*bio, "MSChart1");
    box->setChecked(false);
    EXPECT_TRUE(second->isHidden());
    EXPECT_FALSE(biorhythms::bioState().dibujarSecundario);
    EXPECT_EQ(chart->columnCount(), 4);
    EXPECT_TRUE(ini().contains("Dibujar secundario=0"));
    choose(*w, "Cid");
    EXPECT_TRUE(second->isHidden()) << "a choice with the box unchecked keeps the name hidden";
    box->setChecked(true);
    EXPECT_FALSE(second->isHidden());
    EXPECT_EQ(second->text(), "Cid");
    EXPECT_EQ(chart->columnCount(), 8);
    EXPECT_TRUE(ini().contains("Dibujar secundario=1"));
}

TEST_F(FrmCompaTabTest, LoadChecksTheBoxFromTheSetting) {
    settings("0", "Cid");
    FrmCompaTab* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(control<QCheckBox>(*w, "CheckPlot")->isChecked());
    EXPECT_EQ(control<QListWidget>(*w, "ListProfiles")->currentItem()->text(), "Cid");
    EXPECT_TRUE(control<QLineEdit>(*bio, "TextSecondProf")->isHidden());
    EXPECT_EQ(text(*w, "LabelFis"), "Physical: 50 %");
}

TEST_F(FrmCompaTabTest, SecondDayCountFollowsTheStudyDate) {
    FrmCompaTab* w = open();
    ASSERT_NE(w, nullptr);
    control<QDateEdit>(*bio, "DTPicker1")->setDate(QDate(2016, 7, 25));
    bio->CmdGo_Click();
    const biorhythms::BioState& b = biorhythms::bioState();
    EXPECT_EQ(b.fechaEstudio2, "25/7/2016");
    EXPECT_EQ(b.fechaNac2, "18/7/2016");
    EXPECT_EQ(b.diasVida2, 6);
    EXPECT_EQ(b.minutosNacRest2, 1080);
    EXPECT_FLOAT_EQ(b.diasBase2, 6.75F);
    EXPECT_FLOAT_EQ(b.diasVividos2, 6.75F);
    clock.set(makeDateTime({2016, 7, 24, 12, 30, 59}));
    biorhythms::calcDiasVividos2();
    EXPECT_FLOAT_EQ(b.diasVividos2, 6.75F + 750.0F / 1440.0F) << "the seconds are ignored";
}

TEST_F(FrmCompaTabTest, ExitTabOrCloseBoxUnloadsTheWindow) {
    for (const bool closeBox : {false, true}) {
        FrmCompaTab* w = open();
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(shell::shellState().perfilesAbierto);
        if (closeBox) {
            w->close();
        } else {
            tab(*w, FrmCompaTab::kTabExit);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(forms::Forms::instance().findForm<FrmCompaTab>(), nullptr) << closeBox;
        EXPECT_FALSE(shell::shellState().perfilesAbierto) << closeBox;
    }
}

// Tabbing into the list makes Ana, the main profile, its current line; only a click or a key
// that selects a line chooses it.
TEST_F(FrmCompaTabTest, AListThatOnlyHasTheFocusChoosesNoProfile) {
    settings("1", "");
    const QByteArray profiles = folder.read("perfiles.txt");
    FrmCompaTab* w = open();
    ASSERT_NE(w, nullptr);
    auto* list = control<QListWidget>(*w, "ListProfiles");
    ASSERT_TRUE(testing_support::tabInto(list));
    ASSERT_EQ(list->currentRow(), 0);
    auto* tabs = control<QTabBar>(*w, "SSTab1");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(FrmCompaTab::kTabGeneral).center());
    ASSERT_EQ(tabs->currentIndex(), FrmCompaTab::kTabGeneral);
    ASSERT_TRUE(testing_support::tabInto(list));
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(FrmCompaTab::kTabActual).center());
    EXPECT_TRUE(boxes.empty()) << boxes.front().prompt.toStdString();
    EXPECT_FALSE(valuesShown(*w));
    EXPECT_FALSE(ini().contains("Nombre secundario=Ana"));
    EXPECT_EQ(folder.read("perfiles.txt"), profiles);

    ASSERT_TRUE(testing_support::tabInto(list));
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->selectedItems().value(0)->text(), "Bea") << "a key that moves chooses";
    EXPECT_TRUE(valuesShown(*w));
    EXPECT_TRUE(ini().contains("Nombre secundario=Bea"));
}

TEST_F(FrmCompaTabTest, WithoutASavedChoiceTheTabsShowNoValues) {
    settings("1", "");
    FrmCompaTab* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(control<QListWidget>(*w, "ListProfiles")->currentItem(), nullptr);
    tab(*w, FrmCompaTab::kTabGeneral);
    tab(*w, FrmCompaTab::kTabActual);
    EXPECT_FALSE(control(*w, "LabelInfo")->isVisible());
    EXPECT_FALSE(control(*w, "LabelFis")->isVisible());
    EXPECT_TRUE(boxes.empty());
}

// Lines for a second profile come only from a record read: a name in the settings whose line
// has gone, or values left from an earlier stay with a profile deleted since, draw none.
TEST_F(FrmCompaTabTest, ASecondProfileThatNoLongerExistsDrawsNoLines) {
    const QByteArray withoutBea = "Ana,July/24/2016,0:00\r\nCid,July/24/2016,0:00\r\n";
    struct Case {
        const char* what;
        bool drawnBefore;
    };
    const Case cases[] = {{"named in the settings only", false},
                          {"drawn before and deleted since", true}};
    for (const Case& c : cases) {
        biorhythms::resetBioState();
        if (c.drawnBefore) {
            ASSERT_NE(open(), nullptr);
            ASSERT_EQ(control<biorhythms::BioChart>(*bio, "MSChart1")->columnCount(), 8);
            forms::Forms::instance().reset();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        const QByteArray profiles = folder.read("perfiles.txt");
        folder.write("perfiles.txt", withoutBea);
        bio = static_cast<frmBio*>(forms::Forms::instance().load(frmBio::kName));
        EXPECT_EQ(control<biorhythms::BioChart>(*bio, "MSChart1")->columnCount(), 4) << c.what;
        EXPECT_EQ(drawnLines(), 4) << c.what;
        EXPECT_TRUE(control<QLineEdit>(*bio, "TextSecondProf")->isHidden()) << c.what;
        forms::Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        folder.write("perfiles.txt", profiles);
    }
}

TEST_F(FrmCompaTabTest, TickingTheBoxBeforeChoosingASecondProfileDrawsNoLines) {
    settings("0", "");
    FrmCompaTab* w = open();
    ASSERT_NE(w, nullptr);
    auto* box = control<QCheckBox>(*w, "CheckPlot");
    clickCentre(box);
    ASSERT_TRUE(box->isChecked());
    EXPECT_TRUE(biorhythms::bioState().dibujarSecundario);
    EXPECT_EQ(control<biorhythms::BioChart>(*bio, "MSChart1")->columnCount(), 4);
    EXPECT_EQ(drawnLines(), 4);
    EXPECT_TRUE(control<QLineEdit>(*bio, "TextSecondProf")->isHidden());

    auto* list = control<QListWidget>(*w, "ListProfiles");
    const QListWidgetItem* bea = list->findItems("Bea", Qt::MatchExactly).value(0);
    ASSERT_NE(bea, nullptr);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(bea).center());
    EXPECT_EQ(control<biorhythms::BioChart>(*bio, "MSChart1")->columnCount(), 8);
    EXPECT_EQ(drawnLines(), 12) << "four lines on their casings";
    EXPECT_FALSE(control<QLineEdit>(*bio, "TextSecondProf")->isHidden());
    EXPECT_EQ(control<QLineEdit>(*bio, "TextSecondProf")->text(), "Bea");
}
