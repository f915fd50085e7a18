// What the audio trace plays, Qt-free: the curve in view swept from left to right (pitch for y
// over the view's range, balance for x, a click at each zero, silence where there is no value,
// noise where y lies beyond the view), and the held tone of the traced point.
#pragma once

#include "PlotSamples.h"
#include "SoundVoice.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace pellitor::graph {

// A sweep lasts three seconds; the traced point's tone 0.3 s.
inline constexpr double SweepSeconds = 3.0;
inline constexpr double ToneSeconds = 0.3;

// The curve in view as the sweep plays it.
struct SoundCurve {
    plot::Span xs;
    plot::Span ys;
    // The drawing's pieces, each in order of x and all in order of x; no value between them.
    const plot::Pieces* pieces = nullptr;
    std::vector<double> zeros; // the x of the zeros in view
};

// The sound of the point (x, y) in the view xs by ys; no y: silence.
SoundPoint soundAt(double x, std::optional<double> y, const plot::Span& xs, const plot::Span& ys);

// The sweep of curve, interleaved 16-bit stereo at SoundFrameRate: seconds of the curve, then the
// fade of its last sound.
std::vector<std::int16_t> renderSweep(const SoundCurve& curve, double seconds = SweepSeconds);

// A tone held for a while after each point it is given, then fading out; each new point glides
// on from the sound that plays, so that holding an arrow key gives one unbroken tone.
class HeldTone {
public:
    void hold(const SoundPoint& point);
    // Up to frames more frames, appended to out; how many, 0 once the tone has faded out.
    std::size_t fill(std::size_t frames, std::vector<std::int16_t>& out);
    bool finished() const { return m_left == 0 && m_voice.quiet(); }

private:
    SoundVoice m_voice;
    SoundPoint m_point;
    std::size_t m_left = 0; // frames the point still sounds before it fades
};

} // namespace pellitor::graph
