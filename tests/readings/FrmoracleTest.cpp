#include "readings/Frmoracle.h"

#include "app/Windows.h"
#include "cards/CardRules.h"
#include "forms/Forms.h"
#include "platform/Music.h"
#include "readings/OracleReadings.h"
#include "readings/ReadingsState.h"
#include "runtime/MessageBox.h"
#include "runtime/SystemFormats.h"
#include "shell/Settings.h"
#include "shell/ShellState.h"
#include "support/DateInput.h"
#include "support/DrawnBoxes.h"
#include "support/FakeClock.h"
#include "support/FakeMusicPlayer.h"
#include "support/FakeShell.h"
#include "support/FakeSoundPlayer.h"
#include "support/FakeTray.h"
#include "support/TempProgramFolder.h"
#include "support/WindowFixtures.h"

#include <QApplication>
#include <QBuffer>
#include <QCalendarWidget>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using readings::Frmoracle;
using runtime::makeDate;
using runtime::makeDateTime;

using testing_support::clickDay;
using testing_support::clickMonthArrow;
using testing_support::pressCalendarKeys;
using testing_support::TargetWindow;
using testing_support::typeYear;

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 255, 0);

// A picture red above and blue below, so that a turned card shows blue on top.
QByteArray twoColourPicture(QColor top = kRed, QColor bottom = kBlue) {
    QImage image(30, 52, QImage::Format_ARGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, 30, 26, top);
    painter.fillRect(0, 26, 30, 26, bottom);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QColor colourAt(const QLabel* box, double fromTop) {
    const QImage image = box->pixmap().toImage();
    if (image.isNull()) {
        return QColor();
    }
    return image.pixelColor(image.width() / 2, static_cast<int>(image.height() * fromTop));
}

} // namespace

class FrmoracleTest : public testing::Test {
protected:
    void SetUp() override {
        shell::resetShellState();
        readings::resetReadingsState();
        shell::shellState().modoMinimizar = "systray";
        runtime::setLocale(kEnglish);
        runtime::setDialogScript([this](const runtime::DialogCall& call, QString&) {
            boxes.push_back(call);
            return answer;
        });
        readings::setUniformSource([this] { return uniform; });
        app::registerWindows();
        folder.write("amenores/reverso.jpg", twoColourPicture(kGreen, kGreen));
        folder.write("amenores/reverso2.jpg", twoColourPicture(kGreen, kGreen));
        folder.write("ambiente.mid", "MThd");
    }
    void TearDown() override {
        forms::Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        runtime::setDialogScript(nullptr);
        readings::setUniformSource({});
    }

    void settings(const QByteArray& lines) {
        folder.write("opciones.ini", "[opciones]\r\n" + lines);
    }
    Frmoracle& open() {
        return *static_cast<Frmoracle*>(forms::Forms::instance().load(Frmoracle::kName));
    }
    Frmoracle* loaded() const {
        return static_cast<Frmoracle*>(forms::Forms::instance().find(Frmoracle::kName));
    }
    template <class T = QLabel> static T* control(Frmoracle& w, const char* name) {
        T* found = w.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static void ask(Frmoracle& w, const char* box, const QString& question) {
        control<QLineEdit>(w, box)->setText(question);
    }
    QString log() const { return QString::fromLatin1(folder.read("logs/resOracle.log")); }

    testing_support::TempProgramFolder folder;
    testing_support::FakeTray tray;
    testing_support::FakeSoundPlayer sound;
    testing_support::FakeMusicPlayer music;
    testing_support::FakeShell desktop;
    testing_support::FakeClock clock{makeDateTime({2016, 7, 24, 12, 30, 0})};
    std::vector<runtime::DialogCall> boxes;
    int answer = runtime::vbOK;
    double uniform = 0.0;
};

TEST_F(FrmoracleTest, LoadShowsTheDateOfReadingAndPlaysTheDefaultTune) {
    Frmoracle& w = open();
    EXPECT_EQ(w.windowTitle(), "ORACLE");
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(tray.onlyIcon().tip, "");
    EXPECT_EQ(control<QPushButton>(w, "XPButton1")->text(),
              "- Date of reading -\nSunday, July 24 2016");
    EXPECT_EQ(w.fechaLectura, makeDate(2016, 7, 24));
    EXPECT_FALSE(w.calendarioUsado);
    EXPECT_FALSE(shell::shellState().cargandoForm);
    EXPECT_EQ(music.playing(), folder.path() + "/ambiente.mid");
    EXPECT_TRUE(w.TimerMidi->isActive());
    EXPECT_EQ(w.TimerMidi->interval(), Frmoracle::kTimerMidiMs);
    EXPECT_TRUE(control(w, "ImageSoundMidOn")->isVisibleTo(&w));
    EXPECT_FALSE(control(w, "ImageSoundMidOff")->isVisibleTo(&w));
    EXPECT_EQ(control(w, "ImageSoundMidOn")->toolTip(), "On/Off");
    EXPECT_FALSE(w.MnuRegResult->isChecked());
    EXPECT_FALSE(control<QPlainTextEdit>(w, "TxtEdit")->isVisibleTo(&w));
    EXPECT_FALSE(control<QCalendarWidget>(w, "MonthView1")->isVisibleTo(&w));
}

TEST_F(FrmoracleTest, SoundAmbientOtherThanSypLeavesTheMusicOff) {
    for (const QByteArray value : {"nop", "off", "Syp"}) {
        settings("SoundAmbient=" + value + "\r\n");
        Frmoracle& w = open();
        EXPECT_EQ(music.playing(), "") << value.constData();
        EXPECT_FALSE(w.TimerMidi->isActive());
        EXPECT_FALSE(control(w, "ImageSoundMidOn")->isVisibleTo(&w));
        EXPECT_TRUE(control(w, "ImageSoundMidOff")->isVisibleTo(&w));
        forms::Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(FrmoracleTest, TheSoundSwitchStopsAndStartsTheChosenTune) {
    folder.write("music/own.mid", "MThd");
    folder.write("music/new.mid", "MThd");
    settings("SongAmbient=" + folder.file("music/own.mid").toLocal8Bit() + "\r\n");
    Frmoracle& w = open();
    EXPECT_EQ(music.playing(), folder.file("music/own.mid"));
    w.ImageSoundMidOn_Click();
    EXPECT_EQ(music.commands.last(), "close all");
    EXPECT_EQ(music.playing(), "");
    EXPECT_FALSE(w.TimerMidi->isActive());
    EXPECT_TRUE(control(w, "ImageSoundMidOff")->isVisibleTo(&w));
    EXPECT_TRUE(QString::fromLatin1(folder.read("opciones.ini")).contains("SoundAmbient=nop"));

    settings("SoundAmbient=nop\r\nSongAmbient=" + folder.file("music/new.mid").toLocal8Bit() +
             "\r\n");
    w.ImageSoundMidOff_Click();
    EXPECT_EQ(music.playing(), folder.file("music/new.mid")) << "the tune is read again";
    EXPECT_TRUE(w.TimerMidi->isActive());
    EXPECT_TRUE(control(w, "ImageSoundMidOn")->isVisibleTo(&w));
    EXPECT_TRUE(QString::fromLatin1(folder.read("opciones.ini")).contains("SoundAmbient=syp"));
}

TEST_F(FrmoracleTest, TheTimerRestartsTheTuneAtItsEnd) {
    Frmoracle& w = open();
    const auto id = static_cast<platform::MciDeviceId>(readings::readingsState().midiId);
    music.reachEnd(id);
    w.TimerMidi_Timer();
    EXPECT_EQ(music.commands.mid(music.commands.size() - 2),
              QStringList({QString("seek %1").arg(id), QString("play %1").arg(id)}));
    EXPECT_NE(music.playing(), "");
}

TEST_F(FrmoracleTest, AMissingTuneLeavesTheSwitchOnAndNothingPlaying) {
    ASSERT_TRUE(QFile::remove(folder.file("ambiente.mid")));
    Frmoracle& w = open();
    EXPECT_EQ(music.playing(), "");
    EXPECT_EQ(readings::readingsState().midiId, 0);
    EXPECT_TRUE(control(w, "ImageSoundMidOn")->isVisibleTo(&w));
}

// The shipped tune, in a fresh program folder, through the real music layer (SDL's dummy audio
// driver).
TEST_F(FrmoracleTest, TheDefaultTunePlaysThroughTheRealMusicLayer) {
    QFile shipped(QStringLiteral(VELARCANA_PROGRAM_DIR "/ambiente.mid"));
    if (!shipped.open(QIODevice::ReadOnly)) {
        GTEST_SKIP() << "the program data is not built";
    }
    folder.write("ambiente.mid", shipped.readAll());
    platform::setMusicPlayer(nullptr);
    Frmoracle& w = open();
    const auto id = static_cast<platform::MciDeviceId>(readings::readingsState().midiId);
    ASSERT_NE(id, 0U) << "the default tune opens";
    EXPECT_EQ(platform::musicPlayer().statusMode(id), platform::kMciModePlay);
    EXPECT_TRUE(control(w, "ImageSoundMidOn")->isVisibleTo(&w));
    w.ImageSoundMidOn_Click();
    EXPECT_EQ(platform::musicPlayer().statusMode(id), 0) << "switched off, the tune is closed";
}

TEST_F(FrmoracleTest, TheCloseBoxHidesTheWindowAndStopsTheMusicForGood) {
    Frmoracle& w = open();
    w.close();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(loaded(), &w);
    EXPECT_EQ(music.playing(), "");
    EXPECT_EQ(tray.iconCount(), 1);
    EXPECT_FALSE(w.TimerMidi->isActive()) << "nothing left to restart";
    w.TimerMidi_Timer();
    EXPECT_EQ(music.playing(), "") << "a closed tune does not restart";
    EXPECT_TRUE(control(w, "ImageSoundMidOn")->isVisibleTo(&w)) << "the switch still shows On";
    w.ImageSoundMidOn_Click();
    w.ImageSoundMidOff_Click();
    EXPECT_NE(music.playing(), "");
}

TEST_F(FrmoracleTest, SwitchingAwayStopsTheMusicAndPlaysTheSwitchSound) {
    settings("Background Sound=SiBgSound\r\n");
    forms::Forms::instance().registerFactory("FrmCartaDia",
                                             [] { return new TargetWindow("FrmCartaDia"); });
    Frmoracle& w = open();
    w.MnuCdia->trigger();
    EXPECT_EQ(loaded(), nullptr);
    EXPECT_EQ(music.playing(), "");
    EXPECT_EQ(sound.played.size(), 1);
    EXPECT_TRUE(sound.played.value(0).endsWith("boop.wav"));
}

TEST_F(FrmoracleTest, ASwitchArrivingWhileTheTuneStartsLeavesNoMusicWithoutTheWindow) {
    forms::Forms::instance().registerFactory("FrmCartaDia",
                                             [] { return new TargetWindow("FrmCartaDia"); });
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [this] {
            ASSERT_NE(loaded(), nullptr);
            loaded()->MnuCdia->trigger();
        },
        Qt::QueuedConnection);
    EXPECT_EQ(forms::Forms::instance().load(Frmoracle::kName), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(loaded(), nullptr);
    EXPECT_EQ(music.playing(), "");
    EXPECT_TRUE(music.modes.empty()) << "the tune opened in the pause is closed";
    EXPECT_TRUE(forms::Forms::instance().isLoaded("FrmCartaDia"));
    EXPECT_EQ(tray.iconCount(), 1);
    EXPECT_FALSE(shell::shellState().cargandoForm);
}

TEST_F(FrmoracleTest, ASuitReadDrawsItsCardFromTheQuestionAndTheDate) {
    // 7/24/2016 sums to 22; the questions' sums come from the letter table.
    struct Case {
        const char* box;
        void (Frmoracle::*read)();
        const char* picture;
        QString question;
        runtime::Long sum;
        runtime::Integer card;
        const char* file;
    };
    const Case cases[] = {
        {"TxtEsp", &Frmoracle::ARButtonAcepEsp_Click, "imgesp", QString::fromUtf8("¿Año 2016?"), 23,
         3, "amenores/3espadas.jpg"},
        {"TxtBas", &Frmoracle::ARButtonAcepBas_Click, "imgbas", "Ana", 7, 1,
         "amenores/1bastos.jpg"},
        {"TxtCop", &Frmoracle::ARButtonAcepCop_Click, "imgcop", "  A  ", 1, 9,
         "amenores/9copas.jpg"},
        {"TxtOr", &Frmoracle::ARButtonAcepOr_Click, "imgor", "MARÍA", 16, 10,
         "amenores/10oros.jpg"},
    };
    for (const Case& c : cases) {
        folder.write(c.file, twoColourPicture());
    }
    Frmoracle& w = open();
    for (const Case& c : cases) {
        ask(w, c.box, c.question);
        (w.*c.read)();
        EXPECT_EQ(w.sumaLetras, c.sum) << c.box;
        EXPECT_EQ(w.sumaFecha, 22);
        EXPECT_EQ(shell::shellState().numCarta, c.card) << c.box;
        EXPECT_EQ(colourAt(control(w, c.picture), 0.1), kRed) << c.box << " upright";
        EXPECT_EQ(control(w, c.picture)->toolTip(), "");
        EXPECT_EQ(control<QLineEdit>(w, c.box)->text(), c.question) << "the box keeps its text";
    }
    EXPECT_EQ(w.sumaEspadas, 23);
    EXPECT_EQ(w.sumaBastos, 7);
    EXPECT_EQ(w.sumaCopas, 1);
    EXPECT_EQ(w.sumaOros, 16);
    EXPECT_EQ(w.cartaEspadas, 3);
    EXPECT_EQ(w.cartaBastos, 1);
    EXPECT_EQ(w.cartaCopas, 9);
    EXPECT_EQ(w.cartaOros, 10);
    EXPECT_TRUE(w.lecturaIniciada);
    EXPECT_EQ(w.orientacion, 0.0F) << "untouched while reversed cards are not allowed";
}

TEST_F(FrmoracleTest, TheDateSumIsTheSameInLocalesWithTheirOwnDigits) {
    Frmoracle& w = open();
    for (const char* locale : {"en_US", "ar_EG", "fa_IR", "bn_BD"}) {
        runtime::setLocale(QLocale(QString::fromLatin1(locale)));
        w.sumdate(makeDate(2024, 12, 31)); // ten characters in each of these locales
        EXPECT_EQ(w.sumaFecha, 15) << locale;
        w.fechaLectura = makeDate(2016, 7, 24);
        ask(w, "TxtBas", "Ana");
        w.ARButtonAcepBas_Click();
        EXPECT_EQ(w.sumaFecha, 22) << locale;
        EXPECT_EQ(w.cartaBastos, 1) << locale << ": 7 + 22, less twice 14";
        w.ARButtonResult_Click();
        EXPECT_EQ(control(w, "imgfinal")->toolTip(), "VII. The Chariot") << locale;
    }
    runtime::setLocale(kEnglish);
}

TEST_F(FrmoracleTest, AnEmptyQuestionKeepsTheSuitButClearsTheGlobalCard) {
    Frmoracle& w = open();
    ask(w, "TxtEsp", "Ana");
    w.ARButtonAcepEsp_Click();
    w.ARButtonResult_Click();
    EXPECT_TRUE(w.globalHecha);
    for (const QString& question : {QString(), QString("   "), QString("000 ?!")}) {
        ask(w, "TxtEsp", question);
        w.ARButtonAcepEsp_Click();
        EXPECT_FALSE(w.globalHecha);
        EXPECT_EQ(w.sumaEspadas, 7) << "the earlier read stands";
        EXPECT_EQ(w.cartaEspadas, 1);
        w.globalHecha = true;
    }
}

TEST_F(FrmoracleTest, ResultantDrawsTheGlobalCardWithItsTitle) {
    folder.write("imagenes2/carro7.jpg", twoColourPicture());
    shell::shellState().tipoCarta = "marsellaclass";
    Frmoracle& w = open();
    w.ARButtonResult_Click();
    EXPECT_FALSE(w.globalHecha) << "nothing drawn yet";
    EXPECT_EQ(colourAt(control(w, "imgfinal"), 0.1), kGreen) << "the back stays";

    ask(w, "TxtEsp", QString::fromUtf8("¿Año 2016?"));
    w.ARButtonAcepEsp_Click();
    ask(w, "TxtBas", "Ana");
    w.ARButtonAcepBas_Click();
    w.ARButtonResult_Click();
    // 23 + 7 + 22 = 52, less twice 22.
    EXPECT_EQ(w.sumaTotal, 8);
    EXPECT_EQ(shell::shellState().numCarta, 8);
    EXPECT_TRUE(w.globalHecha);
    EXPECT_EQ(control(w, "imgfinal")->toolTip(), "VIII. Justice");
    EXPECT_TRUE(control(w, "imgfinal")->pixmap().isNull()) << "a missing picture shows nothing";

    ask(w, "TxtBas", "Anna");
    w.ARButtonAcepBas_Click();
    w.ARButtonResult_Click();
    EXPECT_EQ(shell::shellState().numCarta, 13);
    ask(w, "TxtOr", "a");
    w.ARButtonAcepOr_Click();
    ask(w, "TxtCop", "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb");
    w.ARButtonAcepCop_Click();
    w.ARButtonResult_Click();
    EXPECT_EQ(shell::shellState().numCarta, 16) << "23 + 12 + 90 + 1 + 22 = 148";
}

TEST_F(FrmoracleTest, ReversedCardsAreTurnedAndLogged) {
    settings("Tirada=real\r\nLogResOracle=yes\r\n");
    folder.write("amenores/8bastos.jpg", twoColourPicture());
    folder.write("logs/.keep", "");
    Frmoracle& w = open();
    EXPECT_TRUE(w.MnuRegResult->isChecked());
    uniform = 0.7;
    ask(w, "TxtBas", "Ana Ana");
    w.ARButtonAcepBas_Click();
    EXPECT_EQ(w.orientacion, readings::kReversed);
    EXPECT_EQ(colourAt(control(w, "imgbas"), 0.1), kBlue) << "turned upside down";
    EXPECT_EQ(shell::shellState().numCarta, 8);
    w.ARButtonAcepBas_Click();
    EXPECT_EQ(colourAt(control(w, "imgbas"), 0.1), kBlue);
    uniform = 0.2;
    ask(w, "TxtEsp", "");
    w.ARButtonResult_Click();
    // 14 + 22 = 36, less 22.
    EXPECT_EQ(shell::shellState().numCarta, 14);
    EXPECT_EQ(w.orientacion, readings::kUpright);
    EXPECT_EQ(log(), "----------------------\r\n"
                     "Question for the batons: Ana Ana\r\n"
                     "Resultant card: 8bastos.jpg (Inverted)\r\n"
                     "----------------------\r\n"
                     "Question for the batons: Ana Ana\r\n"
                     "Resultant card: 8bastos.jpg (Inverted)\r\n"
                     "=========================\r\n"
                     "Date of saving: 7/24/2016 12:30:00 PM\r\n"
                     "Date for the read: Sunday, July 24 2016\r\n"
                     "Global resultant card: templanza14.jpg (Normal)\r\n"
                     "=========================\r\n"
                     "                         \r\n")
        << "the global entry does not wait for a swords question";
}

TEST_F(FrmoracleTest, ObjectiveThrowsAreUprightAndLoggedWithoutOrientation) {
    settings("Tirada=objetiva\r\nLogResOracle=yes\r\n");
    folder.write("logs/.keep", "");
    folder.write("amenores/8bastos.jpg", twoColourPicture());
    Frmoracle& w = open();
    uniform = 0.9;
    ask(w, "TxtBas", "Ana Ana");
    w.ARButtonAcepBas_Click();
    EXPECT_EQ(colourAt(control(w, "imgbas"), 0.1), kRed);
    EXPECT_EQ(w.orientacion, 0.0F);
    EXPECT_EQ(log(), "----------------------\r\n"
                     "Question for the batons: Ana Ana\r\n"
                     "Resultant card: 8bastos.jpg\r\n");
}

TEST_F(FrmoracleTest, NothingIsLoggedWithoutTheMarkOrTheLogsFolder) {
    settings("LogResOracle=yes\r\n");
    Frmoracle& w = open();
    ask(w, "TxtEsp", "Ana");
    w.ARButtonAcepEsp_Click();
    w.ARButtonResult_Click();
    EXPECT_FALSE(folder.exists("logs")) << "the folder is never created";

    folder.write("logs/.keep", "");
    w.MnuRegResult_Click();
    EXPECT_FALSE(w.MnuRegResult->isChecked());
    EXPECT_TRUE(QString::fromLatin1(folder.read("opciones.ini")).contains("LogResOracle=no"));
    w.ARButtonAcepEsp_Click();
    EXPECT_FALSE(folder.exists("logs/resOracle.log"));
    w.MnuRegResult->trigger();
    EXPECT_TRUE(w.MnuRegResult->isChecked());
    EXPECT_TRUE(QString::fromLatin1(folder.read("opciones.ini")).contains("LogResOracle=yes"));
}

// Questions pasted with line breaks, tabs and other controls, one of them forging a line of
// another suit's entry: each box shows and keeps blanks in their place, and the suit entries
// keep their three lines and the global entry its six.
TEST_F(FrmoracleTest, PastedLineBreaksBecomeBlanksAndEveryEntryKeepsItsLines) {
    struct Case {
        const char* box;
        const char* read;
        const char* word;
        QString pasted;
        QString kept;
    };
    const Case cases[] = {
        {"TxtEsp", "ARButtonAcepEsp", "swords", "Will I win?\r\nQuestion for the cups: fake",
         "Will I win?  Question for the cups: fake"},
        {"TxtBas", "ARButtonAcepBas", "batons", "Ana\nAna", "Ana Ana"},
        {"TxtCop", "ARButtonAcepCop", "cups", "\tlove?\x7f", " love? "},
        {"TxtOr", "ARButtonAcepOr", "golds", QString("gold") + QChar(0x2028) + QChar(0x85) + "now",
         "gold  now"},
    };
    settings("LogResOracle=yes\r\n");
    folder.write("logs/.keep", "");
    Frmoracle& w = open();
    const std::array<const runtime::Integer*, 4> cards = {&w.cartaEspadas, &w.cartaBastos,
                                                          &w.cartaCopas, &w.cartaOros};
    QStringList lines;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        auto* box = control<QLineEdit>(w, c.box);
        ASSERT_TRUE(testing_support::pasteInto(box, c.pasted)) << c.box;
        EXPECT_EQ(box->text(), c.kept) << c.box;
        QTest::mouseClick(control<QPushButton>(w, c.read), Qt::LeftButton);
        ASSERT_NE(*cards[i], 0) << c.box;
        lines << QString(22, '-') << QString("Question for the ") + c.word + ": " + c.kept
              << "Resultant card: " + readings::minorCardPicture(readings::kSuits[i], *cards[i]);
    }
    QTest::mouseClick(control<QPushButton>(w, "ARButtonResult"), Qt::LeftButton);
    ASSERT_TRUE(w.globalHecha);
    lines << QString(25, '=') << "Date of saving: 7/24/2016 12:30:00 PM"
          << "Date for the read: Sunday, July 24 2016"
          << "Global resultant card: " + readings::ImagenesArcanos(w.sumaTotal) << QString(25, '=')
          << QString(25, ' ');
    EXPECT_EQ(folder.read("logs/resOracle.log"), (lines.join("\r\n") + "\r\n").toLatin1());
}

// With "Save results" on, a question with letters that the log cannot hold is refused before
// the draw: the user is told which and nothing changes. Off, the question reads as before.
TEST_F(FrmoracleTest, QuestionsWithLettersTheLogCannotHoldAreRefusedWhileSaving) {
    settings("LogResOracle=yes\r\n");
    folder.write("logs/.keep", "");
    Frmoracle& w = open();
    ask(w, "TxtBas", "Ana");
    QTest::mouseClick(control<QPushButton>(w, "ARButtonAcepBas"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(w, "ARButtonResult"), Qt::LeftButton);
    const QByteArray logged = folder.read("logs/resOracle.log");
    const std::pair<const char*, const char*> cases[] = {{"Łódź?", "Łź"}, {"王", "王"}};
    testing_support::DrawnBoxes drawn;
    for (const auto& [question, told] : cases) {
        drawn.shown.clear();
        ask(w, "TxtEsp", QString::fromUtf8(question));
        QTest::mouseClick(control<QPushButton>(w, "ARButtonAcepEsp"), Qt::LeftButton);
        ASSERT_EQ(drawn.shown.size(), 1U) << question;
        EXPECT_EQ(drawn.shown[0].text,
                  QString::fromUtf8("The question can not contain \"%1\".").arg(told));
        EXPECT_EQ(drawn.shown[0].title, "Error");
        EXPECT_EQ(drawn.shown[0].icon, QMessageBox::Warning);
        EXPECT_EQ(w.sumaEspadas, 0) << "nothing drawn";
        EXPECT_EQ(w.cartaEspadas, 0);
        EXPECT_TRUE(w.globalHecha) << "not even the global card's text goes";
        EXPECT_EQ(folder.read("logs/resOracle.log"), logged);
    }
    w.MnuRegResult->trigger();
    drawn.shown.clear();
    ask(w, "TxtEsp", QString::fromUtf8("Łódź?"));
    QTest::mouseClick(control<QPushButton>(w, "ARButtonAcepEsp"), Qt::LeftButton);
    EXPECT_TRUE(drawn.shown.empty());
    EXPECT_EQ(w.sumaEspadas, 11) << "ó 7, d 4";
    EXPECT_EQ(folder.read("logs/resOracle.log"), logged);
}

TEST_F(FrmoracleTest, DeleteResultsEmptiesTheLogOnYes) {
    folder.write("logs/resOracle.log", "old\r\n");
    Frmoracle& w = open();
    answer = runtime::vbNo;
    w.MnuDelResults_Click();
    EXPECT_EQ(folder.read("logs/resOracle.log"), "old\r\n");
    answer = runtime::vbYes;
    w.MnuDelResults_Click();
    EXPECT_EQ(folder.read("logs/resOracle.log"), "\r\n");
    ASSERT_EQ(boxes.size(), 2U);
    EXPECT_EQ(boxes[0].prompt, "Are you sure to completely delete the results of throws?");
    EXPECT_EQ(boxes[0].style, runtime::vbYesNo);
    EXPECT_EQ(boxes[0].title, "");

    w.MnuShowResults_Click();
    w.Mnucont_Click();
    ASSERT_EQ(desktop.opened.size(), 2);
    EXPECT_TRUE(desktop.opened[0].toLocalFile().endsWith("logs/resOracle.log"));
    EXPECT_TRUE(desktop.opened[1].toLocalFile().endsWith("Velarcana.chm"));
}

TEST_F(FrmoracleTest, TheDateOfReadingIsPickedBeforeTheFirstRead) {
    Frmoracle& w = open();
    auto* view = control<QCalendarWidget>(w, "MonthView1");
    w.XPButton1_Click();
    EXPECT_TRUE(view->isVisibleTo(&w));
    EXPECT_EQ(view->selectedDate(), QDate(2016, 7, 24)) << "the first opening shows today";
    clock.set(makeDateTime({2016, 8, 2, 9, 0, 0}));
    w.globalHecha = true;
    w.MonthView1_DateClick(QDate(2016, 3, 5));
    EXPECT_FALSE(view->isVisibleTo(&w));
    EXPECT_FALSE(w.globalHecha);
    EXPECT_EQ(w.fechaLectura, makeDate(2016, 3, 5));
    EXPECT_EQ(control<QPushButton>(w, "XPButton1")->text(),
              "- Date of reading -\nSaturday, March 5 2016");
    w.XPButton1_Click();
    EXPECT_EQ(view->selectedDate(), QDate(2016, 3, 5)) << "then it opens at the picked date";
    w.MonthView1_DateClick(QDate(2016, 3, 5));

    ask(w, "TxtEsp", "Ana");
    w.ARButtonAcepEsp_Click();
    EXPECT_EQ(w.sumaFecha, 17) << "3/5/2016";
    w.XPButton1_Click();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].prompt, "The date must be changed before the read is done!");
    EXPECT_EQ(boxes[0].style, runtime::vbExclamation);
    EXPECT_EQ(boxes[0].title, "Warning");
    EXPECT_FALSE(view->isVisibleTo(&w));

    w.ARButtonReset_Click();
    w.XPButton1_Click();
    EXPECT_EQ(boxes.size(), 1U) << "after Reset the date can change again";
    EXPECT_TRUE(view->isVisibleTo(&w));
    EXPECT_EQ(w.fechaLectura, makeDate(2016, 3, 5)) << "Reset keeps the picked date";
}

// The month view offers the days of the date type only: the arrows and keys stop at 1 January
// 100 and 31 December 9999, so no reading is dated, nor logged, beyond them.
TEST_F(FrmoracleTest, TheDateOfReadingStaysWithinTheDateType) {
    settings("LogResOracle=yes\r\n");
    struct Case {
        const char* year;
        const char* arrow; // toward the end of the range
        bool back;
        int day;
        QDate date;
        const char* text;
    };
    const Case cases[] = {
        {"100", "qt_calendar_prevmonth", true, 1, QDate(100, 1, 1), "Friday, January 1 100"},
        {"9999", "qt_calendar_nextmonth", false, 31, QDate(9999, 12, 31),
         "Friday, December 31 9999"},
    };
    for (const Case& c : cases) {
        folder.write("logs/resOracle.log", "");
        Frmoracle& w = open();
        auto* view = control<QCalendarWidget>(w, "MonthView1");
        QTest::mouseClick(control<QPushButton>(w, "XPButton1"), Qt::LeftButton);
        ASSERT_TRUE(view->isVisible());
        ASSERT_TRUE(typeYear(view, c.year));
        ASSERT_TRUE(clickMonthArrow(view, c.arrow, 7)); // from July, one month past the end
        ASSERT_TRUE(pressCalendarKeys(view, c.back, 40));
        EXPECT_EQ(view->selectedDate(), c.date) << c.text;
        ASSERT_TRUE(clickDay(view, c.day)) << c.text;
        EXPECT_EQ(runtime::toQDate(w.fechaLectura), c.date) << c.text;
        EXPECT_EQ(control<QPushButton>(w, "XPButton1")->text(),
                  QStringLiteral("- Date of reading -\n") + c.text);

        ask(w, "TxtEsp", "Ana");
        QTest::mouseClick(control<QPushButton>(w, "ARButtonAcepEsp"), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(w, "ARButtonResult"), Qt::LeftButton);
        EXPECT_TRUE(log().contains(QStringLiteral("Date for the read: ") + c.text))
            << log().toStdString();
        forms::Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(FrmoracleTest, AMonthViewOpenAcrossTheFirstReadCannotChangeTheReadingsDate) {
    settings("LogResOracle=yes\r\n");
    folder.write("logs/resOracle.log", "");
    Frmoracle& w = open();
    auto* view = control<QCalendarWidget>(w, "MonthView1");
    w.XPButton1_Click();
    Q_EMIT view->clicked(QDate(2016, 3, 5));
    ASSERT_EQ(w.fechaLectura, makeDate(2016, 3, 5));
    w.XPButton1_Click();
    ASSERT_TRUE(view->isVisibleTo(&w));
    ask(w, "TxtEsp", "Ana");
    w.ARButtonAcepEsp_Click();

    Q_EMIT view->clicked(QDate(2016, 4, 1)); // a pick in the view left open
    EXPECT_EQ(w.fechaLectura, makeDate(2016, 3, 5));
    EXPECT_EQ(control<QPushButton>(w, "XPButton1")->text(),
              "- Date of reading -\nSaturday, March 5 2016");
    EXPECT_FALSE(view->isVisibleTo(&w));
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].prompt, "The date must be changed before the read is done!");
    EXPECT_EQ(boxes[0].title, "Warning");

    ask(w, "TxtBas", "Ana");
    w.ARButtonAcepBas_Click();
    EXPECT_EQ(w.sumaFecha, 17) << "3/5/2016 for the second suit too";
    w.ARButtonResult_Click();
    EXPECT_TRUE(log().contains("Date for the read: Saturday, March 5 2016")) << log().toStdString();
    EXPECT_FALSE(log().contains("April")) << "one reading, one date";

    w.ARButtonReset_Click();
    w.XPButton1_Click();
    EXPECT_EQ(view->selectedDate(), QDate(2016, 3, 5)) << "the view shows the reading's date";
}

TEST_F(FrmoracleTest, ResetTurnsTheCardsBackAndClearsTheReading) {
    folder.write("amenores/1espadas.jpg", twoColourPicture());
    Frmoracle& w = open();
    ask(w, "TxtEsp", "Ana");
    ask(w, "TxtOr", "b");
    w.ARButtonAcepEsp_Click();
    w.ARButtonResult_Click();
    w.imgesp_Click();
    const runtime::Integer numCarta = shell::shellState().numCarta;
    w.ARButtonReset_Click();
    EXPECT_FALSE(w.lecturaIniciada);
    EXPECT_FALSE(w.globalHecha);
    EXPECT_EQ(w.sumaEspadas, 0);
    EXPECT_EQ(w.cartaEspadas, 0);
    EXPECT_EQ(w.sumaFecha, 0);
    EXPECT_EQ(w.sumaLetras, 0);
    EXPECT_EQ(shell::shellState().numCarta, numCarta);
    for (const char* box : {"TxtEsp", "TxtBas", "TxtCop", "TxtOr"}) {
        EXPECT_EQ(control<QLineEdit>(w, box)->text(), "") << box;
    }
    for (const char* picture : {"imgesp", "imgbas", "imgcop", "imgor", "imgfinal"}) {
        EXPECT_EQ(colourAt(control(w, picture), 0.1), kGreen) << picture;
    }
    EXPECT_FALSE(control<QPlainTextEdit>(w, "TxtEdit")->isVisibleTo(&w));
    w.ARButtonResult_Click();
    EXPECT_FALSE(w.globalHecha) << "RESULTANT after Reset does nothing";
}

TEST_F(FrmoracleTest, ClickingACardShowsItsText) {
    folder.write("mtextos/3espadas.txt", "Three of swords\r\nsorrow\r\n");
    folder.write("mtextos/1bastos.txt", "Ace of wands");
    folder.write("textos/enamorados6.txt", "The Lovers");
    Frmoracle& w = open();
    auto* text = control<QPlainTextEdit>(w, "TxtEdit");
    w.imgbas_Click();
    w.imgfinal_Click();
    EXPECT_FALSE(text->isVisibleTo(&w)) << "no card drawn: nothing happens";

    ask(w, "TxtEsp", QString::fromUtf8("¿Año 2016?"));
    w.ARButtonAcepEsp_Click();
    w.imgesp_Click();
    EXPECT_TRUE(text->isVisibleTo(&w));
    EXPECT_EQ(text->toPlainText(), "Three of swords\nsorrow\n");
    EXPECT_EQ(shell::shellState().numCarta, 3);
    w.imgbas_Click();
    EXPECT_EQ(text->toPlainText(), "Three of swords\nsorrow\n");

    ask(w, "TxtBas", "Ana Ana Ana");
    w.ARButtonAcepBas_Click();
    w.imgbas_Click();
    EXPECT_EQ(text->toPlainText(), "Ace of wands");
    w.imgfinal_Click();
    EXPECT_EQ(text->toPlainText(), "Ace of wands") << "no global card yet";
    ask(w, "TxtBas", "Ana");
    w.ARButtonAcepBas_Click();
    w.ARButtonResult_Click();
    w.imgfinal_Click();
    EXPECT_EQ(shell::shellState().numCarta, 8);
    EXPECT_EQ(text->toPlainText(), "") << "a missing text shows an empty box";
    ask(w, "TxtBas", "Anaa");
    w.ARButtonAcepBas_Click();
    w.ARButtonResult_Click();
    w.imgfinal_Click();
    EXPECT_EQ(text->toPlainText(), "") << "23 + 8 + 22 = 53 is card 9";

    ask(w, "TxtCop", "");
    w.ARButtonAcepCop_Click();
    text->setPlainText("kept");
    w.imgfinal_Click();
    EXPECT_EQ(text->toPlainText(), "kept") << "an empty read cleared the global card";
}

// Answers the next file dialog: picks `file` in it, or cancels it when `file` is empty.
static void answerFileDialog(const QString& file) {
    QTimer::singleShot(0, [file] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QFileDialog*>(top);
            if (dialog == nullptr || !dialog->isVisible()) {
                continue;
            }
            EXPECT_EQ(dialog->windowTitle(), "Open file...");
            EXPECT_EQ(dialog->nameFilters(), QStringList({"Files mid (*.mid*)"}));
            if (file.isEmpty()) {
                dialog->reject();
            } else {
                dialog->selectFile(file);
                static_cast<QDialog*>(dialog)->accept();
            }
        }
    });
}

TEST_F(FrmoracleTest, ChoosingAMidiFileKeepsTheTuneThatPlays) {
    folder.write("own.mid", "MThd");
    Frmoracle& w = open();
    const QString playing = music.playing();
    answerFileDialog(QString());
    w.MnuEliSound_Click();
    EXPECT_EQ(readings::readingsState().archivoMidi, "");
    EXPECT_FALSE(QString::fromLatin1(folder.read("opciones.ini")).contains("SongAmbient"));

    answerFileDialog(folder.file("own.mid"));
    w.MnuEliSound_Click();
    EXPECT_EQ(readings::readingsState().archivoMidi, folder.file("own.mid"));
    EXPECT_TRUE(QString::fromLatin1(folder.read("opciones.ini"))
                    .contains("SongAmbient=" + folder.file("own.mid")));
    EXPECT_EQ(music.playing(), playing) << "the chosen tune waits for the next start";
    w.ImageSoundMidOn_Click();
    w.ImageSoundMidOff_Click();
    EXPECT_EQ(music.playing(), folder.file("own.mid"));
}

// The settings file is Windows-1252: the folder would be stored as "??" and the tune lost.
TEST_F(FrmoracleTest, ATunePathOutsideTheSettingsCharactersIsRefused) {
    const QString tune = folder.file(QString::fromUtf8("音楽/x.mid"));
    folder.write(QString::fromUtf8("音楽/x.mid"), "MThd");
    Frmoracle& w = open();
    const QByteArray settingsBefore = folder.read("opciones.ini");
    answerFileDialog(tune);
    w.MnuEliSound_Click();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].prompt,
              QString::fromUtf8("The path of the midi file can not contain \"音楽\"."));
    EXPECT_EQ(boxes[0].style, runtime::vbExclamation);
    EXPECT_EQ(boxes[0].title, "Error");
    EXPECT_EQ(readings::readingsState().archivoMidi, "");
    EXPECT_EQ(folder.read("opciones.ini"), settingsBefore);
}

// A path of the given length in the program folder: folders of 99 characters, then the file.
static QString tunePathOfLength(const testing_support::TempProgramFolder& folder, int length) {
    QString relative;
    const int room = length - static_cast<int>(folder.path().size()) - 1;
    while (room - relative.size() > 100) {
        relative += QString(99, QLatin1Char('d')) + QLatin1Char('/');
    }
    relative += QString(room - relative.size() - 4, QLatin1Char('t')) + QStringLiteral(".mid");
    folder.write(relative, "MThd");
    return folder.file(relative);
}

// The settings file gives back at most 254 characters of a value: a longer path would be read
// back cut, the path of no file, while the switch showed On.
TEST_F(FrmoracleTest, ATunePathLongerThanTheSettingsHoldIsRefused) {
    Frmoracle& w = open();
    const QString refusal =
        QStringLiteral("The path of the midi file can not be longer than 254 characters.");
    for (const int length : {255, 256, 300}) {
        const QString tune = tunePathOfLength(folder, length);
        ASSERT_EQ(tune.size(), length);
        const QByteArray settingsBefore = folder.read("opciones.ini");
        testing_support::DrawnBoxes drawn;
        answerFileDialog(tune);
        w.MnuEliSound->trigger();
        ASSERT_EQ(drawn.shown.size(), 1U) << length;
        EXPECT_EQ(drawn.shown[0].text, refusal);
        EXPECT_EQ(drawn.shown[0].title, "Error");
        EXPECT_EQ(drawn.shown[0].icon, QMessageBox::Warning);
        EXPECT_EQ(readings::readingsState().archivoMidi, "") << length;
        EXPECT_EQ(folder.read("opciones.ini"), settingsBefore) << length;
    }

    const QString longest = tunePathOfLength(folder, 254);
    testing_support::DrawnBoxes drawn;
    answerFileDialog(longest);
    w.MnuEliSound->trigger();
    EXPECT_TRUE(drawn.shown.empty());
    EXPECT_EQ(shell::LeerValorIni(shell::kSeccionOpciones, "SongAmbient", shell::settingsFile()),
              longest)
        << "254 characters come back whole";
}

// Linux lets a file name hold a line break; the settings file keeps a value on one line.
TEST_F(FrmoracleTest, ATunePathWithALineBreakIsRefused) {
    Frmoracle& w = open();
    for (const char* name : {"two\nlines.mid", "cr\rhere.mid", "tab\there.mid"}) {
        folder.write(QString::fromLatin1(name), "MThd");
        const QByteArray settingsBefore = folder.read("opciones.ini");
        testing_support::DrawnBoxes drawn;
        answerFileDialog(folder.file(QString::fromLatin1(name)));
        w.MnuEliSound->trigger();
        ASSERT_EQ(drawn.shown.size(), 1U) << name;
        EXPECT_EQ(drawn.shown[0].text, "The path of the midi file can not contain a line break or "
                                       "another control character.");
        EXPECT_EQ(drawn.shown[0].title, "Error");
        EXPECT_EQ(drawn.shown[0].icon, QMessageBox::Warning);
        EXPECT_TRUE(drawn.shown[0].drawn);
        EXPECT_EQ(readings::readingsState().archivoMidi, "") << name;
        EXPECT_EQ(folder.read("opciones.ini"), settingsBefore) << name;
    }
}

TEST_F(FrmoracleTest, EachSuitTitleStandsOnOneLine) {
    Frmoracle& w = open();
    for (const char* name : {"LblEsp", "LblBas", "LblCop", "LblOr"}) {
        const QLabel* title = control(w, name);
        EXPECT_FALSE(title->wordWrap()) << name;
        EXPECT_LE(title->fontMetrics().horizontalAdvance(title->text()),
                  title->contentsRect().width())
            << name << " is cut at its right";
    }
}

TEST_F(FrmoracleTest, StartMinimisedKeepsTheWindowInTheTray) {
    for (const QByteArray value : {"True", "Verdadero"}) {
        settings("Iniciar Minimizado=" + value + "\r\n");
        Frmoracle& w = open();
        EXPECT_FALSE(w.isVisible()) << value.constData();
        EXPECT_EQ(tray.iconCount(), 1);
        EXPECT_NE(music.playing(), "") << "the music plays in the tray as well";
        forms::Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
