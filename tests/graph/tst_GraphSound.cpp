// The audio trace's keys in the real graph window (offscreen): what H and Shift+H hand to the
// sound output, and with no sound device (as in CI) the status line's word and nothing else.
#include "ShownGraph.h"

#include <QtTest>

#include <memory>

using namespace pellitor;
using namespace pellitor::graph;

namespace {

// Kept by the window's sound; the test reads it while the window lives.
struct RecordingOutput final : SoundOutput {
    std::vector<std::vector<std::int16_t>> sweeps;
    std::vector<SoundPoint> tones;
    int stops = 0;
    Outcome play(std::vector<std::int16_t> pcm) override
    {
        sweeps.push_back(std::move(pcm));
        return Outcome::Playing;
    }
    Outcome hold(const SoundPoint& point) override
    {
        tones.push_back(point);
        return Outcome::Playing;
    }
    void stop() override { ++stops; }
};

// An output that cannot play: no device, or one that fails.
struct SilentOutput final : SoundOutput {
    Outcome outcome;
    int asked = 0;
    explicit SilentOutput(Outcome why) : outcome(why) {}
    Outcome play(std::vector<std::int16_t>) override { return ++asked, outcome; }
    Outcome hold(const SoundPoint&) override { return ++asked, outcome; }
    void stop() override {}
};

// A stream that starts or not as told, and may fail later, as one whose sound server went away.
struct FakeStream final : AudioStream {
    bool starts;
    int& alive;
    bool failed = false;
    FakeStream(bool start, int& count) : starts(start), alive(++count) {}
    ~FakeStream() override { --alive; }
    bool usable() const override { return !failed; }
    bool start(QIODevice&) override { return !(failed = !starts); }
    void stop() override {}
};

// The graph of expression, its sound recorded into heard unless that is null.
std::unique_ptr<GraphWindow> graphOf(std::u16string expression, RecordingOutput** heard = nullptr)
{
    auto window = testing::shownGraph(std::move(expression), {}, QSize());
    if (heard) {
        *heard = new RecordingOutput;
        window->canvas()->sound()->setOutput(std::unique_ptr<SoundOutput>(*heard));
    }
    return window;
}

using testing::settled;

} // namespace

class tst_GraphSound : public QObject {
    Q_OBJECT
private slots:
    void noSoundDeviceIsSaidAndNothingElseChanges()
    {
        const auto window = graphOf(u"x");
        GraphCanvas* canvas = window->canvas();
        QVERIFY(settled(canvas));
        const QString readout = canvas->readout();
        const std::optional<float> x = canvas->traceX();
        const plot::Span xs = canvas->viewport().xs();
        for (const Qt::KeyboardModifiers modifiers : {Qt::NoModifier, Qt::ShiftModifier}) {
            QTest::keyClick(canvas, Qt::Key_H, modifiers);
            QCOMPARE(window->statusText(), "No sound device.");
            QCOMPARE(canvas->readout(), readout);
            QCOMPARE(canvas->traceX(), x);
            QCOMPARE(canvas->viewport().xs().from, xs.from);
        }
        QVERIFY(!canvas->sound()->toneOn());
        QTest::keyClick(canvas, Qt::Key_Right);
        QVERIFY(*canvas->traceX() > *x);
    }

    // Each key that cannot sound says why, also after a move of the view took the word away.
    void everyKeyThatCannotSoundSaysWhy_data()
    {
        QTest::addColumn<SoundOutput::Outcome>("outcome");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("note");
        for (const auto& [outcome, note] :
             {std::pair{SoundOutput::Outcome::NoDevice, "No sound device."},
              std::pair{SoundOutput::Outcome::Failed, "The sound device could not play the sound."}}) {
            QTest::addRow("%s, H", note) << outcome << Qt::KeyboardModifiers() << QString(note);
            QTest::addRow("%s, Shift+H", note) << outcome << Qt::KeyboardModifiers(Qt::ShiftModifier) << QString(note);
        }
    }
    void everyKeyThatCannotSoundSaysWhy()
    {
        QFETCH(SoundOutput::Outcome, outcome);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, note);
        const auto window = graphOf(u"x");
        auto* silent = new SilentOutput(outcome);
        window->canvas()->sound()->setOutput(std::unique_ptr<SoundOutput>(silent));
        GraphCanvas* canvas = window->canvas();
        QVERIFY(settled(canvas));
        for (int time = 1; time <= 2; ++time) {
            QTest::keyClick(canvas, Qt::Key_H, modifiers);
            QTRY_COMPARE(window->statusText(), note);
            QCOMPARE(silent->asked, time);
            QTest::keyClick(canvas, Qt::Key_Right, Qt::ControlModifier); // the view's move clears it
            QCOMPARE(window->statusText(), "");
            QVERIFY(settled(canvas));
        }
        QVERIFY(!canvas->sound()->toneOn());
    }

    // A stream that failed, at its start or later, is dropped and a new one plays the next sound;
    // one that plays is kept.
    void aFailedStreamIsMadeAnew_data()
    {
        QTest::addColumn<bool>("starts");
        QTest::addColumn<bool>("failsLater");
        QTest::addColumn<SoundOutput::Outcome>("first");
        QTest::addColumn<int>("made");
        QTest::newRow("plays") << true << false << SoundOutput::Outcome::Playing << 1;
        QTest::newRow("failed to start") << false << false << SoundOutput::Outcome::Failed << 2;
        QTest::newRow("stopped with an error") << true << true << SoundOutput::Outcome::Playing << 2;
    }
    void aFailedStreamIsMadeAnew()
    {
        QFETCH(bool, starts);
        QFETCH(bool, failsLater);
        QFETCH(SoundOutput::Outcome, first);
        QFETCH(int, made);
        int count = 0;
        int alive = 0;
        FakeStream* last = nullptr;
        const std::unique_ptr<SoundOutput> output = makeStreamOutput([&](SoundOutput::Outcome&) {
            auto stream = std::make_unique<FakeStream>(count == 0 ? starts : true, alive);
            last = stream.get();
            return ++count, std::unique_ptr<AudioStream>(std::move(stream));
        });
        QCOMPARE(output->play(std::vector<std::int16_t>(100, 7)), first);
        last->failed = last->failed || failsLater;
        QCOMPARE(output->hold(SoundPoint{}), SoundOutput::Outcome::Playing);
        QCOMPARE(count, made);
        QCOMPARE(alive, 1);
    }

    void hSweepsTheCurveInView()
    {
        RecordingOutput* heard;
        const auto window = graphOf(u"x", &heard);
        GraphCanvas* canvas = window->canvas();
        // Asked before the drawing came (it comes through the event loop): played once it has.
        QVERIFY(canvas->computing());
        QTest::keyClick(canvas, Qt::Key_H);
        QVERIFY(settled(canvas));
        QTRY_COMPARE(heard->sweeps.size(), std::size_t(1));
        const GraphCurve& curve = *canvas->curve();
        std::vector<double> zeros;
        for (const Feature& feature : curve.features)
            if (feature.kind == Feature::Kind::Zero)
                zeros.push_back(feature.x);
        QCOMPARE(zeros.size(), std::size_t(1));
        QVERIFY(heard->sweeps[0]
                == renderSweep({canvas->viewport().xs(), canvas->viewport().ys(), &curve.pieces, zeros}));
        QCOMPARE(window->statusText(), "");
    }

    void nothingPlaysForARefusedExpression()
    {
        RecordingOutput* heard;
        const auto window = graphOf(u"2+", &heard);
        QVERIFY(settled(window->canvas()));
        QTest::keyClick(window->canvas(), Qt::Key_H);
        QTest::keyClick(window->canvas(), Qt::Key_H, Qt::ShiftModifier);
        QVERIFY(heard->sweeps.empty() && heard->tones.empty());
        QCOMPARE(window->statusText(), "Character 2:  Operand expected");
    }

    void shiftHTurnsTheToneOnForEachMoveOfTheTrace()
    {
        RecordingOutput* heard;
        const auto window = graphOf(u"x", &heard);
        GraphCanvas* canvas = window->canvas();
        QVERIFY(settled(canvas));
        QTest::keyClick(canvas, Qt::Key_Right);
        QVERIFY(heard->tones.empty());
        QTest::keyClick(canvas, Qt::Key_H, Qt::ShiftModifier);
        QCOMPARE(heard->tones.size(), std::size_t(1));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(canvas, Qt::Key_Right, i == 1 ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(heard->tones.size(), std::size_t(4));
        for (std::size_t i = 1; i < heard->tones.size(); ++i) {
            QCOMPARE(heard->tones[i].kind, SoundPoint::Kind::Tone);
            QVERIFY(heard->tones[i].pan > heard->tones[i - 1].pan || i == 2); // Shift: a 32-bit step
            QVERIFY(heard->tones[i].pitch > heard->tones[i - 1].pitch || i == 2);
        }
        QTest::keyClick(canvas, Qt::Key_H, Qt::ShiftModifier);
        QCOMPARE(heard->stops, 1);
        QTest::keyClick(canvas, Qt::Key_Right);
        QCOMPARE(heard->tones.size(), std::size_t(4));
        // Hidden, the graph falls silent and the tone is off.
        QTest::keyClick(canvas, Qt::Key_H, Qt::ShiftModifier);
        window->hide();
        QCOMPARE(heard->stops, 2);
        QVERIFY(!canvas->sound()->toneOn());
    }
};

QTEST_MAIN(tst_GraphSound)
#include "tst_GraphSound.moc"
