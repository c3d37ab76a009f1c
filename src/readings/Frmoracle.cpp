#include "readings/Frmoracle.h"

#include "cards/CardRules.h"
#include "forms/LoadGuard.h"
#include "forms/Look.h"
#include "forms/UiPictures.h"
#include "platform/IniFile.h"
#include "readings/LetterValues.h"
#include "readings/OracleMusic.h"
#include "readings/OracleTexts.h"
#include "readings/ReadingControls.h"
#include "readings/ReadingsState.h"
#include "readings/ResultLogMenu.h"
#include "readings/ResultLogs.h"
#include "runtime/Clock.h"
#include "runtime/EventLoop.h"
#include "runtime/MessageBox.h"
#include "runtime/ProgramFolder.h"
#include "runtime/SystemFormats.h"
#include "shell/RotarImagen.h"
#include "shell/Settings.h"
#include "shell/SharedTables.h"
#include "shell/ShellState.h"
#include "shell/WindowNames.h"
#include "ui_Frmoracle.h"

#include <QFileDialog>
#include <QMenuBar>
#include <QMouseEvent>

namespace readings {
using shell::kFrmBio;
using shell::kFrmCalendar;
using shell::kFrmCartaDia;
using shell::kFrmName;
using shell::kFrmVelarcana;

namespace {

const QString kMinorFolder = QStringLiteral("\\amenores\\");
const QString kDateFormat = QStringLiteral("dddd, mmmm d yyyy");
const QString kDateCaption = QStringLiteral("- Date of reading -");
const QString kDateLocked = QStringLiteral("The date must be changed before the read is done!");
const QString kQuestionFault = QStringLiteral("The question can not contain \"%1\".");
constexpr int kMenuBarHeight = 24;

// A data folder under the program folder, left out at the root of the file system.
QString dataFolder(const QString& folder) {
    return runtime::programFolderIsRoot() ? QString() : folder;
}

// The dialog's own loop lets events run.
QString chooseMidiFile(QWidget* parent) {
    const runtime::NestedEvents modal;
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Open file..."),
                                        runtime::programFolder(),
                                        QStringLiteral("Files mid (*.mid*)"));
}

void setDateOf(QCalendarWidget* view, runtime::DateValue fecha) {
    const QDate date = runtime::toQDate(fecha);
    view->setSelectedDate(date);
    view->setCurrentPage(date.year(), date.month());
}

} // namespace

Frmoracle::Frmoracle()
    : shell::ModuleForm(QString::fromLatin1(kName), QStringLiteral("ORACLE")),
      TimerMidi(new QTimer(this)), menuBar(new QMenuBar(this)),
      ui(std::make_unique<Ui::Frmoracle>()) {
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("ORACLE"));
    for (QLineEdit* question : {ui->TxtEsp, ui->TxtBas, ui->TxtCop, ui->TxtOr}) {
        keepOnOneLine(question);
    }
    setFixedSize(size());
    TimerMidi->setInterval(kTimerMidiMs);
    buildMenus();
    styleControls();
    connectControls();
}

Frmoracle::~Frmoracle() = default;

void Frmoracle::buildMenus() {
    menuBar->setGeometry(0, 0, width(), kMenuBarHeight);
    const auto item = [](QMenu* menu, const char* name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    QMenu* file = menuBar->addMenu(QStringLiteral("&File"));
    MnuShowResults = item(file, "MnuShowResults", QStringLiteral("Show results"));
    MnuRegResult = item(file, "MnuRegResult", QStringLiteral("Save results"));
    MnuRegResult->setCheckable(true);
    MnuDelResults = item(file, "MnuDelResults", QStringLiteral("Delete results"));
    // The tray menu's "Exit" is MnuSal here; the File menu's is MnuSalir.
    MnuSalir->setObjectName(QStringLiteral("MnuSal"));
    MnuFileSalir = item(file, "MnuSalir", QStringLiteral("Exit"));

    QMenu* view = menuBar->addMenu(QStringLiteral("&View"));
    MnuBio = item(view, "MnuBio", QStringLiteral("Biorhythms"));
    MnuCdia = item(view, "MnuCdia", QStringLiteral("The Card of Day"));
    MnuNum = item(view, "MnuNum", QStringLiteral("Numbers"));
    MnuOtro = item(view, "MnuOtro", QStringLiteral("Another Day"));
    MnuNom = item(view, "MnuNom", QStringLiteral("Names"));

    QMenu* settings = menuBar->addMenu(QStringLiteral("&Settings"));
    MnuOp = item(settings, "MnuOp", QStringLiteral("Options"));
    MnuEliSound = item(settings, "MnuEliSound", QStringLiteral("Choose a midi file"));

    QMenu* help = menuBar->addMenu(QStringLiteral("&Help"));
    MnuCont = item(help, "MnuCont", QStringLiteral("Contents of Help"));
    MnuAcerca = item(help, "MnuAcerca", QStringLiteral("About..."));

    MnuBioIco = addGoToItem(QStringLiteral("MnuBioIco"), QStringLiteral("Biorhythms"), kFrmBio);
    MnuNomIco = addGoToItem(QStringLiteral("MnuNomIco"), QStringLiteral("Names"), kFrmName);
    MnuHoy = addGoToItem(QStringLiteral("MnuHoy"), QStringLiteral("The Card of Day"), kFrmCartaDia);
    MnuNumer = addGoToItem(QStringLiteral("MnuNumer"), QStringLiteral("Numbers"), kFrmVelarcana);
    MnuOtroDia =
        addGoToItem(QStringLiteral("MnuOtroDia"), QStringLiteral("Another Day"), kFrmCalendar);
}

void Frmoracle::styleControls() {
    forms::applyLook(
        this, {{forms::Style::Ground, {this}},
               {forms::Style::Text, forms::labelsOf(this)},
               {forms::Style::Frame, {ui->imgesp, ui->imgbas, ui->imgcop, ui->imgor, ui->imgfinal}},
               {forms::Style::Flat, {ui->ImageSoundMidOn, ui->ImageSoundMidOff}},
               {forms::Style::Field, {ui->TxtEsp, ui->TxtBas, ui->TxtCop, ui->TxtOr, ui->TxtEdit}},
               {forms::Style::Command, {ui->XPButton1}}});
    // The longest suit title stands on one line over its corner only in a narrow face.
    for (QLabel* title : {ui->LblEsp, ui->LblBas, ui->LblCop, ui->LblOr}) {
        title->setFont(forms::arialNarrowFont(9, true));
    }
    for (QLineEdit* question : {ui->TxtEsp, ui->TxtBas, ui->TxtCop, ui->TxtOr}) {
        question->setFont(forms::arialFont(10));
    }
    for (QPushButton* button : {static_cast<QPushButton*>(ui->ARButtonAcepEsp),
                                static_cast<QPushButton*>(ui->ARButtonAcepBas),
                                static_cast<QPushButton*>(ui->ARButtonAcepCop),
                                static_cast<QPushButton*>(ui->ARButtonAcepOr),
                                static_cast<QPushButton*>(ui->ARButtonReset)}) {
        button->setFont(forms::arialFont(9, true));
    }
    ui->ARButtonResult->setFont(forms::arialFont(11, true));
    ui->XPButton1->setFont(forms::arialFont(9, true));
    QFont comic(QStringLiteral("Comic Sans MS"));
    comic.setPointSizeF(10);
    ui->TxtEdit->setFont(comic);
    ui->TxtEdit->hide();
    // Only the days a date value holds can be read.
    ui->MonthView1->setDateRange(runtime::firstDate(), runtime::lastDate());
    ui->MonthView1->hide();
    ui->MonthView1->raise();
    ui->ImageSoundMidOn->setPixmap(forms::uiPicture(QStringLiteral("sound-on")));
    ui->ImageSoundMidOff->setPixmap(forms::uiPicture(QStringLiteral("sound-off")));
    ui->ImageSoundMidOn->hide();
    for (QLabel* picture : {ui->imgesp, ui->imgbas, ui->imgcop, ui->imgor, ui->imgfinal,
                            ui->ImageSoundMidOn, ui->ImageSoundMidOff}) {
        picture->setAlignment(Qt::AlignCenter);
        picture->setCursor(Qt::PointingHandCursor);
        picture->installEventFilter(this);
    }
    for (QLabel* box : {ui->imgesp, ui->imgbas, ui->imgcop, ui->imgor}) {
        showBack(box, kSuitBack);
    }
    showBack(ui->imgfinal, kGlobalBack);
}

void Frmoracle::connectControls() {
    connect(TimerMidi, &QTimer::timeout, this, &Frmoracle::TimerMidi_Timer);
    connect(ui->ARButtonAcepEsp, &QPushButton::clicked, this, &Frmoracle::ARButtonAcepEsp_Click);
    connect(ui->ARButtonAcepBas, &QPushButton::clicked, this, &Frmoracle::ARButtonAcepBas_Click);
    connect(ui->ARButtonAcepCop, &QPushButton::clicked, this, &Frmoracle::ARButtonAcepCop_Click);
    connect(ui->ARButtonAcepOr, &QPushButton::clicked, this, &Frmoracle::ARButtonAcepOr_Click);
    connect(ui->ARButtonResult, &QPushButton::clicked, this, &Frmoracle::ARButtonResult_Click);
    connect(ui->ARButtonReset, &QPushButton::clicked, this, &Frmoracle::ARButtonReset_Click);
    connect(ui->XPButton1, &QPushButton::clicked, this, &Frmoracle::XPButton1_Click);
    connect(ui->MonthView1, &QCalendarWidget::clicked, this, &Frmoracle::MonthView1_DateClick);
    connect(ui->TxtEsp, &QLineEdit::textChanged, this, &Frmoracle::TxtEsp_Change);
    connect(MnuShowResults, &QAction::triggered, this, &Frmoracle::MnuShowResults_Click);
    // The handler sets or clears the mark itself.
    connect(MnuRegResult, &QAction::triggered, this, [this](bool checked) {
        MnuRegResult->setChecked(!checked);
        MnuRegResult_Click();
    });
    connect(MnuDelResults, &QAction::triggered, this, &Frmoracle::MnuDelResults_Click);
    connect(MnuFileSalir, &QAction::triggered, this, &Frmoracle::UnloadAllForms);
    connect(MnuBio, &QAction::triggered, this, [this] { switchTo(kFrmBio); });
    connect(MnuCdia, &QAction::triggered, this, [this] { switchTo(kFrmCartaDia); });
    connect(MnuNum, &QAction::triggered, this, [this] { switchTo(kFrmVelarcana); });
    connect(MnuOtro, &QAction::triggered, this, [this] { switchTo(kFrmCalendar); });
    connect(MnuNom, &QAction::triggered, this, [this] { switchTo(kFrmName); });
    connect(MnuOp, &QAction::triggered, this, &Frmoracle::MnuOpIco_Click);
    connect(MnuEliSound, &QAction::triggered, this, &Frmoracle::MnuEliSound_Click);
    connect(MnuCont, &QAction::triggered, this, &Frmoracle::Mnucont_Click);
    connect(MnuAcerca, &QAction::triggered, this, &Frmoracle::MnuAbout_Click);
}

bool Frmoracle::eventFilter(QObject* watched, QEvent* event) {
    if (!isLeftClick(watched, event)) {
        return shell::ModuleForm::eventFilter(watched, event);
    }
    if (watched == ui->imgesp) {
        imgesp_Click();
    } else if (watched == ui->imgbas) {
        imgbas_Click();
    } else if (watched == ui->imgcop) {
        imgcop_Click();
    } else if (watched == ui->imgor) {
        imgor_Click();
    } else if (watched == ui->imgfinal) {
        imgfinal_Click();
    } else if (watched == ui->ImageSoundMidOn) {
        ImageSoundMidOn_Click();
    } else if (watched == ui->ImageSoundMidOff) {
        ImageSoundMidOff_Click();
    }
    return true;
}

void Frmoracle::Form_Load() {
    const Loading loading;
    readDesactivarTooltips();
    addOwnTrayIcon();
    readModoSilencioso();
    readEstiloTooltips();
    TimerMidi->stop();
    if (!startMusicAtLoad()) {
        return;
    }
    readBackgroundSound();
    LeerTirada();
    showUnlessStartMinimised();
    switchingFlag() = false;
    fechaLectura = runtime::Today();
    showReadingDate(fechaLectura);
    calendarioUsado = false;
    MnuRegResult->setChecked(saveResultsOn(kOracleLog));
}

void Frmoracle::Form_Unload(int& cancel) {
    stopTuneAtUnload();
    // The closed tune never reports its end again; the loop would only tick.
    TimerMidi->stop();
    const bool reallyUnloads = switchingFlag();
    shell::ModuleForm::Form_Unload(cancel);
    if (reallyUnloads) {
        lecturaIniciada = false;
    }
}

QString Frmoracle::LeerTirada() {
    const QString tirada = platform::GetPrivateProfileString(
        shell::kSeccionOpciones, QStringLiteral("Tirada"), QString(), shell::settingsFile());
    shell::shellState().tiradaReal = tiradaAllowsReversed(tirada);
    return tirada;
}

void Frmoracle::sumdate(runtime::DateValue fecha) {
    sumaFecha = dateDigitSum(runtime::shortDateText(fecha));
}

void Frmoracle::sustituir(const QString& texto) {
    sumaLetras = questionLetterSum(texto);
}

Frmoracle::SuitControls Frmoracle::controlsOf(Suit suit) {
    switch (suit) {
    case Suit::Swords:
        return {ui->TxtEsp, ui->imgesp, &sumaEspadas, &cartaEspadas};
    case Suit::Wands:
        return {ui->TxtBas, ui->imgbas, &sumaBastos, &cartaBastos};
    case Suit::Cups:
        return {ui->TxtCop, ui->imgcop, &sumaCopas, &cartaCopas};
    case Suit::Coins:
        break;
    }
    return {ui->TxtOr, ui->imgor, &sumaOros, &cartaOros};
}

void Frmoracle::readSuit(Suit suit) {
    shell::ShellState& s = shell::shellState();
    const SuitControls c = controlsOf(suit);
    // Told before anything is read: the user corrects the question, and the log keeps its
    // encoding.
    if (MnuRegResult->isChecked() && !loggable({c.question->text()}, kQuestionFault)) {
        return;
    }
    LeerTirada();
    sustituir(c.question->text());
    globalHecha = false;
    if (sumaLetras == 0) {
        return;
    }
    lecturaIniciada = true;
    *c.sum = sumaLetras;
    sumdate(fechaLectura);
    *c.card = reduceOracleCard(*c.sum + sumaFecha, kMinorCards);
    s.numCarta = *c.card;
    rutaCartas = runtime::programPath(dataFolder(kMinorFolder));
    if (s.tiradaReal) {
        orientacion = drawOrientation();
    }
    const bool reversed = s.tiradaReal && orientacion == kReversed;
    const QString picture = minorCardPicture(suit, *c.card);
    paintCard(c.picture, runtime::programPath(dataFolder(kMinorFolder) + picture), reversed);
    if (MnuRegResult->isChecked() && !c.question->text().isEmpty()) {
        appendEntry(kOracleLog, oracleSuitEntry(suitLogWord(suit), c.question->text(), picture,
                                                s.tiradaReal, orientacion == kReversed));
    }
}

void Frmoracle::ARButtonAcepEsp_Click() {
    readSuit(Suit::Swords);
}

void Frmoracle::ARButtonAcepBas_Click() {
    readSuit(Suit::Wands);
}

void Frmoracle::ARButtonAcepCop_Click() {
    readSuit(Suit::Cups);
}

void Frmoracle::ARButtonAcepOr_Click() {
    readSuit(Suit::Coins);
}

void Frmoracle::ARButtonResult_Click() {
    LeerTirada();
    sumdate(fechaLectura);
    sumapalos();
}

// The global entry is written for every global card drawn, whatever the swords question box
// holds at that moment: the card does not depend on it.
void Frmoracle::sumapalos() {
    shell::ShellState& s = shell::shellState();
    sumaTotal = sumaEspadas + sumaBastos + sumaCopas + sumaOros + sumaFecha;
    if (sumaEspadas + sumaBastos + sumaCopas + sumaOros == 0) {
        return;
    }
    const runtime::Integer card = reduceOracleCard(sumaTotal, kMajorCards);
    sumaTotal = card;
    s.numCarta = card;
    rutaCartas = runtime::programPath(dataFolder(deckFolder(s.tipoCarta)));
    globalHecha = true;
    if (s.tiradaReal) {
        orientacion = drawOrientation();
    }
    const bool reversed = s.tiradaReal && orientacion == kReversed;
    paintCard(ui->imgfinal, cardPicturePath(card, s.tipoCarta), reversed);
    shell::tituloCarta();
    ui->imgfinal->setToolTip(s.TitulosCartas[card - 1]);
    if (MnuRegResult->isChecked()) {
        appendEntry(kOracleLog,
                    oracleGlobalEntry(runtime::generalDateText(runtime::Now()), readingDateText(),
                                      card, s.tiradaReal, orientacion == kReversed));
    }
}

// The picture stretched over the box; a reversed card is turned in place. A picture that
// cannot be read leaves the box empty.
void Frmoracle::paintCard(QLabel* box, const QString& path, bool reversed) {
    const QImage picture(path);
    if (picture.isNull()) {
        box->setPixmap(QPixmap());
        return;
    }
    QImage painted =
        picture.scaled(box->contentsRect().size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_ARGB32);
    if (reversed) {
        shell::RotarImagen(painted, 1, 0, 0, painted.width(), painted.height());
    }
    box->setPixmap(QPixmap::fromImage(painted));
}

void Frmoracle::showBack(QLabel* box, const QString& file) {
    paintCard(box, runtime::programPath(kMinorFolder + file), false);
}

void Frmoracle::ARButtonReset_Click() {
    lecturaIniciada = false;
    ui->TxtEdit->hide();
    sumaEspadas = sumaBastos = sumaCopas = sumaOros = 0;
    cartaEspadas = cartaBastos = cartaCopas = cartaOros = 0;
    sumaFecha = 0;
    sumaLetras = 0;
    globalHecha = false;
    for (QLineEdit* question : {ui->TxtEsp, ui->TxtBas, ui->TxtCop, ui->TxtOr}) {
        question->clear();
    }
    rutaCartas = runtime::programPath(kMinorFolder);
    for (QLabel* box : {ui->imgesp, ui->imgbas, ui->imgcop, ui->imgor}) {
        showBack(box, kSuitBack);
    }
    showBack(ui->imgfinal, kGlobalBack);
    ui->TxtEsp->setFocus();
}

void Frmoracle::showReadingDate(runtime::DateValue fecha) {
    ui->XPButton1->setText(kDateCaption + QLatin1Char('\n') +
                           runtime::formatDate(fecha, kDateFormat));
}

QString Frmoracle::readingDateText() const {
    return runtime::formatDate(fechaLectura, kDateFormat);
}

void Frmoracle::XPButton1_Click() {
    if (lecturaIniciada) {
        runtime::MsgBox(kDateLocked, runtime::vbExclamation, QStringLiteral("Warning"));
        return;
    }
    ui->MonthView1->show();
    if (!calendarioUsado) {
        setDateOf(ui->MonthView1, runtime::Today());
    }
}

void Frmoracle::MonthView1_DateClick(QDate picked) {
    // A view opened before the first Read may still be open: the reading's date stays.
    if (lecturaIniciada) {
        setDateOf(ui->MonthView1, fechaLectura);
        ui->MonthView1->hide();
        runtime::MsgBox(kDateLocked, runtime::vbExclamation, QStringLiteral("Warning"));
        return;
    }
    fechaLectura = runtime::fromQDate(picked);
    setDateOf(ui->MonthView1, fechaLectura);
    calendarioUsado = true;
    showReadingDate(fechaLectura);
    globalHecha = false;
    ui->MonthView1->hide();
}

void Frmoracle::TxtEsp_Change() {
    update();
}

void Frmoracle::showSuitText(Suit suit) {
    const SuitControls c = controlsOf(suit);
    if (*c.card == 0) {
        return;
    }
    ui->TxtEdit->show();
    const runtime::Integer card = reduceOracleCard(*c.card, kMinorCards);
    shell::shellState().numCarta = card;
    rutaCartas = runtime::programPath(dataFolder(QStringLiteral("\\mtextos\\")));
    ui->TxtEdit->setPlainText(readCardText(minorCardTextPath(suit, card)));
}

void Frmoracle::imgesp_Click() {
    showSuitText(Suit::Swords);
}

void Frmoracle::imgbas_Click() {
    showSuitText(Suit::Wands);
}

void Frmoracle::imgcop_Click() {
    showSuitText(Suit::Cups);
}

void Frmoracle::imgor_Click() {
    showSuitText(Suit::Coins);
}

void Frmoracle::imgfinal_Click() {
    const runtime::Long total = sumaEspadas + sumaBastos + sumaCopas + sumaOros + sumaFecha;
    if (total == 0 || !globalHecha) {
        return;
    }
    ui->TxtEdit->show();
    const runtime::Integer card = reduceOracleCard(total, kMajorCards);
    shell::shellState().numCarta = card;
    rutaCartas = runtime::programPath(dataFolder(QStringLiteral("\\textos\\")));
    ui->TxtEdit->setPlainText(readCardText(majorCardTextPath(card)));
}

void Frmoracle::showSoundSwitch(bool on) {
    ui->ImageSoundMidOn->setVisible(on);
    ui->ImageSoundMidOff->setVisible(!on);
}

MusicPause Frmoracle::musicPause() {
    return [this] { return forms::DoEvents(this); };
}

bool Frmoracle::startMusicAtLoad() {
    TimerMidi->stop();
    const QString soundAmbient =
        shell::LeerValorIni(shell::kSeccionOpciones, kSoundAmbientKey, shell::settingsFile());
    if (!musicIsOn(soundAmbient)) {
        showSoundSwitch(false);
        return true;
    }
    tuneStarted = tuneToPlay(
        shell::LeerValorIni(shell::kSeccionOpciones, kSongAmbientKey, shell::settingsFile()));
    if (!tocarMidi(tuneStarted, *TimerMidi, musicPause())) {
        return false;
    }
    showSoundSwitch(true);
    return true;
}

void Frmoracle::ImageSoundMidOn_Click() {
    pararMidi(*TimerMidi);
    showSoundSwitch(false);
    shell::EscribirIni(shell::kSeccionOpciones, kSoundAmbientKey, kMusicOff, shell::settingsFile());
}

void Frmoracle::ImageSoundMidOff_Click() {
    tuneStarted = tuneToPlay(
        shell::LeerValorIni(shell::kSeccionOpciones, kSongAmbientKey, shell::settingsFile()));
    if (!tocarMidi(tuneStarted, *TimerMidi, musicPause())) {
        return;
    }
    showSoundSwitch(true);
    shell::EscribirIni(shell::kSeccionOpciones, kSoundAmbientKey, kMusicOn, shell::settingsFile());
}

void Frmoracle::TimerMidi_Timer() {
    restartTuneAtEnd();
}

void Frmoracle::MnuEliSound_Click() {
    const forms::LoadGuard guard(this);
    const QString chosen = chooseMidiFile(this);
    if (!guard || chosen.isEmpty()) {
        return;
    }
    if (const auto fault = midiPathFault(chosen)) {
        runtime::MsgBox(*fault, runtime::vbExclamation, QStringLiteral("Error"));
        return;
    }
    readingsState().archivoMidi = chosen;
    shell::EscribirIni(shell::kSeccionOpciones, kSongAmbientKey, chosen, shell::settingsFile());
}

void Frmoracle::MnuShowResults_Click() {
    showResults(kOracleLog);
}

void Frmoracle::MnuRegResult_Click() {
    const bool on = !MnuRegResult->isChecked();
    MnuRegResult->setChecked(on);
    writeSaveResults(kOracleLog, on);
}

void Frmoracle::MnuDelResults_Click() {
    deleteResults(kOracleLog, *this);
}

void Frmoracle::Mnucont_Click() {
    openHelpFile();
}

} // namespace readings
