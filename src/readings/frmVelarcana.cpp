#include "readings/frmVelarcana.h"

#include "cards/CardRules.h"
#include "forms/LoadGuard.h"
#include "forms/Look.h"
#include "readings/MensajeCarta.h"
#include "readings/ReadingControls.h"
#include "readings/ResultLogMenu.h"
#include "readings/ResultLogs.h"
#include "runtime/MessageBox.h"
#include "runtime/ProgramFolder.h"
#include "shell/SharedTables.h"
#include "shell/ShellState.h"
#include "shell/WindowNames.h"
#include "ui_frmVelarcana.h"

#include <QLayout>

namespace readings {
using shell::kFrmBio;
using shell::kFrmCalendar;
using shell::kFrmCartaDia;
using shell::kFrmName;
using shell::kFrmoracle;

namespace {

const QString kCardBack = QStringLiteral("\\amenores\\reverso2.jpg");
const QString kResultPrefix = QStringLiteral("It has corresponded... ");
const QString kOnlyNumbers = QStringLiteral("You must enter only numbers");

// TitulosNumeros: this window's own wording of the card titles, for the result text only.
const std::array<const char*, kMajorCards> kTitulosNumeros = {
    "I. The Magician", "II. The Priestess",   "III. The Empress", "IV. The Emperor",
    "V. The Pope",     "VI. The Lovers",      "VII. The Chariot", "VIII. The Justice",
    "IX. The Hermit",  "X. The Fortune",      "XI. The Force",    "XII. The Hanged",
    "XIII. The Death", "XIV. The Temperance", "XV. The Devil",    "XVI. The Tower",
    "XVII. The Star",  "XVIII. The Moon",     "XIX. The Sun",     "XX. The Trial",
    "XXI. The Fool",   "XXII. The World"};

} // namespace

QString TitulosNumeros(runtime::Integer card) {
    return card >= 1 && card <= kMajorCards ? QString::fromLatin1(kTitulosNumeros[card - 1])
                                            : QString();
}

frmVelarcana::frmVelarcana()
    : shell::ModuleForm(QString::fromLatin1(kName), QStringLiteral("Numbers")),
      menuBar(new QMenuBar(this)), ui(std::make_unique<Ui::frmVelarcana>()) {
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("Numbers"));
    keepOnOneLine(ui->text1);
    forms::applyLook(this, {{forms::Style::Ground, {this}},
                            {forms::Style::Text, forms::labelsOf(this)},
                            {forms::Style::Field, {ui->text1, ui->Text2}}});
    ui->Label1->setFont(forms::sansSerifFont(8.25, true));
    ui->Text2->setFont(forms::sansSerifFont(9, true));
    ui->ImgVelarcana->setCursor(Qt::PointingHandCursor);
    buildMenus();
    buildTrayMenu();
    layout()->setMenuBar(menuBar);
    setFixedSize(sizeHint());
    connectControls();
    showCardBack();
}

frmVelarcana::~frmVelarcana() = default;

void frmVelarcana::buildMenus() {
    MnuArchivo = menuBar->addMenu(QStringLiteral("&File"));
    MnuArchivo->setObjectName(QStringLiteral("MnuArchivo"));
    MnuShowResults =
        addMenuItem(MnuArchivo, QStringLiteral("MnuShowResults"), QStringLiteral("Show results"));
    MnuRegResult =
        addMenuItem(MnuArchivo, QStringLiteral("MnuRegResult"), QStringLiteral("Save results"));
    MnuRegResult->setCheckable(true);
    MnuDelResults =
        addMenuItem(MnuArchivo, QStringLiteral("MnuDelResults"), QStringLiteral("Delete results"));
    MnuSalirArchivo = addMenuItem(MnuArchivo, QStringLiteral("MnuSalir"), QStringLiteral("Exit"));

    MnuVer = menuBar->addMenu(QStringLiteral("&View"));
    MnuVer->setObjectName(QStringLiteral("MnuVer"));
    addSwitchItem(this, MnuVer, QStringLiteral("MnuBio"), QStringLiteral("Biorhythms"), kFrmBio);
    addSwitchItem(this, MnuVer, QStringLiteral("MnuOracle"), QStringLiteral("Oracle"), kFrmoracle);
    addSwitchItem(this, MnuVer, QStringLiteral("MnuCartDia"), QStringLiteral("The Card of Day"),
                  kFrmCartaDia);
    addSwitchItem(this, MnuVer, QStringLiteral("MnuOtroDia"), QStringLiteral("Another Day"),
                  kFrmCalendar);
    addSwitchItem(this, MnuVer, QStringLiteral("MnuNom"), QStringLiteral("Names"), kFrmName);

    MnuAyuda = menuBar->addMenu(QStringLiteral("&Help"));
    MnuAyuda->setObjectName(QStringLiteral("MnuAyuda"));
    Mnucont = addMenuItem(MnuAyuda, QStringLiteral("Mnucont"), QStringLiteral("Contents of Help"));
    mnuAcercaDe = addMenuItem(MnuAyuda, QStringLiteral("mnuAcercaDe"), QStringLiteral("About..."));
}

void frmVelarcana::buildTrayMenu() {
    MnuSalir->setObjectName(QStringLiteral("MnuSal"));
    addGoToItem(QStringLiteral("MnuBioIco"), QStringLiteral("Biorhythms"), kFrmBio);
    addGoToItem(QStringLiteral("MnuNomIco"), QStringLiteral("Names"), kFrmName);
    addGoToItem(QStringLiteral("MnuCdia"), QStringLiteral("Card of Day"), kFrmCartaDia);
    addGoToItem(QStringLiteral("MnuOracul"), QStringLiteral("Oracle"), kFrmoracle);
    addGoToItem(QStringLiteral("MnuOtro"), QStringLiteral("Another Day"), kFrmCalendar);
}

void frmVelarcana::connectControls() {
    connect(ui->ARButtonAcep, &QPushButton::clicked, this, &frmVelarcana::ARButtonAcep_Click);
    connect(ui->ARButtonReset, &QPushButton::clicked, this, &frmVelarcana::ARButtonReset_Click);
    connect(ui->text1, &QLineEdit::textChanged, this, &frmVelarcana::text1_Change);
    connect(MnuShowResults, &QAction::triggered, this, &frmVelarcana::MnuShowResults_Click);
    connect(MnuRegResult, &QAction::triggered, this, &frmVelarcana::MnuRegResult_Click);
    connect(MnuDelResults, &QAction::triggered, this, &frmVelarcana::MnuDelResults_Click);
    connect(MnuSalirArchivo, &QAction::triggered, this, &frmVelarcana::MnuSalir_Click);
    connect(Mnucont, &QAction::triggered, this, &frmVelarcana::Mnucont_Click);
    connect(mnuAcercaDe, &QAction::triggered, this, &frmVelarcana::MnuAbout_Click);
    ui->ImgVelarcana->installEventFilter(this);
}

void frmVelarcana::loadModule() {
    MnuRegResult->setChecked(saveResultsOn(kNumbersLog));
}

runtime::Integer frmVelarcana::SumarUnidades(QString& s) {
    shell::ShellState& state = shell::shellState();
    if (!runtime::isNumeric(ui->text1->text())) {
        const forms::LoadGuard guard(this);
        runtime::MsgBox(kOnlyNumbers, runtime::vbExclamation, QStringLiteral("Info"));
        if (guard) {
            ui->text1->setText(QString());
        }
        return 0;
    }
    const runtime::Integer sum = runtime::toInteger(digitSum(s)).value_or(0);
    cartaNumeros = reduceMajorCard(sum);
    state.numCarta = cartaNumeros;
    if (cartaNumeros == 0) {
        return sum;
    }
    ui->Text2->setText(kResultPrefix + TitulosNumeros(cartaNumeros));
    showCard(cartaNumeros);
    if (MnuRegResult->isChecked() && !ui->text1->text().isEmpty()) {
        appendEntry(kNumbersLog, numbersEntry(ui->text1->text(), cartaNumeros));
    }
    return sum;
}

void frmVelarcana::showCard(runtime::Integer card) {
    shell::ShellState& state = shell::shellState();
    // A missing picture leaves the box empty; the tooltip still tells the card.
    showPicture(ui->ImgVelarcana, cardPicturePath(card, state.tipoCarta));
    shell::tituloCarta();
    ui->ImgVelarcana->setToolTip(state.TitulosCartas[card - 1]);
}

void frmVelarcana::showCardBack() {
    showPicture(ui->ImgVelarcana, runtime::programPath(kCardBack));
}

void frmVelarcana::ARButtonAcep_Click() {
    QString number = ui->text1->text();
    SumarUnidades(number);
}

void frmVelarcana::ARButtonReset_Click() {
    ui->text1->setText(QString());
    ui->Text2->setText(QString());
    showCardBack();
    ui->text1->setFocus();
}

void frmVelarcana::text1_Change() {
    update();
}

void frmVelarcana::ImgVelarcana_Click() {
    shell::ShellState& state = shell::shellState();
    state.numCarta = cartaNumeros;
    state.clickCarta = true;
    mensajeCarta();
    state.clickCarta = false;
}

void frmVelarcana::Mnucont_Click() {
    openHelpFile();
}

void frmVelarcana::MnuShowResults_Click() {
    showResults(kNumbersLog);
}

void frmVelarcana::MnuRegResult_Click(bool checked) {
    writeSaveResults(kNumbersLog, checked);
}

void frmVelarcana::MnuDelResults_Click() {
    deleteResults(kNumbersLog, *this);
}

bool frmVelarcana::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->ImgVelarcana && isLeftClick(watched, event)) {
        ImgVelarcana_Click();
    }
    return shell::ModuleForm::eventFilter(watched, event);
}

} // namespace readings
