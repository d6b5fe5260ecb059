// What every edition knows of the program as a whole: its title, the name desktops know it
// by, how long the splash stays before the main window comes, and how soon what describes
// the main window is said once it opens.
#pragma once

#include <string_view>

namespace design {

// The build's, which the installer, the resources and the page's manifest show too.
inline constexpr std::string_view kApplicationTitle = MORVANE_TITLE;
// The name of the program file and of its package, by which a system knows the program.
inline constexpr std::string_view kProgramName = MORVANE_PROGRAM;
// The name of the installed menu entry and icons (the build's), by which desktops match the
// windows to them.
inline constexpr std::string_view kApplicationId = MORVANE_APP_ID;
// The splash stays this long, counted from its first paint, where the platform reports it;
// until then from the splash's making, so that a splash never painted (opened out of sight)
// still hands over to the main window.
inline constexpr int kHandOverMilliseconds = 2000;
// Screen readers read the window and its focused control as it opens, not its description,
// which is said after them. Not at once: a window's opening is a burst of events, and a
// screen reader behind with them drops what comes in the burst (Orca 43 prunes all but focus
// and windows from a queue of 50, Orca 48 a browser's text change within 100 ms of another).
inline constexpr int kDescriptionDelayMilliseconds = 1000;

}  // namespace design
