#include "shell/FrmOptions.h"

#include "forms/Forms.h"
#include "platform/Autostart.h"
#include "platform/IniFile.h"
#include "runtime/MessageBox.h"
#include "shell/Settings.h"
#include "shell/ShellState.h"
#include "support/DrawnBoxes.h"
#include "support/FakeScreen.h"
#include "support/FullDisk.h"
#include "support/NonFiles.h"
#include "support/ReadOnlyFolder.h"
#include "support/TempProgramFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace shell;
using forms::Forms;

class FrmOptionsTest : public testing::Test {
protected:
    void SetUp() override {
        resetShellState();
        m_savedConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        runtime::setDialogScript([this](const runtime::DialogCall& call, QString&) {
            boxes.push_back(call);
            return int(runtime::vbOK);
        });
    }
    void TearDown() override {
        Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        runtime::setDialogScript(nullptr);
        qputenv("XDG_CONFIG_HOME", m_savedConfig);
    }

    void settings(const QByteArray& lines) {
        folder.write("opciones.ini", "[opciones]\r\n" + lines);
    }
    FrmOptions& open() { return *Forms::instance().get<FrmOptions>(); }
    QString key(const QString& name) const {
        return platform::GetPrivateProfileString("opciones", name, "<missing>", settingsFile());
    }
    template <class T> static T* control(FrmOptions& w, const char* name) {
        T* found = w.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    bool autostartExists() const {
        return QFile::exists(config.filePath("autostart/Velarcana.desktop"));
    }

    testing_support::TempProgramFolder folder;
    testing_support::FakeScreen screen{3};
    QTemporaryDir config;
    std::vector<runtime::DialogCall> boxes;

private:
    QByteArray m_savedConfig;
};

TEST_F(FrmOptionsTest, OpeningWithNoSettingsWritesTheNormalisedValues) {
    FrmOptions& w = open();
    const std::pair<const char*, const char*> written[] = {
        {"Tirada", "objetiva"},
        {"Estilo Tooltips", "windows xp"},
        {"Hemisferio", "Norte"},
        {"tipocartas", "marsellaone"},
        {"Mute cod", "nomuted"},
        {"Minimizar", "systray"},
        {"Módulo Inicial", "<missing>"},
        {"Nivel Alertas", "<missing>"},
        {"Iniciar con Windows", "<missing>"},
        {"Iniciar Minimizado", "<missing>"},
        {"Desactivar Tooltips", "<missing>"},
        {"Modo Silencioso", "<missing>"},
        {"Background Sound", "<missing>"},
    };
    for (const auto& [name, value] : written) {
        EXPECT_EQ(key(QString::fromUtf8(name)), value) << name;
    }
    auto* modules = control<QComboBox>(w, "Combolist");
    auto* levels = control<QComboBox>(w, "ComboBio");
    EXPECT_EQ(modules->currentIndex(), -1);
    EXPECT_EQ(modules->placeholderText(), "The Card of Day...");
    EXPECT_EQ(levels->currentIndex(), -1);
    EXPECT_EQ(levels->placeholderText(), "Maximum (c. phase + critical + Crossings + actual s.)");
    EXPECT_TRUE(control<QRadioButton>(w, "OptionXP")->isChecked());
    EXPECT_FALSE(control<QCheckBox>(w, "CheckNoSound")->isEnabled());
    EXPECT_TRUE(control<QCheckBox>(w, "CheckCardDayMute")->isChecked());
    EXPECT_FALSE(autostartExists());
    const ShellState& s = shellState();
    EXPECT_EQ(s.muteCod, "nomuted");
    EXPECT_EQ(s.hemisferioSel, "Norte");
    EXPECT_EQ(s.modoMinimizar, "systray");
    EXPECT_FALSE(s.tiradaReal);
}

TEST_F(FrmOptionsTest, OpeningShowsTheStoredValuesAndWritesThemBack) {
    settings("Tirada=real\r\nIniciar con Windows=True\r\nIniciar Minimizado=True\r\n"
             "Nivel Alertas=None \r\nDesactivar Tooltips=ToolTips off\r\nHemisferio=Sur\r\n"
             "tipocartas=oldones\r\nModo Silencioso=mudo\r\nMute cod=muted\r\n"
             "Background Sound=SiBgSound\r\nMinimizar=toolbar\r\n");
    folder.write("opciones.ini",
                 folder.read("opciones.ini") + QByteArray("M\xf3"
                                                          "dulo Inicial=Oracle\r\n"));
    FrmOptions& w = open();
    EXPECT_TRUE(control<QRadioButton>(w, "OptReal")->isChecked());
    EXPECT_EQ(control<QComboBox>(w, "Combolist")->currentText(), "Oracle");
    EXPECT_EQ(control<QComboBox>(w, "ComboBio")->currentIndex(), 0);
    EXPECT_TRUE(folder.read("opciones.ini").contains("Nivel Alertas=None \r\n"));
    EXPECT_TRUE(autostartExists()); // written again
    EXPECT_TRUE(control<QCheckBox>(w, "CheckMini")->isChecked());
    EXPECT_TRUE(control<QCheckBox>(w, "CheckTooltips")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(w, "OptionSur")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(w, "OptionFree")->isChecked());
    EXPECT_TRUE(control<QCheckBox>(w, "CheckNoSound")->isChecked());
    EXPECT_FALSE(control<QCheckBox>(w, "CheckCardDayMute")->isChecked());
    EXPECT_TRUE(control<QCheckBox>(w, "CheckBgSound")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(w, "OptionToolbar")->isChecked());
    const ShellState& s = shellState();
    EXPECT_EQ(s.nivelAlertas, "zero");
    EXPECT_EQ(s.muteCod, "muted");
    EXPECT_EQ(s.hemisferioSel, "Sur");
    EXPECT_EQ(s.tipoCarta, "oldones");
    EXPECT_EQ(s.modoSilencioso, "mudo");
    EXPECT_EQ(s.bgSound, "SiBgSound");
    EXPECT_EQ(s.modoMinimizar, "toolbar");
    EXPECT_EQ(s.desactivarTooltips, "ToolTips off");
    EXPECT_TRUE(s.tiradaReal);
}

// Settings as a user writes them in an editor on Linux: UTF-8 without a byte order mark, values in
// single quotes. The window shows the user's choices, and the values it writes back as it opens
// keep them and the file's text; the lines it does not write stay byte for byte.
TEST_F(FrmOptionsTest, HandWrittenSettingsKeepTheirChoicesAndTheirText) {
    const QByteArray untouched[] = {"# configuraci\xC3\xB3n hecha a mano", "[Posici\xC3\xB3n]",
                                    "Velarcanacod_Left=1200"};
    folder.write("opciones.ini", untouched[0] + "\n[opciones]\nM\xC3\xB3" +
                                     "dulo Inicial='Oracle'\nTirada='real'\nHemisferio='Sur'\n"
                                     "tipocartas=\"oldones\"\n" +
                                     untouched[1] + "\n" + untouched[2] + "\n");
    FrmOptions& w = open();
    EXPECT_EQ(control<QComboBox>(w, "Combolist")->currentText(), "Oracle");
    EXPECT_TRUE(control<QRadioButton>(w, "OptReal")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(w, "OptionSur")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(w, "OptionFree")->isChecked());
    EXPECT_TRUE(shellState().tiradaReal);

    EXPECT_EQ(key("Módulo Inicial"), "Oracle");
    EXPECT_EQ(key("Tirada"), "real");
    EXPECT_EQ(key("Hemisferio"), "Sur");
    EXPECT_EQ(key("tipocartas"), "oldones");
    EXPECT_EQ(
        platform::GetPrivateProfileString("Posición", "Velarcanacod_Left", "", settingsFile()),
        "1200");
    const QByteArray after = folder.read("opciones.ini");
    EXPECT_FALSE(after.contains('\xF3')) << "no Windows-1252 line was added";
    EXPECT_EQ(after.count("dulo Inicial="), 1);
    const QList<QByteArray> lines = after.split('\n');
    for (const QByteArray& line : untouched) {
        EXPECT_TRUE(lines.contains(line + '\r')) << line.toStdString();
    }
}

TEST_F(FrmOptionsTest, EveryControlWritesItsKeyAtOnce) {
    struct Case {
        const char* control;
        std::function<void(FrmOptions&)> click;
        const char* key;
        const char* value;
        std::function<bool()> working;
    };
    const ShellState& s = shellState();
    auto check = [](const char* name, bool on) {
        return [name, on](FrmOptions& w) { control<QAbstractButton>(w, name)->setChecked(on); };
    };
    const Case cases[] = {
        {"OptReal", check("OptReal", true), "Tirada", "real", [&] { return s.tiradaReal; }},
        {"OptObj", check("OptObj", true), "Tirada", "objetiva", [&] { return !s.tiradaReal; }},
        {"CheckMini", check("CheckMini", true), "Iniciar Minimizado", "True", [] { return true; }},
        {"CheckMini", check("CheckMini", false), "Iniciar Minimizado", "False",
         [] { return true; }},
        {"CheckTooltips", check("CheckTooltips", true), "Desactivar Tooltips", "ToolTips off",
         [&] { return s.desactivarTooltips == "ToolTips off"; }},
        {"CheckTooltips", check("CheckTooltips", false), "Desactivar Tooltips", "ToolTips on",
         [&] { return s.desactivarTooltips == "ToolTips on"; }},
        {"CheckNoSound", check("CheckNoSound", true), "Modo Silencioso", "mudo",
         [&] { return s.modoSilencioso == "mudo"; }},
        {"CheckNoSound", check("CheckNoSound", false), "Modo Silencioso", "nomudo",
         [&] { return s.modoSilencioso == "nomudo"; }},
        {"OptionSur", check("OptionSur", true), "Hemisferio", "Sur",
         [&] { return s.hemisferioSel == "Sur"; }},
        {"OptionNorte", check("OptionNorte", true), "Hemisferio", "Norte",
         [&] { return s.hemisferioSel == "Norte"; }},
        {"OptionClassic", check("OptionClassic", true), "tipocartas", "marsellaclass",
         [&] { return s.tipoCarta == "marsellaclass"; }},
        {"OptionFree", check("OptionFree", true), "tipocartas", "oldones",
         [&] { return s.tipoCarta == "oldones"; }},
        {"OptionBeauty", check("OptionBeauty", true), "tipocartas", "marsellaone",
         [&] { return s.tipoCarta == "marsellaone"; }},
        {"CheckCardDayMute", check("CheckCardDayMute", false), "Mute cod", "muted",
         [&] { return s.muteCod == "muted"; }},
        {"CheckCardDayMute", check("CheckCardDayMute", true), "Mute cod", "nomuted",
         [&] { return s.muteCod == "nomuted"; }},
        {"CheckBgSound", check("CheckBgSound", true), "Background Sound", "SiBgSound",
         [&] { return s.bgSound == "SiBgSound"; }},
        {"CheckBgSound", check("CheckBgSound", false), "Background Sound", "NoBgSound",
         [&] { return s.bgSound == "NoBgSound"; }},
        {"OptionToolbar", check("OptionToolbar", true), "Minimizar", "toolbar",
         [&] { return s.modoMinimizar == "toolbar"; }},
        {"OptionSystray", check("OptionSystray", true), "Minimizar", "systray",
         [&] { return s.modoMinimizar == "systray"; }},
        {"Combolist", [](FrmOptions& w) { control<QComboBox>(w, "Combolist")->setCurrentIndex(5); },
         "Módulo Inicial", "Biorhythms", [] { return true; }},
        {"ComboBio", [](FrmOptions& w) { control<QComboBox>(w, "ComboBio")->setCurrentIndex(6); },
         "Nivel Alertas", "Medium (critical + Crossings + actual s.)",
         [&] { return s.nivelAlertas == "med2"; }},
        {"ComboBio", [](FrmOptions& w) { control<QComboBox>(w, "ComboBio")->setCurrentIndex(8); },
         "Nivel Alertas", "Maximum (c. phase + critical + Crossings + actual s.)",
         [&] { return s.nivelAlertas == "maxi"; }},
    };
    FrmOptions& w = open();
    for (const Case& c : cases) {
        c.click(w);
        EXPECT_EQ(key(QString::fromUtf8(c.key)), c.value) << c.control << " " << c.value;
        EXPECT_TRUE(c.working()) << c.control << " " << c.value;
    }
}

TEST_F(FrmOptionsTest, WithWindowsWritesAndErasesTheAutostartEntry) {
    FrmOptions& w = open();
    auto* box = control<QCheckBox>(w, "CheckWin");
    box->setChecked(true);
    EXPECT_EQ(key("Iniciar con Windows"), "True");
    ASSERT_TRUE(autostartExists());
    QFile entry(config.filePath("autostart/Velarcana.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    EXPECT_TRUE(entry.readAll().contains(("Exec=\"" + folder.path() + "/Velarcana\"\n").toUtf8()));
    box->setChecked(false);
    EXPECT_EQ(key("Iniciar con Windows"), "False");
    EXPECT_FALSE(autostartExists());
}

TEST_F(FrmOptionsTest, PersonalTooltipNeedsTheTaskbarAtTheBottom) {
    FrmOptions& w = open();
    auto* personal = control<QRadioButton>(w, "OptionPersonal");
    auto* noSound = control<QCheckBox>(w, "CheckNoSound");
    personal->setChecked(true);
    EXPECT_EQ(key("Estilo Tooltips"), "personal");
    EXPECT_EQ(shellState().estiloTooltips, "personal");
    EXPECT_TRUE(shellState().barraAbajo);
    EXPECT_FALSE(noSound->isEnabled());
    EXPECT_TRUE(boxes.empty());

    control<QRadioButton>(w, "OptionXP")->setChecked(true);
    EXPECT_TRUE(noSound->isEnabled());
    screen.setPanel(0);
    personal->setChecked(true);
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].prompt,
              "Personal tooltip only is supported with the taskbar at the bottom.");
    EXPECT_EQ(boxes[0].style, 48);
    EXPECT_EQ(boxes[0].title, "Info Tooltip");
    EXPECT_FALSE(shellState().barraAbajo);
    EXPECT_TRUE(control<QRadioButton>(w, "OptionXP")->isChecked());
    EXPECT_EQ(key("Estilo Tooltips"), "windows xp");
    EXPECT_EQ(shellState().estiloTooltips, "windows xp");
}

TEST_F(FrmOptionsTest, OpeningWithPersonalAndTheTaskbarAtTheTopFallsBackToClassic) {
    screen.setPanel(1);
    settings("Estilo Tooltips=personal\r\n");
    FrmOptions& w = open();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(key("Estilo Tooltips"), "windows xp");
    EXPECT_TRUE(control<QRadioButton>(w, "OptionXP")->isChecked());
}

TEST_F(FrmOptionsTest, DeactivatedTooltipsDisableTheStylesButClassicEnablesSilentMode) {
    FrmOptions& w = open();
    control<QCheckBox>(w, "CheckTooltips")->setChecked(true);
    for (const char* name : {"OptionXP", "OptionPersonal", "CheckNoSound"}) {
        EXPECT_FALSE(control<QWidget>(w, name)->isEnabled()) << name;
    }
    w.Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    settings("Desactivar Tooltips=ToolTips off\r\nEstilo Tooltips=windows xp\r\n");
    FrmOptions& again = open();
    EXPECT_FALSE(control<QWidget>(again, "OptionXP")->isEnabled());
    EXPECT_FALSE(control<QWidget>(again, "OptionPersonal")->isEnabled());
    EXPECT_TRUE(control<QWidget>(again, "CheckNoSound")->isEnabled());
}

TEST_F(FrmOptionsTest, SubmitLetsATipShowAgainTheCloseBoxDoesNot) {
    shellState().tooltipCerrado = true;
    open().close();
    EXPECT_FALSE(Forms::instance().isLoaded(FrmOptions::kName));
    EXPECT_TRUE(shellState().tooltipCerrado);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    control<QPushButton>(open(), "ARButtonAcep")->click();
    EXPECT_FALSE(Forms::instance().isLoaded(FrmOptions::kName));
    EXPECT_FALSE(shellState().tooltipCerrado);
}

class FrmOptionsOnAFullDisk : public FrmOptionsTest,
                              public testing::WithParamInterface<testing_support::FullDisk::Kind> {
};

// The window writes every value back as it opens, the autostart entry included, and each change
// at once: on a full disk none of it may cut the files the user has.
TEST_P(FrmOptionsOnAFullDisk, OpeningAndChangingLeaveTheSettingsAndTheAutostartEntryWhole) {
    settings("Tirada=real\r\nIniciar con Windows=True\r\nHemisferio=Sur\r\nMinimizar=toolbar\r\n");
    const QByteArray entry = "[Desktop Entry]\nType=Application\nName=Velarcana\nExec=/old\n";
    QDir().mkpath(config.filePath("autostart"));
    QFile file(config.filePath("autostart/Velarcana.desktop"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(entry) == entry.size());
    file.close();
    const QByteArray before = folder.read("opciones.ini");
    {
        testing_support::FullDisk fullFolder(GetParam(), folder.path());
        testing_support::FullDisk fullConfig(GetParam(), config.path());
        if (!fullFolder.holds() || !fullConfig.holds()) {
            GTEST_SKIP() << fullFolder.why().toStdString() << fullConfig.why().toStdString();
        }
        FrmOptions& w = open();
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        EXPECT_TRUE(control<QRadioButton>(w, "OptReal")->isChecked());
        for (const char* name : {"OptObj", "OptionNorte", "OptionSystray", "CheckMini"}) {
            auto* button = control<QAbstractButton>(w, name);
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
        }
        EXPECT_TRUE(control<QRadioButton>(w, "OptObj")->isChecked());
        EXPECT_EQ(folder.read("opciones.ini"), before);
        QFile after(config.filePath("autostart/Velarcana.desktop"));
        ASSERT_TRUE(after.open(QIODevice::ReadOnly));
        EXPECT_EQ(after.readAll(), entry);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, FrmOptionsOnAFullDisk, testing_support::kFullDisks,
                         testing_support::fullDiskName);

namespace {

// What takes away the room or the right to write, and where.
enum class Refusal {
    ProgramFolderFull,
    ConfigFolderFull,
    NoFileMayGrow,
    ProgramFolderReadOnly,
    AutostartFolderReadOnly
};

struct WithWindowsCase {
    const char* name;
    Refusal refusal;
    bool turnOn;
    const char* stored; // "Iniciar con Windows" after the click; the entry is there for "True"
};

const WithWindowsCase kWithWindowsCases[] = {
    {"OnProgramFolderFull", Refusal::ProgramFolderFull, true, "False"},
    {"OffProgramFolderFull", Refusal::ProgramFolderFull, false, "True"},
    {"OnConfigFolderFull", Refusal::ConfigFolderFull, true, "False"},
    {"OffConfigFolderFull", Refusal::ConfigFolderFull, false, "False"},
    {"OnNoFileMayGrow", Refusal::NoFileMayGrow, true, "False"},
    {"OffNoFileMayGrow", Refusal::NoFileMayGrow, false, "True"},
    {"OnProgramFolderReadOnly", Refusal::ProgramFolderReadOnly, true, "False"},
    {"OffProgramFolderReadOnly", Refusal::ProgramFolderReadOnly, false, "True"},
    {"OnAutostartFolderReadOnly", Refusal::AutostartFolderReadOnly, true, "False"},
    {"OffAutostartFolderReadOnly", Refusal::AutostartFolderReadOnly, false, "True"},
};

void PrintTo(const WithWindowsCase& c, std::ostream* out) {
    *out << c.name;
}

// Holds one refusal while it lives; `holds()` tells whether writing really fails now.
struct Refused {
    Refused(Refusal refusal, const QString& programFolder, const QString& configFolder) {
        using testing_support::FullDisk;
        switch (refusal) {
        case Refusal::ProgramFolderFull:
            full = std::make_unique<FullDisk>(FullDisk::SmallTmpfs, programFolder);
            break;
        case Refusal::ConfigFolderFull:
            full = std::make_unique<FullDisk>(FullDisk::SmallTmpfs, configFolder);
            break;
        case Refusal::NoFileMayGrow:
            full = std::make_unique<FullDisk>(FullDisk::FileSizeLimit, programFolder);
            break;
        case Refusal::ProgramFolderReadOnly:
            readOnly = std::make_unique<testing_support::ReadOnlyFolder>(
                programFolder, QStringList{"opciones.ini"});
            break;
        case Refusal::AutostartFolderReadOnly:
            readOnly =
                std::make_unique<testing_support::ReadOnlyFolder>(configFolder + "/autostart");
            break;
        }
    }
    bool holds() const { return full ? full->holds() : readOnly->holds(); }
    QString why() const { return full ? full->why() : QStringLiteral("no read-only folder"); }

    std::unique_ptr<testing_support::FullDisk> full;
    std::unique_ptr<testing_support::ReadOnlyFolder> readOnly;
};

} // namespace

class WithWindowsWhenAWriteFails : public FrmOptionsTest,
                                   public testing::WithParamInterface<WithWindowsCase> {
protected:
    QByteArray entryBytes() const {
        QFile file(config.filePath("autostart/Velarcana.desktop"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

// Whichever write fails, the box, the setting and the entry say the same after the click, and
// the failure is as silent as every other failed write of the window.
TEST_P(WithWindowsWhenAWriteFails, TheBoxTheSettingAndTheEntryAgree) {
    const WithWindowsCase& c = GetParam();
    settings(c.turnOn ? "Iniciar con Windows=False\r\n" : "Iniciar con Windows=True\r\n");
    QDir().mkpath(config.filePath("autostart"));
    FrmOptions& w = open();
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    auto* box = control<QCheckBox>(w, "CheckWin");
    ASSERT_EQ(box->isChecked(), !c.turnOn);
    ASSERT_EQ(autostartExists(), !c.turnOn);
    const QByteArray entry = entryBytes();
    {
        Refused refused(c.refusal, folder.path(), config.path());
        if (!refused.holds()) {
            GTEST_SKIP() << refused.why().toStdString();
        }
        testing_support::DrawnBoxes drawn;
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        EXPECT_TRUE(drawn.shown.empty());
        // A full disk is a file system mounted over the folder: what it holds is seen only now.
        const bool on = QString::fromLatin1(c.stored) == "True";
        EXPECT_EQ(key("Iniciar con Windows"), c.stored);
        EXPECT_EQ(box->isChecked(), on);
        EXPECT_EQ(autostartExists(), on);
        if (on) {
            EXPECT_EQ(entryBytes(), entry);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Refusals, WithWindowsWhenAWriteFails, testing::ValuesIn(kWithWindowsCases),
                         [](const testing::TestParamInfo<WithWindowsCase>& row) {
                             return std::string(row.param.name);
                         });

// Opening the window writes the entry again; an entry that cannot be rewritten is still there and
// still starts the program, so the setting and the box stay on.
TEST_F(FrmOptionsTest, OpeningWhereTheEntryCannotBeRewrittenKeepsWithWindowsOn) {
    for (const Refusal refusal : {Refusal::ConfigFolderFull, Refusal::AutostartFolderReadOnly}) {
        SCOPED_TRACE(int(refusal));
        settings("Iniciar con Windows=True\r\n");
        ASSERT_TRUE(platform::writeAutostart("Velarcana", folder.path() + "/Velarcana"));
        QFile file(config.filePath("autostart/Velarcana.desktop"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray entry = file.readAll();
        file.close();
        Refused refused(refusal, folder.path(), config.path());
        if (!refused.holds()) {
            GTEST_SKIP() << refused.why().toStdString();
        }
        FrmOptions& w = open();
        EXPECT_TRUE(control<QCheckBox>(w, "CheckWin")->isChecked());
        EXPECT_EQ(key("Iniciar con Windows"), "True");
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), entry);
        file.close();
        w.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

namespace {

// What stands at the autostart entry's name before the window opens.
enum class AtTheName { Nothing, OwnEntry, OtherCopysEntry, Folder, Pipe, LinkToNothing, LinkAside };

struct StartsAtLogInCase {
    const char* name;
    const char* stored; // "Iniciar con Windows" before
    AtTheName atTheName;
    bool settingsReadOnly;
    bool autostartReadOnly;
    bool onceOpened;    // the box as the window opens
    bool afterTheClick; // and once clicked, and when the window opens again
};

const StartsAtLogInCase kStartsAtLogInCases[] = {
    {"TrueEntryDeletedOutside", "True", AtTheName::Nothing, false, false, true, false},
    {"TrueEntryDeletedSettingsReadOnly", "True", AtTheName::Nothing, true, false, true, true},
    {"TrueEntryOfAnotherCopy", "True", AtTheName::OtherCopysEntry, false, false, true, false},
    {"FalseOwnEntrySettingsReadOnly", "False", AtTheName::OwnEntry, true, false, true, false},
    {"FalseNothingSettingsReadOnly", "False", AtTheName::Nothing, true, false, false, false},
    {"TrueEntryAutostartReadOnly", "True", AtTheName::OwnEntry, false, true, true, true},
    {"FalseNothingAutostartReadOnly", "False", AtTheName::Nothing, false, true, false, false},
    {"TrueEntryDeletedBothReadOnly", "True", AtTheName::Nothing, true, true, false, false},
    {"FalseFolderAtTheName", "False", AtTheName::Folder, false, false, false, false},
    {"TrueFolderAtTheName", "True", AtTheName::Folder, false, false, false, false},
    {"FalsePipeAtTheName", "False", AtTheName::Pipe, false, false, false, false},
    {"FalseLinkToNothing", "False", AtTheName::LinkToNothing, false, false, false, false},
    {"FalseLinkToAnEntryNotYetWritten", "False", AtTheName::LinkAside, false, false, false, true},
};

void PrintTo(const StartsAtLogInCase& c, std::ostream* out) {
    *out << c.name;
}

} // namespace

class WithWindowsShowsWhatStartsAtLogIn : public FrmOptionsTest,
                                          public testing::WithParamInterface<StartsAtLogInCase> {
protected:
    QString entry() const { return config.filePath("autostart/Velarcana.desktop"); }
    // Judged apart from the program: a regular file there, links followed, that starts this copy.
    bool startsThisCopy() const {
        QFile file(entry());
        if (!QFileInfo(entry()).isFile() || !file.open(QIODevice::ReadOnly)) {
            return false;
        }
        const QByteArray text = file.readAll();
        return text.startsWith("[Desktop Entry]\n") &&
               text.contains(("\nExec=\"" + folder.path() + "/Velarcana\"\n").toUtf8());
    }
    void putAtTheName(AtTheName what) {
        QDir().mkpath(config.filePath("autostart"));
        switch (what) {
        case AtTheName::Nothing:
            break;
        case AtTheName::OwnEntry:
            ASSERT_TRUE(platform::writeAutostart("Velarcana", folder.path() + "/Velarcana"));
            break;
        case AtTheName::OtherCopysEntry:
            ASSERT_TRUE(platform::writeAutostart("Velarcana", "/opt/Velarcana/Velarcana"));
            break;
        case AtTheName::Folder:
        case AtTheName::Pipe:
            nonFile = std::make_unique<testing_support::NonFileAt>(
                what == AtTheName::Folder ? testing_support::NonFile::Folder
                                          : testing_support::NonFile::Pipe,
                entry());
            ASSERT_TRUE(nonFile->made());
            break;
        case AtTheName::LinkToNothing:
            ASSERT_TRUE(QFile::link(config.filePath("gone/Velarcana.desktop"), entry()));
            break;
        case AtTheName::LinkAside:
            QDir().mkpath(config.filePath("kept"));
            ASSERT_TRUE(QFile::link(config.filePath("kept/Velarcana.desktop"), entry()));
            break;
        }
    }
    void clickTheBox(FrmOptions& w) {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        auto* box = control<QCheckBox>(w, "CheckWin");
        testing_support::DrawnBoxes drawn;
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        EXPECT_TRUE(drawn.shown.empty()) << "a failure here is silent";
    }
    void reopen(FrmOptions& w) {
        w.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::unique_ptr<testing_support::NonFileAt> nonFile;
};

// Whatever stands at the entry's name and whatever may not be written, the box says whether an
// entry will start this copy of the program at log-in: as the window opens, once the user clicks
// it, and when the window opens again.
TEST_P(WithWindowsShowsWhatStartsAtLogIn, AsItOpensOnceClickedAndOpenedAgain) {
    const StartsAtLogInCase& c = GetParam();
    settings(QByteArray("Iniciar con Windows=") + c.stored + "\r\n");
    putAtTheName(c.atTheName);
    std::vector<std::unique_ptr<testing_support::ReadOnlyFolder>> readOnly;
    if (c.settingsReadOnly) {
        readOnly.push_back(std::make_unique<testing_support::ReadOnlyFolder>(
            folder.path(), QStringList{"opciones.ini"}));
    }
    if (c.autostartReadOnly) {
        readOnly.push_back(
            std::make_unique<testing_support::ReadOnlyFolder>(config.filePath("autostart")));
    }
    for (const auto& refusal : readOnly) {
        if (!refusal->holds()) {
            GTEST_SKIP() << "this process writes through every permission";
        }
    }
    const auto expectBox = [&](FrmOptions& w, bool on, const char* when) {
        EXPECT_EQ(control<QCheckBox>(w, "CheckWin")->isChecked(), on) << when;
        EXPECT_EQ(startsThisCopy(), on) << when;
    };
    FrmOptions& w = open();
    expectBox(w, c.onceOpened, "opened");
    clickTheBox(w);
    expectBox(w, c.afterTheClick, "clicked");
    reopen(w);
    expectBox(open(), c.afterTheClick, "opened again");
    if (nonFile) {
        EXPECT_TRUE(nonFile->unchanged());
    }
}

INSTANTIATE_TEST_SUITE_P(Setups, WithWindowsShowsWhatStartsAtLogIn,
                         testing::ValuesIn(kStartsAtLogInCases),
                         [](const testing::TestParamInfo<StartsAtLogInCase>& row) {
                             return std::string(row.param.name);
                         });
