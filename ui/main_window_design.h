// The design of the main window: every control with its place, size, text and font, in
// tab order.
#pragma once

#include <array>
#include <optional>

#include "pairing/phase_catalogue.h"
#include "ui/form_design.h"

namespace ui {

extern const WindowDesign kMainWindowDesign;

inline constexpr std::size_t kMainWindowControlCount = 27;
// Check boxes show their phase's caption, in their phase's colour.
extern const std::array<ControlDesign, kMainWindowControlCount> kMainWindowControls;

// The check box a control stands for, if it is one of the eighteen phase boxes.
std::optional<pairing::PhaseBox> phaseBoxNamed(std::string_view name);

// Dark blue for the homozygous rows, dark red for the three Het rows.
QColor textColourOf(pairing::Phase phase);

}  // namespace ui
