// frmF2's layout table. Positions and sizes are twips; the button's extent is HIMETRIC.
#include "AboutLayout.h"

#include "Version.h"

#include <array>

namespace pellitor::AboutLayout {

namespace {
using layout::Control;
using layout::FontChoice;
using layout::Kind;

constexpr std::array Controls{
    Control{.name = "lblTitle",
            .kind = Kind::Label,
            .caption = "Pellitor",
            .at = {540, 240, 2565, 360},
            .tab = 1,
            .font = FontChoice{.family = "Times New Roman", .points = 15.75, .bold = true}},
    Control{.name = "Label2", .kind = Kind::Label, .caption = VersionCaption, .at = {3360, 660, 915, 195}, .tab = 4},
    Control{.name = "Label1",
            .kind = Kind::Link,
            .caption = WebAddressText,
            .at = {180, 1080, 1575, 255},
            .tab = 2,
            .font = FontChoice{.family = "Arial", .points = 8.25, .underline = true}},
    Control{.name = "lblDisclaimer", .kind = Kind::Label, .caption = Copyright, .at = {180, 1320, 1695, 195}, .tab = 0},
};

constexpr layout::Button OK{.name = "cmdOK",
                            .caption = QT_TRANSLATE_NOOP("pellitor::frmF2", "OK"),
                            .role = layout::ButtonRole::CloseDialog,
                            .colorStyle = 1,
                            .left = 3330,
                            .top = 1215,
                            .extentX = 1535,
                            .extentY = 582,
                            .tab = 3};

constexpr std::array Lines{
    Line{60, 960, 4680, 960, qRgb(255, 255, 255), 2},
    Line{90, 960, 4440, 960, qRgb(128, 128, 128), 1},
};
} // namespace

std::span<const layout::Control> controls()
{
    return Controls;
}

const layout::Button& okButton()
{
    return OK;
}

std::span<const Line> lines()
{
    return Lines;
}

} // namespace pellitor::AboutLayout
