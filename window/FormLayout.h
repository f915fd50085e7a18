// How a window's stored layout describes its controls: kind, caption, position and size in twips,
// tab position, font and container; and, for each button, the keys its stored layout holds.
#pragma once

#include "PropertyBag.h"

#include <QFont>
#include <QRect>

#include <span>
#include <utility>
#include <vector>

class QWidget;

namespace pellitor {
class XPButton;
}

namespace pellitor::layout {

// 15 twips make one pixel at 96 dots per inch; Qt scales the pixels for other densities.
inline constexpr int TwipsPerPixel = 15;

struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    QRect toPixels() const
    {
        return {left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel, height / TwipsPerPixel};
    }
};

// No family: the window's default font.
struct FontChoice {
    const char* family = nullptr;
    double points = 8.25;
    bool bold = false;
    bool underline = false;
};

enum class Kind { Label, Link, OptionButton, TextBox, MultiLineTextBox, Frame, ListBox };

struct Control {
    const char* name;
    Kind kind;
    const char* caption;
    Twips at;                        // relative to the container
    int tab;                         // position in the tab order, lowest first
    const char* container = nullptr; // a frame's name, or nullptr for the window
    FontChoice font = {};
    const char* toolTip = nullptr;
};

// What a button does when it is clicked; its window connects each role to its command.
enum class ButtonRole {
    InsertCaption,  // a keypad key: puts its own caption into the expression at the caret
    Backspace,      // removes the character in front of the expression's caret
    InsertFunction, // puts the selected function template into the expression
    Calculate,
    Clear,
    Help,
    About,
    CloseDialog, // frmF2's OK: closes its dialog, accepted
};

// A button as its window stores it. The stored extent is HIMETRIC (1/100 mm at 96 pixels per
// inch), as the control host writes it; the position is in twips like every other control.
struct Button {
    const char* name;
    const char* caption;
    ButtonRole role;
    int colorStyle;
    int left;
    int top;
    int extentX;
    int extentY;
    int tab;
    const char* toolTip = nullptr;
};

// What assistive tools call a control and how they describe it, from the words of its label or
// frame; label (optional) is the label that stands for it.
struct AccessibleName {
    const char* control;
    const char* name;
    const char* description = nullptr;
    const char* label = nullptr;
};

// The button's stored keys: "caption", "colorstyle" where it is not the default 1, and the
// extent keys.
platform::PropertyBag storedLayout(const Button& button);

QFont fontOf(const FontChoice& choice, const QFont& windowFont);

// Creates the control inside form (or inside its container, which must exist already), named
// after it, at its place, with its caption, font and tooltip. Captions, tooltips and accessible
// names are shown in the installed translation, in the context of form's class.
QWidget* createControl(const Control& control, QWidget* form);
// Creates the button inside parent (the window) and restores it from its stored layout through
// ReadProperties, which also starts its hover poll; its caption in the installed translation.
XPButton* createButton(const Button& button, QWidget* parent);
// Gives each control its accessible name and description, and makes its label the label for it.
void nameControls(std::span<const AccessibleName> names, QWidget* form);
// Chains the tab order of the controls that can take the focus, lowest tab position first.
void setTabOrder(std::vector<std::pair<int, QWidget*>> controls);

} // namespace pellitor::layout
