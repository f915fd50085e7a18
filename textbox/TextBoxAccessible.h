// How assistive tools (a screen reader) see the calculator's text boxes: editable text whose
// text, caret and selection they read and change through the box's own content. Every call reads
// or lays out only the part of the text it asks for, so it costs the same with ten characters
// as with ten million.
#pragma once

#include <QAccessibleWidget>

namespace pellitor {

class TextBoxBase;

class TextBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
public:
    explicit TextBoxAccessible(TextBoxBase* box);

    // Lets Qt build this interface for every text box; installing it again does nothing.
    static void installFactory();
    // Text as a reader is handed it: a NUL, which the box shows as a blank, is a blank, since the
    // bus ends a text at a NUL. Shared, not copied, when there is none.
    static QString readable(QString text);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    // The box's scroll bar and viewport are its own business: a reader meets one text.
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // The offsets whose characters may show on the screen, [first, second): characterRect() is
    // empty for every other one.
    std::pair<int, int> shownRange() const;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    // A piece of the text, [start, end); {-1, -1} for none.
    struct Segment {
        int start = -1;
        int end = -1;
    };
    TextBoxBase* box() const;
    // The piece of the kind asked for that holds the character at position (0 <= position < size),
    // cut to at most about LongestPiece characters.
    Segment holding(int position, QAccessible::TextBoundaryType type) const;
    // The piece itself, looking for its ends no further than [from, to).
    Segment natural(int position, QAccessible::TextBoundaryType type, int from, int to) const;
    // The piece at offset; at the very end of the text only a line holds it.
    Segment at(int offset, QAccessible::TextBoundaryType type) const;
    QString piece(Segment segment, int* startOffset, int* endOffset) const;
};

} // namespace pellitor
