#pragma once

#include "platform/EventSound.h"

#include <QStringList>

namespace testing_support {

// Keeps the event sounds asked for instead of playing them; installs itself while it lives.
class FakeEventSoundPlayer final : public platform::EventSoundPlayer {
public:
    FakeEventSoundPlayer() { platform::setEventSoundPlayer(this); }
    ~FakeEventSoundPlayer() override { platform::setEventSoundPlayer(nullptr); }
    FakeEventSoundPlayer(const FakeEventSoundPlayer&) = delete;
    FakeEventSoundPlayer& operator=(const FakeEventSoundPlayer&) = delete;
    void play(const QString& eventId) override { played << eventId; }

    QStringList played;
};

} // namespace testing_support
