// The audio trace's synthesiser.
#include "SoundVoice.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pellitor::graph {

namespace {
// Peak levels as fractions of full scale: the tone, the noise (well below the tone: it only says
// "out of view") and the click, which must stand out over a tone. Their sum stays below 1.
constexpr double ToneLevel = 0.3;
constexpr double NoiseLevel = 0.08;
constexpr double TickLevel = 0.5;
constexpr double TickPitch = 3000.0;
// The low pass that turns white noise into the rumble below the view, and the gain that brings
// that rumble back to about the loudness of the hiss above it.
constexpr double LowPass = 0.05;
constexpr double LowBoost = 6.0;
// Pitch and balance glide towards a new point over about 10 ms (per frame: 1 - e^(-1/441)), so
// that a step of the trace or a jump of the curve changes the tone without a click.
constexpr double Glide = 0.0022650;

double towards(double value, double target, double step)
{
    return value < target ? std::min(value + step, target) : std::max(value - step, target);
}

std::int16_t pcm(double value)
{
    return static_cast<std::int16_t>(std::lround(std::clamp(value, -1.0, 1.0) * 32767.0));
}
} // namespace

double SoundVoice::noise()
{
    // xorshift32: the same noise on every machine, unlike the standard library's distributions.
    m_seed ^= m_seed << 13;
    m_seed ^= m_seed >> 17;
    m_seed ^= m_seed << 5;
    return static_cast<std::int32_t>(m_seed) / 2147483648.0;
}

void SoundVoice::render(const SoundPoint& point, std::size_t frames, std::vector<std::int16_t>& out)
{
    constexpr double Fade = 1.0 / FadeFrames;
    constexpr double Turn = 2.0 * std::numbers::pi;
    const bool tone = point.kind == SoundPoint::Kind::Tone;
    const bool noisy = point.kind == SoundPoint::Kind::Above || point.kind == SoundPoint::Kind::Below;
    out.reserve(out.size() + 2 * frames);
    for (std::size_t i = 0; i < frames; ++i) {
        // A sound that starts after silence starts at its own pitch and place, not gliding there.
        if (quiet())
            m_pan = point.pan;
        else
            m_pan += Glide * (point.pan - m_pan);
        if (tone) {
            if (m_toneGain == 0.0)
                m_pitch = point.pitch;
            else
                m_pitch *= std::exp(Glide * std::log(point.pitch / m_pitch));
        }
        if (noisy)
            m_below = point.kind == SoundPoint::Kind::Below;
        m_toneGain = towards(m_toneGain, tone ? 1.0 : 0.0, Fade);
        m_noiseGain = towards(m_noiseGain, noisy ? 1.0 : 0.0, Fade);

        m_phase = std::fmod(m_phase + Turn * m_pitch / SoundFrameRate, Turn);
        const double white = noise();
        m_lowNoise += LowPass * (white - m_lowNoise);
        double value = ToneLevel * m_toneGain * std::sin(m_phase)
                       + NoiseLevel * m_noiseGain * (m_below ? LowBoost * m_lowNoise : white);
        if (m_tickAt < TickFrames) {
            const double t = double(m_tickAt) / SoundFrameRate;
            value += TickLevel * std::sin(Turn * TickPitch * t) * (1.0 - double(m_tickAt) / TickFrames);
            ++m_tickAt;
        }
        // Constant power: left² + right² is the same wherever the sound stands.
        const double angle = std::clamp(m_pan, 0.0, 1.0) * std::numbers::pi / 2.0;
        out.push_back(pcm(value * std::cos(angle)));
        out.push_back(pcm(value * std::sin(angle)));
    }
}

} // namespace pellitor::graph
