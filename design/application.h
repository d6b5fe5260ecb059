// What every edition knows of the program as a whole: its title, the name desktops know it
// by, and how long the splash stays before the main window comes.
#pragma once

#include <string_view>

namespace design {

inline constexpr std::string_view kApplicationTitle = "Morvane 101";
// The name of the installed menu entry and icons (the build's), by which desktops match the
// windows to them.
inline constexpr std::string_view kApplicationId = MORVANE_APP_ID;
inline constexpr int kHandOverMilliseconds = 2000;

}  // namespace design
