// One of our text boxes beside the Qt box it must behave like, with the same events sent to both:
// keys, typed text, the mouse, the clipboard and the X11 selection, an input method and a drop.
// After each event the two are compared on their text, caret, selection, clipboard and selection
// buffer; a sequence that ends differently is shrunk to the fewest events that still differ.
#pragma once

#include <QFont>
#include <QKeyCombination>
#include <QKeySequence>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

namespace pellitor::testing {

// What a person sees of a box and of the desktop's two clipboards.
struct BoxState {
    QString text;
    int caret = 0;
    int anchor = 0;
    QString clipboard;
    QString selection; // X11's primary selection
    bool operator==(const BoxState&) const = default;
    QString describe() const;
};

// One event, as a person (or an input method, or another program) makes it.
struct Step {
    enum Kind {
        Key,         // key with its modifiers, no text
        Type,        // a key that types text
        Click,       // left click at a caret position (with the key's modifiers: Shift)
        DoubleClick, // ... and a double click, a triple click
        TripleClick,
        Drag,         // left button down at at, moved to to, released
        MiddleClick,  // pastes the X11 selection
        Preedit,      // an input method's composing text
        Commit,       // an input method's committed text (ends composing)
        Compose,      // composing text, then the committed text (commit)
        Drop,         // text dropped from another program at a caret position
        SetClipboard, // another program puts text on the clipboard
        SetSelection, // ... or selects text (the X11 selection)
    };
    Kind kind = Key;
    QKeyCombination key;
    QString text;
    int at = 0;
    int to = 0;
    QString commit;
    QString describe() const;

    static Step pressed(QKeyCombination key) { return make(Key, key, {}, 0, 0); }
    static Step pressed(QKeySequence::StandardKey key) { return pressed(QKeySequence(key)[0]); }
    static Step typed(const QString& text) { return make(Type, {}, text, 0, 0); }
    static Step mouse(Kind kind, int at, int to = 0, Qt::KeyboardModifiers modifiers = {})
    {
        return make(kind, QKeyCombination(modifiers, Qt::Key_unknown), {}, at, to);
    }
    static Step carrying(Kind kind, const QString& text, int at = 0) { return make(kind, {}, text, at, 0); }
    static Step composing(const QString& preedit, const QString& commit)
    {
        Step step = make(Compose, {}, preedit, 0, 0);
        step.commit = commit;
        return step;
    }

private:
    static Step make(Kind kind, QKeyCombination key, const QString& text, int at, int to)
    {
        Step step;
        step.kind = kind;
        step.key = key;
        step.text = text;
        step.at = at;
        step.to = to;
        return step;
    }
};

struct Sequence {
    QString text;
    int anchor = 0;
    int caret = 0;
    std::vector<Step> steps;
    QString describe() const;
};

class BoxPair {
public:
    virtual ~BoxPair() = default;
    virtual QWidget* reference() = 0;
    virtual QWidget* ours() = 0;
    // Puts both boxes in the same start state: the text, a selection, no undo history.
    virtual void reset(const QString& text, int anchor, int caret) = 0;
    virtual BoxState state(QWidget* box) const = 0;
    // The point (in the box's own coordinates) where a click puts the caret at position, read from
    // the reference box; std::nullopt when the position does not show.
    virtual std::optional<QPoint> pointAt(int position) = 0;
    // The widget that receives mouse and drop events of the box.
    virtual QWidget* mouseTarget(QWidget* box) const = 0;
    // False when the reference has left what is compared (a deliberate difference, see README).
    virtual bool comparable() const { return true; }
    // Looks at the reference before it gets step (to see whether the step leaves what is compared).
    virtual void beforeStep(const Step&) {}

    // Sends one step to one box, at the points (from the reference box before the step) where its
    // positions show.
    void apply(QWidget* box, const Step& step, std::optional<QPoint> at, std::optional<QPoint> to);
    // Runs the sequence on fresh boxes; returns the number of the step after which they differ
    // (0: the start state itself), or -1 when they never do.
    int firstDifference(const Sequence& sequence, QString* log = nullptr);
    // The fewest steps of a failing sequence that still end in a difference.
    Sequence shrink(Sequence sequence);
    // Sequences whose comparison stopped early because the reference left what is compared.
    int leftEarly() const { return m_leftEarly; }

private:
    int m_leftEarly = 0;
};

std::unique_ptr<BoxPair> makeLinePair(); // QLineEdit beside InputBox
// QPlainTextEdit beside ResultBox, in a monospaced font unless given another.
std::unique_ptr<BoxPair> makePlainPair(std::optional<QFont> font = std::nullopt);

} // namespace pellitor::testing
