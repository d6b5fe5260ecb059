// In a file of its own: the tests put in their own answer, as Wine has no contrast theme.
#include "win32/colour_theme.h"

#include <windows.h>

namespace win {

bool contrastThemeIsOn() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

}  // namespace win
