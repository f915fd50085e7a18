// frmMain's stored layout: its controls, its 25 buttons and the function templates of its list;
// and the names that assistive tools give its boxes.
#pragma once

#include "FormLayout.h"

#include <span>

namespace pellitor::MainLayout {

inline constexpr const char* Caption = "Pellitor";
inline constexpr layout::Twips ClientArea{0, 0, 6030, 4260};

// In the order they are created: frames before what they hold.
std::span<const layout::Control> controls();
// The keypad XPButton7 ... XPButton26 row by row, then Insert, Calculate, Clear, Help, About.
std::span<const layout::Button> buttons();
// The names and descriptions that assistive tools give the boxes and the list.
std::span<const layout::AccessibleName> accessibleNames();
// The templates in the order FillFunctionList adds them; the sorted list shows them alphabetically.
std::span<const char* const> functionTemplates();

} // namespace pellitor::MainLayout
