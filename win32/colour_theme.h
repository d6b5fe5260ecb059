// Whether the user reads the screen in a contrast theme (Windows' high contrast), in which
// the windows take the system's colours rather than their designs'.
#pragma once

namespace win {

bool contrastThemeIsOn();

}  // namespace win
