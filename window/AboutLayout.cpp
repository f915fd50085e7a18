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
    Control{"lblTitle", Kind::Label, "Pellitor", {540, 240, 2565, 360}, 1, nullptr,
            FontChoice{"Times New Roman", 15.75, true}},
    Control{"Label2", Kind::Label, VersionCaption, {3360, 660, 915, 195}, 4},
    Control{"Label1", Kind::Link, WebAddressText, {180, 1080, 1575, 255}, 2, nullptr,
            FontChoice{"Arial", 8.25, false, true}},
    Control{"lblDisclaimer", Kind::Label, Copyright, {180, 1320, 1695, 195}, 0},
};

constexpr layout::Button OK{"cmdOK", QT_TRANSLATE_NOOP("pellitor::frmF2", "OK"), 1, 3330, 1215, 1535, 582, 3};

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
