// What the calculator's text boxes share: the editing keys, the mouse, the clipboard, the context
// menu, input methods and the blinking caret. A subclass lays out and paints the text, and only
// the part of it that shows: so a box costs the same to repaint, blink or edit whatever the
// length of its text, and holds no glyphs for the part that does not show.
#pragma once

#include "EditableText.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QClipboard>
#include <QTextLayout>
#include <QtMath>

#include <algorithm>

namespace pellitor {

class TextBoxBase : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TextBoxBase(QWidget* parent = nullptr);

    QString text() const { return m_content.text(); }
    // Replaces the content and forgets the undo history; the caret goes to the end.
    void setText(const QString& text);
    int cursorPosition() const { return m_content.caret(); }
    void setCursorPosition(int position);
    // Selects length characters from start; a negative length selects leftwards and leaves the
    // caret at the selection's start.
    void setSelection(int start, int length);
    bool hasSelectedText() const { return m_content.hasSelection(); }
    QString selectedText() const { return m_content.selectedText(); }
    // The first selected position, or -1 with nothing selected.
    int selectionStart() const { return hasSelectedText() ? m_content.selectionStart() : -1; }

    // The caret's rectangle, in the box's own coordinates.
    QRect cursorRect() { return caretRect().translated(viewport()->pos()); }

    void selectAll();
    void undo();
    void redo();
    void cut();
    void copy(QClipboard::Mode mode = QClipboard::Clipboard) const;
    void paste(QClipboard::Mode mode = QClipboard::Clipboard);

    // How many characters the box has laid out, for painting or measuring, since it was made:
    // what an edit or an idle spell costs, whatever the length of the text.
    qint64 laidOutCharacters() const { return m_laidOut; }

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

signals:
    // The user changed the text (a key, the clipboard, undo), not the program.
    void textEdited(const QString& text);

protected:
    // The text changed, or the box's size or font: lay out afresh what needs it.
    virtual void contentChanged() = 0;
    // Scrolls so that position shows (the caret's, after it moved or the text changed).
    virtual void ensureVisible(int position) = 0;
    // The text position under a point of the viewport (past the edges: the next position out).
    virtual int positionAt(const QPoint& point) = 0;
    // The caret's rectangle in the viewport.
    virtual QRect caretRect() = 0;
    // The rectangle of the character at position in the viewport, or an empty one when it does
    // not show: only what shows is laid out.
    virtual QRect characterRect(int position) = 0;
    // The positions whose characters may show, [first, second): characterRect() is empty outside.
    virtual std::pair<int, int> shownRange() = 0;
    // Where Home and End lead from a position.
    virtual int lineStart(int position) = 0;
    virtual int lineEnd(int position) = 0;
    // The position lines visual lines below (negative: above), or -1 in a one-line box.
    virtual int verticalMove(int position, int lines);
    virtual int linesPerPage() const { return 1; }
    virtual bool isMultiLine() const { return false; }
    // The font that lays the text out.
    virtual QFont textFont() const { return font(); }

    const EditableText& content() const { return m_content; }
    bool caretShown() const { return m_caretShown && hasFocus(); }
    // Lays the characters [start, end) out on one line in the box's font, control characters
    // shown as blanks; counted by laidOutCharacters().
    void layOut(QTextLayout& layout, int start, int end);
    // The pixels from x left up to x right, on the rows from top: side by side, characters share
    // no pixel column, and each has at least one.
    static QRect columns(qreal left, qreal right, int top, int height)
    {
        const int first = qFloor(left);
        return {first, top, std::max(1, qFloor(right) - first), height};
    }
    // The selection's part of [start, end), as a format range of a layout that starts at start.
    QList<QTextLayout::FormatRange> selectionIn(int start, int end) const;

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class TextBoxAccessible;

    void ensureCaretVisible() { ensureVisible(m_content.caret()); }
    // After every change: lay out, scroll to the caret, show it, repaint, tell input methods and
    // assistive tools.
    void changed(bool textChanged, bool byUser);
    // Tells assistive tools what changed in the text, and where the caret and selection went.
    void announceChanges();
    // Replaces [start, end) by text as a person's edit (an assistive tool's), caret after it.
    void replaceRange(int start, int end, const QString& text);
    // Line breaks as the box keeps them: a multi-line box breaks at CR LF, CR and LF.
    QString fitted(QString text) const;
    void moveTo(int position, bool select);
    bool editKey(QKeyEvent* event);
    bool moveKey(QKeyEvent* event);
    void restartBlink();
    void copyToClipboard() { copy(); }
    void pasteFromClipboard() { paste(); }

    EditableText m_content;
    QBasicTimer m_blink;
    bool m_caretShown = false;
    bool m_selecting = false;
    QBasicTimer m_tripleClick;
    QPoint m_doubleClickAt;
    qint64 m_laidOut = 0;
    // What assistive tools were last told: the caret, and the selection ({-1, -1}: none).
    int m_announcedCaret = 0;
    std::pair<int, int> m_announcedSelection{-1, -1};
};

} // namespace pellitor
