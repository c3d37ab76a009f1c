#include "biorhythms/FormMod.h"

#include "biorhythms/FrmProfiles.h"
#include "biorhythms/Profiles.h"
#include "biorule/BioState.h"
#include "forms/Forms.h"
#include "forms/LoadGuard.h"
#include "forms/Look.h"
#include "platform/TempFile.h"
#include "runtime/MessageBox.h"
#include "runtime/TextFile.h"
#include "ui_FormMod.h"

#include <QFile>

namespace biorhythms {
FormMod::FormMod() : forms::Form(QString::fromLatin1(kName)), ui(std::make_unique<Ui::FormMod>()) {
    ui->setupUi(this);
    setFont(forms::sansSerifFont(9));
    forms::applyLook(this, {{forms::Style::Ground, {this}},
                            {forms::Style::Text, forms::labelsOf(this)},
                            {forms::Style::Field, {ui->TextName, ui->DTPicker1}},
                            {forms::Style::Command, {ui->CmdAcept, ui->CmdCancel}}});
    setFixedSize(size());
    ui->VScrollHora->setRange(0, 23);
    ui->VScrollMinuto->setRange(0, 59);
    ui->DTPicker1->setDateRange(QDate(kEditableYears.first, 1, 1),
                                QDate(kEditableYears.last, 12, 31));
    connect(ui->VScrollHora, &QScrollBar::valueChanged, this, &FormMod::VScrollHora_Change);
    connect(ui->VScrollMinuto, &QScrollBar::valueChanged, this, &FormMod::VScrollMinuto_Change);
    connect(ui->CmdAcept, &QPushButton::clicked, this, &FormMod::CmdAcept_Click);
    connect(ui->CmdCancel, &QPushButton::clicked, this, &FormMod::CmdCancel_Click);
}

FormMod::~FormMod() = default;

void FormMod::Form_Load() {
    FrmProfiles* list = forms::Forms::instance().findForm<FrmProfiles>();
    if (!list || !list->takeSelection()) {
        return;
    }
    indiceSeleccionado = list->indiceSeleccionado;
    lineaSeleccionada = list->lineaSeleccionada;
    // Its boxes and its pause let events run: the editor may be gone afterwards.
    const forms::LoadGuard guard(this);
    const bool staged = stageOtherProfiles();
    if (!guard) {
        return;
    }
    if (staged) {
        showProfile();
    }
    unsetCursor();
}

// The other profiles wait in a temporary file of the system's folder until Submit.
bool FormMod::stageOtherProfiles() {
    const std::optional<QStringList> others = profileLinesWithout(lineaSeleccionada);
    if (!others) {
        return false;
    }
    const std::optional<QString> folder = platform::GetTempPath();
    if (!folder) {
        runtime::MsgBox(QStringLiteral("Error searching the path of file."), runtime::vbOKOnly);
        return false;
    }
    const std::optional<QString> temp = platform::GetTempFileName(*folder, QStringLiteral("tmp"));
    if (!temp) {
        runtime::MsgBox(QStringLiteral("Error searching the name of file."), runtime::vbOKOnly);
        return false;
    }
    rutaTemporal = *temp;
    setCursor(Qt::WaitCursor);
    // Unloaded in the pause, the editor's unload has removed the temporary file.
    return forms::DoEvents(this) && runtime::writeLines(rutaTemporal, *others);
}

// The list offers only lines whose every part the editor can show.
void FormMod::showProfile() {
    const QStringList fields = lineaSeleccionada.split(QLatin1Char(','));
    ui->TextName->setText(fields.value(0));
    const QStringList date = fields.value(1).split(QLatin1Char('/'));
    mesMod = date.value(0);
    diaMod = date.value(1);
    anioMod = date.value(2);
    MonthToNumber(mesMod);
    if (const auto birth = profileDate(Profile{fields.value(0), mesMod, diaMod, anioMod, {}})) {
        ui->DTPicker1->setDate(QDate(birth->year, birth->month, birth->day));
    }
    if (const auto time = profileTime(fields.value(2))) {
        ui->VScrollHora->setValue(time->hour);
        ui->VScrollMinuto->setValue(time->minute);
    }
    VScrollHora_Change();
    VScrollMinuto_Change();
}

QString FormMod::editedRecord() const {
    const QDate date = ui->DTPicker1->date();
    return profileRecord(
        Profile{ui->TextName->text(), englishMonthName(date.month()), QString::number(date.day()),
                QString::number(date.year()),
                ui->LabelHora->text() + QLatin1Char(':') + ui->LabelMinuto->text()});
}

// An edit that is refused or cannot be written keeps the editor open with it, so that nothing
// the user typed is lost.
void FormMod::CmdAcept_Click() {
    if (const auto fault = editFault()) {
        runtime::MsgBox(*fault, runtime::vbExclamation, QStringLiteral("Error"));
        return;
    }
    if (!rutaTemporal.isEmpty() && !writeEdit()) {
        runtime::MsgBox(kProfileNotSaved, runtime::vbExclamation, QStringLiteral("Error"));
        return;
    }
    if (FrmProfiles* list = forms::Forms::instance().findForm<FrmProfiles>()) {
        list->ListaPerfiles();
    }
    Unload();
}

// The picker reaches further back than the Biorhythms window: a profile it could not show is
// not stored.
std::optional<QString> FormMod::editFault() const {
    if (auto fault = profileNameFault(ui->TextName->text())) {
        return fault;
    }
    if (!kBioYears.contains(ui->DTPicker1->date().year())) {
        return QStringLiteral("The date of birth must be between %1 and %2.")
            .arg(kBioYears.first)
            .arg(kBioYears.last);
    }
    return std::nullopt;
}

// The file is rebuilt from its present lines, so profiles saved or deleted while the editor
// was open are kept; the old line goes and the edited one is appended.
bool FormMod::writeEdit() {
    std::optional<QStringList> lines = profileLinesWithout(lineaSeleccionada);
    if (!lines) {
        return false;
    }
    lines->append(editedRecord());
    return runtime::writeLines(rutaTemporal, *lines) && replaceProfilesFile(rutaTemporal);
}

void FormMod::CmdCancel_Click() {
    Unload();
}

void FormMod::VScrollHora_Change() {
    ui->LabelHora->setText(QString::number(ui->VScrollHora->value()));
}

void FormMod::VScrollMinuto_Change() {
    ui->LabelMinuto->setText(QString::number(ui->VScrollMinuto->value()));
}

// A cancelled or closed editor leaves no temporary file behind.
void FormMod::Form_Unload(int&) {
    if (!rutaTemporal.isEmpty()) {
        QFile::remove(rutaTemporal);
    }
}

} // namespace biorhythms
