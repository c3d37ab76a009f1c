#include "biorhythms/FrmProfiles.h"

#include "biorhythms/FormMod.h"
#include "biorhythms/Profiles.h"
#include "biorhythms/frmBio.h"
#include "forms/Forms.h"
#include "forms/LoadGuard.h"
#include "forms/Look.h"
#include "platform/TempFile.h"
#include "runtime/MessageBox.h"
#include "runtime/TextFile.h"
#include "shell/Settings.h"
#include "shell/ShellState.h"
#include "ui_FrmProfiles.h"

#include <QComboBox>
#include <QFile>

namespace biorhythms {

FrmProfiles::FrmProfiles()
    : forms::Form(QString::fromLatin1(kName)), ui(std::make_unique<Ui::FrmProfiles>()) {
    ui->setupUi(this);
    setFont(forms::sansSerifFont(9));
    forms::applyLook(this, {{forms::Style::Ground, {this}},
                            {forms::Style::Field, {ui->ListProfiles}},
                            {forms::Style::Command, {ui->CmdBorrar, ui->CmdMod, ui->CmdExit}}});
    setFixedSize(size());
    connect(ui->CmdBorrar, &QPushButton::clicked, this, &FrmProfiles::CmdBorrar_Click);
    connect(ui->CmdMod, &QPushButton::clicked, this, &FrmProfiles::CmdMod_Click);
    connect(ui->CmdExit, &QPushButton::clicked, this, &FrmProfiles::CmdExit_Click);
}

FrmProfiles::~FrmProfiles() = default;

void FrmProfiles::Form_Load() {
    shell::shellState().perfilesAbierto = true;
    Show();
}

void FrmProfiles::Form_Unload(int&) {
    shell::shellState().perfilesAbierto = false;
}

void FrmProfiles::ListaPerfiles() {
    ui->ListProfiles->clear();
    ui->ListProfiles->addItems(profileLines());
}

// Only a line the user selected counts: the list makes its first line current, unselected, as
// soon as it gets the focus.
bool FrmProfiles::takeSelection() {
    const QList<QListWidgetItem*> selected = ui->ListProfiles->selectedItems();
    const QListWidgetItem* item = selected.isEmpty() ? nullptr : selected.first();
    indiceSeleccionado = static_cast<runtime::Integer>(item ? ui->ListProfiles->row(item) : -1);
    lineaSeleccionada = item ? item->text() : QString();
    return !lineaSeleccionada.isEmpty();
}

void FrmProfiles::CmdBorrar_Click() {
    if (!takeSelection()) {
        return;
    }
    deleteSelectedLine();
}

// Every copy of the selected line goes; the other lines keep their order. A file that cannot be
// written stays as it was, and so does the list.
void FrmProfiles::deleteSelectedLine() {
    const std::optional<QStringList> kept = profileLinesWithout(lineaSeleccionada);
    if (!kept) {
        return;
    }
    const std::optional<QString> folder = platform::GetTempPath();
    if (!folder) {
        runtime::MsgBox(QStringLiteral("Error getting temporary file path."), runtime::vbOKOnly);
        return;
    }
    const std::optional<QString> temp = platform::GetTempFileName(*folder, QStringLiteral("tmp"));
    if (!temp) {
        runtime::MsgBox(QStringLiteral("Error getting temporary file name."), runtime::vbOKOnly);
        return;
    }
    setCursor(Qt::WaitCursor);
    if (!forms::DoEvents(this)) {
        QFile::remove(*temp);
        return;
    }
    const bool written = runtime::writeLines(*temp, *kept) && replaceProfilesFile(*temp);
    QFile::remove(*temp);
    unsetCursor();
    if (!written) {
        runtime::MsgBox(kProfileNotSaved, runtime::vbExclamation, QStringLiteral("Error"));
        return;
    }
    ListaPerfiles();
}

void FrmProfiles::CmdMod_Click() {
    if (!takeSelection()) {
        runtime::MsgBox(QStringLiteral("You must choose a record"), runtime::vbExclamation,
                        QStringLiteral("ErrorInfo"));
        return;
    }
    if (!editableProfileLine(lineaSeleccionada)) {
        runtime::MsgBox(QStringLiteral("This record can not be read: ") + lineaSeleccionada,
                        runtime::vbExclamation, QStringLiteral("ErrorInfo"));
        return;
    }
    if (forms::Form* editor = forms::Forms::instance().load(QString::fromLatin1(FormMod::kName))) {
        editor->Show();
    }
}

void FrmProfiles::CmdExit_Click() {
    refillBioProfiles();
    Unload();
}

// The Biorhythms window's list gets the names back, showing the profile of "Perfil-Bio" or else
// the last one; an empty list is hidden.
void FrmProfiles::refillBioProfiles() {
    forms::Form* bio = forms::Forms::instance().find(QString::fromLatin1(frmBio::kName));
    auto* combo = bio ? bio->findChild<QComboBox*>(QStringLiteral("ComboProfiles")) : nullptr;
    if (!combo) {
        return;
    }
    combo->clear();
    for (const QString& line : profileLines()) {
        combo->addItem(line.section(QLatin1Char(','), 0, 0));
        combo->show();
    }
    const QString chosen = shell::readOption(shell::LeerPerfilBio, QStringLiteral("Perfil-Bio"));
    combo->setCurrentIndex(combo->findText(chosen, Qt::MatchExactly | Qt::MatchCaseSensitive));
    if (combo->count() == 0) {
        combo->hide();
    } else if (combo->currentIndex() < 0) {
        combo->setCurrentIndex(combo->count() - 1);
    }
}

} // namespace biorhythms
