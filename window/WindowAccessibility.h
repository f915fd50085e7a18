// How assistive tools (a screen reader) see the windows' own widgets: the main window as a window,
// the frames as named groups, the About window's address as a link. The buttons and the text boxes
// bring their own interfaces.
#pragma once

namespace pellitor {

// Lets Qt build these interfaces; installing them again does nothing.
void installWindowAccessibility();

} // namespace pellitor
