#include "win32/visual_style.h"

#include <uxtheme.h>

namespace win {
namespace {

struct VisualStyle {
    decltype(&OpenThemeData) open{nullptr};
    decltype(&DrawThemeBackground) draw{nullptr};
    decltype(&CloseThemeData) close{nullptr};
};

template <class Function>
Function procedure(HMODULE library, const char* name) {
    // By way of the one function type that GCC lets any other be cast to.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

// Loaded once, and kept for the life of the program.
const VisualStyle& visualStyle() {
    static const VisualStyle style = [] {
        HMODULE library = LoadLibraryExW(L"uxtheme.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (!library)
            return VisualStyle{};
        const VisualStyle loaded{
            procedure<decltype(&OpenThemeData)>(library, "OpenThemeData"),
            procedure<decltype(&DrawThemeBackground)>(library, "DrawThemeBackground"),
            procedure<decltype(&CloseThemeData)>(library, "CloseThemeData"),
        };
        return loaded.open && loaded.draw && loaded.close ? loaded : VisualStyle{};
    }();
    return style;
}

}  // namespace

bool drawStyled(HWND window, const wchar_t* styleClass, int part, int state, HDC dc,
                const RECT& square) {
    const VisualStyle& style = visualStyle();
    HTHEME theme = style.open ? style.open(window, styleClass) : nullptr;
    if (!theme)
        return false;
    style.draw(theme, dc, part, state, &square, nullptr);
    style.close(theme);
    return true;
}

}  // namespace win
