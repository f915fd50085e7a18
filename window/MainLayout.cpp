// frmMain's layout table. Positions and sizes are twips; button extents are HIMETRIC. Worded
// captions, tooltips and names are marked for translation; the keypad's tokens are not.
#include "MainLayout.h"

#include <array>

namespace pellitor::MainLayout {

namespace {
using layout::Button;
using layout::Control;
using layout::FontChoice;
using layout::Kind;

constexpr FontChoice Verdana{"Verdana", 8.25};
constexpr FontChoice Arial{"Arial", 8.25};

constexpr std::array Controls{
    Control{"Label1", Kind::Label, QT_TRANSLATE_NOOP("pellitor::frmMain", "Expression  e.g. 2cos(x^2)/x"),
            {120, 75, 4815, 195}, 0, nullptr, Verdana},
    Control{"Option1", Kind::OptionButton, QT_TRANSLATE_NOOP("pellitor::frmMain", "Arc"), {4410, 75, 645, 195}, 34},
    Control{"Option2", Kind::OptionButton, QT_TRANSLATE_NOOP("pellitor::frmMain", "Angle"), {5130, 75, 735, 195}, 35},
    Control{"Text1", Kind::TextBox, "", {90, 345, 5805, 330}, 1},
    Control{"Frame1", Kind::Frame, QT_TRANSLATE_NOOP("pellitor::frmMain", "Parameter"), {90, 750, 1590, 1590}, 24},
    Control{"Label2", Kind::Label, "x", {90, 225, 1185, 195}, 25, "Frame1"},
    Control{"Text2", Kind::TextBox, "", {270, 495, 1140, 285}, 2, "Frame1"},
    Control{"Label4", Kind::Label, QT_TRANSLATE_NOOP("pellitor::frmMain", "Function"), {4095, 795, 735, 195}, 27},
    Control{"List1", Kind::ListBox, "", {4095, 1110, 1815, 1110}, 26, nullptr, Arial},
    Control{"Frame2", Kind::Frame, QT_TRANSLATE_NOOP("pellitor::frmMain", "Result"), {90, 2415, 5865, 1185}, 29},
    Control{"Text4", Kind::MultiLineTextBox, "", {135, 225, 5595, 825}, 3, "Frame2"},
};

// The keypad: 375 x 330 twips (661 x 582 HIMETRIC), five columns, four rows, tab 4 to 23 along
// the rows.
constexpr int C1 = 1800, C2 = 2250, C3 = 2700, C4 = 3150, C5 = 3600;
constexpr int R1 = 795, R2 = 1200, R3 = 1605, R4 = 2010;
constexpr int KeyX = 661, KeyY = 582;

constexpr std::array Buttons{
    Button{"XPButton7", "1", 2, C1, R1, KeyX, KeyY, 4},
    Button{"XPButton8", "2", 2, C2, R1, KeyX, KeyY, 5},
    Button{"XPButton9", "3", 2, C3, R1, KeyX, KeyY, 6},
    Button{"XPButton10", "+", 2, C4, R1, KeyX, KeyY, 7},
    Button{"XPButton11", "*", 2, C5, R1, KeyX, KeyY, 8},
    Button{"XPButton12", "4", 2, C1, R2, KeyX, KeyY, 9},
    Button{"XPButton13", "5", 2, C2, R2, KeyX, KeyY, 10},
    Button{"XPButton14", "6", 2, C3, R2, KeyX, KeyY, 11},
    Button{"XPButton15", "-", 2, C4, R2, KeyX, KeyY, 12},
    Button{"XPButton16", "/", 2, C5, R2, KeyX, KeyY, 13},
    Button{"XPButton17", "7", 2, C1, R3, KeyX, KeyY, 14},
    Button{"XPButton18", "8", 2, C2, R3, KeyX, KeyY, 15},
    Button{"XPButton19", "9", 2, C3, R3, KeyX, KeyY, 16},
    Button{"XPButton20", "(", 2, C4, R3, KeyX, KeyY, 17},
    Button{"XPButton21", ")", 2, C5, R3, KeyX, KeyY, 18},
    Button{"XPButton22", "0", 2, C1, R4, KeyX, KeyY, 19},
    Button{"XPButton23", ".", 2, C2, R4, KeyX, KeyY, 20, QT_TRANSLATE_NOOP("pellitor::frmMain", "Decimal Point")},
    Button{"XPButton24", "x", 2, C3, R4, KeyX, KeyY, 21, QT_TRANSLATE_NOOP("pellitor::frmMain", "Variable x")},
    Button{"XPButton25", "^", 2, C4, R4, KeyX, KeyY, 22},
    Button{"XPButton26", "B", 2, C5, R4, KeyX, KeyY, 23, QT_TRANSLATE_NOOP("pellitor::frmMain", "Backspace")},
    // 915 x 240 twips
    Button{"XPButton27", QT_TRANSLATE_NOOP("pellitor::frmMain", "Insert"), 3, 4950, 795, 1614, 423, 28,
           QT_TRANSLATE_NOOP("pellitor::frmMain", "Select And Insert A Function")},
    // 870 x 330 twips, the last 915 x 330
    Button{"XPButton28", QT_TRANSLATE_NOOP("pellitor::frmMain", "Calculate"), 1, 960, 3780, 1535, 582, 30},
    Button{"XPButton29", QT_TRANSLATE_NOOP("pellitor::frmMain", "Clear"), 1, 2040, 3780, 1535, 582, 31},
    Button{"XPButton30", QT_TRANSLATE_NOOP("pellitor::frmMain", "Help"), 1, 3120, 3780, 1535, 582, 32},
    Button{"XPButton31", QT_TRANSLATE_NOOP("pellitor::frmMain", "About"), 1, 4200, 3780, 1614, 582, 33},
};

// The boxes and the list as their labels and frames name them.
constexpr std::array Names{
    layout::AccessibleName{"Text1", QT_TRANSLATE_NOOP("pellitor::frmMain", "Expression"),
                           QT_TRANSLATE_NOOP("pellitor::frmMain", "e.g. 2cos(x^2)/x"), "Label1"},
    layout::AccessibleName{"Text2", QT_TRANSLATE_NOOP("pellitor::frmMain", "Parameter x"), nullptr, "Label2"},
    layout::AccessibleName{"List1", QT_TRANSLATE_NOOP("pellitor::frmMain", "Function"), nullptr, "Label4"},
    layout::AccessibleName{"Text4", QT_TRANSLATE_NOOP("pellitor::frmMain", "Result")},
};

constexpr std::array<const char*, 28> FunctionTemplates{
    "abs()",  "atan()",  "cos()",   "exp()",   "int()",   "log()",   "rnd()",
    "sin()",  "sqr()",   "tan()",   "sec()",   "csec()",  "ctan()",  "asin()",
    "acos()", "asec()",  "acsec()", "actan()", "sinh()",  "cosh()",  "tanh()",
    "ctanh()", "asinh()", "acosh()", "atanh()", "asech()", "acsech()", "actanh()",
};
} // namespace

std::span<const layout::Control> controls()
{
    return Controls;
}

std::span<const layout::Button> buttons()
{
    return Buttons;
}

std::span<const layout::AccessibleName> accessibleNames()
{
    return Names;
}

std::span<const char* const> functionTemplates()
{
    return FunctionTemplates;
}

} // namespace pellitor::MainLayout
