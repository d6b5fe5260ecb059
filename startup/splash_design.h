// The design of the splash window: its caption and size, and each control with its
// place, size, text and font, in tab order.
#pragma once

#include <array>

#include "ui/form_design.h"

namespace startup {

extern const ui::WindowDesign kSplashDesign;

inline constexpr std::size_t kSplashControlCount = 4;
// None of them takes the focus.
extern const std::array<ui::ControlDesign, kSplashControlCount> kSplashControls;

// What the picture shows, for those who cannot see it.
inline constexpr char kPictureDescription[] = "Tête d'un gecko léopard, de profil";

}  // namespace startup
