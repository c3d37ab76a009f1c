#include "readings/frmVelarcana.h"

#include "app/Windows.h"
#include "forms/Forms.h"
#include "readings/ReadingsState.h"
#include "runtime/MessageBox.h"
#include "runtime/SystemFormats.h"
#include "shell/ShellState.h"
#include "support/DrawnBoxes.h"
#include "support/FakeShell.h"
#include "support/FakeSoundPlayer.h"
#include "support/FakeTray.h"
#include "support/FullDisk.h"
#include "support/ReadOnlyFolder.h"
#include "support/TempProgramFolder.h"
#include "support/WindowFixtures.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>

#include <gtest/gtest.h>

#include <optional>

using readings::frmVelarcana;

using testing_support::centreColour;
using testing_support::TargetWindow;

namespace {

QByteArray pictureBytes(QColor colour) {
    return testing_support::pictureBytes(colour, QSize(30, 52));
}

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kSpanish(QLocale::Spanish, QLocale::Spain);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QByteArray kBlankLine(25, ' ');
const QByteArray kEqualsLine(25, '=');

class FrmVelarcanaTest : public testing::Test {
protected:
    void SetUp() override {
        shell::resetShellState();
        readings::resetReadingsState();
        shell::shellState().modoMinimizar = "systray";
        shell::shellState().tipoCarta = "marsellaone";
        runtime::setLocale(kEnglish);
        runtime::setDialogScript([this](const runtime::DialogCall& call, QString&) {
            boxes.push_back(call);
            clickCartaDuringBox = shell::shellState().clickCarta;
            return answer;
        });
        app::registerWindows();
    }
    void TearDown() override {
        forms::Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        runtime::setDialogScript(nullptr);
        runtime::setLocale(kEnglish);
    }

    frmVelarcana& open() {
        return *static_cast<frmVelarcana*>(forms::Forms::instance().load(frmVelarcana::kName));
    }
    template <class T = QLineEdit> static T* control(frmVelarcana& w, const char* name) {
        T* found = w.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static QLabel* picture(frmVelarcana& w) { return control<QLabel>(w, "ImgVelarcana"); }
    static QAction* item(frmVelarcana& w, const char* name) { return control<QAction>(w, name); }
    // Types the number and presses "Submit".
    static void submit(frmVelarcana& w, const QString& number) {
        control(w, "text1")->setText(number);
        control<QPushButton>(w, "ARButtonAcep")->click();
    }
    void makeLogs() { QDir(folder.path()).mkdir("logs"); }
    QString log() const { return QString::fromLatin1(folder.read("logs/resNumbers.log")); }

    testing_support::TempProgramFolder folder;
    testing_support::FakeTray tray;
    testing_support::FakeSoundPlayer sound;
    testing_support::FakeShell desktop;
    std::vector<runtime::DialogCall> boxes;
    int answer = runtime::vbOK;
    bool clickCartaDuringBox = false;
};

TEST_F(FrmVelarcanaTest, TheDigitsOfTheNumberGiveTheCardWithTheWindowsOwnTitle) {
    struct Case {
        const char* number;
        runtime::Integer sum;
        runtime::Integer card;
        const char* result;
        const char* tooltip;
    };
    const Case cases[] = {
        {"12345", 15, 15, "XV. The Devil", "XV. The Devil"},
        {"994", 22, 22, "XXII. The World", "XXII. The World"},
        {"995", 23, 1, "I. The Magician", "I. The Magician"},
        {"9949", 31, 9, "IX. The Hermit", "IX. The Hermit"},
        {"999999999999", 108, 20, "XX. The Trial", "XX. Judgment"},
        {"5", 5, 5, "V. The Pope", "V. The Hierophant"},
        {"12.5", 8, 8, "VIII. The Justice", "VIII. Justice"},
        {"-22", 4, 4, "IV. The Emperor", "IV. The Emperor"},
        {"1e3", 4, 4, "IV. The Emperor", "IV. The Emperor"},
        {" 1,234 ", 10, 10, "X. The Fortune", "X. Wheel of Fortune"},
    };
    frmVelarcana& w = open();
    for (const Case& c : cases) {
        control(w, "text1")->setText(c.number);
        QString s = c.number;
        EXPECT_EQ(w.SumarUnidades(s), c.sum) << c.number;
        EXPECT_EQ(w.cartaNumeros, c.card) << c.number;
        EXPECT_EQ(shell::shellState().numCarta, c.card);
        EXPECT_EQ(control(w, "Text2")->text(), QString("It has corresponded... ") + c.result);
        EXPECT_EQ(picture(w)->toolTip(), c.tooltip) << c.number;
        EXPECT_EQ(control(w, "text1")->text(), c.number) << "the number stays in its box";
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(FrmVelarcanaTest, TheNumberBoxTakesTwelveCharacters) {
    frmVelarcana& w = open();
    EXPECT_EQ(control(w, "text1")->maxLength(), frmVelarcana::kMaxDigits);
    control(w, "text1")->setText("9999999999991");
    EXPECT_EQ(control(w, "text1")->text(), "999999999999");
}

TEST_F(FrmVelarcanaTest, ATextThatIsNoNumberIsRefusedAndCleared) {
    frmVelarcana& w = open();
    submit(w, "994");
    for (const char* typed : {"12a", "", "  ", "1 2", "abc", "inf"}) {
        boxes.clear();
        control(w, "text1")->setText(typed);
        QString s = typed;
        EXPECT_EQ(w.SumarUnidades(s), 0) << typed;
        ASSERT_EQ(boxes.size(), 1U) << typed;
        EXPECT_EQ(boxes[0].prompt, "You must enter only numbers");
        EXPECT_EQ(boxes[0].title, "Info");
        EXPECT_EQ(boxes[0].style, runtime::vbExclamation);
        EXPECT_EQ(control(w, "text1")->text(), "");
        EXPECT_EQ(w.cartaNumeros, 22) << "nothing else changes";
        EXPECT_EQ(control(w, "Text2")->text(), "It has corresponded... XXII. The World");
    }
}

TEST_F(FrmVelarcanaTest, TheNumericTestFollowsTheLocale) {
    runtime::setLocale(kSpanish);
    frmVelarcana& w = open();
    submit(w, "12,5");
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(w.cartaNumeros, 8);
}

TEST_F(FrmVelarcanaTest, ADigitSumOfZeroGivesNoCardAndLeavesTheResultAsItWas) {
    makeLogs();
    folder.write("opciones.ini", "[opciones]\r\nLogResNumbers=yes\r\n");
    frmVelarcana& w = open();
    submit(w, "994");
    for (const char* zero : {"0", "000", "0.0", "-0"}) {
        submit(w, zero);
        EXPECT_EQ(w.cartaNumeros, 0) << zero;
        EXPECT_EQ(shell::shellState().numCarta, 0);
        EXPECT_EQ(control(w, "Text2")->text(), "It has corresponded... XXII. The World");
        EXPECT_EQ(picture(w)->toolTip(), "XXII. The World");
    }
    EXPECT_EQ(log().count("For the number"), 1) << "nothing logged for no card";
    boxes.clear();
    w.ImgVelarcana_Click();
    EXPECT_TRUE(boxes.empty()) << "card 0 has no meaning to show";
}

TEST_F(FrmVelarcanaTest, ThePictureComesFromTheChosenDeck) {
    folder.write("imagenes/mundo22.jpg", pictureBytes(kRed));
    folder.write("imagenes3/mundo22.jpg", pictureBytes(kGreen));
    frmVelarcana& w = open();
    submit(w, "994");
    EXPECT_EQ(centreColour(picture(w)), kRed);
    shell::shellState().tipoCarta = "oldones";
    submit(w, "994");
    EXPECT_EQ(centreColour(picture(w)), kGreen);
    submit(w, "5");
    EXPECT_TRUE(picture(w)->pixmap().isNull()) << "a missing picture shows nothing";
    EXPECT_EQ(picture(w)->toolTip(), "V. The Hierophant");
}

TEST_F(FrmVelarcanaTest, ResetShowsTheCardBackWhileAClickStillExplainsTheLastCard) {
    folder.write("amenores/reverso2.jpg", pictureBytes(kGreen));
    folder.write("imagenes/ermitaño9.jpg", pictureBytes(kRed));
    frmVelarcana& w = open();
    EXPECT_EQ(centreColour(picture(w)), kGreen) << "the card back until the first result";
    submit(w, "9949");
    EXPECT_EQ(centreColour(picture(w)), kRed);
    control<QPushButton>(w, "ARButtonReset")->click();
    EXPECT_EQ(control(w, "text1")->text(), "");
    EXPECT_EQ(control(w, "Text2")->text(), "");
    EXPECT_EQ(centreColour(picture(w)), kGreen);
    EXPECT_EQ(picture(w)->toolTip(), "IX. The Hermit");
    shell::shellState().numCarta = 3;
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(picture(w), &release);
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].title, "IX. The Hermit");
    EXPECT_EQ(boxes[0].style, runtime::vbInformation);
    EXPECT_TRUE(clickCartaDuringBox);
    EXPECT_FALSE(shell::shellState().clickCarta);
    EXPECT_EQ(shell::shellState().numCarta, 9);
}

TEST_F(FrmVelarcanaTest, SaveResultsFollowsItsSettingAndLogsEachAcceptedNumber) {
    makeLogs();
    {
        frmVelarcana& w = open();
        EXPECT_FALSE(item(w, "MnuRegResult")->isChecked()) << "no key: off";
        submit(w, "994");
        EXPECT_FALSE(folder.exists("logs/resNumbers.log"));
        item(w, "MnuRegResult")->trigger();
        EXPECT_TRUE(item(w, "MnuRegResult")->isChecked());
        EXPECT_TRUE(folder.read("opciones.ini").contains("LogResNumbers=yes"));
        submit(w, "  12345");
        submit(w, "12a");
        EXPECT_EQ(log(), QString(25, ' ') + "\r\n" + QString(25, '=') +
                             "\r\nFor the number:   12345\r\nResultant Card: diablo15.jpg\r\n");
    }
    forms::Forms::instance().reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    frmVelarcana& w = open();
    EXPECT_TRUE(item(w, "MnuRegResult")->isChecked()) << "kept across loads";
    item(w, "MnuRegResult")->trigger();
    EXPECT_FALSE(item(w, "MnuRegResult")->isChecked());
    EXPECT_TRUE(folder.read("opciones.ini").contains("LogResNumbers=no"));
    submit(w, "5");
    EXPECT_EQ(log().count("For the number"), 1);
}

// A number copied with its line break, as from a spreadsheet cell, or with other control
// characters: the box shows and keeps blanks in their place, within its twelve characters, so
// each entry keeps its four lines.
TEST_F(FrmVelarcanaTest, PastedLineBreaksBecomeBlanksAndEveryEntryKeepsItsLines) {
    struct Case {
        QString pasted;
        QString kept;
        const char* card;
    };
    const Case cases[] = {
        {"12\r\n", "12  ", "emperatriz3.jpg"},
        {"\t994\n", " 994 ", "mundo22.jpg"},
        {"1234567890\r\n12", "1234567890  ", "mago1.jpg"}, // cut to twelve by the box
        {QString(QChar(0x2028)) + "99" + QChar(0x85) + QChar(0x2029), " 99  ", "luna18.jpg"},
        {"\r\n7\r\n", "  7  ", "carro7.jpg"},
    };
    makeLogs();
    folder.write("opciones.ini", "[opciones]\r\nLogResNumbers=yes\r\n");
    frmVelarcana& w = open();
    QLineEdit* box = control(w, "text1");
    QByteArray expected;
    for (const Case& c : cases) {
        QTest::mouseClick(control<QPushButton>(w, "ARButtonReset"), Qt::LeftButton);
        ASSERT_TRUE(testing_support::pasteInto(box, c.pasted));
        EXPECT_EQ(box->text(), c.kept);
        QTest::mouseClick(control<QPushButton>(w, "ARButtonAcep"), Qt::LeftButton);
        ASSERT_TRUE(boxes.empty()) << c.kept.toStdString() << " is a number";
        expected += kBlankLine + "\r\n" + kEqualsLine + "\r\nFor the number: " + c.kept.toLatin1() +
                    "\r\nResultant Card: " + c.card + "\r\n";
    }
    EXPECT_EQ(folder.read("logs/resNumbers.log"), expected);
}

// A logs folder the user cannot create files in: the log itself is emptied in place; a log
// that cannot be written either is kept, and the user hears that it was not deleted; no log at
// all had nothing to delete. The question is drawn and answered Yes with the mouse.
TEST_F(FrmVelarcanaTest, DeleteResultsInALogsFolderThatCannotBeWritten) {
    struct Case {
        const char* what;
        std::optional<QByteArray> before; // nothing: no log
        bool logWritable;
        std::optional<QByteArray> left;
        bool told;
    };
    const Case cases[] = {{"writable log", "old\r\n", true, "\r\n", false},
                          {"read-only log", "old\r\n", false, "old\r\n", true},
                          {"no log", std::nullopt, true, std::nullopt, false}};
    makeLogs();
    frmVelarcana& w = open();
    for (const Case& c : cases) {
        QFile::remove(folder.file("logs/resNumbers.log"));
        if (c.before) {
            folder.write("logs/resNumbers.log", *c.before);
        }
        const QStringList files = c.logWritable ? QStringList() : QStringList{"resNumbers.log"};
        testing_support::ReadOnlyFolder readOnly(folder.file("logs"), files);
        if (!readOnly.holds()) {
            GTEST_SKIP() << "this process writes through every permission";
        }
        testing_support::DrawnBoxes drawn({QMessageBox::Yes});
        item(w, "MnuDelResults")->trigger();
        ASSERT_EQ(drawn.shown.size(), c.told ? 2U : 1U) << c.what;
        EXPECT_EQ(drawn.shown[0].text, "Are you sure to completely delete the results?");
        EXPECT_EQ(drawn.shown[0].buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(drawn.shown[0].icon, QMessageBox::NoIcon);
        if (c.told) {
            EXPECT_EQ(drawn.shown[1].text, "The results could not be deleted.");
            EXPECT_EQ(drawn.shown[1].title, "Error");
            EXPECT_EQ(drawn.shown[1].icon, QMessageBox::Warning);
        }
        EXPECT_EQ(folder.exists("logs/resNumbers.log"), c.left.has_value()) << c.what;
        if (c.left) {
            EXPECT_EQ(folder.read("logs/resNumbers.log"), *c.left) << c.what;
        }
    }
}

class FrmVelarcanaOnAFullDisk
    : public FrmVelarcanaTest,
      public testing::WithParamInterface<testing_support::FullDisk::Kind> {};

// Emptying a log in place takes no room a full file system does not already give it; where not
// a byte may be written, the log is kept whole and the user hears so.
TEST_P(FrmVelarcanaOnAFullDisk, DeleteResultsEmptiesTheLogOrKeepsItWhole) {
    makeLogs();
    const QByteArray log = "old entry\r\n" + QByteArray(6000, '-') + "\r\n";
    folder.write("logs/resNumbers.log", log);
    frmVelarcana& w = open();
    const bool room = GetParam() == testing_support::FullDisk::SmallTmpfs;
    testing_support::FullDisk full(GetParam(), folder.path());
    if (!full.holds()) {
        GTEST_SKIP() << full.why().toStdString();
    }
    testing_support::DrawnBoxes drawn({QMessageBox::Yes});
    item(w, "MnuDelResults")->trigger();
    ASSERT_EQ(drawn.shown.size(), room ? 1U : 2U);
    EXPECT_EQ(drawn.shown[0].text, "Are you sure to completely delete the results?");
    if (!room) {
        EXPECT_EQ(drawn.shown[1].text, "The results could not be deleted.");
        EXPECT_TRUE(drawn.shown[1].drawn);
    }
    EXPECT_EQ(folder.read("logs/resNumbers.log"), room ? QByteArray("\r\n") : log);
}

INSTANTIATE_TEST_SUITE_P(Kinds, FrmVelarcanaOnAFullDisk, testing_support::kFullDisks,
                         testing_support::fullDiskName);

TEST_F(FrmVelarcanaTest, DeleteResultsAsksFirstAndShowResultsOpensTheLog) {
    makeLogs();
    folder.write("logs/resNumbers.log", "old\r\n");
    frmVelarcana& w = open();
    answer = runtime::vbNo;
    item(w, "MnuDelResults")->trigger();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].prompt, "Are you sure to completely delete the results?");
    EXPECT_EQ(boxes[0].style, runtime::vbYesNo);
    EXPECT_EQ(boxes[0].title, "");
    EXPECT_EQ(folder.read("logs/resNumbers.log"), "old\r\n");
    answer = runtime::vbYes;
    item(w, "MnuDelResults")->trigger();
    EXPECT_EQ(folder.read("logs/resNumbers.log"), "\r\n");

    item(w, "MnuShowResults")->trigger();
    item(w, "Mnucont")->trigger();
    ASSERT_EQ(desktop.opened.size(), 2);
    EXPECT_EQ(desktop.opened[0].toLocalFile(), folder.file("logs/resNumbers.log"));
    EXPECT_EQ(desktop.opened[1].toLocalFile(), folder.file("Velarcana.chm"));
}

TEST_F(FrmVelarcanaTest, MenusAndTrayMenuHaveTheirItemsInOrder) {
    frmVelarcana& w = open();
    EXPECT_EQ(w.windowTitle(), "Numbers");
    const auto captions = [](const QMenu* menu) {
        QStringList texts;
        for (const QAction* action : menu->actions()) {
            texts << (action->isSeparator() ? QString("-") : action->text());
        }
        return texts;
    };
    EXPECT_EQ(captions(w.MnuArchivo),
              QStringList({"Show results", "Save results", "Delete results", "Exit"}));
    EXPECT_EQ(captions(w.MnuVer),
              QStringList({"Biorhythms", "Oracle", "The Card of Day", "Another Day", "Names"}));
    EXPECT_EQ(captions(w.MnuAyuda), QStringList({"Contents of Help", "About..."}));
    EXPECT_EQ(captions(w.MnuIcon), QStringList({"About...", "Options", "Go to...", "-", "Exit"}));
    EXPECT_EQ(captions(w.MnuIr),
              QStringList({"Biorhythms", "Names", "Card of Day", "Oracle", "Another Day"}));
    EXPECT_EQ(w.MnuSalir->objectName(), "MnuSal");
    EXPECT_EQ(w.MnuSalirArchivo->objectName(), "MnuSalir");
}

TEST_F(FrmVelarcanaTest, TheViewMenuHandsOverToTheChosenWindow) {
    forms::Forms::instance().registerFactory("FrmName", [] { return new TargetWindow("FrmName"); });
    shell::shellState().bgSound = "SiBgSound";
    open();
    EXPECT_EQ(tray.iconCount(), 1);
    item(open(), "MnuNom")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(forms::Forms::instance().find(frmVelarcana::kName), nullptr);
    ASSERT_NE(forms::Forms::instance().find("FrmName"), nullptr);
    EXPECT_TRUE(forms::Forms::instance().find("FrmName")->isVisible());
    EXPECT_EQ(tray.iconCount(), 1) << "the target's own icon";
}

TEST_F(FrmVelarcanaTest, StartsHiddenWithTrueOrVerdadero) {
    const std::pair<const char*, bool> cases[] = {
        {"True", false}, {"Verdadero", false}, {"False", true}, {"", true}};
    for (const auto& [value, shown] : cases) {
        folder.write("opciones.ini",
                     QByteArray("[opciones]\r\nIniciar Minimizado=") + value + "\r\n");
        EXPECT_EQ(open().isVisible(), shown) << value;
        EXPECT_EQ(tray.iconCount(), 1);
        forms::Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace
