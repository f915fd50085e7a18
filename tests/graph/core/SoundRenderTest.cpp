// The audio trace rendered into a buffer, no device needed: pitch measured by zero crossings,
// balance and loudness by RMS, silence sample by sample.
#include "SoundRender.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

using namespace pellitor;
using namespace pellitor::graph;

namespace {

constexpr std::size_t Frames = std::size_t(SweepSeconds * SoundFrameRate);
using Pieces = std::vector<std::vector<plot::Point>>;
using Pcm = std::vector<std::int16_t>;

std::vector<plot::Point> piece(double from, double to, const std::function<double(double)>& f = {})
{
    std::vector<plot::Point> points;
    for (double x = from; x <= to + 1e-9; x += 0.05)
        points.push_back({x, f ? f(x) : x});
    return points;
}

// Channel 0 left, 1 right, 2 both added; over 4096 frames from first, or about the fraction at
// of the sweep.
double sample(const Pcm& pcm, std::size_t frame, int channel)
{
    return channel == 2 ? double(pcm[2 * frame]) + pcm[2 * frame + 1] : double(pcm[2 * frame + channel]);
}
std::size_t windowAt(double at)
{
    return std::size_t(at * Frames) - 2048;
}
double rms(const Pcm& pcm, std::size_t first, int channel)
{
    double sum = 0.0;
    for (std::size_t i = first; i < first + 4096; ++i)
        sum += sample(pcm, i, channel) * sample(pcm, i, channel);
    return std::sqrt(sum / 4096.0);
}
// Rising zero crossings per second of both channels added, from the first to the last.
double pitch(const Pcm& pcm, std::size_t first)
{
    double from = -1.0, to = -1.0;
    int crossings = 0;
    for (std::size_t i = first + 1; i < first + 4096; ++i) {
        const double a = sample(pcm, i - 1, 2), b = sample(pcm, i, 2);
        if (a < 0.0 && b >= 0.0) {
            to = double(i - 1) + a / (a - b);
            from = from < 0.0 ? to : from;
            ++crossings;
        }
    }
    return crossings > 1 ? (crossings - 1) * SoundFrameRate / (to - from) : 0.0;
}

} // namespace

TEST(SoundRender, PitchFollowsYBalanceXNoiseBeyondTheView)
{
    // y = x with y from -5 to 5 in view: below it left of -5, above it right of 5.
    const Pieces line{piece(-10.0, 10.0)};
    const SoundCurve curve{{-10.0, 10.0}, {-5.0, 5.0}, &line, {}};
    const Pcm pcm = renderSweep(curve);
    ASSERT_EQ(pcm.size(), 2 * (Frames + SoundVoice::FadeFrames + SoundVoice::TickFrames));
    EXPECT_EQ(pcm, renderSweep(curve)); // seeded: the same every time
    const double centre = std::hypot(rms(pcm, windowAt(0.5), 0), rms(pcm, windowAt(0.5), 1));
    for (const double at : {0.1, 0.3, 0.4, 0.5, 0.6, 0.7, 0.9}) {
        const double left = rms(pcm, windowAt(at), 0), right = rms(pcm, windowAt(at), 1);
        // Constant power; the balance glides (10 ms), as a step of the trace must not click,
        // and so lags a little.
        const double balance = std::tan(at * std::numbers::pi / 2);
        EXPECT_NEAR(right / left, balance, 0.05 * balance) << at;
        if (at < 0.25 || at > 0.75) {
            // Noise well below the tone.
            EXPECT_GT(std::hypot(left, right), 0.1 * centre) << at;
            EXPECT_LT(std::hypot(left, right), 0.5 * centre) << at;
            continue;
        }
        EXPECT_NEAR(std::hypot(left, right) / centre, 1.0, 0.015) << at;
        const double expected = LowPitch * std::pow(HighPitch / LowPitch, (at - 0.25) * 2);
        EXPECT_NEAR(pitch(pcm, windowAt(at)) / expected, 1.0, 0.02) << "at " << at << " of the view";
    }
    // A hiss above, crossing zero far more often than any tone does; a rumble below, far less.
    EXPECT_GT(pitch(pcm, windowAt(0.9)), 4 * HighPitch);
    EXPECT_LT(pitch(pcm, windowAt(0.1)), 4 * HighPitch);
    EXPECT_GT(pitch(pcm, windowAt(0.9)), 3 * pitch(pcm, windowAt(0.1)));
    EXPECT_GT(rms(pcm, windowAt(0.02), 0), 10 * rms(pcm, windowAt(0.02), 1));
    EXPECT_GT(rms(pcm, windowAt(0.98), 1), 10 * rms(pcm, windowAt(0.98), 0));
}

TEST(SoundRender, SilentWhereThereIsNoValue)
{
    // Frames [from, to) must be silent; the frames after to must sound.
    const Pieces root{piece(0.0, 10.0, [](double x) { return std::sqrt(x); })};
    const Pieces gap{piece(-10.0, -2.0), piece(2.0, 10.0)};
    const struct {
        const char* name;
        const Pieces* pieces;
        std::size_t from, to;
    } cases[] = {
        {"sqr(x): the left half", &root, 0, Frames / 2},
        {"a gap from -2 to 2", &gap, Frames * 4 / 10 + SoundVoice::FadeFrames + 1, Frames * 6 / 10},
        {"no piece at all", nullptr, 0, Frames},
    };
    for (const auto& c : cases) {
        const Pcm pcm = renderSweep({{-10.0, 10.0}, {-10.0, 10.0}, c.pieces, {}});
        EXPECT_EQ(std::count(pcm.begin() + 2 * c.from, pcm.begin() + 2 * c.to, 0), 2 * (c.to - c.from)) << c.name;
        EXPECT_TRUE(c.to == Frames || rms(pcm, c.to + SoundVoice::FadeFrames, 2) > 3000.0) << c.name;
    }
}

TEST(SoundRender, TickAtEachZeroInView)
{
    const Pieces line{piece(-10.0, 10.0)};
    const Pcm plain = renderSweep({{-10.0, 10.0}, {-10.0, 10.0}, &line, {}});
    // x = 20 lies beyond the view: no tick for it.
    const Pcm ticked = renderSweep({{-10.0, 10.0}, {-10.0, 10.0}, &line, {0.0, 5.0, 20.0}});
    ASSERT_EQ(plain.size(), ticked.size());
    std::size_t differing = 0;
    int loudest = 0;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        if (plain[i] == ticked[i])
            continue;
        const std::size_t frame = i / 2;
        const bool atZero = frame >= Frames / 2 && frame < Frames / 2 + SoundVoice::TickFrames;
        const bool atFive = frame >= Frames * 3 / 4 && frame < Frames * 3 / 4 + SoundVoice::TickFrames;
        EXPECT_TRUE(atZero || atFive) << "frame " << frame;
        ++differing;
        loudest = std::max(loudest, std::abs(ticked[i] - plain[i]));
    }
    EXPECT_GE(differing, 2u * SoundVoice::TickFrames);
    EXPECT_GT(loudest, 8000);
}

TEST(SoundRender, SoundOfAPointAtTheEdges)
{
    const plot::Span xs{-10.0, 10.0}, ys{0.0, 4.0};
    const SoundPoint silent = soundAt(5.0, std::nullopt, xs, ys), nan = soundAt(5.0, std::nan(""), xs, ys);
    EXPECT_TRUE(silent.kind == SoundPoint::Kind::Silent && nan.kind == SoundPoint::Kind::Silent);
    EXPECT_EQ(soundAt(-30.0, 1.0, xs, ys).pan, 0.0);
    EXPECT_EQ(soundAt(30.0, 1.0, xs, ys).pan, 1.0);
    EXPECT_EQ(soundAt(5.0, 1.0, xs, ys).pan, 0.75);
    // The edges of the view are still tones.
    EXPECT_EQ(soundAt(0.0, 0.0, xs, ys).pitch, LowPitch);
    EXPECT_NEAR(soundAt(0.0, 4.0, xs, ys).pitch, HighPitch, 1e-9);
}

TEST(SoundRender, HeldToneGlidesOnAndEnds)
{
    const std::size_t held = std::size_t(ToneSeconds * SoundFrameRate);
    HeldTone tone;
    Pcm pcm;
    tone.hold({SoundPoint::Kind::Tone, LowPitch, 0.2});
    // A step of the trace a third into the tone, at its crest: it goes on, gliding, for the
    // whole time again.
    const std::size_t crest = held / 3 + 50;
    EXPECT_EQ(tone.fill(crest, pcm), crest);
    tone.hold({SoundPoint::Kind::Tone, 2 * LowPitch, 0.3});
    std::size_t more = 0;
    for (std::size_t got = 1; got > 0;)
        more += got = tone.fill(1000, pcm);
    EXPECT_TRUE(tone.finished());
    EXPECT_GE(more, held);
    EXPECT_LE(more, held + SoundVoice::FadeFrames + SoundVoice::TickFrames);
    EXPECT_EQ(tone.fill(1000, pcm), 0u);
    EXPECT_NEAR(pitch(pcm, held), 2 * LowPitch, 0.02 * 2 * LowPitch);
    // No click where the point changed: no step between frames beyond what a 440 Hz tone makes.
    int largestStep = 0;
    for (std::size_t i = 2; i < pcm.size(); ++i)
        largestStep = std::max(largestStep, std::abs(pcm[i] - pcm[i - 2]));
    EXPECT_LT(largestStep, 700);
    // A point without a value only lets the tone fade.
    tone.hold({SoundPoint::Kind::Tone, LowPitch, 0.5});
    tone.fill(100, pcm);
    tone.hold({});
    EXPECT_LE(tone.fill(held, pcm), std::size_t(SoundVoice::FadeFrames + SoundVoice::TickFrames));
    EXPECT_TRUE(tone.finished());
}
