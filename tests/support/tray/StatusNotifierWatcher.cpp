// A StatusNotifierItem watcher that is its own host, for tests on a private session bus. It owns
// org.kde.StatusNotifierWatcher, tells every program that a host is there, and keeps the items
// that register until their owners leave the bus. It ends when its standard input closes, so it
// never outlives the test that started it.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QObject>
#include <QSocketNotifier>
#include <QStringList>

#include <cstdio>
#include <unistd.h>

namespace {

const QString kService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kPath = QStringLiteral("/StatusNotifierWatcher");
const QString kItemPath = QStringLiteral("/StatusNotifierItem");

class Watcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)

public:
    explicit Watcher(const QDBusConnection& bus) : m_owners(new QDBusServiceWatcher(this)) {
        m_owners->setConnection(bus);
        m_owners->setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
        connect(m_owners, &QDBusServiceWatcher::serviceUnregistered, this, &Watcher::ownerLeft);
    }

    QStringList items() const { return m_items; }
    bool hostRegistered() const { return true; }
    int protocolVersion() const { return 0; }

public slots:
    // An item names its service, or only its object path on the caller's connection.
    void RegisterStatusNotifierItem(const QString& serviceOrPath, const QDBusMessage& message) {
        const bool pathOnly = serviceOrPath.startsWith(QLatin1Char('/'));
        const QString service = pathOnly ? message.service() : serviceOrPath;
        const QString item = service + (pathOnly ? serviceOrPath : kItemPath);
        if (m_items.contains(item)) {
            return;
        }
        m_items << item;
        m_owners->addWatchedService(service);
        emit StatusNotifierItemRegistered(item);
    }
    void RegisterStatusNotifierHost(const QString&) { emit StatusNotifierHostRegistered(); }

signals:
    void StatusNotifierItemRegistered(const QString& item);
    void StatusNotifierItemUnregistered(const QString& item);
    void StatusNotifierHostRegistered();

private:
    void ownerLeft(const QString& service) {
        m_owners->removeWatchedService(service);
        for (const QString& item : QStringList(m_items)) {
            if (item.startsWith(service + QLatin1Char('/'))) {
                m_items.removeAll(item);
                emit StatusNotifierItemUnregistered(item);
            }
        }
    }

    QDBusServiceWatcher* m_owners;
    QStringList m_items;
};

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    Watcher watcher(bus);
    // The object is there before the name, so whoever sees the name can use it.
    if (!bus.registerObject(kPath, &watcher, QDBusConnection::ExportAllContents) ||
        !bus.registerService(kService)) {
        std::fprintf(stderr, "cannot own %s on the session bus\n", qPrintable(kService));
        return 1;
    }
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&input] {
        char byte = 0;
        if (read(STDIN_FILENO, &byte, 1) <= 0) {
            input.setEnabled(false);
            QCoreApplication::quit();
        }
    });
    return QCoreApplication::exec();
}

#include "StatusNotifierWatcher.moc"
