#include "platform/EventSound.h"

#include "platform/XSettings.h"

#include <canberra.h>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

namespace platform {
namespace {

// One sound as the desktop wants it played.
struct SoundRequest {
    QByteArray eventId;
    bool enabled = true; // the desktop's own switch for event sounds
    QByteArray theme;    // the desktop's sound theme; empty: the freedesktop one
};

template <class T> std::optional<T> settingOf(const XSettings& settings, const char* name) {
    const auto found = settings.find(name);
    if (found == settings.end() || !std::holds_alternative<T>(found->second)) {
        return std::nullopt;
    }
    return std::get<T>(found->second);
}

// The switch and the theme as the desktop's settings manager publishes them (the same settings
// that GTK programs follow); without a manager, sounds are on in the freedesktop theme.
SoundRequest requestFor(const QString& eventId) {
    SoundRequest request;
    request.eventId = eventId.toUtf8();
    if (const auto settings = readXSettings()) {
        request.enabled = settingOf<std::int32_t>(*settings, "Net/EnableEventSounds").value_or(1);
        request.theme =
            settingOf<QByteArray>(*settings, "Net/SoundThemeName").value_or(QByteArray());
    }
    return request;
}

EventSoundPlayer* installed = nullptr;

// A context that opened its driver, kept for the life of the process: libcanberra's ALSA driver
// ends a sound's thread after the thread has told the context that it is done, so destroying the
// context (which unloads the driver) can pull the code from under that thread. Nothing when no
// driver opens. Its drivers are loaded through libltdl, which is not safe from two threads at
// once: every context is made under one lock.
ca_context* keptContext(int& error) {
    static std::mutex mutex;
    static auto* kept = new std::vector<ca_context*>;
    const std::lock_guard lock(mutex);
    ca_context* context = nullptr;
    error = ca_context_create(&context);
    if (error >= 0) {
        error = ca_context_open(context);
        if (error < 0) {
            ca_context_destroy(context);
        }
    }
    if (error < 0) {
        return nullptr;
    }
    kept->push_back(context);
    return context;
}

EventSoundPlayer& realPlayer() {
    // Never destroyed: its thread may still be starting a sound while the program ends.
    static CanberraSoundPlayer* player = new CanberraSoundPlayer;
    return *player;
}

} // namespace

// Shared by the player and its thread, which goes on alone once the player has gone.
struct CanberraSoundPlayer::Worker {
    std::mutex mutex;
    std::condition_variable wake;
    std::optional<SoundRequest> pending;
    bool busy = false;
    bool stopping = false;
    int playing = 0; // sounds started whose end libcanberra has not told yet
    Ended ended;
    ca_context* context = nullptr; // the thread's own

    void run() {
        std::unique_lock lock(mutex);
        for (;;) {
            wake.wait(lock, [this] { return pending || stopping; });
            if (stopping) {
                break;
            }
            const SoundRequest request = *std::exchange(pending, std::nullopt);
            busy = true;
            lock.unlock();
            start(request);
            lock.lock();
            busy = false;
        }
        // Their ends are told to this worker.
        wake.wait(lock, [this] { return playing == 0; });
    }

    void start(const SoundRequest& request) {
        if (!context) {
            int error = 0;
            context = keptContext(error);
            if (!context) {
                report(error);
                return;
            }
        }
        ca_proplist* properties = nullptr;
        if (ca_proplist_create(&properties) < 0) {
            report(CA_ERROR_OOM);
            return;
        }
        ca_proplist_sets(properties, CA_PROP_EVENT_ID, request.eventId.constData());
        ca_proplist_sets(properties, CA_PROP_CANBERRA_ENABLE, request.enabled ? "1" : "0");
        if (!request.theme.isEmpty()) {
            ca_proplist_sets(properties, CA_PROP_CANBERRA_XDG_THEME_NAME,
                             request.theme.constData());
        }
        countPlaying(+1);
        const int result = ca_context_play_full(context, 0, properties, &Worker::finished, this);
        ca_proplist_destroy(properties);
        if (result < 0) {
            countPlaying(-1);
            report(result);
        }
    }

    void countPlaying(int change) {
        const std::lock_guard lock(mutex);
        playing += change;
        wake.notify_one();
    }

    // libcanberra's threads tell the end of a sound here.
    static void finished(ca_context*, std::uint32_t, int result, void* data) {
        auto* worker = static_cast<Worker*>(data);
        worker->report(result);
        worker->countPlaying(-1);
    }

    void report(int result) const {
        if (ended) {
            ended(result);
        }
    }
};

CanberraSoundPlayer::CanberraSoundPlayer(Ended ended) : m_worker(std::make_shared<Worker>()) {
    m_worker->ended = std::move(ended);
    std::thread([worker = m_worker] { worker->run(); }).detach();
}

CanberraSoundPlayer::~CanberraSoundPlayer() {
    const std::lock_guard lock(m_worker->mutex);
    m_worker->stopping = true;
    m_worker->wake.notify_one();
}

void CanberraSoundPlayer::play(const QString& eventId) {
    SoundRequest request = requestFor(eventId);
    const std::lock_guard lock(m_worker->mutex);
    if (!m_worker->pending && !m_worker->busy) {
        m_worker->pending = std::move(request);
        m_worker->wake.notify_one();
    }
}

EventSoundPlayer& eventSoundPlayer() {
    return installed ? *installed : realPlayer();
}

void setEventSoundPlayer(EventSoundPlayer* player) {
    installed = player;
}

void playEventSound(const QString& eventId) {
    eventSoundPlayer().play(eventId);
}

} // namespace platform
