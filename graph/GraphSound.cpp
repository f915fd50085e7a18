// The graph's audio trace: what the keys play, and the word on a sound that cannot be played.
#include "GraphSound.h"

#include <QEvent>
#include <QWidget>

namespace pellitor::graph {

GraphSound::GraphSound(QWidget* owner) : QObject(owner)
{
    owner->installEventFilter(this);
}

void GraphSound::setOutput(std::unique_ptr<SoundOutput> output)
{
    m_output = std::move(output);
}

SoundOutput& GraphSound::output()
{
    // Made at the first sound: a graph that is never heard never looks for a sound device.
    if (!m_output)
        m_output = makeAudioOutput();
    return *m_output;
}

bool GraphSound::playing(SoundOutput::Outcome outcome)
{
    QString text;
    if (outcome == SoundOutput::Outcome::NoDevice)
        text = tr("No sound device.");
    else if (outcome == SoundOutput::Outcome::Failed)
        text = tr("The sound device could not play the sound.");
    // Every sound that cannot be played says why, also where a word on the view has replaced
    // the same word since. Only a word of its own is taken back: a word on the view stays.
    if (!text.isEmpty() || !m_noted.isEmpty())
        emit note(text);
    m_noted = text;
    return outcome == SoundOutput::Outcome::Playing;
}

void GraphSound::playSweep(const SoundCurve& curve)
{
    playing(output().play(renderSweep(curve)));
}

void GraphSound::toggleTone(const SoundPoint& point)
{
    if (m_toneOn) {
        m_toneOn = false;
        output().stop();
        return;
    }
    m_toneOn = playing(output().hold(point));
}

void GraphSound::traceMoved(const SoundPoint& point)
{
    if (m_toneOn)
        m_toneOn = playing(output().hold(point));
}

void GraphSound::stop()
{
    m_toneOn = false;
    if (m_output)
        m_output->stop();
}

bool GraphSound::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Hide)
        stop();
    return QObject::eventFilter(watched, event);
}

} // namespace pellitor::graph
