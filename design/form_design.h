// A window's design as data, for every edition alike: its caption, size and colours, and
// each control with its kind, place, size, text, font, colours and what a screen reader
// says of it. Toolkit-free: a front-end translates it into its own controls in one pass.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "pairing/phase_catalogue.h"

namespace design {

enum class ControlKind { Label, CheckBox, CommandButton, Frame, Picture };

enum class Alignment { TopLeft, TopCentre };

// What a front-end does with a control beyond showing it: the label that shows the answer,
// and the two commands.
enum class ControlRole { None, Answer, Reset, Close };

struct Rgb {
    std::uint8_t red{0}, green{0}, blue{0};
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

struct FontDesign {
    std::string_view family{};  // empty: the window's default font
    double points{0};
    bool bold{false};
};

struct ControlDesign {
    std::string_view name{};
    ControlKind kind{ControlKind::Label};
    std::string_view text{};                   // the caption; a picture's file name
    int left{0}, top{0}, width{0}, height{0};  // twips, from the top left of the container
    FontDesign font{};
    Alignment alignment{Alignment::TopLeft};
    std::string_view container{};            // empty: the window itself
    std::optional<Rgb> background{};         // none: the container's
    std::optional<Rgb> foreground{};         // none: the system's text colour
    std::optional<pairing::PhaseBox> box{};  // the phase box this control is, if any
    std::string spokenName{};                // what a screen reader says instead of the caption
    std::string_view description{};          // what a screen reader adds to the name
    bool liveRegion{false};                  // a screen reader hears each new text as it comes
    ControlRole role{ControlRole::None};
};

struct WindowDesign {
    std::string_view caption{};
    int clientWidth{0}, clientHeight{0};  // twips
    std::optional<Rgb> background{};      // none: the system's window colour
    std::optional<Rgb> disabledText{};    // none: the system's grey
    FontDesign defaultFont{};             // of the controls that name none
    std::string_view describedBy{};       // the control whose caption describes the window
};

// Coordinates of the designs are in twips: 1,440 to the inch, 15 to a pixel at 96 dpi.
constexpr int twipsToPixels(int twips, int dotsPerInch = 96) {
    return twips * dotsPerInch / 1440;
}
// Font sizes are in points, 72 to the inch.
constexpr int pointsToPixels(double points, int dotsPerInch = 96) {
    return static_cast<int>(points * dotsPerInch / 72 + 0.5);
}

// The control of `controls` called `name`, if there is one.
const ControlDesign* controlNamed(std::span<const ControlDesign> controls, std::string_view name);

// The name of the control of `controls` with `role`; empty if there is none.
std::string_view nameOf(std::span<const ControlDesign> controls, ControlRole role);

// Whether a control of `kind` takes the focus, and so a place in the tab order.
constexpr bool takesFocus(ControlKind kind) {
    return kind == ControlKind::CheckBox || kind == ControlKind::CommandButton;
}

// The control that has the focus as the window opens: the first in tab order that takes it.
const ControlDesign* initialFocus(std::span<const ControlDesign> controls);

// What describes the window: the caption of its describing control; empty if there is none.
// It is the window's description for screen readers, and is also said as the window opens,
// since some screen readers read a window's description then and others do not.
std::string_view windowDescription(const WindowDesign& window,
                                   std::span<const ControlDesign> controls);

}  // namespace design
