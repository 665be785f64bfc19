#pragma once

#include "platform/Platform.h"

// Plays a wave file with the first player found (PipeWire, PulseAudio, ALSA), detached so the
// bar never waits; beeps when there is none or when no file is given.
class SoundPlayer : public Sound {
public:
    void play(const QString& wavePath) override;
};
