// The calculator's one-line input box.
#include "InputBox.h"

#include <QKeyEvent>

#include <limits>

namespace pellitor {

InputBox::InputBox(QWidget* parent) : QLineEdit(parent)
{
    // QLineEdit cuts its content at 32767 characters by default, which would silently drop the
    // end of a long expression when the keypad inserts into it.
    setMaxLength(std::numeric_limits<int>::max());
}

int InputBox::caretPosition() const
{
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

void InputBox::replaceContent(const QString& text)
{
    setText(text);
    setCursorPosition(0);
}

void InputBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit enterPressed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void InputBox::focusOutEvent(QFocusEvent* event)
{
    // QLineEdit drops its selection when the focus leaves; the keypad must still see it, since
    // its keys insert at the selection's start and keep the selected characters.
    const int start = selectionStart();
    const int length = selectedText().size();
    const bool caretAtStart = cursorPosition() == start;
    QLineEdit::focusOutEvent(event);
    if (start >= 0 && length > 0 && !hasSelectedText()) {
        if (caretAtStart)
            setSelection(start + length, -length);
        else
            setSelection(start, length);
    }
}

} // namespace pellitor
