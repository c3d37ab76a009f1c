#include "readings/FrmName.h"

#include "app/Windows.h"
#include "cards/CardRules.h"
#include "forms/Forms.h"
#include "readings/LetterValues.h"
#include "readings/ReadingsState.h"
#include "runtime/MessageBox.h"
#include "runtime/SystemFormats.h"
#include "shell/ShellState.h"
#include "support/DrawnBoxes.h"
#include "support/FakeShell.h"
#include "support/FakeSoundPlayer.h"
#include "support/FakeTray.h"
#include "support/TempProgramFolder.h"
#include "support/WindowFixtures.h"

#include <QApplication>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>

#include <array>

#include <gtest/gtest.h>

using readings::FrmName;

using testing_support::centreColour;

namespace {

QByteArray pictureBytes(QColor colour) {
    return testing_support::pictureBytes(colour, QSize(30, 52));
}

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
constexpr std::array<const char*, 4> kBoxes = {"Text1nom", "Text2nom", "Text1ape", "Text2ape"};

class FrmNameTest : public testing::Test {
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
            return runtime::vbYes;
        });
        app::registerWindows();
    }
    void TearDown() override {
        forms::Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        runtime::setDialogScript(nullptr);
    }

    FrmName& open() {
        return *static_cast<FrmName*>(forms::Forms::instance().load(FrmName::kName));
    }
    template <class T = QLineEdit> static T* control(FrmName& w, const char* name) {
        T* found = w.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static QLabel* picture(FrmName& w) { return control<QLabel>(w, "ImgNombre"); }
    static void submit(FrmName& w, const std::array<QString, 4>& names) {
        for (std::size_t i = 0; i < kBoxes.size(); ++i) {
            control(w, kBoxes[i])->setText(names[i]);
        }
        control<QPushButton>(w, "ARButtonAcep")->click();
    }
    static bool onlyLetters(const runtime::DialogCall& box) {
        return box.prompt == readings::onlyLettersMessage() && box.title == "Info" &&
               box.style == runtime::vbExclamation;
    }
    QString log() const { return QString::fromLatin1(folder.read("logs/resNames.log")); }

    testing_support::TempProgramFolder folder;
    testing_support::FakeTray tray;
    testing_support::FakeSoundPlayer sound;
    testing_support::FakeShell desktop;
    std::vector<runtime::DialogCall> boxes;
    bool clickCartaDuringBox = false;
};

TEST_F(FrmNameTest, TheLettersOfTheFourBoxesGiveTheCard) {
    struct Case {
        std::array<QString, 4> names;
        runtime::Integer card;
        const char* tooltip;
    };
    const Case cases[] = {
        {{"Ana", "", "", ""}, 7, "VII. The Chariot"},
        {{"", "", "", "Ana"}, 7, "VII. The Chariot"},
        {{"ANA", "", "", ""}, 7, "VII. The Chariot"},
        {{"José Luis", "", "", ""}, 11, "XI. Strength"},         // 33
        {{"MARÍA", "maría", "", ""}, 10, "X. Wheel of Fortune"}, // 16 + 16
        {{"Ana", "Ana", "Ana", "a"}, 22, "XXII. The World"},     // 7 * 3 + 1
        {{"Ana", "Ana", "Ana", "b"}, 1, "I. The Magician"},      // 23
        {{"Ñu", "", "", ""}, 10, "X. Wheel of Fortune"},         // ñ 6 + u 4
        {{"Müller", "", "", ""}, 16, "XVI. The Tower"},          // ü counts nothing
    };
    FrmName& w = open();
    for (const Case& c : cases) {
        submit(w, c.names);
        EXPECT_EQ(w.cartaNombres, c.card) << c.names[0].toStdString();
        EXPECT_EQ(shell::shellState().numCarta, c.card);
        EXPECT_EQ(picture(w)->toolTip(), c.tooltip) << c.names[0].toStdString();
        for (std::size_t i = 0; i < kBoxes.size(); ++i) {
            EXPECT_EQ(control(w, kBoxes[i])->text(), c.names[i]) << "the box keeps its case";
        }
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(FrmNameTest, ABoxWithADigitShowsOneMessageAndCountsNothing) {
    FrmName& w = open();
    submit(w, {"Ana", "R2D2", "b4", "Ana"});
    ASSERT_EQ(boxes.size(), 2U) << "one message for each box holding digits";
    EXPECT_TRUE(onlyLetters(boxes[0]));
    EXPECT_TRUE(onlyLetters(boxes[1]));
    EXPECT_EQ(w.cartaNombres, 14) << "the two names without digits count";
    EXPECT_EQ(control(w, "Text2nom")->text(), "R2D2");
    QString name = "¿Año 2016?";
    w.sumaNombres(name);
    EXPECT_EQ(w.sumaNombre, 0);
    EXPECT_EQ(boxes.size(), 3U);
}

TEST_F(FrmNameTest, NoValuedLetterMeansNoCardNoMessageAndNoLog) {
    QDir(folder.path()).mkdir("logs");
    folder.write("opciones.ini", "[opciones]\r\nLogResNames=yes\r\n");
    FrmName& w = open();
    submit(w, {"Ana", "", "", ""});
    for (const std::array<QString, 4>& names :
         {std::array<QString, 4>{"", "", "", ""}, std::array<QString, 4>{"   ", "-", "'", "\t"},
          std::array<QString, 4>{"1", "", "", ""}}) {
        boxes.clear();
        submit(w, names);
        EXPECT_EQ(w.cartaNombres, 0);
        EXPECT_EQ(shell::shellState().numCarta, 7) << "the last card stays";
        EXPECT_EQ(picture(w)->toolTip(), "VII. The Chariot");
    }
    EXPECT_EQ(log().count("Resultant card"), 1);
    boxes.clear();
    w.ImgNombre_Click();
    EXPECT_TRUE(boxes.empty()) << "card 0 has no meaning to show";
}

TEST_F(FrmNameTest, AVeryLongNameStillCountsInFull) {
    FrmName& w = open();
    const QString nines(4000, 'i'); // 36000, past the Integer range
    submit(w, {nines, "", "", ""});
    EXPECT_EQ(w.sumaNombre, 0) << "the last box was empty";
    EXPECT_EQ(w.cartaNombres, (36000 - 1) % 22 + 1);
    submit(w, {nines, nines, nines, nines});
    EXPECT_EQ(w.cartaNombres, (144000 - 1) % 22 + 1);
}

TEST_F(FrmNameTest, BoxesHaveNoLengthLimit) {
    FrmName& w = open();
    for (const char* name : kBoxes) {
        QLineEdit* box = control(w, name);
        box->setText(QString(40000, 'i'));
        box->end(false);
        QTest::keyClick(box, Qt::Key_A);
        EXPECT_EQ(box->text().size(), 40001) << name;
    }
    control<QPushButton>(w, "ARButtonAcep")->click();
    EXPECT_EQ(w.cartaNombres, (4 * 360001 - 1) % 22 + 1);
}

TEST_F(FrmNameTest, EnterMovesToTheNextControlInTabOrder) {
    FrmName& w = open();
    w.activateWindow();
    QLineEdit* first = control(w, "Text1nom");
    first->setFocus();
    const char* order[] = {"Text2nom", "Text1ape", "Text2ape", "ARButtonAcep"};
    for (const char* next : order) {
        QWidget* focused = w.focusWidget();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        QCoreApplication::sendEvent(focused, &enter);
        ASSERT_NE(w.focusWidget(), nullptr);
        EXPECT_EQ(w.focusWidget()->objectName(), next);
    }
    EXPECT_EQ(first->text(), "") << "Enter types nothing";
    EXPECT_EQ(w.cartaNombres, 0) << "Enter on Submit moves on instead of pressing it";
    control(w, "Text1nom")->setFocus();
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QCoreApplication::sendEvent(w.focusWidget(), &letter);
    EXPECT_EQ(control(w, "Text1nom")->text(), "a") << "other keys pass";
}

TEST_F(FrmNameTest, ResetClearsTheBoxesAndShowsTheCardBack) {
    folder.write("amenores/reverso2.jpg", pictureBytes(kGreen));
    folder.write("imagenes2/carro7.jpg", pictureBytes(kRed));
    shell::shellState().tipoCarta = "marsellaclass";
    FrmName& w = open();
    EXPECT_EQ(centreColour(picture(w)), kGreen);
    submit(w, {"Ana", "", "", ""});
    EXPECT_EQ(centreColour(picture(w)), kRed);
    control<QPushButton>(w, "ARButtonReset")->click();
    for (const char* box : kBoxes) {
        EXPECT_EQ(control(w, box)->text(), "");
    }
    EXPECT_EQ(centreColour(picture(w)), kGreen);
    EXPECT_EQ(picture(w)->toolTip(), "VII. The Chariot");
    shell::shellState().numCarta = 2;
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(picture(w), &release);
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].title, "VII. The Chariot");
    EXPECT_TRUE(clickCartaDuringBox);
    EXPECT_FALSE(shell::shellState().clickCarta);
}

TEST_F(FrmNameTest, SaveResultsLogsTheBoxesAsTypedAfterADelete) {
    QDir(folder.path()).mkdir("logs");
    folder.write("logs/resNames.log", "old\r\n");
    folder.write("opciones.ini", "[opciones]\r\nLogResNames=yes\r\nLogResNumbers=no\r\n");
    FrmName& w = open();
    EXPECT_TRUE(w.MnuRecResults->isChecked());
    w.MnuDelResults->trigger();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].prompt, "Are you sure to completely delete the results?");
    submit(w, {" Ana ", "", "", "Pérez"});
    EXPECT_EQ(folder.read("logs/resNames.log"),
              "\r\n" + QByteArray(25, ' ') + "\r\n" + QByteArray(25, '=') +
                  "\r\nFor the first name:  Ana \r\nFor the second name: \r\n"
                  "For the first surname: \r\nFor the second surname: P\xe9rez\r\n"
                  "Resultant card: muerte13.jpg\r\n");
    w.MnuRecResults->trigger();
    EXPECT_TRUE(folder.read("opciones.ini").contains("LogResNames=no"));
    submit(w, {"Ana", "", "", ""});
    EXPECT_EQ(log().count("Resultant card"), 1);
    w.MnuShowResults->trigger();
    ASSERT_EQ(desktop.opened.size(), 1);
    EXPECT_EQ(desktop.opened[0].toLocalFile(), folder.file("logs/resNames.log"));
}

// Names pasted with line breaks, tabs and other controls, one of them forging a line of the
// entry: each box shows and keeps blanks in their place, and the entry keeps its seven lines.
TEST_F(FrmNameTest, PastedLineBreaksBecomeBlanksAndTheEntryKeepsItsLines) {
    struct Case {
        const char* box;
        QString pasted;
        QString kept;
    };
    const Case cases[] = {
        {"Text1nom", "Ana\r\nFor the first name: fake", "Ana  For the first name: fake"},
        {"Text2nom", "Ana\nMaria", "Ana Maria"},
        {"Text1ape",
         "de\tla\x0b"
         "Cruz\x1b",
         "de la Cruz "},
        {"Text2ape", QString("P") + QChar(0xe9) + "rez" + QChar(0x2029) + QChar(0x9b) + "\r",
         QString("P") + QChar(0xe9) + "rez   "},
    };
    QDir(folder.path()).mkdir("logs");
    folder.write("opciones.ini", "[opciones]\r\nLogResNames=yes\r\n");
    FrmName& w = open();
    for (const Case& c : cases) {
        ASSERT_TRUE(testing_support::pasteInto(control(w, c.box), c.pasted)) << c.box;
        EXPECT_EQ(control(w, c.box)->text(), c.kept) << c.box;
    }
    QTest::mouseClick(control<QPushButton>(w, "ARButtonAcep"), Qt::LeftButton);
    ASSERT_NE(w.cartaNombres, 0);
    const QStringList lines = {QString(25, ' '),
                               QString(25, '='),
                               "For the first name: " + cases[0].kept,
                               "For the second name: " + cases[1].kept,
                               "For the first surname: " + cases[2].kept,
                               "For the second surname: " + cases[3].kept,
                               "Resultant card: " + readings::ImagenesArcanos(w.cartaNombres)};
    EXPECT_EQ(folder.read("logs/resNames.log"), (lines.join("\r\n") + "\r\n").toLatin1());
}

// With "Save results" on, a name with letters that the log cannot hold is refused before the
// reading: the user is told which, the card stays and nothing is logged. Off, nothing goes to a
// log and the name reads as before.
TEST_F(FrmNameTest, NamesWithLettersTheLogCannotHoldAreRefusedWhileSaving) {
    struct Case {
        std::array<QString, 4> names;
        QString told;
    };
    const Case cases[] = {
        {{QString::fromUtf8("Łukasz"), "", "", ""}, QString::fromUtf8("Ł")},
        {{"", QString::fromUtf8("Мария"), "", ""}, QString::fromUtf8("Мария")},
        {{"Ana", "", "", QString::fromUtf8("王")}, QString::fromUtf8("王")},
        {{QString::fromUtf8("Łukasz"), "", QString::fromUtf8("王 Łi"), "R2"},
         QString::fromUtf8("Ł王")},
    };
    QDir(folder.path()).mkdir("logs");
    folder.write("opciones.ini", "[opciones]\r\nLogResNames=yes\r\n");
    FrmName& w = open();
    submit(w, {"Ana", "", "", ""});
    const QByteArray logged = folder.read("logs/resNames.log");
    testing_support::DrawnBoxes drawn;
    for (const Case& c : cases) {
        drawn.shown.clear();
        for (std::size_t i = 0; i < kBoxes.size(); ++i) {
            control(w, kBoxes[i])->setText(c.names[i]);
        }
        QTest::mouseClick(control<QPushButton>(w, "ARButtonAcep"), Qt::LeftButton);
        ASSERT_EQ(drawn.shown.size(), 1U) << c.told.toStdString();
        EXPECT_EQ(drawn.shown[0].text, "The name can not contain \"" + c.told + "\".");
        EXPECT_EQ(drawn.shown[0].title, "Error");
        EXPECT_EQ(drawn.shown[0].icon, QMessageBox::Warning);
        EXPECT_EQ(w.cartaNombres, 7) << "nothing read";
        EXPECT_EQ(picture(w)->toolTip(), "VII. The Chariot");
        EXPECT_EQ(folder.read("logs/resNames.log"), logged);
    }
    w.MnuRecResults->trigger();
    drawn.shown.clear();
    submit(w, {QString::fromUtf8("Łukasz"), "", "", ""});
    EXPECT_TRUE(drawn.shown.empty());
    EXPECT_EQ(w.cartaNombres, 18) << "u 4, k 2, a 1, s 2, z 9";
    EXPECT_EQ(folder.read("logs/resNames.log"), logged);
}

TEST_F(FrmNameTest, MenusAndTrayMenuHaveTheirItemsInOrder) {
    FrmName& w = open();
    EXPECT_EQ(w.windowTitle(), "Names");
    const auto captions = [](const QMenu* menu) {
        QStringList texts;
        for (const QAction* action : menu->actions()) {
            texts << (action->isSeparator() ? QString("-") : action->text());
        }
        return texts;
    };
    EXPECT_EQ(captions(w.MnuFile),
              QStringList({"Show results", "Save results", "Delete results", "Exit"}));
    EXPECT_EQ(captions(w.MnuVer),
              QStringList({"Biorhythms", "The Card of Day", "Numbers", "Another Day", "Oracle"}));
    EXPECT_EQ(captions(w.MnuHelp), QStringList({"Contents of Help", "About..."}));
    EXPECT_EQ(captions(w.MnuIcon), QStringList({"About...", "Options", "Go to...", "-", "Exit"}));
    EXPECT_EQ(captions(w.MnuIr),
              QStringList({"Biorhythms", "The Card of Day", "Numbers", "Another Day", "Oracle"}));
    EXPECT_EQ(w.MnuAbout->objectName(), "MnuAboutIco");
    EXPECT_EQ(w.MnuAboutHelp->objectName(), "MnuAbout");
    EXPECT_EQ(w.MnuOpIco->objectName(), "MnuOp");
}

TEST_F(FrmNameTest, TheViewMenuHandsOverToNumbers) {
    FrmName& w = open();
    control<QAction>(w, "MnuNum")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(forms::Forms::instance().find(FrmName::kName), nullptr);
    ASSERT_NE(forms::Forms::instance().find("frmVelarcana"), nullptr);
    EXPECT_TRUE(forms::Forms::instance().find("frmVelarcana")->isVisible());
    EXPECT_EQ(tray.iconCount(), 1);
}

} // namespace
