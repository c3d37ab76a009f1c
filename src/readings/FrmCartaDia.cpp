#include "readings/FrmCartaDia.h"

#include "biorule/BioRule.h"
#include "biorule/BioState.h"
#include "biorule/BirthData.h"
#include "cards/CardRules.h"
#include "forms/Forms.h"
#include "forms/LoadGuard.h"
#include "forms/Look.h"
#include "forms/NightSky.h"
#include "forms/UiPictures.h"
#include "moon/FrmMoonPhase.h"
#include "moon/MoonCalendar.h"
#include "moon/MoonCycle.h"
#include "moon/MoonPhase.h"
#include "moon/MoonState.h"
#include "platform/IniFile.h"
#include "platform/Pointer.h"
#include "platform/ScreenMetrics.h"
#include "platform/TaskbarEdge.h"
#include "platform/WindowOrder.h"
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
#include "shell/MoonPicture.h"
#include "shell/Notif.h"
#include "shell/Settings.h"
#include "shell/SharedTables.h"
#include "shell/ShellState.h"
#include "shell/WeekdayPlanet.h"
#include "shell/WindowNames.h"
#include "signs/SignPeriods.h"
#include "ui_FrmCartaDia.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <array>
#include <cmath>

namespace readings {
using shell::kFrmBio;
using shell::kFrmCalendar;
using shell::kFrmName;
using shell::kFrmoracle;
using shell::kFrmVelarcana;

namespace {

const QString kWelcome =
    QStringLiteral("Welcome to Velarcana, change the birth date to calculate biorhythms.");
const QString kSignChangeTip = QStringLiteral("Change of sign, click for further information.");
const QString kNoMuted = QStringLiteral("nomuted");
const QString kSystray = QStringLiteral("systray");

// The window rectangle in section "Posición": left, top, width, height in twips.
const std::array<QString, 4> kRectangleKeys = {
    QStringLiteral("Velarcanacod_Left"), QStringLiteral("Velarcanacod_Top"),
    QStringLiteral("Velarcanacod_Width"), QStringLiteral("Velarcanacod_Height")};

// One stored length in twips, a missing key 0. The store writes the text of a single precision
// number in the C locale: it is read the same way whatever the user's locale, and up to the
// 32-bit range (a window far right on wide desktops stands beyond 16 bits). Any other text is
// damaged: nothing.
std::optional<runtime::Long> storedTwips(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return 0;
    }
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    return ok ? runtime::toLong(value) : std::nullopt;
}

// Left, top, width and height in twips from section "Posición"; nothing when one is damaged.
std::optional<std::array<runtime::Long, 4>> storedRectangleTwips() {
    std::array<runtime::Long, 4> twips{};
    for (std::size_t i = 0; i < kRectangleKeys.size(); ++i) {
        const std::optional<runtime::Long> value = storedTwips(
            shell::LeerValorIni(shell::kSeccionPosicion, kRectangleKeys[i], shell::settingsFile()));
        if (!value) {
            return std::nullopt;
        }
        twips[i] = *value;
    }
    return twips;
}

const QColor kBarScale(70, 80, 130); // the marks at 0 and at half way up and down
const QColor kBarUp(0, 255, 0);
const QColor kBarDown(255, 0, 0);

// Pixel rows of the value y on a box whose user scale runs from 1 at the top to -1 at the
// bottom.
int rowOf(double y, int height) {
    return static_cast<int>(std::lround((1.0 - y) / 2.0 * height));
}

// The average bar: a filled box from 0 to the average across the whole width, both edges
// included, so that an average of 0 still shows one green row in the middle.
QPixmap averageBar(QSize box, runtime::Single average) {
    QPixmap bar(box);
    bar.fill(forms::kDeepBlue);
    const int top = std::max(0, rowOf(std::max(0.0F, average), box.height()));
    const int bottom = std::min(box.height() - 1, rowOf(std::min(0.0F, average), box.height()));
    QPainter painter(&bar);
    painter.setPen(QPen(kBarScale, 1, Qt::DotLine));
    for (const double mark : {0.5, 0.0, -0.5}) {
        const int row = rowOf(mark, box.height());
        painter.drawLine(0, row, box.width() - 1, row);
    }
    painter.fillRect(QRect(0, top, box.width(), bottom - top + 1),
                     average >= 0 ? kBarUp : kBarDown);
    return bar;
}

// "Biorhythms: b.7/24/1970 9:05 (average)": month first, the minute padded to two digits.
QString birthDataLine(const biorhythms::BioState& b) {
    return QStringLiteral("Biorhythms: b.%1/%2/%3 %4%5%6 (average)")
        .arg(b.mesNac)
        .arg(b.diaNac)
        .arg(b.anioNac)
        .arg(b.horaNac)
        .arg(b.minutoNac < 10 ? QStringLiteral(":0") : QStringLiteral(":"))
        .arg(b.minutoNac);
}

bool onSomeScreen(const QRect& rect) {
    const QRect probe(rect.topLeft(), rect.size().expandedTo(QSize(1, 1)));
    const QList<QScreen*> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(),
                       [&](const QScreen* screen) { return screen->geometry().intersects(probe); });
}

QRect screenRect(const QWidget* widget) {
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

// Whole seconds, as the clock shows them.
long long secondsBetween(runtime::DateValue from, runtime::DateValue to) {
    return std::llround((runtime::toLinearDays(to) - runtime::toLinearDays(from)) *
                        runtime::kSecondsPerDay);
}

// A window placed beside `beside` stays wholly on the monitor of its place (or of `beside` where
// its place lies off every monitor), clear of that monitor's panels: `beside` may stand at an edge.
QPoint keptOnScreen(QPoint place, QSize size, const QWidget& beside) {
    const QScreen* screen = QGuiApplication::screenAt(place);
    if (!screen) {
        screen = beside.screen();
    }
    if (!screen) {
        return place;
    }
    const QRect area = platform::availableGeometry(*screen);
    const QPoint last = area.bottomRight() + QPoint(1, 1) - QPoint(size.width(), size.height());
    return {std::clamp(place.x(), area.left(), std::max(area.left(), last.x())),
            std::clamp(place.y(), area.top(), std::max(area.top(), last.y()))};
}

} // namespace

FrmCartaDia::FrmCartaDia()
    : shell::ModuleForm(QString::fromLatin1(kName), QStringLiteral("The Card of Day...")),
      krono(new QTimer(this)), TimerPlus(new QTimer(this)),
      MnuBio(addGoToItem(QStringLiteral("MnuBio"), QStringLiteral("Biorhythms"), kFrmBio)),
      MnuNom(addGoToItem(QStringLiteral("MnuNom"), QStringLiteral("Names"), kFrmName)),
      MnuOracul(addGoToItem(QStringLiteral("MnuOracul"), QStringLiteral("Oracle"), kFrmoracle)),
      MnuNum(addGoToItem(QStringLiteral("MnuNum"), QStringLiteral("Numbers"), kFrmVelarcana)),
      MnuOtro(addGoToItem(QStringLiteral("MnuOtro"), QStringLiteral("Another Day"), kFrmCalendar)),
      ui(std::make_unique<Ui::FrmCartaDia>()) {
    ui->setupUi(this);
    setFixedSize(size());
    styleControls();
    connectControls();
    // Whole-second timers fire together on the second, so the program wakes once for all.
    krono->setTimerType(Qt::VeryCoarseTimer);
    TimerPlus->setTimerType(Qt::VeryCoarseTimer);
    TimerPlus->setInterval(kRefreshTickMs);
    TimerPlus->start();
}

FrmCartaDia::~FrmCartaDia() = default;

void FrmCartaDia::styleControls() {
    forms::applyLook(this, {{forms::Style::Text, forms::labelsOf(this)},
                            {forms::Style::Title, {ui->LblDate}},
                            {forms::Style::Caption,
                             {ui->LblTime, ui->LblUptime, ui->LabelFase, ui->LabelBioInfo}},
                            {forms::Style::Frame, {ui->PicMediaBio}},
                            {forms::Style::Field, {ui->TextZod}},
                            {forms::Style::Flat, {ui->CommandInfo, ui->CmdSalir}}});
    ui->LblDate->setFont(forms::arialFont(14, true));
    ui->LabelZod->setFont(forms::arialFont(12, true));
    ui->LabelFase->setFont(forms::arialFont(9));
    ui->LblTime->setFont(forms::arialFont(9));
    ui->LblUptime->setFont(forms::arialFont(9));
    for (QLabel* clock : {ui->LblGetTime, ui->LblGetUptime, ui->LblDias}) {
        clock->setFont(forms::arialFont(14, true));
    }
    ui->LabelBioMedia->setFont(forms::arialFont(10, true));
    ui->LabelBioInfo->setFont(forms::arialFont(8.5));
    ui->TextZod->setFont(forms::arialFont(9));
    for (QLabel* centred : {ui->LblDate, ui->LabelZod, ui->LabelFase, ui->LblTime, ui->LblGetTime,
                            ui->LblUptime, ui->LabelBioMedia, ui->LabelBioInfo, ui->ImgCartadia}) {
        centred->setAlignment(Qt::AlignCenter);
    }
    ui->LblDias->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ui->LblGetUptime->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ui->ImageZod->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui->ImgLuna->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    ui->ImageAlert->setPixmap(forms::uiPicture(QStringLiteral("alert")));
    ui->Imageasc->setPixmap(forms::uiPicture(QStringLiteral("trend-up")));
    ui->Imagedesc->setPixmap(forms::uiPicture(QStringLiteral("trend-down")));
    ui->PictActualize->setPixmap(forms::uiPicture(QStringLiteral("refresh")));
    ui->PictActualize->setAlignment(Qt::AlignCenter);
    ui->ARButtonBio->setPicture(forms::uiPicture(QStringLiteral("biorhythms")));
    ui->CommandInfo->setIcon(QIcon(forms::uiPicture(forms::kPicHelp)));
    ui->CmdSalir->setIcon(QIcon(forms::uiPicture(QStringLiteral("minimize"))));
    for (QPushButton* command : {ui->CommandInfo, ui->CmdSalir}) {
        command->setIconSize(command->size());
        command->setCursor(Qt::PointingHandCursor);
    }
    for (QLabel* hidden : {ui->ImageAlert, ui->Imageasc, ui->Imagedesc}) {
        hidden->hide();
    }
    ui->TextZod->setReadOnly(true);
    ui->TextZod->hide();
    for (QLabel* clickable :
         {ui->ImgCartadia, ui->ImgLuna, ui->ImageAlert, ui->PictActualize, ui->PicMediaBio}) {
        clickable->setCursor(Qt::PointingHandCursor);
    }
}

void FrmCartaDia::connectControls() {
    connect(krono, &QTimer::timeout, this, &FrmCartaDia::krono_Timer);
    connect(TimerPlus, &QTimer::timeout, this, &FrmCartaDia::TimerPlus_Timer);
    connect(ui->ARButtonBio, &QPushButton::clicked, this, &FrmCartaDia::ARButtonBio_Click);
    connect(ui->ARButtonNom, &QPushButton::clicked, this, &FrmCartaDia::ARButtonNom_Click);
    connect(ui->ARButtonNum, &QPushButton::clicked, this, &FrmCartaDia::ARButtonNum_Click);
    connect(ui->ARButtonOra, &QPushButton::clicked, this, &FrmCartaDia::ARButtonOra_Click);
    connect(ui->ARButtonOtro, &QPushButton::clicked, this, &FrmCartaDia::ARButtonOtro_Click);
    connect(ui->CommandInfo, &QPushButton::clicked, this, &FrmCartaDia::CommandInfo_Click);
    connect(ui->CmdSalir, &QPushButton::clicked, this, &FrmCartaDia::CmdSalir_Click);
    // Pointer moves over the moon and the sign count towards their hover; leaving them ends it.
    ui->ImgLuna->setMouseTracking(true);
    ui->ImageZod->setMouseTracking(true);
    for (QLabel* watched : {ui->ImgCartadia, ui->ImgLuna, ui->ImageZod, ui->ImageAlert,
                            ui->PictActualize, ui->PicMediaBio}) {
        watched->installEventFilter(this);
    }
}

bool& FrmCartaDia::switchingFlag() {
    return shell::shellState().cambioModulo;
}

void FrmCartaDia::Form_Load() {
    shell::ShellState& s = shell::shellState();
    const Loading loading;
    if (!applyStoredRectangle()) {
        return;
    }
    readDesactivarTooltips();
    if (!s.recargaCartaDia) {
        addOwnTrayIcon();
    }
    readOwnSettings();
    showDate();
    sumcartdia(runtime::shortDateText(runtime::Today()));
    signoZod(runtime::Now());
    krono->start(kClockTickMs);
    CargarLuna();
    biorhythms::readBirthTime();
    biorhythms::readBirthDate();
    DrawBioMedia();
    if (s.recargaCartaDia) {
        setWindowStateCode(forms::vbNormal);
        Show();
    } else {
        // Coming up anew it shows today already: today's pop-up would only hide it again.
        readingsState().popUpDay = runtime::Today();
        s.cambioModulo = false;
        LeerIniMinimizado();
        if (minimizado) {
            hideToTray();
        } else {
            setWindowStateCode(forms::vbNormal);
            Show();
        }
    }
    // After the window is up: the notice's slide takes about a second.
    if (!biorhythms::bioState().birthDateSet()) {
        showWelcomeNotice();
    }
}

// False when the window was unloaded in the pause that lets the move settle.
bool FrmCartaDia::applyStoredRectangle() {
    const std::optional<std::array<runtime::Long, 4>> twips = storedRectangleTwips();
    if (!twips ||
        std::all_of(twips->begin(), twips->end(), [](auto value) { return value == 0; })) {
        return true;
    }
    const QPoint topLeft = platform::twipsToPixels(QPoint((*twips)[0], (*twips)[1]));
    const QPoint extent = platform::twipsToPixels(QPoint((*twips)[2], (*twips)[3]));
    const QSize size(extent.x(), extent.y());
    // A rectangle off every screen (a screen since removed) would put the window out of reach;
    // the window keeps its own size whatever size is stored.
    if (!onSomeScreen(QRect(topLeft, size.expandedTo(minimumSize()).boundedTo(maximumSize())))) {
        return true;
    }
    move(topLeft);
    resize(size);
    return forms::DoEvents(this);
}

void FrmCartaDia::storeRectangle() {
    const std::array<double, 4> twips = {
        pos().x() * platform::twipsPerPixelX(), pos().y() * platform::twipsPerPixelY(),
        width() * platform::twipsPerPixelX(), height() * platform::twipsPerPixelY()};
    for (std::size_t i = 0; i < kRectangleKeys.size(); ++i) {
        const auto single = static_cast<runtime::Single>(twips[i]);
        shell::EscribirIni(shell::kSeccionPosicion, kRectangleKeys[i],
                           QString::number(single, 'g', 7), shell::settingsFile());
    }
}

void FrmCartaDia::readOwnSettings() {
    shell::ShellState& s = shell::shellState();
    readModoSilencioso();
    shell::readOption(shell::LeerMuteCod, QStringLiteral("Mute cod"));
    if (s.muteCod.isEmpty()) {
        s.muteCod = kNoMuted;
    }
    readEstiloTooltips();
    shell::readOption(shell::LeerHemisferio, QStringLiteral("Hemisferio"));
    s.hemisferioSel =
        s.hemisferioIni == QLatin1String("Sur") ? QStringLiteral("Sur") : QStringLiteral("Norte");
    readBackgroundSound();
}

void FrmCartaDia::showDate() {
    const runtime::DateValue now = runtime::Now();
    planetaDia = shell::planetOfWeekday(runtime::weekdayOf(now));
    ui->LblDate->setText(runtime::formatDate(now, QStringLiteral("dddd, mmmm d, yyyy")) +
                         QStringLiteral(" (") + planetaDia + QLatin1Char(')'));
}

void FrmCartaDia::showWelcomeNotice() {
    shell::ShellState& s = shell::shellState();
    s.textoNotif = kWelcome;
    // A welcome notice that is still up stays; asking it to slide again would take it away.
    if (!s.notifVisible) {
        const forms::LoadGuard guard(this);
        shell::slideNoticeIn();
        if (!guard) {
            return;
        }
    }
    if (s.notifVisible) {
        QString sound = QStringLiteral("Url.wav");
        shell::tocarSonido(sound);
    }
}

void FrmCartaDia::LeerIniMinimizado() {
    const QString value = platform::GetPrivateProfileString(shell::kSeccionOpciones,
                                                            QStringLiteral("Iniciar Minimizado"),
                                                            QString(), shell::settingsFile());
    if (!value.isEmpty()) {
        minimizado = value == QLatin1String("True");
    }
}

runtime::Integer FrmCartaDia::sumcartdia(const QString& dateText) {
    shell::ShellState& s = shell::shellState();
    const double sum = digitSum(dateText);
    cartaActual = cardOfDateText(dateText);
    s.numCarta = cartaActual;
    const QPixmap picture = forms::pictureFile(cardPicturePath(cartaActual, s.tipoCarta));
    ui->ImgCartadia->setPixmap(picture.isNull()
                                   ? QPixmap()
                                   : picture.scaled(ui->ImgCartadia->size(), Qt::KeepAspectRatio,
                                                    Qt::SmoothTransformation));
    shell::tituloCarta();
    ui->ImgCartadia->setToolTip(cartaActual >= 1 ? s.TitulosCartas[cartaActual - 1] : QString());
    return runtime::toInteger(sum).value_or(0);
}

void FrmCartaDia::DrawBioMedia() {
    biorhythms::BioState& b = biorhythms::bioState();
    const runtime::DateValue now = runtime::Now();
    biorhythms::applyBioRule(biorhythms::dayMonthYearText(b.diaNac, b.mesNac, b.anioNac), b.horaNac,
                             b.minutoNac,
                             biorhythms::dayMonthYearText(
                                 runtime::dayOf(now), runtime::monthOf(now), runtime::yearOf(now)),
                             now);
    shell::calidadBio();
    ui->LabelBioMedia->setText(b.bioMedia + QStringLiteral("% ") + b.bioMediaTexto);
    ui->LabelBioInfo->setText(birthDataLine(b));
    const runtime::Single average =
        (b.bioFisico + b.bioEmocional + b.bioIntelectual + b.bioIntuicion) / 4;
    ui->PicMediaBio->setPixmap(averageBar(ui->PicMediaBio->contentsRect().size(), average));
    const runtime::Single later =
        (b.bioFisicoProx + b.bioEmocionalProx + b.bioIntelectualProx + b.bioIntuicionProx) / 4;
    ui->Imageasc->setVisible(later > average);
    ui->Imagedesc->setVisible(later < average);
}

void FrmCartaDia::signoZod(runtime::DateValue localDateTime) {
    shell::cargarSignosEs();
    shell::cargarSignosEn();
    const auto period = findSignPeriod(moon::LocalToUT(localDateTime));
    if (!period) {
        mostrarSigno(runtime::Today(), this);
        const QPixmap picture = ui->ImageZod->pixmap();
        if (!picture.isNull()) {
            ui->ImageZod->setPixmap(picture.scaled(ui->ImageZod->contentsRect().size()));
        }
        return;
    }
    showSignPeriod(*period);
}

void FrmCartaDia::showSignPeriod(const SignPeriod& period) {
    const shell::ShellState& s = shell::shellState();
    const runtime::Integer sign = period.sign;
    ui->ImageZod->setPixmap(
        QPixmap(runtime::programPath(QStringLiteral("\\signos\\") + s.signosEs[sign] + "_sm.gif")));
    ui->LabelZod->setText(s.signosEn[sign]);
    ui->ImageZod->setToolTip(ui->LabelZod->text() + QStringLiteral(": ") + periodRangeText(period));
    readingsState().numSigno = sign;
    const runtime::DateValue today = runtime::Today();
    if (const auto change = signChangeOn(period, today)) {
        ui->ImageAlert->show();
        ui->ImageAlert->setToolTip(kSignChangeTip);
        horaAlerta = runtime::timePart(*change);
    } else {
        ui->ImageAlert->hide();
        ui->ImageAlert->setToolTip(QString());
        horaAlerta.reset();
    }
    textoEstacion = seasonText(runtime::monthOf(today), s.hemisferioSel != QLatin1String("Norte"));
}

void FrmCartaDia::ImageAlert_Click() {
    if (!horaAlerta) {
        return;
    }
    moon::UTToLocal(*horaAlerta);
    const moon::MoonState& m = moon::moonState();
    runtime::MsgBox(signChangeMessage(m.fechaLocalTxt, m.horaLocalTxt, textoEstacion),
                    runtime::vbInformation, QStringLiteral("Info"));
}

bool FrmCartaDia::MouseSobreZod() const {
    return screenRect(ui->ImageZod).contains(platform::GetCursorPos());
}

void FrmCartaDia::ImageZod_MouseMove() {
    if (!MouseSobreZod()) {
        zodHoverCount = 0;
        ui->TextZod->hide();
        return;
    }
    // The fifth move inside shows it; further moves change nothing.
    if (zodHoverCount == kHoverMoves || ++zodHoverCount < kHoverMoves) {
        return;
    }
    if (const auto text = signText(readingsState().numSigno)) {
        ui->TextZod->setPlainText(*text);
        ui->TextZod->show();
    }
}

void FrmCartaDia::CargarLuna() {
    const runtime::DateValue ut = moon::LocalToUT(runtime::Now());
    moon::MoonCycle(ut);
    const runtime::Single angle = moon::PhaseAngle(ut);
    ui->ImgLuna->setPixmap(QPixmap::fromImage(
        shell::moonPictureBox(angle, shell::shellState().hemisferioSel, ui->ImgLuna->size())));
}

bool FrmCartaDia::MouseSobreLuna() const {
    return screenRect(ui->ImgLuna).contains(platform::GetCursorPos());
}

void FrmCartaDia::ImgLuna_MouseMove() {
    if (!MouseSobreLuna()) {
        moonHoverCount = 0;
        unloadMoonDetail();
        return;
    }
    // The fifth move inside shows it; further moves change nothing.
    if (moonHoverCount == kHoverMoves || ++moonHoverCount < kHoverMoves) {
        return;
    }
    auto* detail = forms::Forms::instance().get<moon::FrmMoonPhase>();
    if (!detail) {
        return;
    }
    const QPoint beside(x() - ui->ImgLuna->width(),
                        y() + static_cast<int>(std::lround(kMoonDetailDrop * detail->height())));
    detail->move(keptOnScreen(beside, detail->size(), *this));
    detail->show(); // beside this window, without taking the focus from it
}

void FrmCartaDia::ImgLuna_Click() {
    if (auto* detail = forms::Forms::instance().get<moon::FrmMoonPhase>()) {
        detail->LabelDetall_Click();
    }
}

void FrmCartaDia::unloadMoonDetail() {
    forms::Forms::instance().unload(QString::fromLatin1(moon::FrmMoonPhase::kName));
}

void FrmCartaDia::krono_Timer() {
    const runtime::DateValue now = runtime::Now();
    ui->LblGetTime->setText(runtime::longTimeText(runtime::timePart(now)));
    if (const auto* timer = forms::Forms::instance().findForm<shell::FrmTimer>()) {
        ui->LblGetUptime->setText(timer->LblUptime->text());
        ui->LblDias->setText(timer->LblDias->text());
    }
    popUpAtMidnight();
}

// The first tick of a new day's first minute (0:00:01 to 0:00:59 on the clock) brings the window
// up with a trumpet, whatever the locale's time format and even when a tick skipped a second; a
// day whose first minute passed without a tick (the machine asleep) has no pop-up. 29 seconds
// later the window goes back into the tray.
void FrmCartaDia::popUpAtMidnight() {
    shell::ShellState& s = shell::shellState();
    ReadingsState& r = readingsState();
    const runtime::DateValue now = runtime::Now();
    if (r.poppedUpAt) {
        const long long shownFor = secondsBetween(*r.poppedUpAt, now);
        if (shownFor >= kPopUpForSeconds || shownFor < 0) {
            r.poppedUpAt.reset();
            if (s.recargaCartaDia) {
                hideToTray();
                s.recargaCartaDia = false;
            }
        }
    }
    const runtime::DateParts clock = runtime::splitDate(now);
    const runtime::DateValue today = runtime::makeDate(clock.year, clock.month, clock.day);
    const bool firstMinute = clock.hour == 0 && clock.minute == 0 &&
                             clock.second >= kPopUpFromSecond && clock.second <= kPopUpToSecond;
    if (today == r.popUpDay || !firstMinute) {
        return;
    }
    r.popUpDay = today;
    if (s.muteCod != kNoMuted) {
        return;
    }
    s.recargaCartaDia = true;
    const forms::LoadGuard guard(this);
    Form_Load();
    if (!guard) {
        return;
    }
    platform::setTopmost(this, true);
    QString sound = QStringLiteral("Trumpet.wav");
    shell::tocarSonido(sound);
    r.poppedUpAt = now;
}

// A window that really unloads takes its pop-up with it: the next load is a normal one, with
// its tray icon.
void FrmCartaDia::endPopUp() {
    shell::shellState().recargaCartaDia = false;
    readingsState().poppedUpAt.reset();
}

void FrmCartaDia::TimerPlus_Timer() {
    shell::ShellState& s = shell::shellState();
    if (++s.ticksBioCartaDia >= kBioRefreshMinutes) {
        DrawBioMedia();
        s.ticksBioCartaDia = 0;
    }
    if (++moonCount >= kMoonRefreshMinutes) {
        CargarLuna();
        moonCount = 0;
    }
    if (++signCount >= kSignRefreshMinutes) {
        signoZod(runtime::Now());
        signCount = 0;
    }
}

void FrmCartaDia::ImgCartadia_Click() {
    shell::ShellState& s = shell::shellState();
    s.numCarta = cartaActual;
    s.clickCarta = true;
    mensajeCarta();
    s.clickCarta = false;
}

void FrmCartaDia::PictActualize_Click() {
    shell::ShellState& s = shell::shellState();
    s.recargaCartaDia = true;
    const forms::LoadGuard guard(this);
    Form_Load();
    if (guard) {
        s.recargaCartaDia = false;
    }
}

void FrmCartaDia::CmdSalir_Click() {
    hideToTray();
    unloadMoonDetail();
}

void FrmCartaDia::CommandInfo_Click() {
    openHelpFile();
}

// The navigation buttons hand over without minimising, so the rectangle is stored.
void FrmCartaDia::ARButtonBio_Click() {
    switchTo(kFrmBio, false);
}

void FrmCartaDia::ARButtonNom_Click() {
    switchTo(kFrmName, false);
}

void FrmCartaDia::ARButtonNum_Click() {
    switchTo(kFrmVelarcana, false);
}

void FrmCartaDia::ARButtonOra_Click() {
    switchTo(kFrmoracle, false);
}

void FrmCartaDia::ARButtonOtro_Click() {
    switchTo(kFrmCalendar, false);
}

void FrmCartaDia::PicMediaBio_Click() {
    switchTo(kFrmBio);
}

void FrmCartaDia::restoreFromTray() {
    setWindowStateCode(forms::vbNormal);
    CargarLuna();
    Show();
}

void FrmCartaDia::Form_Resize() {
    if (windowStateCode() != forms::vbMinimized) {
        return;
    }
    unloadMoonDetail();
    shell::ShellState& s = shell::shellState();
    if (s.modoMinimizar != kSystray) {
        return;
    }
    hideToTray();
    if (s.notifVisible) {
        const forms::LoadGuard guard(this);
        shell::slideNoticeOut();
        if (!guard) {
            return;
        }
        s.notifVisible = false;
        if (forms::DoEvents(this)) {
            forms::Forms::instance().unload(QString::fromLatin1(shell::Notif::kName));
        }
    }
}

void FrmCartaDia::Form_Unload(int& cancel) {
    const bool unloading = switchingFlag();
    ModuleForm::Form_Unload(cancel);
    if (unloading) {
        endPopUp();
        if (windowStateCode() == forms::vbNormal) {
            storeRectangle();
        }
    }
    unloadMoonDetail();
}

bool FrmCartaDia::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseMove || type == QEvent::Leave) {
        if (watched == ui->ImgLuna) {
            ImgLuna_MouseMove();
        } else if (watched == ui->ImageZod) {
            ImageZod_MouseMove();
        }
    } else if (isLeftClick(watched, event)) {
        if (watched == ui->ImgCartadia) {
            ImgCartadia_Click();
        } else if (watched == ui->ImgLuna) {
            ImgLuna_Click();
        } else if (watched == ui->ImageAlert) {
            ImageAlert_Click();
        } else if (watched == ui->PictActualize) {
            PictActualize_Click();
        } else if (watched == ui->PicMediaBio) {
            PicMediaBio_Click();
        }
    }
    return shell::ModuleForm::eventFilter(watched, event);
}

void FrmCartaDia::paintEvent(QPaintEvent* event) {
    shell::ModuleForm::paintEvent(event);
    forms::paintNightSky(this);
}

} // namespace readings
