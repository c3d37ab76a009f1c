#pragma once

#include "platform/Music.h"

#include <QFileInfo>
#include <QSet>
#include <QStringList>

#include <map>

namespace testing_support {

// Keeps the tunes opened and the commands given instead of playing anything; installs itself
// while it lives. A file that does not exist, or one marked unplayable, opens no device. An
// open device plays until a test lets it reach its end.
class FakeMusicPlayer final : public platform::MusicPlayer {
public:
    FakeMusicPlayer() { platform::setMusicPlayer(this); }
    ~FakeMusicPlayer() override { platform::setMusicPlayer(nullptr); }

    platform::MciDeviceId open(const QString& path) override {
        commands << QStringLiteral("open ") + path;
        // As the real player: no device for a file that is not there.
        if (unplayable.contains(path) || !QFileInfo(path).isFile()) {
            return 0;
        }
        const platform::MciDeviceId id = nextId++;
        modes[id] = platform::kMciModeStop;
        paths[id] = path;
        return id;
    }
    void play(platform::MciDeviceId id) override { command("play", id, platform::kMciModePlay); }
    long statusMode(platform::MciDeviceId id) override {
        const auto found = modes.find(id);
        return found == modes.end() ? 0 : found->second;
    }
    void seekToStart(platform::MciDeviceId id) override {
        command("seek", id, platform::kMciModeStop);
    }
    void stop(platform::MciDeviceId id) override { command("stop", id, platform::kMciModeStop); }
    void close(platform::MciDeviceId id) override {
        commands << QStringLiteral("close %1").arg(id);
        modes.erase(id);
        paths.erase(id);
    }
    void closeAll() override {
        commands << QStringLiteral("close all");
        modes.clear();
        paths.clear();
    }

    // The tune of a device reaches its end.
    void reachEnd(platform::MciDeviceId id) {
        if (modes.count(id) != 0) {
            modes[id] = platform::kMciModeStop;
        }
    }
    // The path of the one device that plays, or "" when none does.
    QString playing() const {
        for (const auto& [id, mode] : modes) {
            if (mode == platform::kMciModePlay) {
                return paths.at(id);
            }
        }
        return QString();
    }

    QStringList commands;
    QSet<QString> unplayable;
    std::map<platform::MciDeviceId, long> modes;
    std::map<platform::MciDeviceId, QString> paths;
    platform::MciDeviceId nextId = 1;

private:
    void command(const char* name, platform::MciDeviceId id, long mode) {
        commands << QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(id);
        if (modes.count(id) != 0) {
            modes[id] = mode;
        }
    }
};

} // namespace testing_support
