// Dragging a selected text out of a text box, behind a seam: the desktop's drag follows the real
// pointer until the button goes up, so tests install a recorder that answers at once instead.
#pragma once

#include "Installable.h"

#include <QString>
#include <Qt>

class QWidget;

namespace pellitor::platform {

class TextDrag : public Installable<TextDrag> {
public:
    struct Outcome {
        Qt::DropAction action = Qt::IgnoreAction;
        bool droppedOnSource = false; // the text went back into the box it came from
    };
    virtual ~TextDrag() = default;
    // Lets the user drag text from source with one of actions (preferred first).
    virtual Outcome drag(QWidget* source, const QString& text, Qt::DropActions actions, Qt::DropAction preferred) = 0;

private:
    friend class Installable<TextDrag>;
    // The default runs the desktop's drag and drop.
    static TextDrag& standard();
};

TextDrag::Outcome dragText(QWidget* source, const QString& text, Qt::DropActions actions, Qt::DropAction preferred);

} // namespace pellitor::platform
