// The windows with the starry night for a ground, shown in each of their looks and grabbed: no
// star shows inside a text (a label, a caption, a button's text, a text box), while the sky
// keeps stars elsewhere.
#include "app/Windows.h"
#include "biorule/BioState.h"
#include "forms/Forms.h"
#include "moon/FrmMoonPhase.h"
#include "moon/MoonState.h"
#include "platform/Pointer.h"
#include "readings/FrmCalendar.h"
#include "readings/FrmCartaDia.h"
#include "readings/ReadingsState.h"
#include "runtime/MessageBox.h"
#include "runtime/SystemFormats.h"
#include "shell/FrmTimer.h"
#include "shell/FrmToolTip.h"
#include "shell/Notif.h"
#include "shell/ShellState.h"
#include "support/FakeClock.h"
#include "support/FakeShell.h"
#include "support/FakeSoundPlayer.h"
#include "support/FakeTimeZone.h"
#include "support/FakeTray.h"
#include "support/TempProgramFolder.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCalendarWidget>
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <optional>

namespace {

constexpr int kTolerance = 2; // per colour channel: the ground's own rounding

// The program's data that the looks show: the decks, the signs with their periods and texts, the
// moon pictures.
const char* const kDataFolders[] = {"imagenes", "imagenes2", "imagenes3", "amenores",
                                    "signos",   "sigtxt",    "fechas-db", "lunagif"};

// What the window's controls draw by themselves over nothing: where it stays transparent the
// user sees the window's own ground.
QImage controlsAlone(QWidget& window, qreal scale) {
    QImage cover(window.size() * scale, QImage::Format_ARGB32_Premultiplied);
    cover.setDevicePixelRatio(scale);
    cover.fill(Qt::transparent);
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && child->isVisible()) {
            child->render(&cover, child->pos(), QRegion(), QWidget::DrawChildren);
        }
    }
    return cover;
}

// The rectangle where a control shows a text, in the window's pixels; empty when it shows none.
QRect textArea(const QWidget& window, const QWidget& control) {
    QRect area;
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        if (label->pixmap().isNull() && !label->text().isEmpty()) {
            area = label->contentsRect();
        }
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        if (!button->text().isEmpty()) {
            area = button->rect();
        }
    } else if (qobject_cast<const QLineEdit*>(&control) ||
               qobject_cast<const QAbstractScrollArea*>(&control)) {
        area = control.rect();
    }
    return QRect(control.mapTo(&window, area.topLeft()), area.size()) & window.rect();
}

bool sameColour(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= kTolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= kTolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= kTolerance;
}

// The window as the user sees it, and where the ground shows through its controls.
class ShownSky {
public:
    explicit ShownSky(QWidget& window) {
        m_shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        m_scale = m_shown.devicePixelRatio();
        m_cover = controlsAlone(window, m_scale);
        // The sky changes from top to bottom only: a row's ground is its commonest open colour.
        for (int y = 0; y < m_shown.height(); ++y) {
            QHash<QRgb, int> counts;
            for (int x = 0; x < m_shown.width(); ++x) {
                if (open(x, y)) {
                    ++counts[m_shown.pixel(x, y)];
                }
            }
            const auto commonest = std::max_element(counts.cbegin(), counts.cend());
            m_ground.append(commonest == counts.cend() ? 0 : commonest.key());
        }
    }

    // A pixel of a star: the ground shows there, and not plain.
    bool starAt(int x, int y) const {
        return open(x, y) && !sameColour(m_shown.pixel(x, y), m_ground[y]);
    }
    // The first star pixel inside a rectangle of the window, in its own coordinates.
    std::optional<QPoint> starIn(const QRect& area) const {
        const QRect pixels(area.topLeft() * m_scale, area.size() * m_scale);
        for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
            for (int x = pixels.left(); x <= pixels.right(); ++x) {
                if (starAt(x, y)) {
                    return QPoint(x, y) / m_scale;
                }
            }
        }
        return std::nullopt;
    }
    // Star pixels inside the window's frame.
    int starPixels() const {
        const int frame = static_cast<int>(std::ceil(m_scale));
        int count = 0;
        for (int y = frame; y < m_shown.height() - frame; ++y) {
            for (int x = frame; x < m_shown.width() - frame; ++x) {
                count += starAt(x, y) ? 1 : 0;
            }
        }
        return count;
    }

private:
    bool open(int x, int y) const { return qAlpha(m_cover.pixel(x, y)) == 0; }

    QImage m_shown;
    QImage m_cover;
    qreal m_scale = 1;
    QList<QRgb> m_ground;
};

void expectNoStarOnATextOf(QWidget& window, const std::string& look) {
    const ShownSky sky(window);
    int texts = 0;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        const QRect area = textArea(window, *control);
        if (control->window() != &window || !control->isVisible() || area.isEmpty()) {
            continue;
        }
        ++texts;
        if (const auto star = sky.starIn(area)) {
            ADD_FAILURE() << look << ": a star at (" << star->x() << ", " << star->y() << ") in "
                          << control->objectName().toStdString();
        }
    }
    EXPECT_GT(texts, 0) << look;
    EXPECT_GT(sky.starPixels(), 0) << look << ": the sky has no stars left";
}

// The pointer moves over a picture five times, as it does before its hover shows.
void hover(QWidget* picture) {
    const QPoint at = picture->mapToGlobal(picture->rect().center());
    platform::setCursorPosOverride(at);
    for (int move = 0; move < readings::FrmCartaDia::kHoverMoves; ++move) {
        QMouseEvent event(QEvent::MouseMove, picture->mapFromGlobal(QPointF(at)), QPointF(at),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(picture, &event);
    }
}

} // namespace

class NightSkyTest : public testing::Test {
protected:
    void SetUp() override {
        shell::resetShellState();
        biorhythms::resetBioState();
        moon::resetMoonState();
        readings::resetReadingsState();
        runtime::setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        shell::Notif::setSlideDuration(0);
        runtime::setDialogScript(
            [](const runtime::DialogCall&, QString&) { return runtime::vbOK; });
        app::registerWindows();
        for (const char* data : kDataFolders) {
            QFile::link(QStringLiteral(VELARCANA_PROGRAM_DIR "/") + data, folder.file(data));
        }
    }
    void TearDown() override {
        closeAll();
        runtime::setDialogScript(nullptr);
        shell::Notif::setSlideDuration(shell::Notif::kDefaultSlideMs);
        platform::setCursorPosOverride(std::nullopt);
    }
    static void closeAll() {
        forms::Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

public:
    template <class T> static T* control(QWidget& window, const char* name) {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // The program starts as the user starts it: its background window brings up the start
    // window, whose clock has ticked once.
    readings::FrmCartaDia& cardOfTheDay() {
        auto& timer = *forms::Forms::instance().get<shell::FrmTimer>();
        clock.advanceSeconds(7);
        timer.TimeUp_Timer();
        auto& window = *forms::Forms::instance().findForm<readings::FrmCartaDia>();
        window.krono_Timer();
        return window;
    }
    QWidget& moonDetail() {
        hover(control<QLabel>(cardOfTheDay(), "ImgLuna"));
        return *forms::Forms::instance().findForm<moon::FrmMoonPhase>();
    }
    readings::FrmCalendar& anotherDay() {
        auto& window = *static_cast<readings::FrmCalendar*>(
            forms::Forms::instance().load(readings::FrmCalendar::kName));
        window.Show();
        control<QCalendarWidget>(window, "Calendar1")->setSelectedDate(QDate(2026, 12, 21));
        window.Calendar1_Click();
        return window;
    }
    // Over the background window, which gives it its lines.
    QWidget& personalToolTip() {
        forms::Forms::instance().get<shell::FrmTimer>();
        shell::shellState().tooltipCerrado = true;
        platform::setCursorPosOverride(QPoint(640, 790));
        return *forms::Forms::instance().get<shell::FrmToolTip>();
    }

    testing_support::TempProgramFolder folder;
    testing_support::FakeTray tray;
    testing_support::FakeSoundPlayer sound;
    testing_support::FakeShell desktop;
    testing_support::FakeTimeZone utc{0, 0, 0};
    testing_support::FakeClock clock{runtime::makeDateTime({2026, 12, 10, 12, 0, 0})};
};

TEST_F(NightSkyTest, NoStarShowsInsideATextInAnyLook) {
    struct Look {
        const char* name;
        QByteArray settings; // the [opciones] lines
        bool birthDate;
        runtime::DateValue day;
        std::function<QWidget&(NightSkyTest&)> show;
    };
    const runtime::DateValue day = runtime::makeDateTime({2026, 12, 10, 12, 0, 0});
    const runtime::DateValue signChange = runtime::makeDateTime({2026, 12, 21, 12, 0, 0});
    const auto card = [](NightSkyTest& t) -> QWidget& { return t.cardOfTheDay(); };
    const Look looks[] = {
        {"card of the day, first deck", "tipocartas=marsellaone", true, day, card},
        {"card of the day, classic deck", "tipocartas=marsellaclass", true, day, card},
        {"card of the day, old deck", "tipocartas=oldones", true, day, card},
        {"card of the day, southern moon", "Hemisferio=Sur", true, day, card},
        {"card of the day, no birth date yet", "", false, day, card},
        {"card of the day, change of sign", "", true, signChange, card},
        {"card of the day, sign text", "", true, day,
         [](NightSkyTest& t) -> QWidget& {
             QWidget& window = t.cardOfTheDay();
             hover(control<QLabel>(window, "ImageZod"));
             return window;
         }},
        {"moon detail", "", true, day, [](NightSkyTest& t) -> QWidget& { return t.moonDetail(); }},
        {"moon detail, previous phases", "", true, day,
         [](NightSkyTest& t) -> QWidget& {
             auto& detail = static_cast<moon::FrmMoonPhase&>(t.moonDetail());
             detail.LabelDetall_Click();
             return detail;
         }},
        {"another day", "", true, day, [](NightSkyTest& t) -> QWidget& { return t.anotherDay(); }},
        {"another day, sign text", "", true, day,
         [](NightSkyTest& t) -> QWidget& {
             QWidget& window = t.anotherDay();
             QTest::mousePress(control<QLabel>(window, "ImageZod"), Qt::LeftButton);
             return window;
         }},
        {"personal tooltip", "Estilo Tooltips=personal", true, day,
         [](NightSkyTest& t) -> QWidget& { return t.personalToolTip(); }},
        {"personal tooltip, no birth date yet", "Estilo Tooltips=personal", false, day,
         [](NightSkyTest& t) -> QWidget& { return t.personalToolTip(); }},
    };
    for (const Look& look : looks) {
        shell::resetShellState();
        biorhythms::resetBioState();
        readings::resetReadingsState();
        folder.write("opciones.ini", "[opciones]\r\n" + look.settings + "\r\n");
        QFile::remove(folder.file("bio.dat"));
        if (look.birthDate) {
            folder.write("bio.dat", "15,6,1980\r\n");
            folder.write("horabio.dat", "9,5\r\n");
        }
        clock.set(look.day);
        QWidget& window = look.show(*this);
        ASSERT_TRUE(window.isVisible()) << look.name;
        expectNoStarOnATextOf(window, look.name);
        closeAll();
    }
}
