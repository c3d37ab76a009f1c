#include "readings/FrmCalendar.h"

#include "cards/CardRules.h"
#include "forms/Look.h"
#include "forms/NightSky.h"
#include "forms/UiPictures.h"
#include "moon/MoonCalendar.h"
#include "moon/MoonCycle.h"
#include "moon/MoonPhase.h"
#include "moon/MoonState.h"
#include "readings/MensajeCarta.h"
#include "readings/ReadingControls.h"
#include "readings/ReadingsState.h"
#include "readings/SignDisplay.h"
#include "readings/SignTexts.h"
#include "runtime/Clock.h"
#include "runtime/MessageBox.h"
#include "runtime/ProgramFolder.h"
#include "runtime/SystemFormats.h"
#include "runtime/TextFile.h"
#include "shell/FrmTimer.h"
#include "shell/RotarImagen.h"
#include "shell/Settings.h"
#include "shell/SharedTables.h"
#include "shell/ShellState.h"
#include "shell/WindowNames.h"
#include "signs/SignPeriods.h"
#include "ui_FrmCalendar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTextCharFormat>

#include <array>

namespace readings {
using shell::kFrmBio;
using shell::kFrmCartaDia;
using shell::kFrmName;
using shell::kFrmoracle;
using shell::kFrmVelarcana;

namespace {

const QString kSignChangeTip = QStringLiteral("Change of sign, click for further information.");
const QString kCardBack = QStringLiteral("\\amenores\\reverso.jpg");

constexpr runtime::DateValue kLocalNoon = 0.5;
constexpr runtime::Long kWaxingUpToHalfAngle = 90;
constexpr runtime::Long kQuarterHalfAngle = 100;
constexpr int kHalfAnglePerPicture = 6;
constexpr int kUnturnedBorder = 4; // pixels on the right and at the bottom

// The runtime's number-to-text conversion: a blank in the sign position of a positive number.
QString withSignPosition(int number) {
    return (number < 0 ? QString() : QStringLiteral(" ")) + QString::number(number);
}

QString wholePercent(double value) {
    return runtime::formatNumber(value, QStringLiteral("###"));
}

// Noon of a day by the date type's own arithmetic: before 30 December 1899 the time of a date
// value counts forward from its midnight, so adding 0.5 would reach the next day's noon.
runtime::DateValue localNoon(runtime::DateValue day) {
    return runtime::addDays(day, kLocalNoon);
}

} // namespace

FrmCalendar::FrmCalendar()
    : shell::ModuleForm(QString::fromLatin1(kName), QStringLiteral("Another Day...")),
      MnuBio(addGoToItem(QStringLiteral("MnuBio"), QStringLiteral("Biorhythms"), kFrmBio)),
      MnuNom(addGoToItem(QStringLiteral("MnuNom"), QStringLiteral("Names"), kFrmName)),
      MnuOracul(addGoToItem(QStringLiteral("MnuOracul"), QStringLiteral("Oracle"), kFrmoracle)),
      MnuCdia(addGoToItem(QStringLiteral("MnuCdia"), QStringLiteral("Card of Day"), kFrmCartaDia)),
      MnuNum(addGoToItem(QStringLiteral("MnuNum"), QStringLiteral("Numbers"), kFrmVelarcana)),
      MnuSal(MnuSalir), ui(std::make_unique<Ui::FrmCalendar>()) {
    ui->setupUi(this);
    setFixedSize(size());
    // Before the reform the moon would read a day of the Julian calendar, ten days off the
    // weekday, card and sign of the Gregorian day shown: only days where all agree are offered.
    ui->Calendar1->setDateRange(runtime::toQDate(moon::kGregorianReformDate), runtime::lastDate());
    greyDaysBeforeTheFirst();
    MnuAbout->setText(QStringLiteral("About"));
    MnuIr->setTitle(QStringLiteral("Ir a..."));
    MnuSal->setObjectName(QStringLiteral("MnuSal"));
    disconnect(MnuSal, &QAction::triggered, this, nullptr);
    connect(MnuSal, &QAction::triggered, this, &FrmCalendar::MnuSal_Click);
    styleControls();
    connectControls();
}

FrmCalendar::~FrmCalendar() = default;

// The calendar only shades the days of its first month that it does not offer: they are written
// as the days of the months around it are, so that they do not look as if they could be chosen.
void FrmCalendar::greyDaysBeforeTheFirst() {
    const QDate first = ui->Calendar1->minimumDate();
    QTextCharFormat notOffered;
    notOffered.setForeground(palette().brush(QPalette::Disabled, QPalette::Text));
    for (QDate day(first.year(), first.month(), 1); day < first; day = day.addDays(1)) {
        ui->Calendar1->setDateTextFormat(day, notOffered);
    }
}

void FrmCalendar::styleControls() {
    forms::applyLook(this, {{forms::Style::Text, {ui->LabelZod}},
                            {forms::Style::Caption, {ui->LblFecha, ui->LabelFase}},
                            {forms::Style::Field, {ui->TxtFecha, ui->TextZod}},
                            {forms::Style::Flat, {ui->CmdSalir}}});
    ui->Calendar1->setFont(forms::arialFont(9));
    for (QWidget* text : {static_cast<QWidget*>(ui->LblFecha), static_cast<QWidget*>(ui->TxtFecha),
                          static_cast<QWidget*>(ui->LabelFase)}) {
        text->setFont(forms::sansSerifFont(9));
    }
    ui->LabelZod->setFont(forms::sansSerifFont(11, true));
    ui->TextZod->setFont(forms::sansSerifFont(9));
    for (QLabel* centred :
         {ui->LabelZod, ui->LabelFase, ui->Imgfechasel, ui->ImageZod, ui->ImgLuna}) {
        centred->setAlignment(Qt::AlignCenter);
    }
    ui->ImgLuna->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QPixmap back(runtime::programPath(kCardBack));
    if (!back.isNull()) {
        ui->Imgfechasel->setPixmap(
            back.scaled(ui->Imgfechasel->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    ui->ImageAlert->setPixmap(forms::uiPicture(QStringLiteral("alert")));
    ui->ARButtonBio->setPicture(forms::uiPicture(QStringLiteral("biorhythms")));
    ui->CmdSalir->setIcon(QIcon(forms::uiPicture(QStringLiteral("minimize"))));
    ui->CmdSalir->setIconSize(ui->CmdSalir->size());
    ui->TextZod->setReadOnly(true);
    for (QWidget* hidden :
         {static_cast<QWidget*>(ui->ImageAlert), static_cast<QWidget*>(ui->LabelFase),
          static_cast<QWidget*>(ui->TextZod)}) {
        hidden->hide();
    }
    for (QWidget* clickable :
         {static_cast<QWidget*>(ui->Imgfechasel), static_cast<QWidget*>(ui->ImageAlert),
          static_cast<QWidget*>(ui->ImageZod), static_cast<QWidget*>(ui->CmdSalir)}) {
        clickable->setCursor(Qt::PointingHandCursor);
    }
}

void FrmCalendar::connectControls() {
    connect(ui->Calendar1, &QCalendarWidget::clicked, this, &FrmCalendar::Calendar1_Click);
    connect(ui->ARButtonHoy, &QPushButton::clicked, this, &FrmCalendar::ARButtonHoy_Click);
    connect(ui->ARButtonNom, &QPushButton::clicked, this, &FrmCalendar::ARButtonNom_Click);
    connect(ui->ARButtonOra, &QPushButton::clicked, this, &FrmCalendar::ARButtonOra_Click);
    connect(ui->ARButtonNum, &QPushButton::clicked, this, &FrmCalendar::ARButtonNum_Click);
    connect(ui->ARButtonBio, &QPushButton::clicked, this, &FrmCalendar::ARButtonBio_Click);
    connect(ui->CmdSalir, &QPushButton::clicked, this, &FrmCalendar::CmdSalir_Click);
    for (QLabel* watched : {ui->Imgfechasel, ui->ImageZod, ui->ImageAlert}) {
        watched->installEventFilter(this);
    }
}

void FrmCalendar::loadModule() {
    // Started here, no other window has set the hemisphere yet: the saved one holds.
    shell::ShellState& s = shell::shellState();
    if (s.hemisferioSel.isEmpty()) {
        const QString saved =
            shell::readOption(shell::LeerHemisferio, QStringLiteral("Hemisferio"));
        s.hemisferioSel =
            saved == QLatin1String("Sur") ? QStringLiteral("Sur") : QStringLiteral("Norte");
    }
    ui->Calendar1->setSelectedDate(runtime::toQDate(runtime::Today()));
}

void FrmCalendar::Calendar1_Click() {
    ++lecturas;
    ui->ImageAlert->hide();
    ui->ImageAlert->setToolTip(QString());
    instanteCambio.reset();
    textoEstacion.clear();
    const runtime::DateValue chosen = runtime::fromQDate(ui->Calendar1->selectedDate());
    showDateText(chosen);
    showCard(chosen);
    signOfDate(chosen);
    moonOfDate(chosen);
    ui->LabelFase->show();
}

void FrmCalendar::showDateText(runtime::DateValue chosen) {
    ui->TxtFecha->setText(
        runtime::localWeekdayName(runtime::weekdayOf(chosen)) + QStringLiteral(" , ") +
        moon::MonthToName(static_cast<runtime::Integer>(runtime::monthOf(chosen))) +
        withSignPosition(runtime::dayOf(chosen)) + QStringLiteral(" of") +
        withSignPosition(runtime::yearOf(chosen)));
}

void FrmCalendar::showCard(runtime::DateValue chosen) {
    shell::ShellState& s = shell::shellState();
    cartaFecha = cardOfDateText(runtime::shortDateText(chosen));
    s.numCarta = cartaFecha;
    const QPixmap picture = forms::pictureFile(cardPicturePath(cartaFecha, s.tipoCarta));
    ui->Imgfechasel->setPixmap(picture.isNull()
                                   ? QPixmap()
                                   : picture.scaled(ui->Imgfechasel->size(), Qt::KeepAspectRatio,
                                                    Qt::SmoothTransformation));
    shell::tituloCarta();
    ui->Imgfechasel->setToolTip(cartaFecha >= 1 ? s.TitulosCartas[cartaFecha - 1] : QString());
}

void FrmCalendar::signOfDate(runtime::DateValue chosen) {
    shell::cargarSignosEs();
    shell::cargarSignosEn();
    // Local noon of the day, tested against the universal-time periods without conversion.
    const auto period = findSignPeriod(localNoon(chosen));
    if (!period) {
        mostrarSigno(chosen, this);
        return;
    }
    showSignPeriod(*period, chosen);
}

void FrmCalendar::showSignPeriod(const SignPeriod& period, runtime::DateValue chosen) {
    const shell::ShellState& s = shell::shellState();
    const runtime::Integer sign = period.sign;
    ui->ImageZod->setPixmap(
        QPixmap(runtime::programPath(QStringLiteral("\\signos\\") + s.signosEs[sign] + "_sm.gif")));
    ui->LabelZod->setText(s.signosEn[sign]);
    ui->ImageZod->setToolTip(periodRangeText(period));
    readingsState().numSigno = sign;
    if (const auto change = signChangeOn(period, chosen)) {
        ui->ImageAlert->show();
        ui->ImageAlert->setToolTip(kSignChangeTip);
        instanteCambio = *change;
    }
    textoEstacion =
        seasonText(runtime::monthOf(chosen),
                   !s.hemisferioSel.isEmpty() && s.hemisferioSel != QLatin1String("Norte"));
}

void FrmCalendar::ImageAlert_Click() {
    if (!instanteCambio) {
        return;
    }
    const runtime::DateValue local = moon::UniversalToLocal(*instanteCambio);
    moon::MoonState& m = moon::moonState();
    m.horaLocalTxt = runtime::longTimeText(local);
    runtime::MsgBox(signChangeMessage(runtime::shortDateText(local), m.horaLocalTxt, textoEstacion),
                    runtime::vbInformation, QStringLiteral("Info"));
}

runtime::Integer FrmCalendar::moonPictureOfHalfAngle(runtime::Long halfAngle) {
    if (halfAngle <= kHalfAnglePerPicture) {
        return 0;
    }
    return static_cast<runtime::Integer>(
        std::min<runtime::Long>((halfAngle - 1) / kHalfAnglePerPicture, kLastMoonPicture));
}

void FrmCalendar::moonOfDate(runtime::DateValue chosen) {
    const runtime::DateValue d = localNoon(chosen);
    moon::MoonCycle(d);
    const double illumination = moon::moonState().iluminacionLuna;
    const auto halfAngle =
        static_cast<runtime::Long>(runtime::roundHalfEven(moon::PhaseAngle(d) / 2.0));
    const QString percent = wholePercent(illumination * 100) + QLatin1Char('%');
    QString tip;
    if (percent == QLatin1String("100%")) {
        tip = QStringLiteral("Full Moon");
    } else if (percent == QLatin1String("%")) {
        tip = QStringLiteral("New Moon");
    } else if (percent == QLatin1String("50%") && halfAngle < kQuarterHalfAngle) {
        tip = QStringLiteral("First Quarter");
    } else if (percent == QLatin1String("50%") && halfAngle > kQuarterHalfAngle) {
        tip = QStringLiteral("Last Quarter");
    } else {
        tip = phaseText(d, halfAngle, illumination);
    }
    ui->ImgLuna->setToolTip(tip);
    QImage box(ui->ImgLuna->size(), QImage::Format_ARGB32);
    box.fill(Qt::transparent);
    const QImage picture(runtime::programPath(
        QStringLiteral("\\lunagif\\moon%1.gif").arg(moonPictureOfHalfAngle(halfAngle))));
    if (!picture.isNull()) {
        QPainter painter(&box);
        painter.drawImage(0, 0, picture);
    }
    if (shell::shellState().hemisferioSel == QLatin1String("Sur")) {
        shell::RotarImagen(box, 1, 0, 0, box.width() - kUnturnedBorder,
                           box.height() - kUnturnedBorder);
    }
    ui->ImgLuna->setPixmap(QPixmap::fromImage(box));
}

QString FrmCalendar::phaseText(runtime::DateValue d, runtime::Long halfAngle,
                               double illumination) const {
    // Named on the scale of the angle and the illumination, for every day the calendar offers.
    const QString name = moon::PhaseNameByJD(d);
    if (halfAngle > kWaxingUpToHalfAngle) {
        const runtime::Single q =
            shell::FrmTimer::Porcentaje(runtime::roundHalfEven(100 - illumination * 100), 100);
        const QString whole = wholePercent(q);
        if (whole.isEmpty()) {
            return QStringLiteral("Full Moon");
        }
        if (whole == QLatin1String("100")) {
            return QStringLiteral("New Moon");
        }
        return name + QStringLiteral(": ") + runtime::formatNumber(q, QStringLiteral("0.00")) +
               QStringLiteral("% of New");
    }
    if (wholePercent(illumination * 100).isEmpty()) {
        return QStringLiteral("New Moon");
    }
    return name + QStringLiteral(": ") +
           runtime::formatNumber(illumination * 100, QStringLiteral("0.00")) +
           QStringLiteral("% of Full");
}

void FrmCalendar::Imgfechasel_Click() {
    shell::ShellState& s = shell::shellState();
    s.numCarta = cartaFecha;
    s.clickCarta = true;
    mensajeCarta();
    s.clickCarta = false;
}

void FrmCalendar::ImageZod_MouseDown() {
    // Before the first reading the picture is empty and the shared sign belongs to another
    // window.
    if (lecturas == 0) {
        return;
    }
    const auto text = signText(readingsState().numSigno);
    // A missing description shows nothing rather than an empty box.
    if (!text) {
        return;
    }
    ui->TextZod->setPlainText(*text);
    ui->TextZod->show();
    ui->TextZod->raise();
}

void FrmCalendar::ImageZod_MouseUp() {
    ui->TextZod->hide();
}

void FrmCalendar::ARButtonHoy_Click() {
    switchTo(kFrmCartaDia);
}

void FrmCalendar::ARButtonNom_Click() {
    switchTo(kFrmName);
}

void FrmCalendar::ARButtonOra_Click() {
    switchTo(kFrmoracle);
}

void FrmCalendar::ARButtonNum_Click() {
    switchTo(kFrmVelarcana);
}

void FrmCalendar::ARButtonBio_Click() {
    switchTo(kFrmBio);
}

void FrmCalendar::CmdSalir_Click() {
    hideToTray();
}

void FrmCalendar::MnuSal_Click() {
    UnloadAllForms();
}

bool FrmCalendar::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == ui->ImageZod) {
        if (type == QEvent::MouseButtonPress) {
            ImageZod_MouseDown();
        } else if (type == QEvent::MouseButtonRelease) {
            ImageZod_MouseUp();
        }
    } else if (isLeftClick(watched, event)) {
        if (watched == ui->Imgfechasel) {
            Imgfechasel_Click();
        } else if (watched == ui->ImageAlert) {
            ImageAlert_Click();
        }
    }
    return shell::ModuleForm::eventFilter(watched, event);
}

void FrmCalendar::paintEvent(QPaintEvent* event) {
    shell::ModuleForm::paintEvent(event);
    forms::paintNightSky(this);
}

} // namespace readings
