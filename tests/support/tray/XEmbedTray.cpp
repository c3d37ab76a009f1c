#include "support/tray/XEmbedTray.h"

#include <QApplication>
#include <QCursor>
#include <QRegularExpression>
#include <QSystemTrayIcon>
#include <QTest>

namespace testing_support {
namespace {

int numberAfter(const QByteArray& text, const char* label) {
    const QRegularExpression pattern(QString::fromLatin1(label) + QStringLiteral(":\\s*(-?\\d+)"));
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(text));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QString windowId(WId window) {
    return QStringLiteral("0x") + QString::number(window, 16);
}

} // namespace

Trayer::Trayer() {
    m_process.setProgram(QStringLiteral("trayer"));
    m_process.setArguments({QStringLiteral("--edge"), QStringLiteral("top"),
                            QStringLiteral("--align"), QStringLiteral("left"),
                            QStringLiteral("--widthtype"), QStringLiteral("request"),
                            QStringLiteral("--height"), QStringLiteral("24")});
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.setStandardErrorFile(QProcess::nullDevice());
    m_ready = start();
}

Trayer::~Trayer() {
    stop();
}

bool Trayer::start() {
    m_process.start();
    return m_process.waitForStarted(kDesktopDeadlineMs) &&
           QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); },
                           kDesktopDeadlineMs);
}

void Trayer::stop() {
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(kDesktopDeadlineMs);
    }
}

bool Trayer::restart() {
    stop();
    m_ready = QTest::qWaitFor([] { return !QSystemTrayIcon::isSystemTrayAvailable(); },
                              kDesktopDeadlineMs) &&
              start();
    return m_ready;
}

XWindowInfo xWindowInfo(WId window) {
    XWindowInfo info;
    QByteArray stats;
    QByteArray tree;
    if (!runTool(QStringLiteral("xwininfo"), {QStringLiteral("-id"), windowId(window)}, &stats) ||
        !runTool(QStringLiteral("xwininfo"),
                 {QStringLiteral("-children"), QStringLiteral("-id"), windowId(window)}, &tree)) {
        return info;
    }
    info.rect = QRect(numberAfter(stats, "Absolute upper-left X"),
                      numberAfter(stats, "Absolute upper-left Y"), numberAfter(stats, "Width"),
                      numberAfter(stats, "Height"));
    info.viewable = stats.contains("Map State: IsViewable");
    const QRegularExpression parent(QStringLiteral("Parent window id: \\S+ ([^\\n]*)"));
    const QRegularExpressionMatch match = parent.match(QString::fromLatin1(tree));
    info.embedded = match.hasMatch() && !match.captured(1).contains(QStringLiteral("root window"));
    return info;
}

QWidget* trayIconWindow() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->objectName() == QLatin1String("QSystemTrayIconSys") && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

// xdotool's own wait for the pointer never ends when the pointer is already there.
bool movePointer(QPoint position) {
    return runTool(QStringLiteral("xdotool"),
                   {QStringLiteral("mousemove"), QString::number(position.x()),
                    QString::number(position.y())}) &&
           QTest::qWaitFor([position] { return QCursor::pos() == position; }, kDesktopDeadlineMs);
}

bool clickAt(QPoint position, int button) {
    return movePointer(position) &&
           runTool(QStringLiteral("xdotool"), {QStringLiteral("click"), QString::number(button)});
}

bool runTool(const QString& program, const QStringList& arguments, QByteArray* output) {
    QProcess tool;
    tool.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    tool.start(program, arguments);
    if (!tool.waitForFinished(kDesktopDeadlineMs)) {
        tool.kill();
        tool.waitForFinished();
        return false;
    }
    if (output) {
        *output = tool.readAllStandardOutput();
    }
    return tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

} // namespace testing_support
