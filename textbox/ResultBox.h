// The multi-line result box: an editable text box with a vertical scroll bar whose lines break
// anywhere at its right edge (ResultLines). It edits as Qt's plain text box does (keys, mouse,
// undo, the X11 selection, dragging text in and out), and lays out only the lines that show.
#pragma once

#include "DocumentEditing.h"
#include "ResultLines.h"
#include "TextBoxBase.h"

#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace pellitor {

class ResultBox : public TextBoxBase {
    Q_OBJECT
public:
    explicit ResultBox(QWidget* parent = nullptr);

    // Replaces the content (CR LF and a lone CR break the line) with the caret at the start, and
    // forgets the undo history: the program wrote a new report.
    void setPlainText(const QString& text);
    QString toPlainText() const { return text(); }
    // Empties the box as one step that undo takes back.
    void clearContent();
    // The lines as the box shows them: [start, end) of each, without its line break.
    int visualLineCount() const { return m_lines.count(); }
    std::pair<int, int> visualLine(int line) const { return m_lines.line(content().text(), line); }
    // How many characters the box has wrapped into lines since it was made: what an edit costs
    // besides laying out (TextBoxBase::laidOutCharacters).
    qint64 wrappedCharacters() const { return m_lines.wrapped(); }
    // How many character widths the box has measured for wrapping since it was made.
    qint64 measuredCharacters() const { return m_lines.measured(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

    void contentChanged() override;
    void contentEdited(const EditableText::Span& span) override;
    void ensureVisible(int position) override;
    int positionAt(const QPoint& point) override;
    QRect caretRect() override;
    QRect characterRect(int position) override;
    std::pair<int, int> shownRange() override;
    int lineStart(int position) override;
    int lineEnd(int position) override;
    bool isMultiLine() const override { return true; }

    void forgetHistory() override;
    bool undoStep() override;
    bool redoStep() override;
    bool canUndo() const override { return m_editing.canUndo(); }
    bool canRedo() const override { return m_editing.canRedo(); }
    void insertTyped(const QString& text) override { m_editing.insertText(text); }
    void pasteText(const QString& text) override { m_editing.insertFragment(text); }
    void removeSelection() override { m_editing.removeSelectedText(); }
    void dragOver(int position) override;
    void dropText(const QString& text, int position, bool fromHere, bool move) override;

private:
    // Handles a key as the plain text box does; false for a key it leaves alone.
    bool editKey(QKeyEvent* event);
    // A caret move as the plain text box makes it (with select: the anchor stays); vertical moves
    // keep the column they started from.
    bool moveKey(QKeyEvent* event);
    void move(int position, bool select, bool vertical = false);
    // The position lines visual lines away at the kept column, or -1 past the first or last line.
    int verticalMove(int position, int lines);
    // The position nearest to x (from the text's left edge) on a visual line.
    int positionInLine(int line, qreal x);
    int linesPerPage() const;
    void extendByWords(int position, qreal x);
    void extendByLines(int position);
    qreal caretX(int position);

    qreal wrapWidth() const;
    int lineOf(int position) const { return m_lines.lineOf(position); }
    int lineTop(int line) const;
    const QTextLayout& lineLayout(int line);

    DocumentEditing m_editing{content()};
    ResultLines m_lines;
    std::map<int, std::unique_ptr<QTextLayout>> m_layouts; // of lines that showed, by line
    int m_lineHeight = 1;
    // The column that Up and Down keep, in pixels; none until a vertical move needs it.
    std::optional<qreal> m_column;
    bool m_mousePressed = false;
    bool m_mightDrag = false;
    QPoint m_pressedAt;
    // The word a double click selected, and the line a triple click did: dragging from them
    // extends the selection by words, or by lines. They move with the text.
    DocumentEditing::TrackedSelection m_clickedWord;
    DocumentEditing::TrackedSelection m_clickedLine;
    // The columns their carets stood at, which Up and Down keep when a drag returns to them.
    qreal m_clickedWordColumn = 0;
    qreal m_clickedLineColumn = 0;
    int m_dropCaret = -1;
};

} // namespace pellitor
