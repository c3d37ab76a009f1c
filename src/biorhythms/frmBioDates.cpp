#include "biorhythms/frmBio.h"
#include "biorule/BioState.h"
#include "ui_frmBio.h"

#include <QApplication>
#include <QMouseEvent>

namespace biorhythms {
namespace {

constexpr runtime::Integer kLeftButton = 1;

runtime::Integer buttonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

} // namespace

void frmBio::AjustarDiasNacimiento() {
    fitDayToMonth(*ui->vsbDayBirth,
                  monthLength(diasMes, ui->vsbMonthBirth->value(), ui->vsbYearBirth->value()));
}

void frmBio::AjustarDiasBio() {
    fitDayToMonth(*ui->vsbDayBio,
                  monthLength(diasMes, ui->vsbMonthBio->value(), ui->vsbYearBio->value()));
}

void frmBio::vsbDayBio_Change() {
    bioState().fechaBioFijada = true;
    ui->lblDayBio->setText(QString::number(ui->vsbDayBio->value()));
    CalcularBio();
}

void frmBio::vsbMonthBio_Change() {
    bioState().fechaBioFijada = true;
    ui->lblMonthBio->setText(nombresMes[static_cast<std::size_t>(ui->vsbMonthBio->value())]);
    AjustarDiasBio();
    CalcularBio();
}

void frmBio::vsbYearBio_Change() {
    bioState().fechaBioFijada = true;
    ui->lblYearBio->setText(QString::number(ui->vsbYearBio->value()));
    AjustarDiasBio();
    CalcularBio();
}

void frmBio::vsbDayBirth_Change() {
    bioState().fechaBioFijada = false;
    ui->lblDayBirth->setText(QString::number(ui->vsbDayBirth->value()));
    CalcularBio();
}

void frmBio::vsbMonthBirth_Change() {
    bioState().fechaBioFijada = false;
    ui->lblMonthBirth->setText(nombresMes[static_cast<std::size_t>(ui->vsbMonthBirth->value())]);
    AjustarDiasNacimiento();
    CalcularBio();
}

void frmBio::vsbYearBirth_Change() {
    bioState().fechaBioFijada = false;
    ui->lblYearBirth->setText(QString::number(ui->vsbYearBirth->value()));
    AjustarDiasNacimiento();
    CalcularBio();
}

void frmBio::VScrollHora_Change() {
    ui->LabelHora->setText(QString::number(ui->VScrollHora->value()));
    CalcularBio();
}

void frmBio::VScrollMinuto_Change() {
    ui->LabelMinuto->setText(QString::number(ui->VScrollMinuto->value()));
    CalcularBio();
}

// Year first, so that each month change sets the day bar to the length of the wanted month.
void frmBio::setDateBars(DateScroll* day, DateScroll* month, DateScroll* year,
                         runtime::DateValue date) {
    year->setValue(runtime::yearOf(date));
    month->setValue(runtime::monthOf(date));
    day->setValue(runtime::dayOf(date));
}

void frmBio::CmdArrowLeft_MouseDown(runtime::Integer Button, runtime::Integer, float, float) {
    if (Button != kLeftButton) {
        return;
    }
    izquierdaPulsada = true;
    TimerButton->start();
    bioState().fechaBioFijada = true;
}

void frmBio::CmdArrowLeft_MouseUp(runtime::Integer, runtime::Integer, float, float) {
    izquierdaPulsada = false;
    TimerButton->stop();
}

void frmBio::CmdArrowRight_MouseDown(runtime::Integer Button, runtime::Integer, float, float) {
    if (Button != kLeftButton) {
        return;
    }
    derechaPulsada = true;
    TimerButton->start();
    bioState().fechaBioFijada = true;
}

void frmBio::CmdArrowRight_MouseUp(runtime::Integer, runtime::Integer, float, float) {
    derechaPulsada = false;
    TimerButton->stop();
}

// The release that ends a hold may never reach the arrow: a popup or another widget takes it,
// or another window gets it. So a hold lasts only while the left button is really down and
// nothing else has the mouse, and no longer than the window is active and shown.
bool frmBio::holdGoesOn() const {
    const QWidget* grabber = QWidget::mouseGrabber();
    return QGuiApplication::mouseButtons().testFlag(Qt::LeftButton) &&
           !QApplication::activePopupWidget() &&
           (!grabber || grabber == ui->CmdArrowLeft || grabber == ui->CmdArrowRight);
}

void frmBio::endHold() {
    izquierdaPulsada = false;
    derechaPulsada = false;
    TimerButton->stop();
}

void frmBio::TimerButton_Timer() {
    if (!holdGoesOn()) {
        endHold();
        return;
    }
    if (izquierdaPulsada) {
        stepBack();
    }
    if (derechaPulsada) {
        stepForward();
    }
}

// The study date stays inside the year bar's range: no step before 1 January of its first
// year or after 31 December of its last.
void frmBio::stepBack() {
    DateScroll& day = *ui->vsbDayBio;
    DateScroll& month = *ui->vsbMonthBio;
    DateScroll& year = *ui->vsbYearBio;
    if (day.value() == day.bottom() && month.value() == month.bottom() &&
        year.value() == year.bottom()) {
        return;
    }
    if (day.value() != day.bottom()) {
        day.setValue(day.value() - 1);
    } else {
        pasarMes = true;
    }
    if (pasarMes) {
        if (month.value() != month.bottom()) {
            month.setValue(month.value() - 1);
            day.setValue(day.top());
            pasarMes = false;
        } else {
            pasarAnio = true;
        }
    }
    if (pasarAnio) {
        month.setValue(month.top());
        day.setValue(day.top());
        year.setValue(year.value() - 1);
        pasarAnio = false;
        pasarMes = false;
    }
}

void frmBio::stepForward() {
    DateScroll& day = *ui->vsbDayBio;
    DateScroll& month = *ui->vsbMonthBio;
    DateScroll& year = *ui->vsbYearBio;
    if (day.value() == day.top() && month.value() == month.top() && year.value() == year.top()) {
        return;
    }
    if (day.value() != day.top()) {
        day.setValue(day.value() + 1);
    } else {
        pasarMes = true;
    }
    if (pasarMes) {
        if (month.value() != month.top()) {
            month.setValue(month.value() + 1);
            day.setValue(day.bottom());
            pasarMes = false;
        } else {
            pasarAnio = true;
        }
    }
    if (pasarAnio) {
        month.setValue(month.bottom());
        day.setValue(day.bottom());
        year.setValue(year.value() + 1);
        pasarAnio = false;
        pasarMes = false;
    }
}

void frmBio::TimerBio_Timer() {
    BioState& b = bioState();
    if (++b.contadorTimerBio < kTicksPerReanchor) {
        return;
    }
    b.fechaBioFijada = false;
    CalcularBio();
    b.contadorTimerBio = 0;
}

void frmBio::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        endHold();
    }
    shell::ModuleForm::changeEvent(event);
}

void frmBio::hideEvent(QHideEvent* event) {
    endHold();
    shell::ModuleForm::hideEvent(event);
}

bool frmBio::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->CmdArrowLeft || watched == ui->CmdArrowRight) {
        if (arrowMouseEvent(watched == ui->CmdArrowLeft, event)) {
            return true;
        }
    } else if (watched == ui->ComboProfiles) {
        noteProfileBeforeChoice(event);
    }
    return shell::ModuleForm::eventFilter(watched, event);
}

// Another button does nothing on an arrow but end a hold, and goes no further: the window would
// open its menu on a right press, and the menu would take the left button's release.
bool frmBio::arrowMouseEvent(bool leftArrow, const QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick) {
        return false;
    }
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    const runtime::Integer button = buttonCode(mouse->button());
    const auto x = static_cast<float>(mouse->position().x());
    const auto y = static_cast<float>(mouse->position().y());
    if (type == QEvent::MouseButtonPress) {
        leftArrow ? CmdArrowLeft_MouseDown(button, 0, x, y)
                  : CmdArrowRight_MouseDown(button, 0, x, y);
    } else if (type == QEvent::MouseButtonRelease) {
        leftArrow ? CmdArrowLeft_MouseUp(button, 0, x, y) : CmdArrowRight_MouseUp(button, 0, x, y);
    }
    return mouse->button() != Qt::LeftButton;
}

} // namespace biorhythms
