// The design of the main window: every control with its place, size, text and font, in
// tab order.
#pragma once

#include <QColor>
#include <array>
#include <optional>
#include <string_view>

#include "pairing/phase_catalogue.h"

namespace ui {

enum class ControlKind { Label, CheckBox, CommandButton, Frame };

struct FontDesign {
    std::string_view family{};  // empty: the window's default font
    double points{0};
    bool bold{false};
};

struct ControlDesign {
    std::string_view name;
    ControlKind kind;
    std::string_view caption;      // check boxes show their phase's caption instead
    int left, top, width, height;  // twips, from the top left of the container
    FontDesign font;
    Qt::Alignment alignment;
    std::string_view container;  // empty: the window itself
};

struct WindowDesign {
    std::string_view caption;
    int clientWidth, clientHeight;  // twips
    QColor background;
};

inline constexpr WindowDesign kMainWindowDesign{"Morvane 101", 9975, 8205, QColor(192, 192, 192)};

inline constexpr std::size_t kMainWindowControlCount = 27;
// In tab order: the order in which Tab visits the controls that take the focus.
extern const std::array<ControlDesign, kMainWindowControlCount> kMainWindowControls;

// The check box a control stands for, if it is one of the eighteen phase boxes.
std::optional<pairing::PhaseBox> phaseBoxNamed(std::string_view name);

// Dark blue for the homozygous rows, dark red for the three Het rows.
QColor textColourOf(pairing::Phase phase);

// The default font of the controls that name none: small enough that "Hypomelanistic"
// fits beside its tick in an 81-pixel box.
inline constexpr FontDesign kDefaultControlFont{"Liberation Sans Narrow", 7.5, false};

}  // namespace ui
