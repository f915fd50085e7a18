// What the calculator's text boxes share: the clipboard and the X11 selection, dragging text in
// and out, an input method's composing text, the context menu and the blinking caret. A subclass
// gives the editing rules (those of Qt's line edit, or of its plain text box) and lays out and
// paints the text, only the part of it that shows: so a box costs the same to repaint, blink or
// edit whatever the length of its text, and holds no glyphs for the part that does not show.
#pragma once

#include "EditableText.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QClipboard>
#include <QTextLayout>
#include <QtMath>

#include <algorithm>
#include <type_traits>

namespace pellitor {

class TextBoxBase : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TextBoxBase(QWidget* parent = nullptr);

    // The text as the box hands it out (so also selectedText(), the clipboards and a drag): a
    // multi-line box keeps a line broken with Shift+Enter as a line separator within its
    // paragraph, as Qt's text document does, and reads it back as a line break, as Qt's does.
    QString text() const { return handedOut(m_content.text()); }
    // Replaces the content and forgets the undo history (the program set it); the caret goes to
    // the end.
    void setText(const QString& text);
    int cursorPosition() const { return m_content.caret(); }
    void setCursorPosition(int position);
    // Selects length characters from start; a negative length selects leftwards and leaves the
    // caret at the selection's start.
    void setSelection(int start, int length);
    bool hasSelectedText() const { return m_content.hasSelection(); }
    QString selectedText() const { return handedOut(m_content.selectedText()); }
    // The first selected position, or -1 with nothing selected.
    int selectionStart() const { return hasSelectedText() ? m_content.selectionStart() : -1; }
    // What an input method is composing at the caret: shown there, not yet part of the text.
    QString preeditText() const { return m_preedit; }

    // The caret's rectangle, in the box's own coordinates.
    QRect cursorRect() { return caretRect().translated(viewport()->pos()); }
    // The text position a click at point (in the box's own coordinates) puts the caret at.
    int cursorPositionAt(const QPoint& point) { return positionAt(point - viewport()->pos()); }

    void selectAll();
    void undo();
    void redo();
    bool isUndoAvailable() const { return canUndo(); }
    bool isRedoAvailable() const { return canRedo(); }
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
    // The text changed, by the user or the program.
    void textChanged();

protected:
    // The text changed, or the box's size or font: lay out afresh what needs it.
    virtual void contentChanged() = 0;
    // Only [from, newEnd) of the text changed (it was [from, oldEnd) before).
    virtual void contentEdited(const EditableText::Span&) { contentChanged(); }
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
    virtual bool isMultiLine() const { return false; }
    // The font that lays the text out.
    virtual QFont textFont() const { return font(); }

    // The box's editing rules.
    virtual void forgetHistory() = 0;
    // The caret was put elsewhere (a click, the program, an assistive tool): what is typed next
    // starts an undo step of its own where the rules want that.
    virtual void caretPlaced() {}
    virtual bool undoStep() = 0;
    virtual bool redoStep() = 0;
    virtual bool canUndo() const = 0;
    virtual bool canRedo() const = 0;
    // Typed text (or an input method's, or an assistive tool's) in place of the selection.
    virtual void insertTyped(const QString& text) = 0;
    virtual void pasteText(const QString& text) = 0;
    virtual void removeSelection() = 0;
    // A drag over the box, and a text dropped at position (fromHere: dragged out of this box,
    // move: the drag moves it rather than copies it).
    virtual void dragOver(int position) = 0;
    virtual void dropText(const QString& text, int position, bool fromHere, bool move) = 0;

    EditableText& content() { return m_content; }
    const EditableText& content() const { return m_content; }
    bool caretShown() const { return m_caretShown && hasFocus() && !m_caretHidden; }
    // Runs a person's edit and then updates everything that follows from it. An edit that tells
    // it did nothing (a key the box leaves alone, such as Shift on its own) and indeed changed
    // nothing costs no repaint.
    template <class Edit>
    void userEdit(Edit&& edit)
    {
        const auto revision = m_content.revision();
        if constexpr (std::is_same_v<decltype(edit()), bool>) {
            const int caret = m_content.caret();
            const int anchor = m_content.anchor();
            if (!edit() && m_content.revision() == revision && m_content.caret() == caret
                && m_content.anchor() == anchor)
                return;
        } else {
            edit();
        }
        changed(m_content.revision() != revision, true);
    }
    // After every change: lay out, scroll to the caret, show it, repaint, tell input methods and
    // assistive tools.
    void changed(bool textAltered, bool byUser);
    // The selection becomes the X11 selection (where the desktop has one), as in every Qt box.
    void copyToSelection() const { copy(QClipboard::Selection); }
    // An input method's composing text and where its own caret is in it (-1: hidden).
    void setPreedit(const QString& text, int cursor);
    // Lays the characters [start, end) out on one line in the box's font, control characters
    // shown as blanks, tabs at the layout's tab stops and an input method's composing text at the
    // caret; counted by laidOutCharacters().
    void layOut(QTextLayout& layout, int start, int end);
    // Where the composing text's own caret is within it.
    int preeditCursor() const { return m_preeditCursor; }
    // The pixels from x left up to x right, on the rows from top: side by side, characters share
    // no pixel column, and each has at least one.
    static QRect columns(qreal left, qreal right, int top, int height)
    {
        const int first = qFloor(left);
        return {first, top, std::max(1, qFloor(right) - first), height};
    }
    // The selection's part of [start, end), as a format range of a layout that starts at start.
    QList<QTextLayout::FormatRange> selectionIn(int start, int end) const;
    // Drags the selection out; true when it was moved into another place (the caller removes it).
    bool dragSelection(Qt::DropActions actions, Qt::DropAction preferred);
    // Accepts the typed text of a key as Qt's boxes do.
    static bool isAcceptableInput(const QKeyEvent* event, bool acceptsTab);
    void moveTo(int position, bool select);

    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

    QBasicTimer m_tripleClick;
    QPoint m_tripleClickAt;

private:
    friend class TextBoxAccessible;

    QString handedOut(QString text) const
    {
        if (isMultiLine())
            text.replace(QChar::LineSeparator, QLatin1Char('\n'));
        return text;
    }

    void ensureCaretVisible() { ensureVisible(m_content.caret()); }
    // Tells assistive tools what changed in the text, and where the caret and selection went.
    void announceChanges();
    // Replaces [start, end) by text as a person's edit (an assistive tool's), caret after it.
    void replaceRange(int start, int end, const QString& text);
    // Line breaks as the box keeps them: a multi-line box breaks at CR LF, CR and LF.
    QString fitted(QString text) const;
    void restartBlink();

    EditableText m_content;
    QBasicTimer m_blink;
    bool m_caretShown = false;
    bool m_caretHidden = false;
    QString m_preedit;
    int m_preeditCursor = 0;
    qint64 m_laidOut = 0;
    // What assistive tools were last told: the caret, and the selection ({-1, -1}: none).
    int m_announcedCaret = 0;
    std::pair<int, int> m_announcedSelection{-1, -1};
};

} // namespace pellitor
