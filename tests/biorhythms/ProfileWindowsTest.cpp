#include "app/Windows.h"
#include "biorhythms/FormMod.h"
#include "biorhythms/FrmProfiles.h"
#include "biorhythms/frmBio.h"
#include "biorule/BioState.h"
#include "biorule/BirthData.h"
#include "forms/Forms.h"
#include "platform/TempFile.h"
#include "runtime/MessageBox.h"
#include "runtime/SystemFormats.h"
#include "shell/Notif.h"
#include "shell/ShellState.h"
#include "support/DrawnBoxes.h"
#include "support/FakeClock.h"
#include "support/FakeShell.h"
#include "support/FakeSoundPlayer.h"
#include "support/FakeTray.h"
#include "support/FullDisk.h"
#include "support/ReadOnlyFolder.h"
#include "support/TempProgramFolder.h"
#include "support/WindowFixtures.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using biorhythms::FormMod;
using biorhythms::frmBio;
using biorhythms::FrmProfiles;

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

class ProfileWindowsTest : public testing::Test {
protected:
    void SetUp() override {
        qputenv("TMPDIR", systemTemp.path().toLocal8Bit());
        shell::resetShellState();
        biorhythms::resetBioState();
        shell::shellState().modoMinimizar = "systray";
        runtime::setLocale(kEnglish);
        shell::Notif::setSlideDuration(0);
        runtime::setDialogScript([this](const runtime::DialogCall& call, QString& typed) {
            boxes.push_back(call);
            typed = answer;
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
        qunsetenv("TMPDIR");
    }

    frmBio& bio() { return *static_cast<frmBio*>(forms::Forms::instance().load(frmBio::kName)); }
    FrmProfiles& openList() {
        bio().XPButtonEdit_Click();
        return *forms::Forms::instance().findForm<FrmProfiles>();
    }
    static QListWidget* items(FrmProfiles& list) {
        return list.findChild<QListWidget*>(QStringLiteral("ListProfiles"));
    }
    QComboBox* combo() { return bio().findChild<QComboBox*>(QStringLiteral("ComboProfiles")); }
    FormMod& openEditor(int row) {
        FrmProfiles& list = openList();
        items(list)->setCurrentRow(row);
        list.CmdMod_Click();
        return *forms::Forms::instance().findForm<FormMod>();
    }
    template <class T> static T* control(QWidget& w, const char* name) {
        T* found = w.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QByteArray profiles() const { return folder.read("perfiles.txt"); }
    int tempFiles() const {
        return static_cast<int>(QDir(systemTemp.path()).entryList(QDir::Files).size());
    }
    static void click(QWidget& window, const char* button) {
        QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
    }
    static void clickLine(FrmProfiles& list, int row) {
        QListWidget* lines = items(list);
        QTest::mouseClick(lines->viewport(), Qt::LeftButton, {},
                          lines->visualItemRect(lines->item(row)).center());
    }
    // The user clicks into the box and types after what it holds.
    static void typeAtTheEnd(QLineEdit* box, const char* text) {
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClicks(box, QString::fromLatin1(text));
    }
    static void expectBox(const testing_support::DrawnBoxes& drawn, const QString& text,
                          const char* title) {
        ASSERT_EQ(drawn.shown.size(), 1U) << text.toStdString();
        const testing_support::DrawnBoxes::Box& box = drawn.shown[0];
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.icon, QMessageBox::Warning);
        EXPECT_EQ(box.title, title);
        EXPECT_TRUE(box.drawn);
    }
    void save(const QString& name) {
        answer = name;
        bio().XPButtonSave_Click();
    }

    QTemporaryDir systemTemp;
    testing_support::TempProgramFolder folder;
    testing_support::FakeTray tray;
    testing_support::FakeSoundPlayer sound_;
    testing_support::FakeShell desktop;
    testing_support::FakeClock clock{runtime::makeDateTime({2016, 7, 24, 18, 0, 0})};
    std::vector<runtime::DialogCall> boxes;
    QString answer;
};

} // namespace

TEST_F(ProfileWindowsTest, SavingAppendsTheShownBirthDataOnceUnderAName) {
    save("Ana");
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_TRUE(boxes[0].input);
    EXPECT_EQ(boxes[0].prompt, "Name for this profile:");
    EXPECT_EQ(boxes[0].title, "Profile");
    EXPECT_EQ(profiles(), "Ana,March/5/1980,7:05\r\n");
    EXPECT_FALSE(combo()->isHidden());
    EXPECT_EQ(combo()->currentText(), "Ana");
    EXPECT_TRUE(folder.read("opciones.ini").contains("Perfil-Bio=Ana"));

    save("Ana");
    ASSERT_EQ(boxes.size(), 3U);
    EXPECT_EQ(boxes[2].prompt, "This profile exists already, put another please.");
    EXPECT_EQ(boxes[2].style, runtime::vbExclamation);
    EXPECT_EQ(boxes[2].title, "Error");
    EXPECT_EQ(profiles(), "Ana,March/5/1980,7:05\r\n");

    control<QScrollBar>(bio(), "VScrollHora")->setValue(8);
    bio().CommandOk_Click();
    save("Ana");
    EXPECT_EQ(profiles(), "Ana,March/5/1980,7:05\r\nAna,March/5/1980,8:05\r\n")
        << "the same name with another time is a second profile";
    EXPECT_EQ(combo()->count(), 2);
}

TEST_F(ProfileWindowsTest, SavingWithoutANameOrWithACommaWritesNothing) {
    save("");
    EXPECT_EQ(boxes.size(), 1U);
    save("Ana, Luis");
    ASSERT_EQ(boxes.size(), 3U);
    EXPECT_EQ(boxes[2].prompt, "The name can not contain a comma.");
    EXPECT_EQ(profiles(), "");
    EXPECT_EQ(combo()->count(), 0);
}

// "perfiles.txt" is Windows-1252: such a name would be stored as "?ukasz", a name in no line.
TEST_F(ProfileWindowsTest, NamesOutsideTheFilesCharactersAreRefusedWherever) {
    struct Case {
        const char* name;
        const char* prompt;
    };
    const Case cases[] = {{"Łukasz", "The name can not contain \"Ł\"."},
                          {"Zoë 小林 林", "The name can not contain \"小林\"."},
                          {"Ana 🙂", "The name can not contain \"🙂\"."}};
    folder.write("perfiles.txt", "Eva,May/1/1990,0:0\r\n");
    for (const Case& c : cases) {
        boxes.clear();
        save(QString::fromUtf8(c.name));
        ASSERT_EQ(boxes.size(), 2U) << c.name;
        EXPECT_EQ(boxes[1].prompt, QString::fromUtf8(c.prompt));
        EXPECT_EQ(boxes[1].style, runtime::vbExclamation);
        EXPECT_EQ(boxes[1].title, "Error");

        FormMod& editor = openEditor(0);
        control<QLineEdit>(editor, "TextName")->setText(QString::fromUtf8(c.name));
        editor.CmdAcept_Click();
        ASSERT_EQ(boxes.size(), 3U) << c.name;
        EXPECT_EQ(boxes[2].prompt, QString::fromUtf8(c.prompt));
        EXPECT_TRUE(forms::Forms::instance().isLoaded(FormMod::kName));
        editor.CmdCancel_Click();
        forms::Forms::instance().unload(FrmProfiles::kName);
    }
    EXPECT_EQ(profiles(), "Eva,May/1/1990,0:0\r\n");
    EXPECT_EQ(combo()->count(), 1) << "Eva alone";
    EXPECT_FALSE(folder.read("opciones.ini").contains("Perfil-Bio"));
    save(QString::fromUtf8("Zoë Œuvre"));
    EXPECT_EQ(profiles(), "Eva,May/1/1990,0:0\r\nZo\xeb \x8cuvre,March/5/1980,7:05\r\n")
        << "every letter of Windows-1252 is stored as it is";
}

TEST_F(ProfileWindowsTest, ListShowsEveryLineAndBlocksTrayIconsWhileOpen) {
    folder.write("perfiles.txt", "Ana,March/5/1980,7:05\r\n\r\nbroken\r\n");
    FrmProfiles& list = openList();
    EXPECT_EQ(list.windowTitle(), "Profiles created ");
    EXPECT_TRUE(list.isVisible());
    ASSERT_EQ(items(list)->count(), 2);
    EXPECT_EQ(items(list)->item(1)->text(), "broken");
    EXPECT_TRUE(shell::shellState().perfilesAbierto);
    list.CmdExit_Click();
    EXPECT_FALSE(forms::Forms::instance().isLoaded(FrmProfiles::kName));
    EXPECT_FALSE(shell::shellState().perfilesAbierto);
}

TEST_F(ProfileWindowsTest, DeleteTakesEveryCopyOfTheSelectedLineOnly) {
    folder.write("perfiles.txt", "Ana,March/5/1980,7:5\r\nAna,March/5/1980,7:55\r\n"
                                 "Eva,May/1/1990,0:0\r\nAna,March/5/1980,7:5\r\n");
    FrmProfiles& list = openList();
    items(list)->setCurrentRow(0);
    list.CmdBorrar_Click();
    EXPECT_TRUE(boxes.empty()) << "no confirmation is asked";
    EXPECT_EQ(profiles(), "Ana,March/5/1980,7:55\r\nEva,May/1/1990,0:0\r\n");
    EXPECT_EQ(items(list)->count(), 2);
    EXPECT_EQ(tempFiles(), 0);
}

TEST_F(ProfileWindowsTest, DeleteAndModifyWithNothingSelected) {
    folder.write("perfiles.txt", "Ana,March/5/1980,7:5\r\n");
    FrmProfiles& list = openList();
    list.CmdBorrar_Click();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(profiles(), "Ana,March/5/1980,7:5\r\n");
    list.CmdMod_Click();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].prompt, "You must choose a record");
    EXPECT_EQ(boxes[0].style, runtime::vbExclamation);
    EXPECT_EQ(boxes[0].title, "ErrorInfo");
    EXPECT_FALSE(forms::Forms::instance().isLoaded(FormMod::kName));
}

// The list gets the focus as the user gives it; Qt then makes the first line current without
// selecting it, and that is no choice.
TEST_F(ProfileWindowsTest, AListThatOnlyHasTheFocusGivesNoLineToDeleteOrModify) {
    const QByteArray file = "Ana,March/5/1980,7:5\r\nEva,May/1/1990,0:0\r\n";
    folder.write("perfiles.txt", file);
    FrmProfiles& list = openList();
    QListWidget* lines = items(list);
    ASSERT_TRUE(testing_support::tabInto(lines));
    ASSERT_EQ(lines->currentRow(), 0);
    ASSERT_TRUE(lines->selectedItems().isEmpty());
    QTest::mouseClick(control<QPushButton>(list, "CmdBorrar"), Qt::LeftButton);
    EXPECT_EQ(profiles(), file);
    EXPECT_EQ(lines->count(), 2);
    ASSERT_TRUE(testing_support::tabInto(lines));
    QTest::mouseClick(control<QPushButton>(list, "CmdMod"), Qt::LeftButton);
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].prompt, "You must choose a record");
    EXPECT_FALSE(forms::Forms::instance().isLoaded(FormMod::kName));
    EXPECT_EQ(profiles(), file);

    QTest::mouseClick(lines->viewport(), Qt::LeftButton, {},
                      lines->visualItemRect(lines->item(1)).center());
    QTest::mouseClick(control<QPushButton>(list, "CmdBorrar"), Qt::LeftButton);
    EXPECT_EQ(profiles(), "Ana,March/5/1980,7:5\r\n") << "a line the user clicked goes";
}

TEST_F(ProfileWindowsTest, ModifyOnALineThatCannotBeReadSaysSo) {
    const char* damaged[] = {"broken",
                             "Ana,March/5/1980",
                             "Ana,Marzo/5/1980,7:05",
                             "Ana,February/30/1980,7:05",
                             "Ana,March/5/1980,25:00",
                             "Ana,March/5/1980,7:05,extra",
                             "Ana,March/5/1980/2,7:05",
                             "Ana,March/5/99999,7:05"};
    for (const char* line : damaged) {
        boxes.clear();
        const QByteArray file = QByteArray(line) + "\r\nEva,May/1/1990,0:0\r\n";
        folder.write("perfiles.txt", file);
        FrmProfiles& list = openList();
        items(list)->setCurrentRow(0);
        list.CmdMod_Click();
        ASSERT_EQ(boxes.size(), 1U) << line;
        EXPECT_EQ(boxes[0].prompt, QStringLiteral("This record can not be read: ") + line);
        EXPECT_EQ(boxes[0].style, runtime::vbExclamation);
        EXPECT_EQ(boxes[0].title, "ErrorInfo");
        EXPECT_FALSE(forms::Forms::instance().isLoaded(FormMod::kName)) << line;
        EXPECT_EQ(profiles(), file);
        EXPECT_EQ(tempFiles(), 0);
        forms::Forms::instance().unload(FrmProfiles::kName);
    }
}

TEST_F(ProfileWindowsTest, WithoutATemporaryFolderNothingIsRewritten) {
    folder.write("perfiles.txt", "Ana,March/5/1980,7:5\r\nEva,May/1/1990,0:0\r\n");
    FrmProfiles& list = openList();
    qputenv("TMPDIR", QByteArray("/nonexistent/velarcana-temp"));
    items(list)->setCurrentRow(0);
    list.CmdBorrar_Click();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].prompt, "Error getting temporary file path.");
    EXPECT_EQ(boxes[0].style, runtime::vbOKOnly);
    list.CmdMod_Click();
    ASSERT_EQ(boxes.size(), 2U);
    EXPECT_EQ(boxes[1].prompt, "Error searching the path of file.");
    forms::Forms::instance().findForm<FormMod>()->CmdAcept_Click();
    EXPECT_EQ(profiles(), "Ana,March/5/1980,7:5\r\nEva,May/1/1990,0:0\r\n");
}

TEST_F(ProfileWindowsTest, EditorReadsBothMinuteFormsAndTheHourUpToTwoDigits) {
    struct Case {
        const char* line;
        int hour;
        int minute;
    };
    const Case cases[] = {{"Ana,March/5/1980,12:00", 12, 0},
                          {"Ana,March/5/1980,7:5", 7, 5},
                          {"Ana,March/5/1980,17:30", 17, 30},
                          {"Ana,March/5/1980,7:05", 7, 5}};
    for (const Case& c : cases) {
        folder.write("perfiles.txt", QByteArray(c.line) + "\r\n");
        FormMod& editor = openEditor(0);
        EXPECT_EQ(editor.windowTitle(), "Modify record");
        EXPECT_EQ(control<QLineEdit>(editor, "TextName")->text(), "Ana");
        EXPECT_EQ(control<QDateEdit>(editor, "DTPicker1")->date(), QDate(1980, 3, 5));
        EXPECT_EQ(control<QScrollBar>(editor, "VScrollHora")->value(), c.hour) << c.line;
        EXPECT_EQ(control<QScrollBar>(editor, "VScrollMinuto")->value(), c.minute) << c.line;
        EXPECT_EQ(control<QLabel>(editor, "LabelHora")->text(), QString::number(c.hour));
        EXPECT_EQ(biorhythms::bioState().mesNumero, "3");
        editor.CmdCancel_Click();
        forms::Forms::instance().unload(FrmProfiles::kName);
    }
}

TEST_F(ProfileWindowsTest, SubmitMovesTheProfileToTheEndWithThePlainMinute) {
    folder.write("perfiles.txt", "Ana,March/5/1980,7:05\r\nEva,May/1/1990,0:0\r\n");
    FormMod& editor = openEditor(0);
    EXPECT_EQ(tempFiles(), 1) << "the other profiles wait in a temporary file";
    editor.CmdAcept_Click();
    EXPECT_EQ(profiles(), "Eva,May/1/1990,0:0\r\nAna,March/5/1980,7:5\r\n");
    EXPECT_FALSE(forms::Forms::instance().isLoaded(FormMod::kName));
    EXPECT_EQ(items(*forms::Forms::instance().findForm<FrmProfiles>())->item(1)->text(),
              "Ana,March/5/1980,7:5");
    EXPECT_EQ(tempFiles(), 0);
}

TEST_F(ProfileWindowsTest, SubmitWritesTheChangesAndKeepsProfilesSavedMeanwhile) {
    folder.write("perfiles.txt", "Ana,March/5/1980,7:05\r\n");
    FormMod& editor = openEditor(0);
    save("Luis");
    control<QLineEdit>(editor, "TextName")->setText("Ana María");
    control<QDateEdit>(editor, "DTPicker1")->setDate(QDate(1981, 12, 24));
    control<QScrollBar>(editor, "VScrollHora")->setValue(23);
    control<QScrollBar>(editor, "VScrollMinuto")->setValue(59);
    editor.CmdAcept_Click();
    EXPECT_EQ(QString::fromLatin1(profiles()),
              QString::fromUtf8("Luis,March/5/1980,7:05\r\nAna María,December/24/1981,23:59\r\n"));
}

TEST_F(ProfileWindowsTest, EditorRefusesACommaAndCancelLeavesTheFileAndNoTemporaryFile) {
    folder.write("perfiles.txt", "Ana,March/5/1980,7:05\r\nEva,May/1/1990,0:0\r\n");
    FormMod& editor = openEditor(1);
    control<QLineEdit>(editor, "TextName")->setText("Eva, Luis");
    editor.CmdAcept_Click();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].prompt, "The name can not contain a comma.");
    EXPECT_TRUE(forms::Forms::instance().isLoaded(FormMod::kName));
    editor.CmdCancel_Click();
    EXPECT_EQ(profiles(), "Ana,March/5/1980,7:05\r\nEva,May/1/1990,0:0\r\n");
    EXPECT_EQ(tempFiles(), 0);
}

TEST_F(ProfileWindowsTest, ExitRefillsTheBiorhythmsProfileList) {
    struct Case {
        QByteArray file;
        QByteArray perfilBio;
        int count;
        QString shown; // "" for a hidden list
    };
    const Case cases[] = {
        {"", "Ana", 0, ""},
        {"Ana,March/5/1980,7:05\r\nEva,May/1/1990,0:0\r\nLuis,May/1/1990,0:0\r\n", "Eva", 3, "Eva"},
        {"Ana,March/5/1980,7:05\r\nEva,May/1/1990,0:0\r\n", "Nobody", 2, "Eva"},
    };
    for (const Case& c : cases) {
        folder.write("perfiles.txt", "Old,March/5/1980,7:05\r\n");
        folder.write("opciones.ini", "[opciones]\r\nPerfil-Bio=" + c.perfilBio + "\r\n");
        FrmProfiles& list = openList();
        folder.write("perfiles.txt", c.file);
        list.CmdExit_Click();
        EXPECT_EQ(combo()->count(), c.count) << c.perfilBio.constData();
        EXPECT_EQ(combo()->isHidden(), c.shown.isEmpty());
        if (!c.shown.isEmpty()) {
            EXPECT_EQ(combo()->currentText(), c.shown);
        }
        EXPECT_EQ(shell::shellState().perfilBio, QString::fromLatin1(c.perfilBio));
    }
}

// The editor shows a birth from any year of its picker, but stores only one the Biorhythms
// window can show.
TEST_F(ProfileWindowsTest, SubmitStoresOnlyABirthTheBiorhythmsWindowCanShow) {
    struct Case {
        QDate date; // invalid: as the line holds it
        const char* stored;
    };
    const Case cases[] = {
        {QDate(), nullptr},
        {QDate(1899, 12, 31), nullptr},
        {QDate(1900, 1, 1), "Old,January/1/1900,9:30"},
        {QDate(2100, 12, 31), "Old,December/31/2100,9:30"},
        {QDate(2101, 1, 1), nullptr},
    };
    const QByteArray file = "Old,March/5/1850,9:30\r\n";
    for (const Case& c : cases) {
        folder.write("perfiles.txt", file);
        FormMod& editor = openEditor(0);
        auto* picker = control<QDateEdit>(editor, "DTPicker1");
        ASSERT_EQ(picker->date(), QDate(1850, 3, 5)) << "the editor shows what the line holds";
        if (c.date.isValid()) {
            picker->setDate(c.date);
        }
        testing_support::DrawnBoxes drawn;
        click(editor, "CmdAcept");
        if (c.stored) {
            EXPECT_TRUE(drawn.shown.empty()) << c.stored;
            EXPECT_FALSE(forms::Forms::instance().isLoaded(FormMod::kName)) << c.stored;
            EXPECT_EQ(profiles(), QByteArray(c.stored) + "\r\n");
        } else {
            expectBox(drawn, "The date of birth must be between 1900 and 2100.", "Error");
            EXPECT_TRUE(forms::Forms::instance().isLoaded(FormMod::kName));
            EXPECT_TRUE(editor.isVisible());
            EXPECT_EQ(picker->date(), c.date.isValid() ? c.date : QDate(1850, 3, 5));
            EXPECT_EQ(profiles(), file);
            editor.CmdCancel_Click();
        }
        forms::Forms::instance().unload(FrmProfiles::kName);
    }
}

// A user who cannot write the program folder hears so, and loses nothing: the edit stays in
// the open editor, the list and the file as they were.
TEST_F(ProfileWindowsTest, SubmitThatCannotBeWrittenSaysSoAndKeepsTheEdit) {
    const QByteArray file = "Ana,March/5/1980,7:05\r\nEva,May/1/1990,0:0\r\n";
    folder.write("perfiles.txt", file);
    FormMod& editor = openEditor(1);
    auto* name = control<QLineEdit>(editor, "TextName");
    {
        testing_support::ReadOnlyFolder readOnly(folder.path(), {"perfiles.txt"});
        if (!readOnly.holds()) {
            GTEST_SKIP() << "this process writes through every permission";
        }
        typeAtTheEnd(name, " Luz");
        testing_support::DrawnBoxes drawn;
        click(editor, "CmdAcept");
        expectBox(drawn, "The profile could not be saved.", "Error");
        EXPECT_TRUE(forms::Forms::instance().isLoaded(FormMod::kName));
        EXPECT_TRUE(editor.isVisible());
        EXPECT_EQ(name->text(), "Eva Luz");
        EXPECT_EQ(profiles(), file);
    }
    click(editor, "CmdAcept");
    EXPECT_EQ(profiles(), "Ana,March/5/1980,7:05\r\nEva Luz,May/1/1990,0:0\r\n")
        << "the kept edit is stored once the folder can be written";
    EXPECT_FALSE(forms::Forms::instance().isLoaded(FormMod::kName));
}

TEST_F(ProfileWindowsTest, DeleteThatCannotBeWrittenSaysSoAndKeepsTheList) {
    const QByteArray file = "Ana,March/5/1980,7:05\r\nEva,May/1/1990,0:0\r\n";
    folder.write("perfiles.txt", file);
    FrmProfiles& list = openList();
    testing_support::ReadOnlyFolder readOnly(folder.path(), {"perfiles.txt"});
    if (!readOnly.holds()) {
        GTEST_SKIP() << "this process writes through every permission";
    }
    clickLine(list, 0);
    testing_support::DrawnBoxes drawn;
    click(list, "CmdBorrar");
    expectBox(drawn, "The profile could not be saved.", "Error");
    EXPECT_EQ(profiles(), file);
    ASSERT_EQ(items(list)->count(), 2);
    EXPECT_EQ(items(list)->item(0)->text(), "Ana,March/5/1980,7:05");
    EXPECT_EQ(list.cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(tempFiles(), 0);
}

class ProfileWindowsOnAFullDisk
    : public ProfileWindowsTest,
      public testing::WithParamInterface<testing_support::FullDisk::Kind> {};

// Submit and Delete replace the whole file: on a full disk it stays byte for byte as it was.
TEST_P(ProfileWindowsOnAFullDisk, SubmitAndDeleteSaySoAndKeepTheFile) {
    const QByteArray file = "Ana,March/5/1980,7:05\r\nEva,May/1/1990,0:0\r\n";
    folder.write("perfiles.txt", file);
    FormMod& editor = openEditor(1);
    testing_support::FullDisk full(GetParam(), folder.path());
    if (!full.holds()) {
        GTEST_SKIP() << full.why().toStdString();
    }
    auto* name = control<QLineEdit>(editor, "TextName");
    typeAtTheEnd(name, " Luz");
    {
        testing_support::DrawnBoxes drawn;
        click(editor, "CmdAcept");
        expectBox(drawn, "The profile could not be saved.", "Error");
        EXPECT_EQ(profiles(), file);
        EXPECT_TRUE(editor.isVisible());
    }
    editor.CmdCancel_Click();
    FrmProfiles& list = *forms::Forms::instance().findForm<FrmProfiles>();
    clickLine(list, 0);
    testing_support::DrawnBoxes drawn;
    click(list, "CmdBorrar");
    expectBox(drawn, "The profile could not be saved.", "Error");
    EXPECT_EQ(profiles(), file);
    EXPECT_EQ(items(list)->count(), 2);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ProfileWindowsOnAFullDisk, testing_support::kFullDisks,
                         testing_support::fullDiskName);

TEST(TempFile, NewUniqueFilesInTheTemporaryFolder) {
    QTemporaryDir dir;
    qputenv("TMPDIR", dir.path().toLocal8Bit());
    const auto folder = platform::GetTempPath();
    ASSERT_TRUE(folder);
    EXPECT_TRUE(folder->endsWith('/'));
    const auto first = platform::GetTempFileName(*folder, "tmp");
    const auto second = platform::GetTempFileName(*folder, "tmp");
    ASSERT_TRUE(first && second);
    EXPECT_NE(*first, *second);
    EXPECT_TRUE(QFileInfo(*first).fileName().contains(QRegularExpression("^tmp[0-9A-F]{4}\\.tmp$")))
        << first->toStdString();
    EXPECT_TRUE(QFileInfo::exists(*first)) << "the file is created empty";
    EXPECT_EQ(QFileInfo(*first).size(), 0);
    EXPECT_FALSE(platform::GetTempFileName(dir.path() + "/missing", "tmp"));
    qputenv("TMPDIR", QByteArray("/nonexistent/velarcana-temp"));
    EXPECT_FALSE(platform::GetTempPath());
    qunsetenv("TMPDIR");
}
