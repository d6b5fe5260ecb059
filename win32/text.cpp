#include "win32/text.h"

#include <windows.h>

namespace win {

std::wstring widened(std::string_view utf8) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring utf16(size_t(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), utf16.data(), size);
    return utf16;
}

std::string narrowed(std::wstring_view utf16) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), int(utf16.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string utf8(size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), int(utf16.size()), utf8.data(), size, nullptr,
                        nullptr);
    return utf8;
}

}  // namespace win
