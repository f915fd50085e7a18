// Where the audio trace's sound goes: the desktop's default audio output through Qt Multimedia,
// or a recording in tests. The output runs only while it plays: once a sound has ended, its
// audio stream is stopped and nothing of it ticks.
#pragma once

#include "SoundVoice.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace pellitor::graph {

class SoundOutput {
public:
    enum class Outcome { Playing, NoDevice, Failed };

    virtual ~SoundOutput() = default;
    // Plays pcm (interleaved 16-bit stereo at SoundFrameRate) instead of what plays.
    virtual Outcome play(std::vector<std::int16_t> pcm) = 0;
    // Holds the tone of point for a moment, gliding on from a held tone that still plays.
    virtual Outcome hold(const SoundPoint& point) = 0;
    virtual void stop() = 0;
};

// The default audio output, looked up at each sound (a headset plugged in meanwhile is used).
std::unique_ptr<SoundOutput> makeAudioOutput();

} // namespace pellitor::graph
