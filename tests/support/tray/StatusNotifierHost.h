#pragma once

#include <QDBusMessage>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace testing_support {

// One entry of a DBusMenu: its label, or a separator, and the entries of its submenu.
struct MenuEntry {
    int id = 0;
    QString label;
    bool separator = false;
    QList<MenuEntry> children;
};

// A StatusNotifierItem host on the test's session bus, as a panel is: our watcher program
// (StatusNotifierWatcher.cpp) owns org.kde.StatusNotifierWatcher and tells that a host is there,
// and this side reads the registered items over the bus and sends them the host's clicks. Qt
// answers for an item of this process only while the process runs its events, so every call
// waits for its reply with events running. The watcher goes with the object.
class StatusNotifierHost : public QObject {
    Q_OBJECT

public:
    StatusNotifierHost();
    ~StatusNotifierHost() override;

    // Whether the watcher owns its name on the bus; false when it did not come up in time.
    bool ready() const { return m_ready; }
    // The registered items, each as its service followed by its object path.
    QStringList items() const;

    QVariant itemProperty(const QString& item, const QString& name) const;
    // The title of the item's tooltip (where Qt puts the whole text).
    QString toolTip(const QString& item) const;
    // The item's whole menu, from its root.
    MenuEntry menu(const QString& item) const;
    // A click on a menu entry; false when the item did not take it.
    bool clickMenuEntry(const QString& item, int id) const;
    // A left click on the icon in the panel.
    bool activate(const QString& item) const;
    // How many times an item has said that its tooltip changed.
    int toolTipChanges() const { return m_toolTipChanges; }

private slots:
    void toolTipChanged() { ++m_toolTipChanges; }

private:
    QProcess m_watcher;
    bool m_ready = false;
    int m_toolTipChanges = 0;
};

// Sends the call and waits for its answer with events running; an error message after the
// deadline.
QDBusMessage callWithEventsRunning(const QDBusMessage& call);

} // namespace testing_support
