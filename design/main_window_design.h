// The design of the main window: every control with its place, size, text, font and
// colours, in tab order.
#pragma once

#include <array>

#include "design/form_design.h"

namespace design {

extern const WindowDesign kMainWindowDesign;

inline constexpr std::size_t kMainWindowControlCount = 27;
extern const std::array<ControlDesign, kMainWindowControlCount> kMainWindowControls;

// The caption colours of the phase boxes: blue for what the animal shows, red for the Het
// phases that it only carries; the red is darkened where the grey would make it hard to read.
Rgb captionColourOf(pairing::Phase phase);

}  // namespace design
