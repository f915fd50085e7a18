// The audio trace's output: a QAudioSink that pulls its frames from a sound made beforehand (the
// sweep) or made as it plays (the held tone), and is stopped as soon as the sound has ended.
#include "SoundOutput.h"

#include "SoundRender.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>

#include <algorithm>
#include <cstring>

namespace pellitor::graph {

namespace {
constexpr int BytesPerFrame = 2 * sizeof(std::int16_t);
// The sink's buffer: 100 ms, so that the held tone follows the trace without a noticeable delay.
constexpr int BufferFrames = SoundFrameRate / 10;
// Silence after each sound: the sink stops when its source is used up, and whatever it still
// holds in its buffer then is this silence, not the end of the sound.
constexpr std::size_t TailFrames = 2 * BufferFrames;

QAudioFormat soundFormat()
{
    QAudioFormat format;
    format.setSampleRate(SoundFrameRate);
    format.setChannelCount(2);
    format.setChannelConfig(QAudioFormat::ChannelConfigStereo);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

// The frames the sink pulls: the rest of a sweep or of the held tone, then the tail of silence,
// then nothing, which ends the sound.
class SoundSource final : public QIODevice {
public:
    SoundSource() { open(QIODevice::ReadOnly | QIODevice::Unbuffered); }

    void play(std::vector<std::int16_t> pcm)
    {
        m_pcm = std::move(pcm);
        m_at = 0;
        m_holding = false;
        m_tail = TailFrames;
    }
    void hold(const SoundPoint& point)
    {
        m_pcm.clear();
        m_at = 0;
        m_holding = true;
        m_tone.hold(point);
        m_tail = TailFrames;
    }
    void stop()
    {
        m_pcm.clear();
        m_at = 0;
        m_holding = false;
        m_tail = 0;
    }
    bool finished() const { return m_at >= m_pcm.size() && (!m_holding || m_tone.finished()) && m_tail == 0; }

    bool isSequential() const override { return true; }
    bool atEnd() const override { return finished(); }
    qint64 bytesAvailable() const override
    {
        const std::size_t tone = m_holding && !m_tone.finished() ? std::size_t(ToneSeconds * SoundFrameRate) : 0;
        return qint64((m_pcm.size() - m_at) / 2 + tone + m_tail) * BytesPerFrame + QIODevice::bytesAvailable();
    }

protected:
    qint64 readData(char* data, qint64 most) override
    {
        const std::size_t frames = std::size_t(std::max<qint64>(most, 0) / BytesPerFrame);
        std::vector<std::int16_t> out;
        out.reserve(2 * frames);
        const std::size_t fromPcm = std::min(frames, (m_pcm.size() - m_at) / 2);
        out.insert(out.end(), m_pcm.begin() + std::ptrdiff_t(m_at), m_pcm.begin() + std::ptrdiff_t(m_at + 2 * fromPcm));
        m_at += 2 * fromPcm;
        if (m_holding)
            m_tone.fill(frames - out.size() / 2, out);
        const std::size_t silence = std::min(frames - out.size() / 2, m_tail);
        out.insert(out.end(), 2 * silence, 0);
        m_tail -= silence;
        std::memcpy(data, out.data(), out.size() * sizeof(std::int16_t));
        return qint64(out.size() * sizeof(std::int16_t));
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    std::vector<std::int16_t> m_pcm;
    std::size_t m_at = 0;
    bool m_holding = false;
    HeldTone m_tone;
    std::size_t m_tail = 0;
};

class AudioSinkOutput final : public SoundOutput {
public:
    Outcome play(std::vector<std::int16_t> pcm) override
    {
        const Outcome ready = prepare();
        if (ready != Outcome::Playing)
            return ready;
        m_source.play(std::move(pcm));
        return start();
    }
    Outcome hold(const SoundPoint& point) override
    {
        const Outcome ready = prepare();
        if (ready != Outcome::Playing)
            return ready;
        m_source.hold(point);
        return start();
    }
    void stop() override
    {
        m_source.stop();
        if (m_sink)
            m_sink->stop();
    }

private:
    // A sink for the default output as it is now.
    Outcome prepare()
    {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) {
            stop();
            m_sink.reset();
            return Outcome::NoDevice;
        }
        if (m_sink && device == m_device)
            return Outcome::Playing;
        stop();
        m_sink.reset();
        if (!device.isFormatSupported(soundFormat()))
            return Outcome::Failed;
        m_sink = std::make_unique<QAudioSink>(device, soundFormat());
        m_sink->setBufferSize(BufferFrames * BytesPerFrame);
        m_device = device;
        // Queued: the sink is not stopped from within its own signal.
        QObject::connect(
            m_sink.get(), &QAudioSink::stateChanged, m_sink.get(), [this] { ended(); }, Qt::QueuedConnection);
        return Outcome::Playing;
    }
    Outcome start()
    {
        if (m_sink->state() != QAudio::ActiveState)
            m_sink->start(&m_source);
        return m_sink->error() == QAudio::NoError ? Outcome::Playing : Outcome::Failed;
    }
    void ended()
    {
        if (m_sink && m_sink->state() == QAudio::IdleState && m_source.finished())
            m_sink->stop();
    }

    SoundSource m_source; // outlives the sink that reads it
    std::unique_ptr<QAudioSink> m_sink;
    QAudioDevice m_device;
};
} // namespace

std::unique_ptr<SoundOutput> makeAudioOutput()
{
    return std::make_unique<AudioSinkOutput>();
}

} // namespace pellitor::graph
