#include "biorhythms/frmBio.h"

#include "biorhythms/FrmCompaTab.h"
#include "biorhythms/FrmProfiles.h"
#include "biorhythms/Profiles.h"
#include "biorule/BioRule.h"
#include "biorule/BioState.h"
#include "biorule/BirthData.h"
#include "forms/Forms.h"
#include "forms/LoadGuard.h"
#include "forms/Look.h"
#include "forms/UiPictures.h"
#include "runtime/Clock.h"
#include "runtime/MessageBox.h"
#include "runtime/ProgramFolder.h"
#include "runtime/SystemFormats.h"
#include "runtime/TextFile.h"
#include "shell/BioStudyDate.h"
#include "shell/FrmTimer.h"
#include "shell/Notif.h"
#include "shell/Settings.h"
#include "shell/SharedTables.h"
#include "shell/ShellState.h"
#include "shell/WindowNames.h"
#include "ui_frmBio.h"

#include <QMouseEvent>
#include <QPointer>

namespace biorhythms {
using shell::kFrmCalendar;
using shell::kFrmCartaDia;
using shell::kFrmCompaTab;
using shell::kFrmName;
using shell::kFrmoracle;
using shell::kFrmProfiles;
using shell::kFrmVelarcana;

namespace {

const QString kBirthTimeAdvice =
    QStringLiteral("If you know your time of birth put it (Biorhythms will be more accurate), if "
                   "not leave it to 12:00.");
const QString kTooFewProfiles =
    QStringLiteral("To use this feature must be more than one saved profile");
const QString kSystray = QStringLiteral("systray");
const QString kBirthDataNotSaved =
    QStringLiteral("The birth data could not be saved in the application folder.");

// The snapshot window, opened by name.
const QString kFormSnap = QStringLiteral("FormSnap");

std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// A window that is open already comes to the front again (a load shows a new one itself).
forms::Form* showAgainOrLoad(const QString& name) {
    forms::Forms& windows = forms::Forms::instance();
    if (forms::Form* open = windows.find(name)) {
        open->Show();
        return open;
    }
    return windows.load(name);
}

void playUrl() {
    QString sound = QStringLiteral("Url.wav");
    shell::tocarSonido(sound);
}

} // namespace

QString birthTimeCaption(int hour, int minute) {
    return QStringLiteral("Time: %1%2%3")
        .arg(hour)
        .arg(minute < 10 ? QStringLiteral(":0") : QStringLiteral(":"))
        .arg(minute);
}

frmBio::frmBio()
    : shell::ModuleForm(QString::fromLatin1(kName), QStringLiteral("Biorhythms")),
      TimerButton(new QTimer(this)), TimerBio(new QTimer(this)), MnuGo(new QMenu(this)),
      ui(std::make_unique<Ui::frmBio>()) {
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("Biorhythms"));
    setFixedSize(size());
    buildMenus();
    styleControls();
    connectControls();
    TimerButton->setInterval(kButtonTickMs);
    TimerBio->setTimerType(Qt::VeryCoarseTimer); // on the second, with the program's others
    TimerBio->setInterval(kBioTickMs);
    TimerBio->start();
}

frmBio::~frmBio() {
    shell::setBioStudyDateSource(nullptr);
}

void frmBio::buildMenus() {
    MnuAbout->setText(QStringLiteral("About"));
    disconnect(MnuAbout, &QAction::triggered, this, nullptr);
    disconnect(MnuOpIco, &QAction::triggered, this, nullptr);
    connect(MnuAbout, &QAction::triggered, this, &frmBio::MnuAboutBio_Click);
    connect(MnuOpIco, &QAction::triggered, this, &frmBio::MnuOpIcoBio_Click);
    const std::array<std::array<QString, 4>, 5> targets = {{
        {QStringLiteral("MnuNom"), QStringLiteral("Names"), QStringLiteral("MnuNom2"), kFrmName},
        {QStringLiteral("MnuOracul"), QStringLiteral("Oracle"), QStringLiteral("MnuOracul2"),
         kFrmoracle},
        {QStringLiteral("MnuCdia"), QStringLiteral("Card of Day"), QStringLiteral("MnuCdia2"),
         kFrmCartaDia},
        {QStringLiteral("MnuOtroDia"), QStringLiteral("Another Day"), QStringLiteral("MnuOtroDia2"),
         kFrmCalendar},
        {QStringLiteral("MnuNum"), QStringLiteral("Numbers"), QStringLiteral("MnuNum2"),
         kFrmVelarcana},
    }};
    MnuGo->setObjectName(QStringLiteral("MnuGo"));
    for (const auto& [trayName, caption, menuName, target] : targets) {
        addGoToItem(trayName, caption, target);
        QAction* item = MnuGo->addAction(QStringLiteral("...") + caption);
        item->setObjectName(menuName);
        connect(item, &QAction::triggered, this, [this, target = target] { switchTo(target); });
    }
    QAction* bye = MnuGo->addAction(QStringLiteral("Exit"));
    bye->setObjectName(QStringLiteral("Mnubye"));
    connect(bye, &QAction::triggered, this, &frmBio::Mnubye_Click);
}

void frmBio::styleControls() {
    forms::applyLook(
        this, {{forms::Style::Ground, {this}},
               {forms::Style::Text, forms::labelsOf(this)},
               {forms::Style::Group, {ui->Frame1, ui->Frame2}},
               {forms::Style::Frame, {ui->PicBio}},
               {forms::Style::Field, {ui->DTPicker1, ui->ComboProfiles, ui->TextSecondProf}}});
    setFont(forms::arialFont(9));
    for (QLabel* big : {ui->lblDayBirth, ui->lblMonthBirth, ui->lblYearBirth, ui->lblDayBio,
                        ui->lblMonthBio, ui->lblYearBio}) {
        big->setFont(forms::arialFont(11, true));
    }
    for (QLabel* bold : {ui->LabelFis, ui->LabelEmo, ui->LabelInte, ui->LabelInt, ui->lblDays,
                         ui->LabelMedia, ui->LblRest}) {
        bold->setFont(forms::arialFont(9, true));
    }
    ui->CmdArrowLeft->setPicture(forms::uiPicture(QStringLiteral("arrow-left")));
    ui->CmdArrowRight->setPicture(forms::uiPicture(QStringLiteral("arrow-right")));
    ui->ImageHoy->setPixmap(forms::uiPicture(QStringLiteral("today")));
    ui->ImageHoy->setScaledContents(true);
    const std::array<std::pair<QLabel*, QLabel*>, 4> arrows = {{
        {ui->Fisascmini, ui->Fisdescmini},
        {ui->Emoascmini, ui->Emodescmini},
        {ui->Inteascmini, ui->Intedescmini},
        {ui->Intuascmini, ui->Intudescmini},
    }};
    for (const auto& [up, down] : arrows) {
        up->setPixmap(forms::uiPicture(QStringLiteral("trend-up")));
        down->setPixmap(forms::uiPicture(QStringLiteral("trend-down")));
        up->setToolTip(QStringLiteral("Upward trend"));
        down->setToolTip(QStringLiteral("Downward trend"));
        up->setScaledContents(true);
        down->setScaledContents(true);
        up->hide();
        down->hide();
    }

    // Design values of the bars and their labels.
    const std::array<std::tuple<DateScroll*, int, int, int>, 8> bars = {{
        {ui->vsbDayBirth, 1, 31, 1},
        {ui->vsbMonthBirth, 1, 12, 1},
        {ui->vsbYearBirth, kBioYears.first, kBioYears.last, kBioYears.first},
        {ui->vsbDayBio, 1, 31, 12},
        {ui->vsbMonthBio, 1, 12, 1},
        {ui->vsbYearBio, kBioYears.first, kBioYears.last, kBioYears.first},
        {ui->VScrollHora, 0, 23, 23},
        {ui->VScrollMinuto, 0, 59, 59},
    }};
    for (const auto& [bar, bottom, top, value] : bars) {
        bar->setRange(bottom, top);
        bar->setValue(value);
    }
    nombresMes = monthNames();
    diasMes = monthLengths();
    // The labels show the design values until the bars move.
    ui->lblDayBirth->setText(QStringLiteral("1"));
    ui->lblMonthBirth->setText(nombresMes[1]);
    ui->lblYearBirth->setText(QString::number(kBioYears.first));
    ui->lblDayBio->setText(QStringLiteral("12"));
    ui->lblMonthBio->setText(nombresMes[1]);
    ui->lblYearBio->setText(QString::number(kBioYears.first));

    ui->DTPicker1->setCalendarPopup(true);
    ui->DTPicker1->setDisplayFormat(QStringLiteral("d MMM yyyy"));
    ui->DTPicker1->setDateRange(QDate(kBioYears.first, 1, 1), QDate(kBioYears.last, 12, 31));
    ui->ComboProfiles->hide();
    ui->TextSecondProf->setReadOnly(true);
    showBirthTimeEditor(false);
}

void frmBio::connectControls() {
    const std::array<std::pair<DateScroll*, void (frmBio::*)()>, 8> bars = {{
        {ui->vsbDayBio, &frmBio::vsbDayBio_Change},
        {ui->vsbMonthBio, &frmBio::vsbMonthBio_Change},
        {ui->vsbYearBio, &frmBio::vsbYearBio_Change},
        {ui->vsbDayBirth, &frmBio::vsbDayBirth_Change},
        {ui->vsbMonthBirth, &frmBio::vsbMonthBirth_Change},
        {ui->vsbYearBirth, &frmBio::vsbYearBirth_Change},
        {ui->VScrollHora, &frmBio::VScrollHora_Change},
        {ui->VScrollMinuto, &frmBio::VScrollMinuto_Change},
    }};
    for (const auto& [bar, handler] : bars) {
        connect(bar, &QScrollBar::valueChanged, this, handler);
    }
    connect(TimerButton, &QTimer::timeout, this, &frmBio::TimerButton_Timer);
    connect(TimerBio, &QTimer::timeout, this, &frmBio::TimerBio_Timer);
    connect(ui->CmdAlert, &QPushButton::clicked, this, &frmBio::CmdAlert_Click);
    connect(ui->CmdGo, &QPushButton::clicked, this, &frmBio::CmdGo_Click);
    connect(ui->CmdHoy, &QPushButton::clicked, this, &frmBio::CmdHoy_Click);
    connect(ui->XPButtonHora, &QPushButton::clicked, this, &frmBio::XPButtonHora_Click);
    connect(ui->CommandOk, &QPushButton::clicked, this, &frmBio::CommandOk_Click);
    connect(ui->XPButtonCompa, &QPushButton::clicked, this, &frmBio::XPButtonCompa_Click);
    connect(ui->XPButtonEdit, &QPushButton::clicked, this, &frmBio::XPButtonEdit_Click);
    connect(ui->XPButtonSave, &QPushButton::clicked, this, &frmBio::XPButtonSave_Click);
    connect(ui->CmdSnap, &QPushButton::clicked, this, &frmBio::CmdSnap_Click);
    connect(ui->DTPicker1, &QDateEdit::dateChanged, this, &frmBio::DTPicker1_Change);
    connect(ui->ComboProfiles, &QComboBox::activated, this, &frmBio::ComboProfiles_Click);
    ui->CmdArrowLeft->installEventFilter(this);
    ui->CmdArrowRight->installEventFilter(this);
    ui->ComboProfiles->installEventFilter(this);
}

void frmBio::Form_Load() {
    BioState& b = bioState();
    const Loading loading;
    b.fechaBioFijada = false;
    b.dibujarSecundario =
        shell::readOption(shell::LeerDibujarSecundario, QStringLiteral("Dibujar secundario")) ==
        QLatin1String("1");
    readDesactivarTooltips();
    addOwnTrayIcon();
    readModoSilencioso();
    readEstiloTooltips();
    // Showing runs Form_Activate, whose help notice lets events run.
    const forms::LoadGuard guard(this);
    showUnlessStartMinimised();
    if (!guard) {
        return;
    }
    readBackgroundSound();
    switching = false;
    shell::setBioStudyDateSource([this] { return studyDate(); });
    readCountdown();
    readBirthDate();
    readBirthTimeControls();
    runtime::appendLines(profilesPath(), {});
    shell::readOption(shell::LeerPerfilBio, QStringLiteral("Perfil-Bio"));
    readProfiles();
    loadSecondProfile();
    setBirthBars();
    setStudyBars();
    CalcularBio();
    birthDataShown = true;
}

void frmBio::readCountdown() {
    BioState& b = bioState();
    readCountdownDate();
    if (b.diaFinal == 0 && b.mesFinal == 0 && b.anioFinal == 0) {
        const runtime::DateValue today = runtime::Today();
        b.diaFinal = runtime::dayOf(today);
        b.mesFinal = runtime::monthOf(today);
        b.anioFinal = runtime::yearOf(today);
    }
    fechaFinalTxt = dayMonthYearText(b.diaFinal, b.mesFinal, b.anioFinal);
    ui->DTPicker1->setDate(QDate(b.anioFinal, b.mesFinal, b.diaFinal));
    ui->LblRest->setText(runtime::formatNumber(diasRestantes, QStringLiteral("0")));
}

void frmBio::readBirthTimeControls() {
    BioState& b = bioState();
    readBirthTime();
    ui->LabelHora->setText(QString::number(b.horaNac));
    ui->VScrollHora->setValue(b.horaNac);
    ui->LabelMinuto->setText(QString::number(b.minutoNac));
    ui->VScrollMinuto->setValue(b.minutoNac);
    ui->LabelHoraBirth->setText(birthTimeCaption(b.horaNac, b.minutoNac));
}

void frmBio::readProfiles() {
    const QString chosen = shell::shellState().perfilBio;
    for (const QString& line : profileLines()) {
        ui->ComboProfiles->addItem(line.section(QLatin1Char(','), 0, 0));
        ui->ComboProfiles->show();
    }
    const int index =
        ui->ComboProfiles->findText(chosen, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) {
        ui->ComboProfiles->setCurrentIndex(index);
    } else if (chosen.isEmpty() && ui->ComboProfiles->count() > 0) {
        ui->ComboProfiles->setCurrentIndex(0);
    } else {
        ui->ComboProfiles->setCurrentIndex(-1);
    }
}

// The second profile's values may be left from an earlier stay, of a profile deleted since:
// only a record this load reads is drawn.
void frmBio::loadSecondProfile() {
    BioState& b = bioState();
    b.perfilSecundarioLeido = false;
    const QString name =
        shell::readOption(shell::LeerNombreSecundario, QStringLiteral("Nombre secundario"));
    if (name.isEmpty() || !b.dibujarSecundario) {
        return;
    }
    ui->TextSecondProf->show();
    ui->TextSecondProf->setText(name);
    readSecondProfile(name);
}

void frmBio::setBirthBars() {
    const BioState& b = bioState();
    ui->vsbMonthBirth->setValue(b.mesNac);
    fitDayToMonth(*ui->vsbDayBirth,
                  diasMes[static_cast<std::size_t>(ui->vsbMonthBirth->value())].toInt());
    ui->vsbYearBirth->setValue(b.anioNac);
    AjustarDiasNacimiento();
    ui->vsbDayBirth->setValue(b.diaNac);
}

void frmBio::setStudyBars() {
    const runtime::DateValue today = runtime::Today();
    ui->vsbMonthBio->setValue(runtime::monthOf(today));
    fitDayToMonth(*ui->vsbDayBio,
                  diasMes[static_cast<std::size_t>(ui->vsbMonthBio->value())].toInt());
    ui->vsbYearBio->setValue(runtime::yearOf(today));
    AjustarDiasBio();
    ui->vsbDayBio->setValue(runtime::dayOf(today));
}

// Until the load has put the files into the controls (its help notice lets a click, a switch or
// "Exit" run before that), the controls hold nothing of the user's: the files stay as they are.
bool frmBio::GuardarBio() {
    if (!birthDataShown) {
        return true;
    }
    BioState& b = bioState();
    b.mesNac = ui->vsbMonthBirth->value();
    b.diaNac = ui->vsbDayBirth->value();
    b.anioNac = ui->vsbYearBirth->value();
    const QDate target = ui->DTPicker1->date();
    b.diaFinal = target.day();
    b.mesFinal = target.month();
    b.anioFinal = target.year();
    bool saved = writeBirthDate();
    saved = writeCountdownDate() && saved;
    b.horaNac = ui->VScrollHora->value();
    b.minutoNac = ui->VScrollMinuto->value();
    saved = writeBirthTime() && saved;
    return saved || tellBirthDataNotSaved();
}

// Once per stay in the window: every way out of it saves again, and the user needs to hear it
// only once. False when the window was unloaded while the message was open.
bool frmBio::tellBirthDataNotSaved() {
    if (avisoNoGuardado) {
        return true;
    }
    avisoNoGuardado = true;
    const forms::LoadGuard guard(this);
    runtime::MsgBox(kBirthDataNotSaved, runtime::vbExclamation, QStringLiteral("Error"));
    return guard.holds();
}

void frmBio::Form_Activate() {
    const shell::ShellState& s = shell::shellState();
    const BioState& b = bioState();
    if (!s.alertaDesdeBio && !b.avisoNacMostrado && !b.birthDateSet()) {
        showHelpNotice();
    }
}

bool frmBio::closeOpenNotice() {
    shell::ShellState& s = shell::shellState();
    if (!s.notifVisible) {
        return true;
    }
    const forms::LoadGuard guard(this);
    shell::slideNoticeOut();
    if (!guard || !forms::DoEvents(this)) {
        return false;
    }
    forms::Forms::instance().unload(QString::fromLatin1(shell::Notif::kName));
    s.notifVisible = false;
    return true;
}

void frmBio::showHelpNotice() {
    if (!closeOpenNotice()) {
        return;
    }
    shell::shellState().textoNotif = kHelpNotice;
    bioState().avisoNacMostrado = true;
    const forms::LoadGuard guard(this);
    shell::slideNoticeIn();
    if (guard) {
        playUrl();
    }
}

void frmBio::CmdAlert_Click() {
    shell::shellState().alertaDesdeBio = true;
    if (!GuardarBio()) {
        return;
    }
    if (!bioState().birthDateSet()) {
        showHelpNotice();
        return;
    }
    if (!closeOpenNotice()) {
        return;
    }
    if (auto* timer = forms::Forms::instance().findForm<shell::FrmTimer>()) {
        timer->alertasbio();
    }
}

void frmBio::CmdGo_Click() {
    bioState().fechaBioFijada = true;
    setDateBars(ui->vsbDayBio, ui->vsbMonthBio, ui->vsbYearBio,
                runtime::fromQDate(ui->DTPicker1->date()));
}

void frmBio::DTPicker1_Change() {
    BioState& b = bioState();
    const QDate picked = ui->DTPicker1->date();
    b.diaFinal = picked.day();
    b.mesFinal = picked.month();
    b.anioFinal = picked.year();
    fechaFinalTxt = dayMonthYearText(b.diaFinal, b.mesFinal, b.anioFinal);
    showCountdown(runtime::Today());
}

void frmBio::showCountdown(runtime::DateValue from) {
    if (const auto target = dayMonthYearDate(fechaFinalTxt)) {
        diasRestantes = static_cast<runtime::Long>(runtime::daysBetween(from, *target));
        ui->LblRest->setText(runtime::formatNumber(diasRestantes, QStringLiteral("0")));
    }
}

void frmBio::CmdHoy_Click() {
    bioState().fechaBioFijada = false;
    CalcularBio();
}

void frmBio::showBirthTimeEditor(bool shown) {
    ui->XPButtonHora->setVisible(!shown);
    for (QWidget* editor :
         std::initializer_list<QWidget*>{ui->Label21, ui->LabelHora, ui->VScrollHora, ui->Label22,
                                         ui->LabelMinuto, ui->VScrollMinuto, ui->CommandOk}) {
        editor->setVisible(shown);
    }
}

void frmBio::XPButtonHora_Click() {
    const forms::LoadGuard guard(this);
    runtime::MsgBox(kBirthTimeAdvice, runtime::vbInformation);
    if (guard) {
        showBirthTimeEditor(true);
    }
}

void frmBio::CommandOk_Click() {
    BioState& b = bioState();
    showBirthTimeEditor(false);
    b.horaNac = ui->VScrollHora->value();
    b.minutoNac = ui->VScrollMinuto->value();
    const int minute = wholeNumber(ui->LabelMinuto->text()).value_or(b.minutoNac);
    ui->LabelHoraBirth->setText(birthTimeCaption(b.horaNac, minute));
    if (!writeBirthTime()) {
        tellBirthDataNotSaved();
    }
}

void frmBio::XPButtonCompa_Click() {
    if (ui->ComboProfiles->count() < 2) {
        runtime::MsgBox(kTooFewProfiles, runtime::vbExclamation, QStringLiteral("Error-Info"));
        return;
    }
    showAgainOrLoad(kFrmCompaTab);
}

void frmBio::XPButtonEdit_Click() {
    if (auto* profiles = static_cast<FrmProfiles*>(showAgainOrLoad(kFrmProfiles))) {
        profiles->ListaPerfiles();
    }
}

// A profile is the birth data shown, under a name; the very same profile is not saved twice.
void frmBio::XPButtonSave_Click() {
    const forms::LoadGuard guard(this);
    const QString name = runtime::InputBox(QStringLiteral("Name for this profile:"),
                                           QStringLiteral("Profile"), QString());
    if (!guard || name.isEmpty()) {
        return;
    }
    if (const auto fault = profileNameFault(name)) {
        runtime::MsgBox(*fault, runtime::vbExclamation, QStringLiteral("Error"));
        return;
    }
    const QString record = name + QLatin1Char(',') + ui->lblMonthBirth->text() + QLatin1Char('/') +
                           ui->lblDayBirth->text() + QLatin1Char('/') + ui->lblYearBirth->text() +
                           QLatin1Char(',') + ui->LabelHoraBirth->text().mid(6);
    if (profileLines().contains(record)) {
        runtime::MsgBox(QStringLiteral("This profile exists already, put another please."),
                        runtime::vbExclamation, QStringLiteral("Error"));
        return;
    }
    if (!runtime::appendLines(profilesPath(), {record})) {
        runtime::MsgBox(kProfileNotSaved, runtime::vbExclamation, QStringLiteral("Error"));
        return;
    }
    ui->ComboProfiles->addItem(name);
    ui->ComboProfiles->setCurrentIndex(ui->ComboProfiles->count() - 1);
    GuardarPerfilIni(name);
    ui->ComboProfiles->show();
}

void frmBio::GuardarPerfilIni(const QString& name) {
    shell::writeOption(QStringLiteral("Perfil-Bio"), name);
}

void frmBio::CmdSnap_Click() {
    bioState().origenSnap = 0;
    forms::Forms& windows = forms::Forms::instance();
    if (windows.load(kFormSnap)) {
        windows.unload(kFormSnap);
    }
}

// The last line of the chosen name stands. One that the bars cannot show changes nothing, not
// even the name shown: the window would go on showing one person under another's name, and
// save that person under it.
void frmBio::ComboProfiles_Click() {
    const QString chosen = ui->ComboProfiles->currentText();
    const std::optional<QString> line = lastProfileLine(chosen);
    const std::optional<ProfileBirth> birth = line ? profileBirth(*line, kBioYears) : std::nullopt;
    if (!birth) {
        refuseProfile(line.value_or(chosen));
        return;
    }
    setDateBars(ui->vsbDayBirth, ui->vsbMonthBirth, ui->vsbYearBirth,
                runtime::makeDate(birth->date.year, birth->date.month, birth->date.day));
    ui->VScrollHora->setValue(birth->time.hour);
    ui->VScrollMinuto->setValue(birth->time.minute);
    GuardarPerfilIni(chosen);
    if (GuardarBio()) {
        CommandOk_Click();
    }
}

void frmBio::refuseProfile(const QString& record) {
    ui->ComboProfiles->setCurrentIndex(profileBeforeChoice);
    runtime::MsgBox(QStringLiteral("This record can not be read: ") + record,
                    runtime::vbExclamation, QStringLiteral("ErrorInfo"));
}

// The item shown as the user starts to choose: every choice begins with a press, a key or the
// wheel on the list, and the list shows the chosen item before it reports the choice.
void frmBio::noteProfileBeforeChoice(const QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::Wheel:
        profileBeforeChoice = ui->ComboProfiles->currentIndex();
        break;
    default:
        break;
    }
}

void frmBio::MnuAboutBio_Click() {
    if (GuardarBio()) {
        MnuAbout_Click();
    }
}

void frmBio::MnuOpIcoBio_Click() {
    if (GuardarBio()) {
        MnuOpIco_Click();
    }
}

void frmBio::Mnubye_Click() {
    UnloadAllForms();
}

void frmBio::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        MnuGo->popup(event->globalPosition().toPoint());
    }
    shell::ModuleForm::mousePressEvent(event);
}

void frmBio::Form_Resize() {
    shell::ShellState& s = shell::shellState();
    if (windowStateCode() != forms::vbMinimized || s.modoMinimizar != kSystray) {
        return;
    }
    hideToTray();
    if (s.notifVisible) {
        const forms::LoadGuard guard(this);
        shell::slideNoticeOut();
        if (!guard) {
            return;
        }
        s.notifVisible = false;
        forms::Forms::instance().unload(QString::fromLatin1(shell::Notif::kName));
    }
}

void frmBio::Form_Unload(int& cancel) {
    if (!switching) {
        ModuleForm::Form_Unload(cancel);
        return;
    }
    GuardarBio();
    bioState().avisoNacMostrado = false;
    shell::shellState().alertaDesdeBio = false;
    shell::setBioStudyDateSource(nullptr);
    TimerButton->stop();
    ModuleForm::Form_Unload(cancel);
}

} // namespace biorhythms
