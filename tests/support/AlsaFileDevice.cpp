#include "support/AlsaFileDevice.h"

#include <QFile>

#include <chrono>

namespace testing_support {

AlsaFileDevice::AlsaFileDevice()
    : m_dataHome("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("no-data-home"))) {
    define(
        QStringLiteral("type file\nslave.pcm \"null\"\nfile \"%1\"\nformat \"raw\"").arg(output()));
}

void AlsaFileDevice::define(const QString& pcm) {
    const QString path = m_dir.filePath(QStringLiteral("asound.conf"));
    QFile conf(path);
    if (conf.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        conf.write(QStringLiteral("pcm.!default {\n%1\n}\n").arg(pcm).toUtf8());
    }
    conf.close();
    m_config.reset();
    m_config.emplace("ALSA_CONFIG_PATH", QStringLiteral("/usr/share/alsa/alsa.conf:") + path);
}

QByteArray AlsaFileDevice::played() const {
    QFile file(output());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<int> SoundEnds::waitFor(std::size_t count, int ms) {
    std::unique_lock lock(m_mutex);
    m_changed.wait_for(lock, std::chrono::milliseconds(ms),
                       [&] { return m_results.size() >= count; });
    return m_results;
}

void SoundEnds::add(int result) {
    const std::lock_guard lock(m_mutex);
    m_results.push_back(result);
    m_changed.notify_all();
}

} // namespace testing_support
