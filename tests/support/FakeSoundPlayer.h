#pragma once

#include "platform/Sound.h"

#include <QStringList>

namespace testing_support {

// Keeps the sounds played instead of playing them; installs itself while it lives.
class FakeSoundPlayer final : public platform::SoundPlayer {
public:
    FakeSoundPlayer() { platform::setSoundPlayer(this); }
    ~FakeSoundPlayer() override { platform::setSoundPlayer(nullptr); }
    void play(const QString& wavPath) override { played << wavPath; }

    QStringList played;
};

} // namespace testing_support
