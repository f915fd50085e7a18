// Where the audio trace's sound goes: the desktop's default audio output through Qt Multimedia,
// or a recording in tests. The output runs only while it plays: once a sound has ended, its
// audio stream is stopped and nothing of it ticks. A stream that failed is made anew at the next
// sound, so that a sound server that was restarted is heard again.
#pragma once

#include "SoundVoice.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QIODevice;

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

// One stream to the desktop's audio output, as an output drives it: a QAudioSink on the default
// device, or a fake in tests.
class AudioStream {
public:
    virtual ~AudioStream() = default;
    // Whether the stream can still play: it goes to the default output as that is now, and it
    // has neither failed to start nor stopped with an error (a sound server that went away).
    virtual bool usable() const = 0;
    // Pulls the sound from source unless it already does; false when it could not start.
    virtual bool start(QIODevice& source) = 0;
    virtual void stop() = 0;
};

// Makes a stream to the default output as it is now; nullptr and why (NoDevice or Failed) when
// it cannot.
using AudioStreams = std::function<std::unique_ptr<AudioStream>(SoundOutput::Outcome& why)>;

// An output that plays through a stream that make gives, made at the first sound and again at a
// sound after it became unusable: a stream that failed is never reused.
std::unique_ptr<SoundOutput> makeStreamOutput(AudioStreams make);

// The default audio output, looked up at each sound (a headset plugged in meanwhile is used).
std::unique_ptr<SoundOutput> makeAudioOutput();

} // namespace pellitor::graph
