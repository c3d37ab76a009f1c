#include "readings/FrmName.h"

#include "cards/CardRules.h"
#include "forms/LoadGuard.h"
#include "forms/Look.h"
#include "readings/LetterValues.h"
#include "readings/MensajeCarta.h"
#include "readings/ReadingControls.h"
#include "readings/ResultLogMenu.h"
#include "readings/ResultLogs.h"
#include "runtime/Ansi.h"
#include "runtime/MessageBox.h"
#include "runtime/ProgramFolder.h"
#include "shell/SharedTables.h"
#include "shell/ShellState.h"
#include "shell/WindowNames.h"
#include "ui_FrmName.h"

#include <QKeyEvent>
#include <QLayout>

#include <algorithm>

namespace readings {
using shell::kFrmBio;
using shell::kFrmCalendar;
using shell::kFrmCartaDia;
using shell::kFrmoracle;
using shell::kFrmVelarcana;

namespace {

const QString kCardBack = QStringLiteral("\\amenores\\reverso2.jpg");
const QString kNameFault = QStringLiteral("The name can not contain \"%1\".");
constexpr runtime::Integer kEnterKey = 13;

// Repeated subtraction of 22 gives the same card as this remainder form, which stays quick for
// the very long names whose totals pass the Integer range.
runtime::Integer reduceTotal(long long total) {
    if (total <= kMajorCards) {
        return static_cast<runtime::Integer>(total);
    }
    return static_cast<runtime::Integer>((total - 1) % kMajorCards + 1);
}

bool isEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

FrmName::FrmName()
    : shell::ModuleForm(QString::fromLatin1(kName), QStringLiteral("Names")),
      menuBar(new QMenuBar(this)), ui(std::make_unique<Ui::FrmName>()) {
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("Names"));
    for (QLineEdit* box : nameBoxes()) {
        keepOnOneLine(box);
    }
    forms::applyLook(
        this, {{forms::Style::Ground, {this}},
               {forms::Style::Text, forms::labelsOf(this)},
               {forms::Style::Field, {ui->Text1nom, ui->Text2nom, ui->Text1ape, ui->Text2ape}}});
    for (QLabel* label : {ui->Lbl1nom, ui->Lbl2nom, ui->Lbl1ape, ui->Lbl2ape}) {
        label->setFont(forms::sansSerifFont(8.25, true));
    }
    ui->ImgNombre->setCursor(Qt::PointingHandCursor);
    buildMenus();
    buildTrayMenu();
    layout()->setMenuBar(menuBar);
    setFixedSize(sizeHint());
    connectControls();
    showCardBack();
}

FrmName::~FrmName() = default;

void FrmName::buildMenus() {
    MnuFile = menuBar->addMenu(QStringLiteral("&File"));
    MnuFile->setObjectName(QStringLiteral("MnuFile"));
    MnuShowResults =
        addMenuItem(MnuFile, QStringLiteral("MnuShowResults"), QStringLiteral("Show results"));
    MnuRecResults =
        addMenuItem(MnuFile, QStringLiteral("MnuRecResults"), QStringLiteral("Save results"));
    MnuRecResults->setCheckable(true);
    MnuDelResults =
        addMenuItem(MnuFile, QStringLiteral("MnuDelResults"), QStringLiteral("Delete results"));
    MnuSalirArchivo = addMenuItem(MnuFile, QStringLiteral("MnuSalir"), QStringLiteral("Exit"));

    MnuVer = menuBar->addMenu(QStringLiteral("&View"));
    MnuVer->setObjectName(QStringLiteral("MnuVer"));
    addSwitchItem(this, MnuVer, QStringLiteral("MnuBio"), QStringLiteral("Biorhythms"), kFrmBio);
    addSwitchItem(this, MnuVer, QStringLiteral("MnuCarDia"), QStringLiteral("The Card of Day"),
                  kFrmCartaDia);
    addSwitchItem(this, MnuVer, QStringLiteral("MnuNum"), QStringLiteral("Numbers"), kFrmVelarcana);
    addSwitchItem(this, MnuVer, QStringLiteral("MnuOtro"), QStringLiteral("Another Day"),
                  kFrmCalendar);
    addSwitchItem(this, MnuVer, QStringLiteral("MnuOracle"), QStringLiteral("Oracle"), kFrmoracle);

    MnuHelp = menuBar->addMenu(QStringLiteral("&Help"));
    MnuHelp->setObjectName(QStringLiteral("MnuHelp"));
    Mnucont = addMenuItem(MnuHelp, QStringLiteral("Mnucont"), QStringLiteral("Contents of Help"));
    MnuAboutHelp = addMenuItem(MnuHelp, QStringLiteral("MnuAbout"), QStringLiteral("About..."));
}

void FrmName::buildTrayMenu() {
    MnuAbout->setObjectName(QStringLiteral("MnuAboutIco"));
    MnuOpIco->setObjectName(QStringLiteral("MnuOp"));
    MnuSalir->setObjectName(QStringLiteral("MnuSal"));
    addGoToItem(QStringLiteral("MnuBioIco"), QStringLiteral("Biorhythms"), kFrmBio);
    addGoToItem(QStringLiteral("MnuDia"), QStringLiteral("The Card of Day"), kFrmCartaDia);
    addGoToItem(QStringLiteral("MnuNumer"), QStringLiteral("Numbers"), kFrmVelarcana);
    addGoToItem(QStringLiteral("MnuOtroDia"), QStringLiteral("Another Day"), kFrmCalendar);
    addGoToItem(QStringLiteral("MnuOracleIco"), QStringLiteral("Oracle"), kFrmoracle);
}

void FrmName::connectControls() {
    connect(ui->ARButtonAcep, &QPushButton::clicked, this, &FrmName::ARButtonAcep_Click);
    connect(ui->ARButtonReset, &QPushButton::clicked, this, &FrmName::ARButtonReset_Click);
    connect(MnuShowResults, &QAction::triggered, this, &FrmName::MnuShowResults_Click);
    connect(MnuRecResults, &QAction::triggered, this, &FrmName::MnuRecResults_Click);
    connect(MnuDelResults, &QAction::triggered, this, &FrmName::MnuDelResults_Click);
    connect(MnuSalirArchivo, &QAction::triggered, this, &FrmName::MnuSalir_Click);
    connect(Mnucont, &QAction::triggered, this, &FrmName::Mnucont_Click);
    connect(MnuAboutHelp, &QAction::triggered, this, &FrmName::MnuAbout_Click);
    ui->ImgNombre->installEventFilter(this);
    // The window sees every key before the focused control.
    const std::initializer_list<QWidget*> keyed = {ui->Text1nom,     ui->Text2nom,
                                                   ui->Text1ape,     ui->Text2ape,
                                                   ui->ARButtonAcep, ui->ARButtonReset};
    for (QWidget* control : keyed) {
        control->installEventFilter(this);
    }
}

void FrmName::loadModule() {
    MnuRecResults->setChecked(saveResultsOn(kNamesLog));
}

void FrmName::sumaNombres(QString& nombre) {
    const std::optional<runtime::Long> sum = nameLetterSum(nombre);
    if (!sum) {
        const forms::LoadGuard guard(this);
        runtime::MsgBox(onlyLettersMessage(), runtime::vbExclamation, QStringLiteral("Info"));
        if (guard) {
            sumaNombre = 0;
        }
        return;
    }
    nombre = runtime::ansiLower(nombre);
    sumaNombre = *sum;
}

std::array<QLineEdit*, 4> FrmName::nameBoxes() const {
    return {ui->Text1nom, ui->Text2nom, ui->Text1ape, ui->Text2ape};
}

void FrmName::ARButtonAcep_Click() {
    const NameBoxes names = {ui->Text1nom->text(), ui->Text2nom->text(), ui->Text1ape->text(),
                             ui->Text2ape->text()};
    // Told before anything is read: the user corrects the name, and the log keeps its encoding.
    if (MnuRecResults->isChecked() &&
        !loggable(QStringList(names.begin(), names.end()), kNameFault)) {
        return;
    }
    long long total = 0;
    // A name with other characters than letters is told in a box, which lets events run.
    const forms::LoadGuard guard(this);
    for (const QString& name : names) {
        QString copy = name;
        sumaNombres(copy);
        if (!guard) {
            return;
        }
        total += sumaNombre;
    }
    cartaNombres = reduceTotal(total);
    if (cartaNombres == 0) {
        return;
    }
    shell::shellState().numCarta = cartaNombres;
    showCard(cartaNombres);
    const bool anyName = std::any_of(names.begin(), names.end(),
                                     [](const QString& name) { return !name.isEmpty(); });
    if (MnuRecResults->isChecked() && anyName) {
        appendEntry(kNamesLog, namesEntry(names, cartaNombres));
    }
}

void FrmName::showCard(runtime::Integer card) {
    shell::ShellState& state = shell::shellState();
    // A missing picture leaves the box empty; the tooltip still tells the card.
    showPicture(ui->ImgNombre, cardPicturePath(card, state.tipoCarta));
    shell::tituloCarta();
    ui->ImgNombre->setToolTip(state.TitulosCartas[card - 1]);
}

void FrmName::showCardBack() {
    showPicture(ui->ImgNombre, runtime::programPath(kCardBack));
}

void FrmName::ARButtonReset_Click() {
    for (QLineEdit* box : nameBoxes()) {
        box->setText(QString());
    }
    showCardBack();
    ui->Text1nom->setFocus();
}

void FrmName::ImgNombre_Click() {
    shell::ShellState& state = shell::shellState();
    state.numCarta = cartaNombres;
    state.clickCarta = true;
    mensajeCarta();
    state.clickCarta = false;
}

void FrmName::Form_KeyPress(runtime::Integer& KeyAscii) {
    if (KeyAscii == kEnterKey) {
        focusNextChild();
        KeyAscii = 0;
    }
}

void FrmName::Mnucont_Click() {
    openHelpFile();
}

void FrmName::MnuShowResults_Click() {
    showResults(kNamesLog);
}

void FrmName::MnuRecResults_Click(bool checked) {
    writeSaveResults(kNamesLog, checked);
}

void FrmName::MnuDelResults_Click() {
    deleteResults(kNamesLog, *this);
}

bool FrmName::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->ImgNombre && isLeftClick(watched, event)) {
        ImgNombre_Click();
    } else if (event->type() == QEvent::KeyPress && isEnter(static_cast<QKeyEvent*>(event))) {
        runtime::Integer key = kEnterKey;
        Form_KeyPress(key);
        if (key == 0) {
            return true;
        }
    }
    return shell::ModuleForm::eventFilter(watched, event);
}

} // namespace readings
