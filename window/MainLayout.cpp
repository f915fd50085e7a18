// frmMain's layout table. Positions and sizes are twips; button extents are HIMETRIC. Worded
// captions, tooltips and names are marked for translation; the keypad's tokens are not.
#include "MainLayout.h"

#include <array>

namespace pellitor::MainLayout {

namespace {
using layout::Button;
using layout::ButtonRole;
using layout::Control;
using layout::FontChoice;
using layout::Kind;

constexpr FontChoice Verdana{.family = "Verdana", .points = 8.25};
constexpr FontChoice Arial{.family = "Arial", .points = 8.25};

constexpr std::array Controls{
    Control{.name = "Label1", .kind = Kind::Label,
            .caption = QT_TRANSLATE_NOOP("pellitor::frmMain", "Expression  e.g. 2cos(x^2)/x"),
            .at = {120, 75, 4815, 195}, .tab = 0, .font = Verdana},
    Control{.name = "Option1", .kind = Kind::OptionButton, .caption = QT_TRANSLATE_NOOP("pellitor::frmMain", "Arc"),
            .at = {4410, 75, 645, 195}, .tab = 34},
    Control{.name = "Option2", .kind = Kind::OptionButton, .caption = QT_TRANSLATE_NOOP("pellitor::frmMain", "Angle"),
            .at = {5130, 75, 735, 195}, .tab = 35},
    Control{.name = "Text1", .kind = Kind::TextBox, .caption = "", .at = {90, 345, 5805, 330}, .tab = 1},
    Control{.name = "Frame1", .kind = Kind::Frame, .caption = QT_TRANSLATE_NOOP("pellitor::frmMain", "Parameter"),
            .at = {90, 750, 1590, 1590}, .tab = 24},
    Control{.name = "Label2", .kind = Kind::Label, .caption = "x", .at = {90, 225, 1185, 195}, .tab = 25,
            .container = "Frame1"},
    Control{.name = "Text2", .kind = Kind::TextBox, .caption = "", .at = {270, 495, 1140, 285}, .tab = 2,
            .container = "Frame1"},
    Control{.name = "Label4", .kind = Kind::Label, .caption = QT_TRANSLATE_NOOP("pellitor::frmMain", "Function"),
            .at = {4095, 795, 735, 195}, .tab = 27},
    Control{.name = "List1", .kind = Kind::ListBox, .caption = "", .at = {4095, 1110, 1815, 1110}, .tab = 26,
            .font = Arial},
    Control{.name = "Frame2", .kind = Kind::Frame, .caption = QT_TRANSLATE_NOOP("pellitor::frmMain", "Result"),
            .at = {90, 2415, 5865, 1185}, .tab = 29},
    Control{.name = "Text4", .kind = Kind::MultiLineTextBox, .caption = "", .at = {135, 225, 5595, 825}, .tab = 3,
            .container = "Frame2"},
};

// The keypad: 375 x 330 twips (661 x 582 HIMETRIC), five columns, four rows, tab 4 to 23 along
// the rows.
constexpr int C1 = 1800, C2 = 2250, C3 = 2700, C4 = 3150, C5 = 3600;
constexpr int R1 = 795, R2 = 1200, R3 = 1605, R4 = 2010;
constexpr int KeyX = 661, KeyY = 582;

constexpr std::array Buttons{
    Button{.name = "XPButton7", .caption = "1", .role = ButtonRole::InsertCaption, .colorStyle = 2,
           .left = C1, .top = R1, .extentX = KeyX, .extentY = KeyY, .tab = 4},
    Button{.name = "XPButton8", .caption = "2", .role = ButtonRole::InsertCaption, .colorStyle = 2,
           .left = C2, .top = R1, .extentX = KeyX, .extentY = KeyY, .tab = 5},
    Button{.name = "XPButton9", .caption = "3", .role = ButtonRole::InsertCaption, .colorStyle = 2,
           .left = C3, .top = R1, .extentX = KeyX, .extentY = KeyY, .tab = 6},
    Button{.name = "XPButton10", .caption = "+", .role = ButtonRole::InsertCaption, .colorStyle = 2,
           .left = C4, .top = R1, .extentX = KeyX, .extentY = KeyY, .tab = 7},
    Button{.name = "XPButton11", .caption = "*", .role = ButtonRole::InsertCaption, .colorStyle = 2,
           .left = C5, .top = R1, .extentX = KeyX, .extentY = KeyY, .tab = 8},
    Button{.name = "XPButton12", .caption = "4", .role = ButtonRole::InsertCaption, .colorStyle = 2,
           .left = C1, .top = R2, .extentX = KeyX, .extentY = KeyY, .tab = 9},
    Button{.name = "XPButton13", .caption = "5", .role = ButtonRole::InsertCaption, .colorStyle = 2,
           .left = C2, .top = R2, .extentX = KeyX, .extentY = KeyY, .tab = 10},
    Button{.name = "XPButton14", .caption = "6", .role = ButtonRole::InsertCaption, .colorStyle = 2,
           .left = C3, .top = R2, .extentX = KeyX, .extentY = KeyY, .tab = 11},
    Button{.name = "XPButton15", .caption = "-", .role = ButtonRole::InsertCaption, .colorStyle = 2,
           .left = C4, .top = R2, .extentX = KeyX, .extentY = KeyY, .tab = 12},
    Button{.name = "XPButton16", .caption = "/", .role = ButtonRole::InsertCaption, .colorStyle = 2,
           .left = C5, .top = R2, .extentX = KeyX, .extentY = KeyY, .tab = 13},
    Button{.name = "XPButton17", .caption = "7", .role = ButtonRole::InsertCaption, .colorStyle = 2,
           .left = C1, .top = R3, .extentX = KeyX, .extentY = KeyY, .tab = 14},
    Button{.name = "XPButton18", .caption = "8", .role = ButtonRole::InsertCaption, .colorStyle = 2,
           .left = C2, .top = R3, .extentX = KeyX, .extentY = KeyY, .tab = 15},
    Button{.name = "XPButton19", .caption = "9", .role = ButtonRole::InsertCaption, .colorStyle = 2,
           .left = C3, .top = R3, .extentX = KeyX, .extentY = KeyY, .tab = 16},
    Button{.name = "XPButton20", .caption = "(", .role = ButtonRole::InsertCaption, .colorStyle = 2,
           .left = C4, .top = R3, .extentX = KeyX, .extentY = KeyY, .tab = 17},
    Button{.name = "XPButton21", .caption = ")", .role = ButtonRole::InsertCaption, .colorStyle = 2,
           .left = C5, .top = R3, .extentX = KeyX, .extentY = KeyY, .tab = 18},
    Button{.name = "XPButton22", .caption = "0", .role = ButtonRole::InsertCaption, .colorStyle = 2,
           .left = C1, .top = R4, .extentX = KeyX, .extentY = KeyY, .tab = 19},
    Button{.name = "XPButton23", .caption = ".", .role = ButtonRole::InsertCaption, .colorStyle = 2,
           .left = C2, .top = R4, .extentX = KeyX, .extentY = KeyY, .tab = 20,
           .toolTip = QT_TRANSLATE_NOOP("pellitor::frmMain", "Decimal Point")},
    Button{.name = "XPButton24", .caption = "x", .role = ButtonRole::InsertCaption, .colorStyle = 2,
           .left = C3, .top = R4, .extentX = KeyX, .extentY = KeyY, .tab = 21,
           .toolTip = QT_TRANSLATE_NOOP("pellitor::frmMain", "Variable x")},
    Button{.name = "XPButton25", .caption = "^", .role = ButtonRole::InsertCaption, .colorStyle = 2,
           .left = C4, .top = R4, .extentX = KeyX, .extentY = KeyY, .tab = 22},
    Button{.name = "XPButton26", .caption = "B", .role = ButtonRole::Backspace, .colorStyle = 2,
           .left = C5, .top = R4, .extentX = KeyX, .extentY = KeyY, .tab = 23,
           .toolTip = QT_TRANSLATE_NOOP("pellitor::frmMain", "Backspace")},
    // 915 x 240 twips
    Button{.name = "XPButton27", .caption = QT_TRANSLATE_NOOP("pellitor::frmMain", "Insert"),
           .role = ButtonRole::InsertFunction, .colorStyle = 3,
           .left = 4950, .top = 795, .extentX = 1614, .extentY = 423, .tab = 28,
           .toolTip = QT_TRANSLATE_NOOP("pellitor::frmMain", "Select And Insert A Function")},
    // 870 x 330 twips, the last 915 x 330
    Button{.name = "XPButton28", .caption = QT_TRANSLATE_NOOP("pellitor::frmMain", "Calculate"),
           .role = ButtonRole::Calculate, .colorStyle = 1,
           .left = 960, .top = 3780, .extentX = 1535, .extentY = 582, .tab = 30},
    Button{.name = "XPButton29", .caption = QT_TRANSLATE_NOOP("pellitor::frmMain", "Clear"),
           .role = ButtonRole::Clear, .colorStyle = 1,
           .left = 2040, .top = 3780, .extentX = 1535, .extentY = 582, .tab = 31},
    Button{.name = "XPButton30", .caption = QT_TRANSLATE_NOOP("pellitor::frmMain", "Help"),
           .role = ButtonRole::Help, .colorStyle = 1,
           .left = 3120, .top = 3780, .extentX = 1535, .extentY = 582, .tab = 32},
    Button{.name = "XPButton31", .caption = QT_TRANSLATE_NOOP("pellitor::frmMain", "About"),
           .role = ButtonRole::About, .colorStyle = 1,
           .left = 4200, .top = 3780, .extentX = 1614, .extentY = 582, .tab = 33},
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
