// The audio trace's synthesiser, Qt-free: a sine whose pitch glides without a break in its phase,
// panned left to right at constant power, a soft noise for a curve above or below the view, a
// click for a zero, and a short fade wherever the sound starts or stops, so that only a zero
// clicks. It makes interleaved 16-bit stereo frames; its noise is seeded, so a sound is always
// the same.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pellitor::graph {

inline constexpr int SoundFrameRate = 44100;
// A tone's pitch spans two octaves, low for the bottom of the view, high for its top.
inline constexpr double LowPitch = 220.0;
inline constexpr double HighPitch = 880.0;

// What sounds at one moment.
struct SoundPoint {
    // Silent where the curve has no value; Above and Below: noise, for a y beyond the view.
    enum class Kind { Silent, Tone, Above, Below };
    Kind kind = Kind::Silent;
    double pitch = LowPitch; // Hz, for a tone
    double pan = 0.5;        // 0 left, 1 right
};

class SoundVoice {
public:
    // Frames that a start or a stop of the tone or the noise fades over (5 ms).
    static constexpr int FadeFrames = SoundFrameRate / 200;
    // The length of a click (4 ms).
    static constexpr int TickFrames = SoundFrameRate / 250;

    // Appends frames of the sound moving towards point.
    void render(const SoundPoint& point, std::size_t frames, std::vector<std::int16_t>& out);
    // The next frame starts a click.
    void tick() { m_tickAt = 0; }
    // Whether the last frame was silent: nothing fading, no click.
    bool quiet() const { return m_toneGain == 0.0 && m_noiseGain == 0.0 && m_tickAt >= TickFrames; }

private:
    double noise();

    double m_phase = 0.0;
    double m_pitch = LowPitch;
    double m_pan = 0.5;
    double m_toneGain = 0.0;
    double m_noiseGain = 0.0;
    double m_lowNoise = 0.0; // the noise below the view: white noise through a low pass
    bool m_below = false;
    int m_tickAt = TickFrames;
    std::uint32_t m_seed = 0x2545f491u;
};

} // namespace pellitor::graph
