#include "support/tray/StatusNotifierHost.h"

#include "support/DesktopDeadline.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QTest>
#include <QVariantMap>

namespace testing_support {
namespace {

const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kItemInterface = QStringLiteral("org.kde.StatusNotifierItem");
const QString kMenuInterface = QStringLiteral("com.canonical.dbusmenu");

struct Address {
    QString service;
    QString path;
};

Address addressOf(const QString& item) {
    const qsizetype slash = item.indexOf(QLatin1Char('/'));
    return {item.left(slash), item.mid(slash)};
}

QVariant propertyOf(const QString& service, const QString& path, const QString& interface,
                    const QString& name) {
    QDBusMessage get = QDBusMessage::createMethodCall(
        service, path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << interface << name;
    const QDBusMessage reply = callWithEventsRunning(get);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return {};
    }
    return qvariant_cast<QDBusVariant>(reply.arguments().constFirst()).variant();
}

// (ia{sv}av): the id, the properties and the entries below.
MenuEntry readEntry(const QDBusArgument& argument) {
    MenuEntry entry;
    QVariantMap properties;
    argument.beginStructure();
    argument >> entry.id >> properties;
    argument.beginArray();
    while (!argument.atEnd()) {
        QDBusVariant child;
        argument >> child;
        entry.children << readEntry(qvariant_cast<QDBusArgument>(child.variant()));
    }
    argument.endArray();
    argument.endStructure();
    entry.label = properties.value(QStringLiteral("label")).toString();
    entry.separator =
        properties.value(QStringLiteral("type")).toString() == QLatin1String("separator");
    return entry;
}

bool answered(const QDBusMessage& call) {
    return callWithEventsRunning(call).type() == QDBusMessage::ReplyMessage;
}

} // namespace

StatusNotifierHost::StatusNotifierHost() {
    m_watcher.setProgram(QStringLiteral(VELARCANA_SNI_WATCHER));
    m_watcher.setProcessChannelMode(QProcess::ForwardedChannels);
    m_watcher.start();
    QDBusConnection bus = QDBusConnection::sessionBus();
    m_ready = m_watcher.waitForStarted(kDesktopDeadlineMs) && bus.isConnected() &&
              QTest::qWaitFor(
                  [this, &bus] {
                      return m_watcher.state() != QProcess::Running ||
                             bus.interface()->isServiceRegistered(kWatcher).value();
                  },
                  kDesktopDeadlineMs) &&
              m_watcher.state() == QProcess::Running;
    bus.connect(QString(), QString(), kItemInterface, QStringLiteral("NewToolTip"), this,
                SLOT(toolTipChanged()));
}

StatusNotifierHost::~StatusNotifierHost() {
    QDBusConnection::sessionBus().disconnect(QString(), QString(), kItemInterface,
                                             QStringLiteral("NewToolTip"), this,
                                             SLOT(toolTipChanged()));
    // Its input closing ends it; a kill stands in when it does not.
    m_watcher.closeWriteChannel();
    if (!m_watcher.waitForFinished(kDesktopDeadlineMs)) {
        m_watcher.kill();
        m_watcher.waitForFinished(kDesktopDeadlineMs);
    }
}

QStringList StatusNotifierHost::items() const {
    return propertyOf(kWatcher, QStringLiteral("/StatusNotifierWatcher"), kWatcher,
                      QStringLiteral("RegisteredStatusNotifierItems"))
        .toStringList();
}

QVariant StatusNotifierHost::itemProperty(const QString& item, const QString& name) const {
    const Address address = addressOf(item);
    return propertyOf(address.service, address.path, kItemInterface, name);
}

// (sa(iiay)ss): icon name, icon pictures, title, text.
QString StatusNotifierHost::toolTip(const QString& item) const {
    const QVariant value = itemProperty(item, QStringLiteral("ToolTip"));
    if (!value.canConvert<QDBusArgument>()) {
        return {};
    }
    const QDBusArgument argument = qvariant_cast<QDBusArgument>(value);
    QString iconName;
    QString title;
    QString text;
    argument.beginStructure();
    argument >> iconName;
    argument.beginArray();
    while (!argument.atEnd()) {
        int width = 0;
        int height = 0;
        QByteArray pixels;
        argument.beginStructure();
        argument >> width >> height >> pixels;
        argument.endStructure();
    }
    argument.endArray();
    argument >> title >> text;
    argument.endStructure();
    return title;
}

MenuEntry StatusNotifierHost::menu(const QString& item) const {
    const QString path =
        qvariant_cast<QDBusObjectPath>(itemProperty(item, QStringLiteral("Menu"))).path();
    if (path.isEmpty()) {
        return {};
    }
    QDBusMessage layout = QDBusMessage::createMethodCall(
        addressOf(item).service, path, kMenuInterface, QStringLiteral("GetLayout"));
    layout << 0 << -1 << QStringList();
    const QDBusMessage reply = callWithEventsRunning(layout);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 2) {
        return {};
    }
    return readEntry(qvariant_cast<QDBusArgument>(reply.arguments().at(1)));
}

bool StatusNotifierHost::clickMenuEntry(const QString& item, int id) const {
    const QString path =
        qvariant_cast<QDBusObjectPath>(itemProperty(item, QStringLiteral("Menu"))).path();
    QDBusMessage event = QDBusMessage::createMethodCall(addressOf(item).service, path,
                                                        kMenuInterface, QStringLiteral("Event"));
    event << id << QStringLiteral("clicked") << QVariant::fromValue(QDBusVariant(QString())) << 0U;
    return answered(event);
}

bool StatusNotifierHost::activate(const QString& item) const {
    const Address address = addressOf(item);
    QDBusMessage click = QDBusMessage::createMethodCall(address.service, address.path,
                                                        kItemInterface, QStringLiteral("Activate"));
    click << 0 << 0;
    return answered(click);
}

QDBusMessage callWithEventsRunning(const QDBusMessage& call) {
    const QDBusPendingCall pending =
        QDBusConnection::sessionBus().asyncCall(call, kDesktopDeadlineMs);
    if (!QTest::qWaitFor([&pending] { return pending.isFinished(); }, 2 * kDesktopDeadlineMs)) {
        return call.createErrorReply(QDBusError::Timeout, QStringLiteral("no answer in time"));
    }
    return pending.reply();
}

} // namespace testing_support
