// A one-line text box as the calculator's input boxes need it: Enter is a command, not a key for
// the box; the selection survives the focus moving to a keypad button; the content has no length
// limit; and only the characters that show are laid out, so that a pasted text of millions of
// characters costs no more to blink, repaint or edit than a short one.
#pragma once

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
    // Replaces the whole content and puts the caret at position 0 with nothing selected.
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
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

    void contentChanged() override;
    void ensureVisible(int position) override;
    int positionAt(const QPoint& point) override;
    QRect caretRect() override;
    QRect characterRect(int position) override;
    std::pair<int, int> shownRange() override { return {m_first, shownRun().end}; }
    int lineStart(int position) override;
    int lineEnd(int position) override;

private:
    // A laid-out run of the text, [start, end), and the x of a position in it.
    struct Run {
        QTextLayout layout;
        int start = 0;
        int end = 0;
        qreal x(int position) const { return layout.lineAt(0).cursorToX(position - start); }
    };
    QStyleOptionFrame panelOption() const;
    QRect textRect() const;
    // Lays out [start, end), widened by a few characters of context before start.
    void layOutRun(Run& run, int start, int end);
    // The run that shows from m_first to the right edge, laid out once per change.
    const Run& shownRun();
    // The first position from which the text up to end fits into width.
    int firstFitting(int end, qreal width);

    int m_first = 0;
    Run m_shown;
    bool m_shownValid = false;
};

} // namespace pellitor
