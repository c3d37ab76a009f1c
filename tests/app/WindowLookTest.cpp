// The look of the windows: the message boxes, input boxes and file dialogs that they open are
// drawn for real over each window made active, and their texts must be readable against their
// own ground; the windows style their own controls only, and carry the program's icon.
#include "app/Windows.h"
#include "biorhythms/FormMod.h"
#include "biorule/BioState.h"
#include "forms/Forms.h"
#include "forms/UiPictures.h"
#include "readings/Frmoracle.h"
#include "readings/ReadingsState.h"
#include "runtime/MessageBox.h"
#include "shell/FrmOptions.h"
#include "shell/Notif.h"
#include "shell/ShellState.h"
#include "shell/WindowNames.h"
#include "shell/frmAbout.h"
#include "support/FakeClock.h"
#include "support/FakeMusicPlayer.h"
#include "support/FakeShell.h"
#include "support/FakeSoundPlayer.h"
#include "support/FakeTray.h"
#include "support/TempProgramFolder.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QHash>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

namespace {

constexpr double kLeastContrast = 4.5;
constexpr int kLeastInkPixels = 12; // a text, not a stray pixel

double luminance(QColor colour) {
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double contrast(QColor a, QColor b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// What a text shows on the screen: its ground (the commonest colour of its rectangle) and the
// number of its pixels that stand out from that ground by the least contrast.
struct Reading {
    double best = 1.0;
    int inkPixels = 0;
};

Reading readText(const QImage& picture) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            ++counts[picture.pixel(x, y)];
        }
    }
    QRgb ground = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            ground = it.key();
        }
    }
    Reading reading;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double ratio = contrast(QColor(it.key()), QColor(ground));
        reading.best = std::max(reading.best, ratio);
        if (ratio >= kLeastContrast) {
            reading.inkPixels += it.value();
        }
    }
    return reading;
}

// The label as the dialog draws it.
QImage shownLabel(QWidget* dialog, const QLabel* label) {
    const QImage whole = dialog->grab().toImage();
    const qreal scale = whole.devicePixelRatio();
    const QRect area(label->mapTo(dialog, QPoint(0, 0)) * scale, label->size() * scale);
    return whole.copy(area).convertToFormat(QImage::Format_RGB32);
}

QLabel* labelShowing(QWidget* dialog, const QRegularExpression& text) {
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->isVisible() && text.match(label->text()).hasMatch()) {
            return label;
        }
    }
    return nullptr;
}

// What the timer that looks at a dialog found.
struct Inspection {
    const QWidget* window = nullptr;
    QRegularExpression text;
    Reading reading;
    bool seen = false;
    int triesLeft = 200;
};

// Once the dialog is up, reads its text and closes it.
void inspectDialog(const std::shared_ptr<Inspection>& look) {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr || !dialog->isVisible()) {
        if (--look->triesLeft > 0) {
            QTimer::singleShot(10, [look] { inspectDialog(look); });
        }
        return;
    }
    look->seen = true;
    const std::string where = look->window->objectName().toStdString();
    EXPECT_EQ(dialog->parentWidget(), look->window) << where;
    if (const QLabel* label = labelShowing(dialog, look->text)) {
        look->reading = readText(shownLabel(dialog, label));
    } else {
        ADD_FAILURE() << "no text " << look->text.pattern().toStdString() << " over " << where;
    }
    static_cast<QDialog*>(dialog)->reject();
}

// Runs `open`, which shows a modal dialog over `window` and waits for it to close; reads the
// dialog's text matching `text` while it is up.
Reading readDialog(const QWidget& window, const std::function<void()>& open,
                   const QRegularExpression& text) {
    auto look = std::make_shared<Inspection>();
    look->window = &window;
    look->text = text;
    QTimer::singleShot(0, [look] { inspectDialog(look); });
    open();
    EXPECT_TRUE(look->seen) << window.objectName().toStdString();
    look->triesLeft = 0;
    return look->reading;
}

void expectReadable(const Reading& reading, const char* what, const QString& where) {
    EXPECT_GE(reading.best, kLeastContrast) << what << " over " << where.toStdString();
    EXPECT_GE(reading.inkPixels, kLeastInkPixels) << what << " over " << where.toStdString();
}

// Each rule of a style sheet selects controls by name ("#name" or "#name::title").
QStringList selectorsOf(const QString& sheet) {
    QStringList selectors;
    static const QRegularExpression rule(QStringLiteral("([^{}]*)\\{[^}]*\\}"));
    for (const QRegularExpressionMatch& match : rule.globalMatch(sheet)) {
        for (const QString& selector : match.captured(1).split(QLatin1Char(','))) {
            selectors << selector.trimmed();
        }
    }
    return selectors;
}

} // namespace

class WindowLookTest : public testing::Test {
protected:
    void SetUp() override {
        shell::resetShellState();
        biorhythms::resetBioState();
        readings::resetReadingsState();
        shell::shellState().modoMinimizar = "systray";
        shell::Notif::setSlideDuration(0);
        runtime::setDialogScript(nullptr);
        app::registerWindows();
        folder.write("bio.dat", "15,6,1980\r\n");
        folder.write("horabio.dat", "9,5\r\n");
        folder.write("biofinal.dat", "0,0,0\r\n");
        folder.write("perfiles.txt", "Ana,March/3/1985,10:20\r\nLuis,July/24/1970,9:5\r\n");
    }
    void TearDown() override {
        forms::Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        shell::Notif::setSlideDuration(shell::Notif::kDefaultSlideMs);
    }

    // The window loaded and shown.
    static forms::Form& shownWindow(const QString& name) {
        forms::Forms& windows = forms::Forms::instance();
        forms::Form* window = name == QLatin1String(shell::FrmOptions::kName)
                                  ? windows.get<shell::FrmOptions>()
                                  : windows.load(name);
        EXPECT_NE(window, nullptr) << name.toStdString();
        window->Show();
        return *window;
    }
    // The window becomes the active one again, as when a box before it has closed.
    static void makeActive(forms::Form& window) {
        window.Show();
        QCoreApplication::processEvents();
        ASSERT_EQ(QApplication::activeWindow(), &window) << window.objectName().toStdString();
    }

    testing_support::TempProgramFolder folder;
    testing_support::FakeTray tray;
    testing_support::FakeSoundPlayer sound;
    testing_support::FakeMusicPlayer music;
    testing_support::FakeShell desktop;
    testing_support::FakeClock clock{runtime::makeDateTime({2026, 12, 10, 12, 0, 0})};
};

// Every window that opens boxes, the six main windows first.
const QStringList kWindows = {
    shell::kFrmCartaDia,
    shell::kFrmCalendar,
    shell::kFrmVelarcana,
    shell::kFrmName,
    shell::kFrmoracle,
    shell::kFrmBio,
    shell::kFrmProfiles,
    shell::kFrmCompaTab,
    QString::fromLatin1(biorhythms::FormMod::kName),
    QString::fromLatin1(shell::FrmOptions::kName),
};

TEST_F(WindowLookTest, BoxesAndDialogsAreReadableOverEveryWindow) {
    const QString prompt = QStringLiteral("You must enter only numbers");
    const QRegularExpression promptText(QRegularExpression::escape(prompt));
    for (const QString& name : kWindows) {
        forms::Form& window = shownWindow(name);
        makeActive(window);
        expectReadable(readDialog(
                           window, [&] { runtime::MsgBox(prompt, runtime::vbExclamation, "Info"); },
                           promptText),
                       "message box", name);
        makeActive(window);
        expectReadable(
            readDialog(
                window, [&] { runtime::InputBox(prompt, QStringLiteral("Profile")); }, promptText),
            "input box", name);
        makeActive(window);
        const auto chooseFile = [&] {
            if (auto* oracle = qobject_cast<readings::Frmoracle*>(&window)) {
                oracle->MnuEliSound_Click(); // the program's own file dialog
            } else {
                QFileDialog::getOpenFileName(&window, QStringLiteral("Open file..."), folder.path(),
                                             QStringLiteral("Files mid (*.mid*)"));
            }
        };
        expectReadable(
            readDialog(window, chooseFile, QRegularExpression(QStringLiteral("File.*name"))),
            "file dialog", name);
        forms::Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// A window styles its own controls, each by its name, and nothing else: a rule by the kind of
// control would reach the boxes it opens as well.
TEST_F(WindowLookTest, EveryRuleOfAWindowsLookNamesOneOfItsControls) {
    for (const QString& name : kWindows) {
        forms::Form& window = shownWindow(name);
        for (const QString& selector : selectorsOf(window.styleSheet())) {
            const QString control =
                selector.section(QStringLiteral("::"), 0, 0).section(QLatin1Char(':'), 0, 0).mid(1);
            EXPECT_TRUE(selector.startsWith(QLatin1Char('#'))) << selector.toStdString();
            EXPECT_TRUE(control == window.objectName() ||
                        window.findChild<QWidget*>(control) != nullptr)
                << name.toStdString() << ": " << selector.toStdString();
        }
        forms::Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(WindowLookTest, EveryWindowCarriesTheProgramsIcon) {
    const QImage icon = forms::programIcon().pixmap(32).toImage();
    ASSERT_FALSE(icon.isNull());
    QStringList names = kWindows;
    names << QString::fromLatin1(shell::frmAbout::kName);
    for (const QString& name : names) {
        forms::Form& window = name == QLatin1String(shell::frmAbout::kName)
                                  ? *forms::Forms::instance().get<shell::frmAbout>()
                                  : shownWindow(name);
        EXPECT_EQ(window.windowIcon().pixmap(32).toImage(), icon) << name.toStdString();
        forms::Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
