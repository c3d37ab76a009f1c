#include "shell/FrmOptions.h"

#include "forms/LoadGuard.h"
#include "forms/Look.h"
#include "platform/Autostart.h"
#include "platform/IniFile.h"
#include "runtime/MessageBox.h"
#include "runtime/ProgramFolder.h"
#include "shell/Settings.h"
#include "shell/ShellState.h"
#include "shell/TaskBarPosition.h"
#include "ui_FrmOptions.h"

#include <QSignalBlocker>

#include <array>

namespace shell {
namespace {

// Working alert codes of the alert list, in list order.
constexpr std::array<const char*, 9> kAlertCodes = {"zero", "solo", "bas1", "bas2", "bas3",
                                                    "med1", "med2", "med3", "maxi"};
constexpr long kTaskbarBottom = 3;

const QString kPersonalRefused =
    QStringLiteral("Personal tooltip only is supported with the taskbar at the bottom.");

QString readKey(const QString& key) {
    return platform::GetPrivateProfileString(kSeccionOpciones, key, QString(), settingsFile());
}

QString checkedText(bool checked, const char* on, const char* off) {
    return QString::fromLatin1(checked ? on : off);
}

} // namespace

FrmOptions::FrmOptions()
    : forms::Form(QString::fromLatin1(kName)), ui(std::make_unique<Ui::FrmOptions>()) {
    ui->setupUi(this);
    styleControls();
    // Nothing is chosen before the settings are read, so reading them runs the handlers.
    ui->Combolist->setCurrentIndex(-1);
    ui->ComboBio->setCurrentIndex(-1);
    connectHandlers();
}

FrmOptions::~FrmOptions() = default;

void FrmOptions::styleControls() {
    QList<QWidget*> choices;
    for (QAbstractButton* choice : findChildren<QAbstractButton*>()) {
        if (choice != ui->ARButtonAcep) {
            choices.append(choice);
        }
    }
    forms::applyLook(this,
                     {{forms::Style::Ground, {this}},
                      {forms::Style::Text, forms::labelsOf(this)},
                      {forms::Style::Choice, choices},
                      {forms::Style::Group,
                       {ui->Frame1, ui->Frame2, ui->Frame3, ui->Frame4, ui->Frame5, ui->Frame6}},
                      {forms::Style::Field, {ui->Combolist, ui->ComboBio}},
                      {forms::Style::Command, {ui->ARButtonAcep}}});
}

void FrmOptions::connectHandlers() {
    connect(ui->Combolist, &QComboBox::currentIndexChanged, this, &FrmOptions::Combolist_Click);
    connect(ui->ComboBio, &QComboBox::currentIndexChanged, this, &FrmOptions::ComboBio_Click);
    connect(ui->CheckWin, &QCheckBox::toggled, this, &FrmOptions::CheckWin_Click);
    connect(ui->CheckMini, &QCheckBox::toggled, this, &FrmOptions::CheckMini_Click);
    connect(ui->OptReal, &QRadioButton::toggled, this, &FrmOptions::OptReal_Click);
    connect(ui->OptObj, &QRadioButton::toggled, this, &FrmOptions::OptObj_Click);
    connect(ui->CheckTooltips, &QCheckBox::toggled, this, &FrmOptions::CheckTooltips_Click);
    connect(ui->OptionPersonal, &QRadioButton::toggled, this, &FrmOptions::OptionPersonal_Click);
    connect(ui->OptionXP, &QRadioButton::toggled, this, &FrmOptions::OptionXP_Click);
    connect(ui->CheckNoSound, &QCheckBox::toggled, this, &FrmOptions::CheckNoSound_Click);
    connect(ui->OptionNorte, &QRadioButton::toggled, this, &FrmOptions::OptionNorte_Click);
    connect(ui->OptionSur, &QRadioButton::toggled, this, &FrmOptions::OptionSur_Click);
    connect(ui->OptionBeauty, &QRadioButton::toggled, this, &FrmOptions::OptionBeauty_Click);
    connect(ui->OptionClassic, &QRadioButton::toggled, this, &FrmOptions::OptionClassic_Click);
    connect(ui->OptionFree, &QRadioButton::toggled, this, &FrmOptions::OptionFree_Click);
    connect(ui->CheckCardDayMute, &QCheckBox::toggled, this, &FrmOptions::CheckCardDayMute_Click);
    connect(ui->CheckBgSound, &QCheckBox::toggled, this, &FrmOptions::CheckBgSound_Click);
    connect(ui->OptionSystray, &QRadioButton::toggled, this, &FrmOptions::OptionSystray_Click);
    connect(ui->OptionToolbar, &QRadioButton::toggled, this, &FrmOptions::OptionToolbar_Click);
    connect(ui->ARButtonAcep, &QPushButton::clicked, this, &FrmOptions::ARButtonAcep_Click);
}

void FrmOptions::Form_Load() {
    LeerIni();
}

void FrmOptions::LeerIni() {
    (readKey(QStringLiteral("Tirada")) == QStringLiteral("real") ? ui->OptReal : ui->OptObj)
        ->setChecked(true);
    ui->CheckWin->setChecked(readKey(QStringLiteral("Iniciar con Windows")) ==
                             QStringLiteral("True"));
    // Unchanged, the box ran no handler: it still shows what starts with the desktop.
    showIniWin();
    ui->CheckMini->setChecked(readKey(QStringLiteral("Iniciar Minimizado")) ==
                              QStringLiteral("True"));

    // A text that is not one of the items only shows the first (or last) item's text.
    const int module = ui->Combolist->findText(readKey(QStringLiteral("Módulo Inicial")));
    ui->Combolist->setPlaceholderText(ui->Combolist->itemText(0));
    ui->Combolist->setCurrentIndex(module);
    const QString level = readKey(QStringLiteral("Nivel Alertas"));
    int levelIndex = -1;
    for (int i = 0; i < ui->ComboBio->count(); ++i) {
        // The reader drops the trailing blank of "None ".
        if (ui->ComboBio->itemText(i).trimmed() == level) {
            levelIndex = i;
        }
    }
    ui->ComboBio->setPlaceholderText(ui->ComboBio->itemText(ui->ComboBio->count() - 1));
    ui->ComboBio->setCurrentIndex(levelIndex);

    ui->CheckTooltips->setChecked(readKey(QStringLiteral("Desactivar Tooltips")) ==
                                  QStringLiteral("ToolTips off"));
    const QString style = readKey(QStringLiteral("Estilo Tooltips"));
    if (style == QStringLiteral("personal")) {
        // Refused away from a bottom taskbar with a box, which lets events run.
        const forms::LoadGuard guard(this);
        ui->OptionPersonal->setChecked(true);
        if (!guard) {
            return;
        }
        ui->CheckNoSound->setEnabled(false);
    } else {
        ui->OptionXP->setChecked(true);
        ui->CheckNoSound->setEnabled(style == QStringLiteral("windows xp"));
    }
    (readKey(QStringLiteral("Hemisferio")) == QStringLiteral("Sur") ? ui->OptionSur
                                                                    : ui->OptionNorte)
        ->setChecked(true);
    const QString deck = readKey(QStringLiteral("tipocartas"));
    (deck == QStringLiteral("marsellaclass") ? ui->OptionClassic
     : deck == QStringLiteral("oldones")     ? ui->OptionFree
                                             : ui->OptionBeauty)
        ->setChecked(true);
    ui->CheckNoSound->setChecked(readKey(QStringLiteral("Modo Silencioso")) ==
                                 QStringLiteral("mudo"));
    const bool muted = readKey(QStringLiteral("Mute cod")) == QStringLiteral("muted");
    ui->CheckCardDayMute->setChecked(!muted);
    shellState().muteCod = muted ? QStringLiteral("muted") : QStringLiteral("nomuted");
    ui->CheckBgSound->setChecked(readKey(QStringLiteral("Background Sound")) ==
                                 QStringLiteral("SiBgSound"));
    (readKey(QStringLiteral("Minimizar")) == QStringLiteral("toolbar") ? ui->OptionToolbar
                                                                       : ui->OptionSystray)
        ->setChecked(true);
}

#define VELARCANA_OPTION_WRITER(name, key)                                                         \
    bool FrmOptions::name(const QString& value) {                                                  \
        return writeOption(QStringLiteral(key), value);                                            \
    }

VELARCANA_OPTION_WRITER(GuardarIni, "Tirada")
VELARCANA_OPTION_WRITER(GuardarCombolist, "Módulo Inicial")
VELARCANA_OPTION_WRITER(GuardarCombobio, "Nivel Alertas")
VELARCANA_OPTION_WRITER(GuardarIniWin, "Iniciar con Windows")
VELARCANA_OPTION_WRITER(GuardarIniMini, "Iniciar Minimizado")
VELARCANA_OPTION_WRITER(GuardarTooltips, "Desactivar Tooltips")
VELARCANA_OPTION_WRITER(GuardarEstiloTooltips, "Estilo Tooltips")
VELARCANA_OPTION_WRITER(GuardarNoSoundtips, "Modo Silencioso")
VELARCANA_OPTION_WRITER(GuardarMutecod, "Mute cod")
VELARCANA_OPTION_WRITER(GuardarBgSound, "Background Sound")
VELARCANA_OPTION_WRITER(GuardarHemisferio, "Hemisferio")
VELARCANA_OPTION_WRITER(GuardarTipocarta, "tipocartas")
VELARCANA_OPTION_WRITER(GuardarMinimizar, "Minimizar")

#undef VELARCANA_OPTION_WRITER

bool FrmOptions::WriteIniWin() {
    return platform::writeAutostart(kRunValueName, runtime::programPath(kProgramName));
}

bool FrmOptions::EraseIniWin() {
    return platform::eraseAutostart(kRunValueName);
}

void FrmOptions::Combolist_Click() {
    if (ui->Combolist->currentIndex() >= 0) {
        GuardarCombolist(ui->Combolist->currentText());
    }
}

void FrmOptions::ComboBio_Click() {
    const int index = ui->ComboBio->currentIndex();
    if (index >= 0) {
        GuardarCombobio(ui->ComboBio->currentText());
        shellState().nivelAlertas = QString::fromLatin1(kAlertCodes.at(index));
    }
}

// The entry follows the stored setting, even where the setting itself cannot be written, and a
// setting whose entry could not follow is put back to say whether an entry is there. The box
// shows whether an entry really starts the program. Like every failed write of this window, it
// is silent.
void FrmOptions::CheckWin_Click() {
    GuardarIniWin(checkedText(ui->CheckWin->isChecked(), "True", "False"));
    const bool stored = readKey(QStringLiteral("Iniciar con Windows")) == QStringLiteral("True");
    if (!(stored ? WriteIniWin() : EraseIniWin())) {
        GuardarIniWin(checkedText(startsWithTheDesktop(), "True", "False"));
    }
    showIniWin();
}

bool FrmOptions::startsWithTheDesktop() {
    return platform::autostartStarts(kRunValueName, runtime::programPath(kProgramName));
}

void FrmOptions::showIniWin() {
    const QSignalBlocker quiet(ui->CheckWin);
    ui->CheckWin->setChecked(startsWithTheDesktop());
}

void FrmOptions::CheckMini_Click() {
    GuardarIniMini(checkedText(ui->CheckMini->isChecked(), "True", "False"));
}

void FrmOptions::OptReal_Click() {
    if (ui->OptReal->isChecked()) {
        GuardarIni(QStringLiteral("real"));
        shellState().tiradaReal = true;
    }
}

void FrmOptions::OptObj_Click() {
    if (ui->OptObj->isChecked()) {
        GuardarIni(QStringLiteral("objetiva"));
        shellState().tiradaReal = false;
    }
}

void FrmOptions::CheckTooltips_Click() {
    const bool off = ui->CheckTooltips->isChecked();
    const QString value = checkedText(off, "ToolTips off", "ToolTips on");
    GuardarTooltips(value);
    shellState().desactivarTooltips = value;
    ui->OptionXP->setEnabled(!off);
    ui->OptionPersonal->setEnabled(!off);
    ui->CheckNoSound->setEnabled(!off);
}

void FrmOptions::OptionPersonal_Click() {
    if (!ui->OptionPersonal->isChecked()) {
        return;
    }
    ShellState& s = shellState();
    GetTaskBarPosition();
    if (s.posicionBarra == kTaskbarBottom) {
        s.barraAbajo = true;
        GuardarEstiloTooltips(QStringLiteral("personal"));
        s.estiloTooltips = QStringLiteral("personal");
        // Silent mode applies to balloons only.
        ui->CheckNoSound->setEnabled(false);
        return;
    }
    s.barraAbajo = false;
    const forms::LoadGuard guard(this);
    runtime::MsgBox(kPersonalRefused, runtime::vbExclamation, QStringLiteral("Info Tooltip"));
    if (guard) {
        ui->OptionXP->setChecked(true);
    }
}

void FrmOptions::OptionXP_Click() {
    if (ui->OptionXP->isChecked()) {
        GuardarEstiloTooltips(QStringLiteral("windows xp"));
        shellState().estiloTooltips = QStringLiteral("windows xp");
        ui->CheckNoSound->setEnabled(true);
    }
}

void FrmOptions::CheckNoSound_Click() {
    const QString value = checkedText(ui->CheckNoSound->isChecked(), "mudo", "nomudo");
    GuardarNoSoundtips(value);
    shellState().modoSilencioso = value;
}

void FrmOptions::OptionNorte_Click() {
    if (ui->OptionNorte->isChecked()) {
        GuardarHemisferio(QStringLiteral("Norte"));
        shellState().hemisferioSel = QStringLiteral("Norte");
    }
}

void FrmOptions::OptionSur_Click() {
    if (ui->OptionSur->isChecked()) {
        GuardarHemisferio(QStringLiteral("Sur"));
        shellState().hemisferioSel = QStringLiteral("Sur");
    }
}

void FrmOptions::OptionBeauty_Click() {
    if (ui->OptionBeauty->isChecked()) {
        GuardarTipocarta(QStringLiteral("marsellaone"));
        shellState().tipoCarta = QStringLiteral("marsellaone");
    }
}

void FrmOptions::OptionClassic_Click() {
    if (ui->OptionClassic->isChecked()) {
        GuardarTipocarta(QStringLiteral("marsellaclass"));
        shellState().tipoCarta = QStringLiteral("marsellaclass");
    }
}

void FrmOptions::OptionFree_Click() {
    if (ui->OptionFree->isChecked()) {
        GuardarTipocarta(QStringLiteral("oldones"));
        shellState().tipoCarta = QStringLiteral("oldones");
    }
}

void FrmOptions::CheckCardDayMute_Click() {
    const QString value = checkedText(ui->CheckCardDayMute->isChecked(), "nomuted", "muted");
    GuardarMutecod(value);
    shellState().muteCod = value;
}

void FrmOptions::CheckBgSound_Click() {
    const QString value = checkedText(ui->CheckBgSound->isChecked(), "SiBgSound", "NoBgSound");
    GuardarBgSound(value);
    shellState().bgSound = value;
}

void FrmOptions::OptionSystray_Click() {
    if (ui->OptionSystray->isChecked()) {
        GuardarMinimizar(QStringLiteral("systray"));
        shellState().modoMinimizar = QStringLiteral("systray");
    }
}

void FrmOptions::OptionToolbar_Click() {
    if (ui->OptionToolbar->isChecked()) {
        GuardarMinimizar(QStringLiteral("toolbar"));
        shellState().modoMinimizar = QStringLiteral("toolbar");
    }
}

void FrmOptions::ARButtonAcep_Click() {
    shellState().tooltipCerrado = false;
    Unload();
}

} // namespace shell
