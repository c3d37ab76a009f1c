// The yardstick of scripts/measure.sh: the least a Qt tray program does. One window with a
// picture (the file named by the first argument) and a clock label set every second, and a tray
// icon.
#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QPixmap picture(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());

    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare tray"));
    auto* layout = new QVBoxLayout(&window);
    auto* shown = new QLabel(&window);
    shown->setPixmap(picture);
    auto* clock = new QLabel(&window);
    layout->addWidget(shown);
    layout->addWidget(clock);

    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout,
                     [clock] { clock->setText(QTime::currentTime().toString()); });
    tick.start(1000);

    QSystemTrayIcon tray{QIcon(picture)};
    tray.show();
    window.show();
    return QApplication::exec();
}
