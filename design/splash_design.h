// The design of the splash window: its caption and size, and each control with its
// place, size, text and font. None of them takes the focus.
#pragma once

#include <array>

#include "design/form_design.h"

namespace design {

extern const WindowDesign kSplashDesign;

inline constexpr std::size_t kSplashControlCount = 4;
extern const std::array<ControlDesign, kSplashControlCount> kSplashControls;

}  // namespace design
