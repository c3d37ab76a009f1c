#include "moon/FrmMoonPhase.h"

#include "forms/Look.h"
#include "forms/NightSky.h"
#include "moon/MoonCalendar.h"
#include "moon/MoonCycle.h"
#include "moon/MoonPhase.h"
#include "moon/MoonState.h"
#include "platform/WindowOrder.h"
#include "runtime/Clock.h"
#include "runtime/Numeric.h"
#include "runtime/SystemFormats.h"
#include "ui_FrmMoonPhase.h"

#include <QMouseEvent>
#include <QPainter>

namespace moon {
namespace {

constexpr double kLabelPoints = 8.25;       // "MS Sans Serif"
constexpr double kWaxingUpToHalfAngle = 90; // degrees of half the phase angle
constexpr double kQuarterHalfAngle = 100;   // a half angle below it: first quarter

const QString kHintInNextView = QStringLiteral("(Click on the Moon to see previous)");
const QString kHintInPreviousView = QStringLiteral("(Click on the Moon to see next)");

// part x 100 / whole; -1 when part > whole, 0 when part is 0.
runtime::Single Porcentaje(double part, double whole) {
    if (part > whole) {
        return -1.0F;
    }
    if (part == 0) {
        return 0.0F;
    }
    return static_cast<runtime::Single>(part * 100 / whole);
}

QString wholePercent(double value) {
    return runtime::formatNumber(value, QStringLiteral("###"));
}

QString phaseLine(const char* what, runtime::DateValue at) {
    return QLatin1String(what) + runtime::generalDateText(at) + QStringLiteral(" UT");
}

} // namespace

FrmMoonPhase::FrmMoonPhase()
    : forms::Form(QString::fromLatin1(kName)), Timer1(new QTimer(this)),
      ui(std::make_unique<Ui::FrmMoonPhase>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(size());
    setMouseTracking(true);
    for (QLabel* label : {ui->LabelDetall, ui->LabelInfo, ui->LabelResum, ui->LabelAd}) {
        label->setFont(forms::sansSerifFont(kLabelPoints));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // Moves over the texts are theirs: only the window around them closes it.
        label->setMouseTracking(true);
        label->installEventFilter(this);
    }
    ui->LabelResum->setFont(forms::sansSerifFont(kLabelPoints, true));
    forms::applyLook(this, {{forms::Style::Text, {ui->LabelDetall, ui->LabelInfo}},
                            {forms::Style::Title, {ui->LabelResum}},
                            {forms::Style::Caption, {ui->LabelAd}}});
    ui->LabelDetall->setCursor(Qt::PointingHandCursor);
    // On the whole second, with the program's other one-second timers.
    Timer1->setTimerType(Qt::VeryCoarseTimer);
    connect(Timer1, &QTimer::timeout, this, &FrmMoonPhase::Timer1_Timer);
}

FrmMoonPhase::~FrmMoonPhase() = default;

void FrmMoonPhase::Form_Load() {
    dt = LocalToUT(runtime::Now());
    MoonCycle(dt);
    platform::setTopmost(this, true);
    ShowMoonInfo();
    Timer1->start(kRefreshMs);
}

void FrmMoonPhase::Timer1_Timer() {
    dt = LocalToUT(runtime::Now());
    MoonCycle(dt);
    ShowMoonInfo();
}

void FrmMoonPhase::LabelDetall_Click() {
    previousView = !previousView;
    ShowMoonInfo();
}

QString FrmMoonPhase::phaseDatesText() const {
    if (!previousView) {
        return phaseLine("Next Full Moon: ", NextFullMoon(dt)) + QLatin1Char('\n') +
               phaseLine("Next New Moon: ", NextNewMoon(dt)) + QLatin1Char('\n') +
               phaseLine("Next First Quarter: ", NextFirstQuarter(dt)) + QLatin1Char('\n') +
               phaseLine("Next Last Quarter: ", NextLastQuarter(dt));
    }
    // A phase of the last 24 hours is not listed.
    const runtime::DateValue d1 = runtime::addDays(dt, -1.0);
    return phaseLine("Previous Full Moon: ", PrevFullMoon(d1)) + QLatin1Char('\n') +
           phaseLine("Previous New Moon: ", CurrentNewMoon(d1)) + QLatin1Char('\n') +
           phaseLine("Previous First Quarter: ", PrevFirstQuarter(d1)) + QLatin1Char('\n') +
           phaseLine("Previous Last Quarter: ", PrevLastQuarter(d1));
}

void FrmMoonPhase::ShowMoonInfo() {
    const runtime::DateValue at = dt;
    const double illumination = moonState().iluminacionLuna;
    const double age = MoonAge(at);
    ui->LabelDetall->setText(QStringLiteral("Illumination: ") +
                             runtime::formatNumber(illumination, QStringLiteral("0.0000000")) +
                             QStringLiteral("    (0 <----> 1)\nAge of Moon: ") +
                             runtime::formatNumber(age, QStringLiteral("0.0000000")) +
                             QStringLiteral(" days"));
    ui->LabelInfo->setText(phaseDatesText());
    const double halfAngle = runtime::roundHalfEven(PhaseAngle(at) / 2.0);
    const QString percent = wholePercent(illumination * 100) + QLatin1Char('%');
    QString summary;
    if (percent == QLatin1String("100%")) {
        summary = QStringLiteral("Full Moon");
    } else if (percent == QLatin1String("%")) {
        summary = QStringLiteral("New Moon");
    } else if (percent == QLatin1String("50%") && halfAngle < kQuarterHalfAngle) {
        summary = QStringLiteral("First Quarter");
    } else if (percent == QLatin1String("50%") && halfAngle > kQuarterHalfAngle) {
        summary = QStringLiteral("Last Quarter");
    } else {
        summary = QStringLiteral("Moon ") + PhaseSummary(at, halfAngle);
    }
    ui->LabelResum->setText(summary);
    ui->LabelAd->setText(previousView ? kHintInPreviousView : kHintInNextView);
}

// "Waxing Crescent: 37% from Full", "Waning Gibbous: 25% from New".
QString FrmMoonPhase::PhaseSummary(runtime::DateValue at, double halfAngle) {
    const QString name = PhaseName(at);
    const double illumination = moonState().iluminacionLuna;
    if (halfAngle <= kWaxingUpToHalfAngle) {
        const QString p = wholePercent(illumination * 100);
        return p.isEmpty() ? name + QStringLiteral(": 100% from New")
                           : name + QStringLiteral(": ") + p + QStringLiteral("% from Full");
    }
    const QString p =
        wholePercent(Porcentaje(runtime::roundHalfEven(100 - illumination * 100), 100));
    return p.isEmpty() ? name + QStringLiteral(": 100% from Full")
                       : name + QStringLiteral(": ") + p + QStringLiteral("% from New");
}

void FrmMoonPhase::Form_MouseMove() {
    Unload();
}

void FrmMoonPhase::mouseMoveEvent(QMouseEvent* event) {
    forms::Form::mouseMoveEvent(event);
    Form_MouseMove();
}

bool FrmMoonPhase::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        return true;
    }
    if (watched == ui->LabelDetall && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        LabelDetall_Click();
        return true;
    }
    return forms::Form::eventFilter(watched, event);
}

void FrmMoonPhase::paintEvent(QPaintEvent* event) {
    forms::Form::paintEvent(event);
    forms::paintNightSky(this);
    QPainter painter(this);
    painter.setPen(QColor(0xe0, 0xb8, 0x4c));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace moon
