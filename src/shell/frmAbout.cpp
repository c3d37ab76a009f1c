#include "shell/frmAbout.h"

#include "forms/Look.h"
#include "forms/UiPictures.h"
#include "platform/ShellOpen.h"
#include "runtime/ProgramFolder.h"
#include "shell/ModuleForm.h"
#include "shell/ShellState.h"
#include "ui_frmAbout.h"

#include <QMouseEvent>

namespace shell {
namespace {} // namespace

const QString frmAbout::kDescription = QStringLiteral(
    "In the \"Numbers\" module you must introduce the number that you want and find "
    "out its card. For knowing your personality card you must use \"Names\". In all "
    "modules doing click over the image you will find its meaning.       You can "
    "find out the card corresponding to your birth in \"Another Day...\"    Besides "
    "there is an \"Oracle\" to make questions, remember \"an image is worth more than "
    "a thousand of words\".  And at last, they have been added \"Biorhythms\"    "
    "Enjoy!");

QString versionText(int major, int minor, int revision) {
    return QStringLiteral("Version: %1.%2.%3").arg(major).arg(minor).arg(revision);
}

frmAbout::frmAbout()
    : forms::Form(QString::fromLatin1(kName)), ui(std::make_unique<Ui::frmAbout>()) {
    ui->setupUi(this);
    QFont title = ui->LblTitle->font();
    title.setPointSizeF(title.pointSizeF() * 1.6);
    title.setBold(true);
    ui->LblTitle->setFont(title);
    ui->lblDescription->setText(kDescription);
    ui->CommandInfo->setIcon(QIcon(forms::uiPicture(forms::kPicHelp)));
    forms::applyLook(this, {{forms::Style::Ground, {this}},
                            {forms::Style::Text, forms::labelsOf(this)},
                            {forms::Style::Title, {ui->LblTitle, ui->LblMailto, ui->LblUrl}},
                            {forms::Style::Command, {ui->CommandInfo, ui->ARButtonAcep}}});
    for (QLabel* link : {ui->LblMailto, ui->LblUrl}) {
        link->setMouseTracking(true);
        link->installEventFilter(this);
    }
    setMouseTracking(true);
    connect(ui->CommandInfo, &QPushButton::clicked, this, &frmAbout::CommandInfo_Click);
    connect(ui->ARButtonAcep, &QPushButton::clicked, this, &frmAbout::ARButtonAcep_Click);
}

frmAbout::~frmAbout() = default;

void frmAbout::Form_Load() {
    setWindowTitle(QStringLiteral("About ") + kProductName);
    ui->lblVersion->setText(
        versionText(VELARCANA_VERSION_MAJOR, VELARCANA_VERSION_MINOR, VELARCANA_VERSION_REVISION));
    ui->LblTitle->setText(kProductName + QStringLiteral(" by Quenlor"));
}

void frmAbout::Form_Unload(int&) {
    shellState().tooltipCerrado = false;
}

void frmAbout::CommandInfo_Click() {
    platform::ShellExecute(QUrl::fromLocalFile(runtime::programPath(ModuleForm::kHelpFile)));
}

void frmAbout::LblMailto_Click() {
    platform::ShellExecute(kMailLink);
}

void frmAbout::LblUrl_Click() {
    platform::ShellExecute(kWebLink);
}

void frmAbout::ARButtonAcep_Click() {
    Unload();
}

void frmAbout::setUnderline(QLabel* label, bool underline) {
    QFont font = label->font();
    font.setUnderline(underline);
    label->setFont(font);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    auto* label = qobject_cast<QLabel*>(watched);
    if (label && (label == ui->LblMailto || label == ui->LblUrl)) {
        if (event->type() == QEvent::MouseMove) {
            setUnderline(label, true);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            label == ui->LblMailto ? LblMailto_Click() : LblUrl_Click();
            return true;
        }
    }
    return forms::Form::eventFilter(watched, event);
}

void frmAbout::mouseMoveEvent(QMouseEvent* event) {
    setUnderline(ui->LblMailto, false);
    setUnderline(ui->LblUrl, false);
    forms::Form::mouseMoveEvent(event);
}

} // namespace shell
