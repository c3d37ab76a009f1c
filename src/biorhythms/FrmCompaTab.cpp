#include "biorhythms/FrmCompaTab.h"

#include "biorhythms/Profiles.h"
#include "biorhythms/frmBio.h"
#include "biorule/BioRule.h"
#include "biorule/BioState.h"
#include "forms/Forms.h"
#include "forms/LoadGuard.h"
#include "forms/Look.h"
#include "runtime/Clock.h"
#include "runtime/DateValue.h"
#include "runtime/MessageBox.h"
#include "runtime/SystemFormats.h"
#include "shell/Settings.h"
#include "shell/ShellState.h"
#include "ui_FrmCompaTab.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>

#include <cmath>
#include <cstdlib>

namespace biorhythms {
namespace {

const QString kSameProfile = QStringLiteral("You should choose a different profile that the main");
const QString kMean = QStringLiteral("Mean (Physi + Emo + Intell + Intui): ");
const std::array<QString, 4> kCycleCaptions = {
    QStringLiteral("Physical: "), QStringLiteral("Emotional: "), QStringLiteral("Intellectual: "),
    QStringLiteral("Intuition: ")};

frmBio* biorhythmsWindow() {
    return forms::Forms::instance().get<frmBio>();
}

template <class T> T* bioControl(const char* name) {
    const frmBio* bio = biorhythmsWindow();
    return bio ? bio->findChild<T*>(QString::fromLatin1(name)) : nullptr;
}

QString bioCaption(const char* name) {
    const QLabel* label = bioControl<QLabel>(name);
    return label ? label->text() : QString();
}

int bioBarValue(const char* name) {
    const QScrollBar* bar = bioControl<QScrollBar>(name);
    return bar ? bar->value() : 0;
}

runtime::Single twoDecimals(double value) {
    return static_cast<runtime::Single>(
        runtime::currentLocale().toDouble(runtime::formatNumber(value, QStringLiteral("0.00"))));
}

// 73.5 rather than 73.50, 50 rather than 50.00.
QString shortestText(runtime::Single value) {
    QString text = runtime::formatNumber(value, QStringLiteral("0.00"));
    const QString separator = runtime::currentLocale().decimalPoint();
    if (text.contains(separator)) {
        while (text.endsWith(QLatin1Char('0'))) {
            text.chop(1);
        }
        if (text.endsWith(separator)) {
            text.chop(separator.size());
        }
    }
    return text;
}

} // namespace

runtime::Single cyclePercentage(double value) {
    return static_cast<runtime::Single>(value * 100.0 / 2.0 + 50.0);
}

Percentages complementarity(const Percentages& main, const Percentages& second) {
    Percentages joint{};
    for (std::size_t k = 0; k < joint.size(); ++k) {
        joint[k] = twoDecimals((static_cast<double>(main[k]) + second[k]) / 2.0);
    }
    return joint;
}

Percentages affinity(long long daysApart) {
    Percentages values{};
    for (std::size_t k = 0; k < values.size(); ++k) {
        const double period = kPeriods[k];
        const auto rest = static_cast<double>(daysApart % static_cast<long long>(period));
        values[k] = static_cast<runtime::Single>(std::abs(rest - period / 2.0) * (200.0 / period));
    }
    return values;
}

std::optional<QString> affinityWord(runtime::Single mean) {
    if (mean < 0.0F || mean > 100.0F) {
        return std::nullopt;
    }
    if (mean < 20.0F) {
        return QStringLiteral("practically nothing");
    }
    if (mean < 40.0F) {
        return QStringLiteral("few affinity");
    }
    if (mean < 60.0F) {
        return QStringLiteral("little affinity");
    }
    if (mean < 80.0F) {
        return QStringLiteral("much affinity");
    }
    return QStringLiteral("excellent attuned");
}

void calcDiasVividos2() {
    BioState& b = bioState();
    b.fechaEstudio2 = dayMonthYearText(bioBarValue("vsbDayBio"), bioBarValue("vsbMonthBio"),
                                       bioBarValue("vsbYearBio"));
    MonthToNumber(b.mesPerfil);
    b.fechaNac2 = b.diaPerfil + QLatin1Char('/') + b.mesNumero + QLatin1Char('/') + b.anioPerfil;
    const auto birth = dayMonthYearDate(b.fechaNac2);
    const auto study = dayMonthYearDate(b.fechaEstudio2);
    if (!birth || !study) {
        return;
    }
    const DayCount count = dayCount(*birth, runtime::hourOf(b.horaNac2),
                                    runtime::minuteOf(b.horaNac2), *study, runtime::Now());
    b.diasVida2 = count.diasVida;
    b.minutosNacRest2 = count.minutosNacRest;
    b.diasBase2 = count.diasBase;
    b.diasVividos2 = count.diasVividos;
}

// The last readable record of that name stands.
bool readSecondProfile(const QString& name) {
    BioState& b = bioState();
    bool found = false;
    for (const Profile& profile : readProfiles()) {
        const auto date = profileDate(profile);
        const auto time = profileTime(profile.time);
        if (profile.name != name || !date || !time) {
            continue;
        }
        b.mesPerfil = profile.month;
        b.diaPerfil = profile.day;
        b.anioPerfil = profile.year;
        b.fechaNac2 = dayMonthYearText(date->day, date->month, date->year);
        b.horaNac2 = runtime::makeTime(time->hour, time->minute, 0);
        b.perfilSecundarioLeido = true;
        found = true;
    }
    return found;
}

FrmCompaTab::FrmCompaTab()
    : forms::Form(QString::fromLatin1(kName)), ui(std::make_unique<Ui::FrmCompaTab>()) {
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("Compatibilities"));
    ui->SSTab1->addTab(QStringLiteral("Actual"));
    ui->SSTab1->addTab(QStringLiteral("General"));
    ui->SSTab1->addTab(QStringLiteral("Exit"));
    ui->SSTab1->setExpanding(false);
    styleControls();
    showValues(false);
    setFixedSize(size());
    connect(ui->SSTab1, &QTabBar::currentChanged, this, &FrmCompaTab::tabChanged);
    connect(ui->CheckPlot, &QCheckBox::toggled, this, &FrmCompaTab::CheckPlot_Click);
    // A choice is a selection, by the user or from code; the row that the list makes current
    // when it gets the focus is no choice.
    connect(ui->ListProfiles, &QListWidget::itemSelectionChanged, this, [this] {
        if (chosenItem()) {
            ListProfiles_Click();
        }
    });
}

FrmCompaTab::~FrmCompaTab() = default;

void FrmCompaTab::styleControls() {
    forms::applyLook(this, {{forms::Style::Ground, {this}},
                            {forms::Style::Frame, {ui->FramePage}},
                            {forms::Style::Text, forms::labelsOf(this)},
                            {forms::Style::Choice, {ui->CheckPlot}},
                            {forms::Style::Title, {ui->LabelInfo}},
                            {forms::Style::Field, {ui->ListProfiles}},
                            {forms::Style::Tabs, {ui->SSTab1}}});
    setFont(forms::arialFont(9));
    ui->LabelProMain->setFont(forms::arialFont(10, true));
    for (QLabel* value : {ui->LabelFis, ui->LabelEmo, ui->LabelInte, ui->LabelIntu}) {
        value->setFont(forms::arialFont(10, true));
    }
    ui->LabelMedia->setFont(forms::arialFont(10, true));
}

// Over the middle of the Biorhythms window, which opened it.
void FrmCompaTab::placeOverBiorhythms() {
    if (const QWidget* opener = biorhythmsWindow()) {
        move(opener->frameGeometry().center() - rect().center());
    }
}

void FrmCompaTab::Form_Load() {
    shell::shellState().perfilesAbierto = true;
    const BioState& b = bioState();
    ui->LabelProMain->setText(QStringLiteral("Main profile: ") + mainName());
    ui->ListProfiles->clear();
    if (const QComboBox* profiles = bioControl<QComboBox>("ComboProfiles")) {
        for (int i = 0; i < profiles->count(); ++i) {
            ui->ListProfiles->addItem(profiles->itemText(i));
        }
    }
    ui->CheckPlot->setChecked(
        shell::readOption(shell::LeerDibujarSecundario, QStringLiteral("Dibujar secundario")) ==
        QLatin1String("1"));
    valorPrincipal = {cyclePercentage(b.bioFisico), cyclePercentage(b.bioEmocional),
                      cyclePercentage(b.bioIntelectual), cyclePercentage(b.bioIntuicion)};
    ui->SSTab1->setCurrentIndex(kTabActual);
    const QString nombreSecundario =
        shell::readOption(shell::LeerNombreSecundario, QStringLiteral("Nombre secundario"));
    // Choosing the main profile as the second one is refused in a box, which lets events run.
    const forms::LoadGuard guard(this);
    for (int row = 0; row < ui->ListProfiles->count(); ++row) {
        if (ui->ListProfiles->item(row)->text() == nombreSecundario) {
            ui->ListProfiles->setCurrentRow(row);
            if (!guard) {
                return;
            }
        }
    }
    placeOverBiorhythms();
    Show();
}

void FrmCompaTab::Form_Unload(int& cancel) {
    (void)cancel;
    shell::shellState().perfilesAbierto = false;
}

void FrmCompaTab::CheckPlot_Click() {
    if (chosenName() == mainName()) {
        return;
    }
    BioState& b = bioState();
    const bool checked = ui->CheckPlot->isChecked();
    GuardarDibujarSecundario(checked ? QStringLiteral("1") : QStringLiteral("0"));
    const QString& nombreSecundario = shell::shellState().nombreSecundario;
    if (!checked || !nombreSecundario.isEmpty()) {
        showSecondName(checked, nombreSecundario);
    }
    b.dibujarSecundario = checked;
    redrawChart();
}

void FrmCompaTab::ListProfiles_Click() {
    const QString chosen = chosenName();
    if (chosen == mainName()) {
        const forms::LoadGuard guard(this);
        runtime::MsgBox(kSameProfile, runtime::vbExclamation, QStringLiteral("Error-Info"));
        if (guard) {
            showValues(false);
        }
        return;
    }
    BioState& b = bioState();
    b.indiceSecundario = static_cast<runtime::Integer>(ui->ListProfiles->row(chosenItem()));
    // A profile whose record cannot be read would be shown with the previous one's values.
    if (!readSecondProfile(secondName())) {
        showValues(false);
        return;
    }
    showValues(true);
    if (currentTab == kTabActual) {
        CalcularComplementariedad();
    } else {
        CalcularAfinidad();
    }
    GuardarNombreSecundario(chosen);
    shell::shellState().nombreSecundario = chosen;
    showSecondName(ui->CheckPlot->isChecked(), chosen);
    redrawChart();
    SSTab1_Click(currentTab);
}

void FrmCompaTab::SSTab1_Click([[maybe_unused]] int previousTab) {
    switch (currentTab) {
    case kTabActual:
        ui->LabelInfo->setText(
            QStringLiteral("Complementarity between ") + mainName() + QStringLiteral(" and ") +
            secondName() + QStringLiteral(" for the day ") + bioCaption("lblMonthBio") +
            QLatin1Char('/') + bioCaption("lblDayBio") + QLatin1Char('/') +
            bioCaption("lblYearBio") + QLatin1Char(' ') +
            runtime::longTimeText(runtime::TimeOfDay()) + QStringLiteral(" (0-100 %):"));
        CalcularComplementariedad();
        break;
    case kTabGeneral:
        ui->LabelInfo->setText(QStringLiteral("Affinity between ") + mainName() +
                               QStringLiteral(" and ") + secondName() +
                               QStringLiteral(" forever (0-100 %):"));
        CalcularAfinidad();
        break;
    default:
        Unload();
        break;
    }
}

void FrmCompaTab::Niveles() {
    if (const auto word = affinityWord(mediaCompa)) {
        nivelCompa = *word;
    }
}

void FrmCompaTab::CalcularComplementariedad() {
    calcDiasVividos2();
    ValoresSecundario();
    const std::array<QLabel*, 4> labels = {ui->LabelFis, ui->LabelEmo, ui->LabelInte,
                                           ui->LabelIntu};
    double sum = 0.0;
    for (std::size_t k = 0; k < labels.size(); ++k) {
        labels[k]->setText(kCycleCaptions[k] + shortestText(valorConjunto[k]) +
                           QStringLiteral(" %"));
        sum += valorConjunto[k];
    }
    mediaCompa = static_cast<runtime::Single>(sum / 4.0);
    Niveles();
    showMean();
}

void FrmCompaTab::ValoresSecundario() {
    const double t2 = bioState().diasVividos2;
    for (std::size_t k = 0; k < valorSecundario.size(); ++k) {
        valorSecundario[k] = cyclePercentage(std::sin(kTwoPi * t2 / kPeriods[k]));
    }
    valorConjunto = complementarity(valorPrincipal, valorSecundario);
}

void FrmCompaTab::CalcularAfinidad() {
    const BioState& b = bioState();
    const auto first = dayMonthYearDate(b.fechaNacTxt);
    const auto second = dayMonthYearDate(b.fechaNac2);
    if (!first || !second) {
        return;
    }
    // Counted wide: birth dates can lie further apart than a 16-bit count holds.
    valorAfinidad = affinity(std::llabs(runtime::daysBetween(*first, *second)));
    const std::array<QLabel*, 4> labels = {ui->LabelFis, ui->LabelEmo, ui->LabelInte,
                                           ui->LabelIntu};
    double sum = 0.0;
    for (std::size_t k = 0; k < labels.size(); ++k) {
        labels[k]->setText(kCycleCaptions[k] +
                           runtime::formatNumber(valorAfinidad[k], QStringLiteral("0.00")) +
                           QStringLiteral(" %"));
        sum += valorAfinidad[k];
    }
    mediaCompa = static_cast<runtime::Single>(sum / 4.0);
    Niveles();
    showMean();
}

void FrmCompaTab::GuardarDibujarSecundario(const QString& value) {
    shell::writeOption(QStringLiteral("Dibujar secundario"), value);
}

void FrmCompaTab::GuardarNombreSecundario(const QString& value) {
    shell::writeOption(QStringLiteral("Nombre secundario"), value);
}

void FrmCompaTab::showValues(bool shown) {
    for (QLabel* label : {ui->LabelInfo, ui->LabelFis, ui->LabelEmo, ui->LabelInte, ui->LabelIntu,
                          ui->LabelMedia}) {
        label->setVisible(shown);
    }
}

void FrmCompaTab::showMean() {
    ui->LabelMedia->setText(kMean + runtime::formatNumber(mediaCompa, QStringLiteral("0.00")) +
                            QStringLiteral(" % (") + nivelCompa + QLatin1Char(')'));
}

void FrmCompaTab::showSecondName(bool shown, const QString& name) {
    QLineEdit* box = bioControl<QLineEdit>("TextSecondProf");
    if (!box) {
        return;
    }
    if (shown) {
        box->setText(name);
    }
    box->setVisible(shown);
}

void FrmCompaTab::redrawChart() {
    if (frmBio* bio = biorhythmsWindow()) {
        bio->mschart();
    }
}

void FrmCompaTab::tabChanged(int tab) {
    const int previous = currentTab;
    currentTab = tab;
    SSTab1_Click(previous);
}

QString FrmCompaTab::mainName() const {
    const QComboBox* profiles = bioControl<QComboBox>("ComboProfiles");
    return profiles ? profiles->currentText() : QString();
}

QListWidgetItem* FrmCompaTab::chosenItem() const {
    const QList<QListWidgetItem*> selected = ui->ListProfiles->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

QString FrmCompaTab::chosenName() const {
    const QListWidgetItem* item = chosenItem();
    return item ? item->text() : QString();
}

QString FrmCompaTab::secondName() const {
    const QListWidgetItem* item = ui->ListProfiles->item(bioState().indiceSecundario);
    return item ? item->text() : QString();
}

} // namespace biorhythms
