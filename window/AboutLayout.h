// frmF2's stored layout: its labels, the two lines of its etched separator and its OK button, and
// the maker's web address and copyright line that it shows.
#pragma once

#include "FormLayout.h"

#include <QRgb>

#include <span>

namespace pellitor::AboutLayout {

inline constexpr const char* Caption = QT_TRANSLATE_NOOP("pellitor::frmF2", "About Pellitor");
inline constexpr layout::Twips ClientArea{0, 0, 4500, 1680};
inline constexpr const char* WebAddress = "https://pellitor.example/";
inline constexpr const char* WebAddressText = "pellitor.example";
inline constexpr const char* Copyright = QT_TRANSLATE_NOOP("pellitor::frmF2", "© 2026 Pellitor team");
// Label2 shows the version in these words, %1 the version.
inline constexpr const char* VersionWords = QT_TRANSLATE_NOOP("pellitor::frmF2", "Version %1");

// A line of the line array Line1, in twips; width in pixels.
struct Line {
    int x1;
    int y1;
    int x2;
    int y2;
    QRgb color;
    int width;
};

std::span<const layout::Control> controls();
const layout::Button& okButton();
// In drawing order: element 0 (white, two pixels) under element 1 (grey), which makes the etch.
std::span<const Line> lines();

} // namespace pellitor::AboutLayout
