#pragma once

#include "platform/EventSound.h"
#include "support/EnvironmentVariable.h"

#include <QString>
#include <QTemporaryDir>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace testing_support {

// The sound device that libcanberra finds, while the object lives: ALSA's default device written
// by the test, used through libcanberra's ALSA driver whatever else the machine has. By default
// it writes the samples it plays into a file and drops them; the user's own sounds folder is out
// of the way.
class AlsaFileDevice {
public:
    AlsaFileDevice();

    // The file that gets the samples.
    QString output() const { return m_dir.filePath(QStringLiteral("played.raw")); }
    // The bytes played so far; empty while nothing has been.
    QByteArray played() const;
    // The default device becomes the one ALSA's configuration text defines (the `pcm.!default`
    // block's body).
    void define(const QString& pcm);
    // A folder of the test's own, for sound themes and such.
    QString folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    std::optional<EnvironmentVariable> m_config;
    EnvironmentVariable m_driver{"CANBERRA_DRIVER", QStringLiteral("alsa")};
    EnvironmentVariable m_dataHome;
};

// How the sounds of a real player ended, as it tells them from its own threads. Shared with the
// player's thread, which may outlive a failed test.
class SoundEnds {
public:
    static std::shared_ptr<SoundEnds> make() { return std::make_shared<SoundEnds>(); }
    static platform::CanberraSoundPlayer::Ended recorder(const std::shared_ptr<SoundEnds>& ends) {
        return [ends](int result) { ends->add(result); };
    }

    // Waits until `count` sounds have ended, at most `ms`; the results so far.
    std::vector<int> waitFor(std::size_t count, int ms);

private:
    void add(int result);

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<int> m_results;
};

} // namespace testing_support
