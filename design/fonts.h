// What each platform shows for each font the designs name. The designs were drawn with the
// classic Windows fonts; each edition takes, per font, what its platform surely has.
#pragma once

#include <array>
#include <string_view>

namespace design {

struct FontChoice {
    std::string_view design;   // as the designs name it
    std::string_view desktop;  // on the Linux desktop, from the packages the program depends on
    std::string_view windows;  // in every Windows 10 and 11
    std::string_view web;      // a CSS font stack, for whatever system the browser runs on
};

inline constexpr std::array kFontChoices{
    // The system font of the designs' time, a bitmap font. Liberation Sans has close
    // metrics; Windows keeps its TrueType twin.
    FontChoice{"MS Sans Serif", "Liberation Sans", "Microsoft Sans Serif",
               R"("Liberation Sans", Arial, Helvetica, sans-serif)"},
    // Made to the metrics of Arial.
    FontChoice{"Liberation Sans", "Liberation Sans", "Arial",
               R"("Liberation Sans", Arial, Helvetica, sans-serif)"},
    // Windows has no narrow Arial without Office: the boxes take Arial there and fit their
    // captions to their room.
    FontChoice{
        "Liberation Sans Narrow", "Liberation Sans Narrow", "Arial",
        R"("Liberation Sans Narrow", "Arial Narrow", "Liberation Sans", Arial, Helvetica, sans-serif)"},
};

// The font of what the designs leave to the system: message boxes, and the page around the
// windows.
inline constexpr std::string_view kSystemFont = "MS Sans Serif";

// The choice for the font the designs call `family`, or none for a font they do not name.
constexpr const FontChoice* fontChoiceFor(std::string_view family) {
    for (const FontChoice& choice : kFontChoices)
        if (choice.design == family)
            return &choice;
    return nullptr;
}

}  // namespace design
