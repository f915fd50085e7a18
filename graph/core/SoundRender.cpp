// The audio trace's sweep and held tone.
#include "SoundRender.h"

#include <algorithm>
#include <cmath>

namespace pellitor::graph {

namespace {
// y at x by the pieces, walked once from left to right: a straight line between two points of a
// piece, nothing beyond its ends.
class PieceWalk {
public:
    explicit PieceWalk(const plot::Pieces* pieces) : m_pieces(pieces) {}

    std::optional<double> at(double x)
    {
        if (!m_pieces)
            return std::nullopt;
        while (m_piece < m_pieces->size() && ((*m_pieces)[m_piece].empty() || (*m_pieces)[m_piece].back().x < x)) {
            ++m_piece;
            m_point = 0;
        }
        if (m_piece == m_pieces->size() || (*m_pieces)[m_piece].front().x > x)
            return std::nullopt;
        const std::vector<plot::Point>& points = (*m_pieces)[m_piece];
        while (m_point + 1 < points.size() && points[m_point + 1].x < x)
            ++m_point;
        if (m_point + 1 == points.size())
            return points[m_point].y;
        const plot::Point& a = points[m_point];
        const plot::Point& b = points[m_point + 1];
        return b.x > a.x ? a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x) : b.y;
    }

private:
    const plot::Pieces* m_pieces;
    std::size_t m_piece = 0;
    std::size_t m_point = 0;
};

double fraction(double value, const plot::Span& span)
{
    const double width = span.to - span.from;
    return width > 0.0 ? (value - span.from) / width : 0.5;
}
} // namespace

SoundPoint soundAt(double x, std::optional<double> y, const plot::Span& xs, const plot::Span& ys)
{
    SoundPoint point;
    point.pan = std::clamp(fraction(x, xs), 0.0, 1.0);
    if (!y || !std::isfinite(*y))
        return point;
    const double up = fraction(*y, ys);
    if (up > 1.0) {
        point.kind = SoundPoint::Kind::Above;
    } else if (up < 0.0) {
        point.kind = SoundPoint::Kind::Below;
    } else {
        // A pitch on a log scale: equal steps of y are equal musical intervals.
        point.kind = SoundPoint::Kind::Tone;
        point.pitch = LowPitch * std::pow(HighPitch / LowPitch, up);
    }
    return point;
}

std::vector<std::int16_t> renderSweep(const SoundCurve& curve, double seconds)
{
    const auto frames = static_cast<std::size_t>(std::lround(std::max(seconds, 0.0) * SoundFrameRate));
    std::vector<std::size_t> ticks;
    for (const double zero : curve.zeros) {
        const double at = fraction(zero, curve.xs);
        if (at >= 0.0 && at <= 1.0)
            ticks.push_back(std::min(static_cast<std::size_t>(at * double(frames)), frames - 1));
    }
    std::sort(ticks.begin(), ticks.end());

    std::vector<std::int16_t> out;
    out.reserve(2 * (frames + SoundVoice::FadeFrames + SoundVoice::TickFrames));
    SoundVoice voice;
    PieceWalk walk(curve.pieces);
    auto tick = ticks.begin();
    const double width = curve.xs.to - curve.xs.from;
    for (std::size_t i = 0; i < frames; ++i) {
        const double x = curve.xs.from + (double(i) + 0.5) / double(frames) * width;
        if (tick != ticks.end() && *tick == i) {
            voice.tick();
            while (tick != ticks.end() && *tick == i)
                ++tick;
        }
        voice.render(soundAt(x, walk.at(x), curve.xs, curve.ys), 1, out);
    }
    voice.render(SoundPoint{}, SoundVoice::FadeFrames + SoundVoice::TickFrames, out);
    return out;
}

void HeldTone::hold(const SoundPoint& point)
{
    // A point without a value only fades out the tone that plays.
    m_point = point;
    m_left = point.kind == SoundPoint::Kind::Silent ? 0 : static_cast<std::size_t>(ToneSeconds * SoundFrameRate);
}

std::size_t HeldTone::fill(std::size_t frames, std::vector<std::int16_t>& out)
{
    std::size_t made = 0;
    while (made < frames) {
        if (m_left > 0) {
            const std::size_t part = std::min(frames - made, m_left);
            m_voice.render(m_point, part, out);
            m_left -= part;
            made += part;
        } else if (!m_voice.quiet()) {
            m_voice.render(SoundPoint{}, 1, out);
            ++made;
        } else {
            break;
        }
    }
    return made;
}

} // namespace pellitor::graph
