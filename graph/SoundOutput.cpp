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

// A QAudioSink on one device. It marks itself unusable when it fails and is dropped at the next
// sound, never from within its own signal.
class SinkStream final : public AudioStream {
public:
    explicit SinkStream(const QAudioDevice& device) : m_device(device), m_sink(device, soundFormat())
    {
        m_sink.setBufferSize(BufferFrames * BytesPerFrame);
        // Queued: the sink is not stopped from within its own signal.
        QObject::connect(
            &m_sink, &QAudioSink::stateChanged, &m_sink, [this] { changed(); }, Qt::QueuedConnection);
    }

    bool usable() const override { return !m_failed && QMediaDevices::defaultAudioOutput() == m_device; }
    bool start(QIODevice& source) override
    {
        if (m_sink.state() != QAudio::ActiveState) {
            m_source = &source;
            m_sink.start(&source);
        }
        m_failed = failure(m_sink.error());
        return !m_failed;
    }
    void stop() override { m_sink.stop(); }

private:
    // An underrun is the end of a sound, not a failure.
    static bool failure(QAudio::Error error) { return error != QAudio::NoError && error != QAudio::UnderrunError; }

    void changed()
    {
        if (m_sink.state() == QAudio::StoppedState && failure(m_sink.error()))
            m_failed = true;
        else if (m_sink.state() == QAudio::IdleState && m_source && m_source->atEnd())
            m_sink.stop();
    }

    QAudioDevice m_device;
    QAudioSink m_sink;
    QIODevice* m_source = nullptr;
    bool m_failed = false;
};

std::unique_ptr<AudioStream> defaultStream(SoundOutput::Outcome& why)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        why = SoundOutput::Outcome::NoDevice;
        return nullptr;
    }
    if (!device.isFormatSupported(soundFormat())) {
        why = SoundOutput::Outcome::Failed;
        return nullptr;
    }
    return std::make_unique<SinkStream>(device);
}

class StreamOutput final : public SoundOutput {
public:
    explicit StreamOutput(AudioStreams make) : m_make(std::move(make)) {}

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
        if (m_stream)
            m_stream->stop();
    }

private:
    // A stream for the default output as it is now: the one there is while it can play, else a
    // new one.
    Outcome prepare()
    {
        if (m_stream && m_stream->usable())
            return Outcome::Playing;
        stop();
        m_stream.reset();
        Outcome why = Outcome::Failed;
        m_stream = m_make(why);
        return m_stream ? Outcome::Playing : why;
    }
    Outcome start() { return m_stream->start(m_source) ? Outcome::Playing : Outcome::Failed; }

    AudioStreams m_make;
    SoundSource m_source; // outlives the stream that reads it
    std::unique_ptr<AudioStream> m_stream;
};
} // namespace

std::unique_ptr<SoundOutput> makeStreamOutput(AudioStreams make)
{
    return std::make_unique<StreamOutput>(std::move(make));
}

std::unique_ptr<SoundOutput> makeAudioOutput()
{
    return makeStreamOutput(defaultStream);
}

} // namespace pellitor::graph
