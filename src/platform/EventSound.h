#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace platform {

// The desktop's event sounds: a sound named by the freedesktop sound naming ("dialog-information")
// as the desktop's sound theme gives it. The call returns at once and the sound plays meanwhile.
// Where the desktop has event sounds turned off, or there is no sound device or no such sound,
// nothing plays.
class EventSoundPlayer {
public:
    virtual ~EventSoundPlayer() = default;
    virtual void play(const QString& eventId) = 0;
};

EventSoundPlayer& eventSoundPlayer();
// Installs another player (not owned); nullptr puts the real one back.
void setEventSoundPlayer(EventSoundPlayer* player);

void playEventSound(const QString& eventId);

// The real player: libcanberra, on a thread of its own, so that a sound server that is slow to
// answer or a device that does not open never holds up the windows. A sound asked for while the
// last one is still being started is dropped, as it would come late.
class CanberraSoundPlayer final : public EventSoundPlayer {
public:
    // Hears, on another thread, how each sound that was started ended: 0 once it has played to
    // its end, else libcanberra's error code.
    using Ended = std::function<void(int result)>;

    explicit CanberraSoundPlayer(Ended ended = {});
    // Returns at once, even while the device hangs; the thread then ends on its own once the
    // sounds it started have ended.
    ~CanberraSoundPlayer() override;
    CanberraSoundPlayer(const CanberraSoundPlayer&) = delete;
    CanberraSoundPlayer& operator=(const CanberraSoundPlayer&) = delete;

    void play(const QString& eventId) override;

private:
    struct Worker;
    std::shared_ptr<Worker> m_worker;
};

} // namespace platform
