// How assistive tools (a screen reader) see the windows' own widgets: the main window as a window,
// the frames as named groups, the text boxes as editable text, the About window's address as a
// link.
#pragma once

namespace pellitor {

// Lets Qt build these interfaces; installing them again does nothing.
void installWindowAccessibility();

} // namespace pellitor
