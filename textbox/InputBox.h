// A one-line text box as the calculator's input boxes need it: it edits as Qt's line edit does
// (keys, mouse, undo, the X11 selection, dragging text in and out), but Enter is a command, not a
// key for the box; the selection survives the focus moving to a keypad button; the content has no
// length limit; and only the characters that show are laid out, so that a pasted text of millions
// of characters costs no more to blink, repaint or edit than a short one.
#pragma once

#include "LineEditing.h"
#include "TextBoxBase.h"

#include <QStyleOptionFrame>

namespace pellitor {

class InputBox : public TextBoxBase {
    Q_OBJECT
public:
    explicit InputBox(QWidget* parent = nullptr);

    // The caret position as the editing commands count it: the start of the selection when there
    // is one, else the characters in front of the caret.
    int caretPosition() const;
    // The keypad's and the function list's insertion: text goes in at caretPosition(), the
    // selected characters stay after it, the caret follows it; typing after it undoes with it.
    void insertAtCaret(const QString& text);
    // The keypad's "B": removes the character (code point) in front of caretPosition(), keeps the
    // selected characters, and leaves the caret where that character was. False at position 0.
    bool backspaceAtCaret();
    // Replaces the whole content as one undoable step and puts the caret at position 0 with
    // nothing selected.
    void replaceContent(const QString& text);
    // The first character that shows at the box's left edge.
    int firstShown() const { return m_first; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // Enter (Return or the keypad's Enter) was typed; the key itself is discarded.
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

    void contentChanged() override;
    void ensureVisible(int position) override;
    int positionAt(const QPoint& point) override;
    QRect caretRect() override;
    QRect characterRect(int position) override;
    std::pair<int, int> shownRange() override { return {m_first, shownRun().end}; }
    int lineStart(int position) override;
    int lineEnd(int position) override;

    void forgetHistory() override { m_editing.clearHistory(); }
    void caretPlaced() override { m_editing.endStep(); }
    bool undoStep() override { return m_editing.undo(); }
    bool redoStep() override { return m_editing.redo(); }
    bool canUndo() const override { return m_editing.canUndo(); }
    bool canRedo() const override { return m_editing.canRedo(); }
    void insertTyped(const QString& text) override { m_editing.insert(text); }
    void pasteText(const QString& text) override { m_editing.paste(text); }
    void removeSelection() override { m_editing.del(); }
    void dragOver(int position) override;
    void dropText(const QString& text, int position, bool fromHere, bool move) override;

private:
    // A laid-out run of the text, [start, end), and the x of a position in it.
    // The layout holds an input method's composing text at the caret when the caret lies in the
    // run: the layout's positions after it are shifted by its length.
    struct Run {
        QTextLayout layout;
        int start = 0;
        int end = 0;
        int preeditAt = -1;
        int preeditLength = 0;
        int inLayout(int position) const
        {
            const int offset = position - start;
            return preeditAt >= 0 && offset > preeditAt ? offset + preeditLength : offset;
        }
        int inText(int offset) const
        {
            if (preeditAt >= 0 && offset > preeditAt)
                offset = std::max(preeditAt, offset - preeditLength);
            return start + offset;
        }
        qreal x(int position) const { return layout.lineAt(0).cursorToX(inLayout(position)); }
    };
    // Handles a key as the line edit does; false for a key it leaves alone.
    bool editKey(QKeyEvent* event);
    void selectWordAt(int position);
    // The character under x (not the gap nearest to it) lies in the selection.
    bool inSelection(const QPoint& point);
    QStyleOptionFrame panelOption() const;
    QRect textRect() const;
    // Lays out [start, end), widened by a few characters of context before start.
    void layOutRun(Run& run, int start, int end);
    // How wide the run is from from on.
    static qreal shownWidth(const Run& run, int from);
    // The run that shows from m_first to the right edge, laid out once per change.
    const Run& shownRun();
    // The first position from which the text up to end fits into width.
    int firstFitting(int end, qreal width);

    LineEditing m_editing{content()};
    int m_first = 0;
    Run m_shown;
    bool m_shownValid = false;
    // A press in the selection may start a drag: it waits for the move, or for the drag delay.
    QBasicTimer m_dragDelay;
    QPoint m_pressedAt;
};

} // namespace pellitor
