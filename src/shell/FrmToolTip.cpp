#include "shell/FrmToolTip.h"

#include "biorule/BioState.h"
#include "forms/Forms.h"
#include "forms/Look.h"
#include "forms/NightSky.h"
#include "moon/MoonCalendar.h"
#include "moon/MoonPhase.h"
#include "platform/Pointer.h"
#include "platform/ScreenMetrics.h"
#include "platform/WindowOrder.h"
#include "runtime/Clock.h"
#include "runtime/SystemFormats.h"
#include "shell/FrmTimer.h"
#include "shell/MoonPicture.h"
#include "shell/ShellState.h"
#include "shell/WeekdayPlanet.h"
#include "ui_FrmToolTip.h"

#include <algorithm>
#include <cmath>

namespace shell {

const QString kToolTipBirthNotice =
    QStringLiteral("Dinamic ToolTps \r\nwhen the date of birth \r\nbe updated for the biorhythms!");

namespace {

void styleLabel(QLabel* label, double points, bool bold, QColor colour) {
    label->setFont(forms::arialFont(points, bold));
    forms::setTextColour(label, colour);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
}

QString shownText(const QString& text) {
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

FrmToolTip::FrmToolTip()
    : forms::Form(QString::fromLatin1(kName)), ui(std::make_unique<Ui::FrmToolTip>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMouseTracking(true);
    setFixedSize(size());
    styleLabel(ui->LblTitle, 9.75, true, QColor(255, 255, 192));
    styleLabel(ui->LabelDate, 9.75, false, QColor(0, 255, 255));
    styleLabel(ui->LblToolTip, 9, true, QColor(192, 255, 255));
    ui->ImgLuna->setAttribute(Qt::WA_TransparentForMouseEvents);
}

FrmToolTip::~FrmToolTip() = default;

QString FrmToolTip::dateText() const {
    return ui->LabelDate->text();
}

QString FrmToolTip::tipText() const {
    return ui->LblToolTip->text();
}

void FrmToolTip::Form_Load() {
    ShellState& s = shellState();
    if (s.cargandoForm || !s.tooltipCerrado) {
        return;
    }
    // The screen is the primary monitor, wherever it lies on the desktop: everything below is
    // taken in its own coordinates.
    const QPoint origin = platform::primaryScreenRect().topLeft();
    const QPoint pointer = platform::pixelsToTwips(platform::GetCursorPos() - origin);
    const QSizeF screen = platform::screenSizeTwips();
    if (s.barraAbajo && pointer.y() <= std::floor(screen.height() * kTaskbarBandPercent) / 100) {
        return;
    }
    const double widthTwips = width() * platform::twipsPerPixelX();
    // Centred over the pointer, but never cut off by the screen's edges (tray icons sit at the
    // right edge).
    const int left = static_cast<int>(std::clamp<double>(pointer.x() - std::lround(widthTwips / 2),
                                                         0.0, screen.width() - widthTwips));
    if (!s.tooltipVisible) {
        fillTexts();
        const int top = static_cast<int>(std::lround(screen.height())) - kTopFromBottomTwips;
        move(origin + platform::twipsToPixels({left, top}));
        s.tooltipVisible = true;
    }
    ShowMoonPicture();
    platform::setTopmost(this, true);
    setWindowStateCode(forms::vbNormal);
    show(); // without taking the focus from the window the user works in
}

void FrmToolTip::fillTexts() {
    const biorhythms::BioState& b = biorhythms::bioState();
    if (!b.birthDateSet()) {
        ui->LblToolTip->setText(shownText(kToolTipBirthNotice));
        return;
    }
    FrmTimer* timer = forms::Forms::instance().get<FrmTimer>();
    if (!timer) {
        return;
    }
    const QString lines = timer->tooltipLines();
    const runtime::DateValue today = runtime::Today();
    planetaDia = planetOfWeekday(runtime::weekdayOf(today));
    ui->LabelDate->setText(dateWithPlanet(today));
    ui->LblToolTip->setText(shownText(lines));
}

void FrmToolTip::ShowMoonPicture() {
    const runtime::Single angle = moon::PhaseAngle(moon::LocalToUT(runtime::Now()));
    ui->ImgLuna->setPixmap(
        QPixmap::fromImage(moonPictureBox(angle, shellState().hemisferioSel, ui->ImgLuna->size())));
}

void FrmToolTip::Form_MouseMove() {
    shellState().tooltipVisible = false;
    Unload();
}

void FrmToolTip::mouseMoveEvent(QMouseEvent* event) {
    forms::Form::mouseMoveEvent(event);
    Form_MouseMove();
}

void FrmToolTip::paintEvent(QPaintEvent* event) {
    forms::Form::paintEvent(event);
    forms::paintNightSky(this);
}

} // namespace shell
