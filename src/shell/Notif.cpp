#include "shell/Notif.h"

#include "forms/Forms.h"
#include "forms/LoadGuard.h"
#include "forms/UiPictures.h"
#include "forms/WindowFonts.h"
#include "platform/ScreenMetrics.h"
#include "platform/WindowOrder.h"
#include "runtime/EventLoop.h"
#include "shell/ShellState.h"
#include "ui_Notif.h"

#include <QEventLoop>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace shell {
namespace {

constexpr int kFrameMs = 10; // steps are grouped into frames of this length
int slideMs = Notif::kDefaultSlideMs;

constexpr double kTitlePoints = 8.25;
constexpr double kTextPoints = 9.0;

} // namespace

Notif::Notif() : forms::Form(QString::fromLatin1(kName)), ui(std::make_unique<Ui::Notif>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint |
                   Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    ui->LabelTit->setFont(forms::arialFont(kTitlePoints, true));
    ui->mTexto->setFont(forms::arialFont(kTextPoints, false));
    ui->Picture2->setPixmap(forms::uiPicture(forms::kPicNotifMedium));
    ui->Picture3->setPixmap(forms::uiPicture(forms::kPicNotifLong));
    ui->Picture4->setPixmap(forms::uiPicture(forms::kPicNotifShort));
    ui->Picture1->setPixmap(ui->Picture4->pixmap());
    ui->Image1->setPixmap(forms::uiPicture(forms::kPicNotifClose));
    ui->Image1->installEventFilter(this);
    m_top = static_cast<float>(y() * platform::twipsPerPixelY());
    place();
}

Notif::~Notif() = default;

float Notif::screenWidthTwips() {
    return static_cast<float>(platform::screenSizeTwips().width());
}

float Notif::screenHeightTwips() {
    return static_cast<float>(platform::screenSizeTwips().height());
}

float Notif::restGapTwips() {
    return std::max(static_cast<float>(kBottomGapTwips),
                    static_cast<float>(platform::bottomPanelTwips()));
}

void Notif::setSlideDuration(int milliseconds) {
    slideMs = std::max(0, milliseconds);
}

void Notif::Form_Load() {
    if (shellState().notifVisible) {
        const forms::LoadGuard guard(this);
        SlideForm(SlideOut);
        if (!guard) {
            return;
        }
    }
    // Just below the bottom edge, 500 twips from the right edge.
    m_left = screenWidthTwips() - kWidthTwips - kRightGapTwips;
    m_top = screenHeightTwips();
    place();
    SlideForm(SlideIn);
}

void Notif::place() {
    const QRect screen = platform::primaryScreenRect();
    const QSize size(static_cast<int>(std::lround(kWidthTwips / platform::twipsPerPixelX())),
                     static_cast<int>(std::lround(m_height / platform::twipsPerPixelY())));
    const QPoint position(
        screen.x() + static_cast<int>(std::lround(m_left / platform::twipsPerPixelX())),
        screen.y() + static_cast<int>(std::lround(m_top / platform::twipsPerPixelY())));
    if (this->size() != size) {
        resize(size);
    }
    if (pos() != position) {
        move(position);
    }
}

void Notif::chooseBackground() {
    const qsizetype length = shellState().textoNotif.size();
    const QLabel* source = ui->Picture4;
    m_height = kShortHeightTwips;
    if (length >= kLongFromLength) {
        source = ui->Picture3;
        m_height = kLongHeightTwips;
    } else if (length >= kMediumFromLength) {
        source = ui->Picture2;
        m_height = kMediumHeightTwips;
    }
    const QPixmap background = source->pixmap();
    ui->Picture1->setPixmap(background);
    if (!background.isNull()) {
        ui->Picture1->resize(background.size());
    }
    place();
}

void Notif::SlideForm(int mode) {
    ShellState& s = shellState();
    if (!s.notifVisible) {
        chooseBackground();
        if (mode == SlideIn) {
            QString text = s.textoNotif;
            ui->mTexto->setText(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
            show();
            if (slideTo(screenHeightTwips() - m_height - restGapTwips())) {
                s.notifVisible = true;
                Topmost();
            }
            return;
        }
        if (mode != SlideOut) {
            return;
        }
    }
    NotTopmost();
    if (slideTo(m_height + screenHeightTwips())) {
        s.notifVisible = false;
        // Below the screen it would still show on a screen beneath this one.
        hide();
    }
}

bool Notif::slideTo(float stop) {
    const forms::LoadGuard guard(this);
    const int frames = std::max(1, slideMs / kFrameMs);
    const double stepsPerFrame =
        std::max(1.0, std::ceil(static_cast<double>(std::abs(stop - m_top)) / frames));
    int stepsInFrame = 0;
    while (m_top != stop) {
        // One twip a step; the last step lands on the stop whatever the pixel density.
        const float gap = stop - m_top;
        m_top = std::abs(gap) <= 1.0F ? stop : m_top + (gap > 0 ? 1.0F : -1.0F);
        place();
        runtime::DoEvents();
        if (!guard) {
            return false;
        }
        if (slideMs > 0 && ++stepsInFrame >= stepsPerFrame) {
            stepsInFrame = 0;
            waitForNextFrame();
            if (!guard) {
                return false;
            }
        }
    }
    return true;
}

void Notif::waitForNextFrame() {
    // Sleeps until the next frame while events run, instead of spinning.
    const runtime::NestedEvents nested;
    QEventLoop frame;
    QTimer::singleShot(kFrameMs, &frame, &QEventLoop::quit);
    frame.exec();
}

void Notif::Topmost() {
    platform::setTopmost(this, true);
}

void Notif::NotTopmost() {
    platform::setTopmost(this, false);
}

void Notif::Image1_Click() {
    const forms::LoadGuard guard(this);
    SlideForm(SlideOut);
    if (!guard) {
        return;
    }
    shellState().notifVisible = false;
    if (forms::DoEvents(this)) {
        Unload();
    }
}

bool Notif::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->Image1 && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            ui->Image1->rect().contains(mouse->position().toPoint())) {
            Image1_Click();
            return true;
        }
    }
    return forms::Form::eventFilter(watched, event);
}

void slideNoticeIn() {
    forms::Forms& forms = forms::Forms::instance();
    if (Notif* notice = forms.findForm<Notif>()) {
        notice->SlideForm(Notif::SlideIn);
    } else {
        forms.get<Notif>();
    }
}

void slideNoticeOut() {
    if (Notif* notice = forms::Forms::instance().get<Notif>()) {
        notice->SlideForm(Notif::SlideOut);
    }
}

} // namespace shell
