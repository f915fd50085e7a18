// A one-line text box as the calculator's input boxes need it: Enter is a command, not a key for
// the box; the selection survives the focus moving to a keypad button; and the content has no
// length limit of its own.
#pragma once

#include <QLineEdit>

namespace pellitor {

class InputBox : public QLineEdit {
    Q_OBJECT
public:
    explicit InputBox(QWidget* parent = nullptr);

    // The caret position as the editing commands count it: the start of the selection when there
    // is one, else the characters in front of the caret.
    int caretPosition() const;
    // Replaces the whole content and puts the caret at position 0 with nothing selected.
    void replaceContent(const QString& text);

signals:
    // Enter (Return or the keypad's Enter) was typed; the key itself is discarded.
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace pellitor
