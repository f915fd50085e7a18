// The graph's audio trace: H sweeps the curve in view, Shift+H turns the traced point's tone on
// (each move of the trace then sounds, a held arrow key as one gliding tone) and off again. With
// no sound device it says so, through note(), and nothing else changes.
#pragma once

#include "SoundOutput.h"
#include "SoundRender.h"

#include <QObject>
#include <QString>

#include <memory>

class QWidget;

namespace pellitor::graph {

class GraphSound : public QObject {
    Q_OBJECT
public:
    // Falls silent, the tone turned off, when owner is hidden.
    explicit GraphSound(QWidget* owner);

    // Where the sound goes from now on; the desktop's audio output unless a test sets another.
    void setOutput(std::unique_ptr<SoundOutput> output);

    void playSweep(const SoundCurve& curve);
    bool toneOn() const { return m_toneOn; }
    // Turns the tone on, playing point, or off.
    void toggleTone(const SoundPoint& point);
    // The trace has moved to point: its tone, while the tone is on.
    void traceMoved(const SoundPoint& point);
    void stop();

signals:
    // What the status line says of the sound: at each sound that cannot be played why not ("No
    // sound device."), and "" once it plays again.
    void note(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SoundOutput& output();
    // Whether the output plays; else the note that says why.
    bool playing(SoundOutput::Outcome outcome);

    std::unique_ptr<SoundOutput> m_output;
    bool m_toneOn = false;
    QString m_noted;
};

} // namespace pellitor::graph
