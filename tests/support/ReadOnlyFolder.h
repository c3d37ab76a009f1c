#pragma once

#include <QFileDevice>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace testing_support {

// Takes away the right to write in a folder, and in the files it names, while the object lives.
// Permission bits do not stop root, so a process running as root also gives up its power to
// write through them (CAP_DAC_OVERRIDE) for that time. `holds()` tells whether writing really
// fails now; a test that cannot get there skips.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& folder, const QStringList& files = {});
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool holds() const { return m_holds; }

private:
    bool writable() const;

    QString m_folder;
    std::vector<std::pair<QString, QFileDevice::Permissions>> m_saved;
    bool m_droppedOverride = false;
    bool m_holds = false;
};

} // namespace testing_support
