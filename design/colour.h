// Colour contrast as the Web Content Accessibility Guidelines measure it.
#pragma once

#include "design/form_design.h"

namespace design {

// From 1 (none) to 21 (black on white).
double contrastRatio(Rgb first, Rgb second);

// The contrast that small text needs to be read by everyone.
inline constexpr double kReadableContrast = 4.5;

// `text` changed as little as it takes to be readable on `background`: darkened, or where
// no darker shade is enough, lightened; black or white where no shade of it is enough.
Rgb readableOn(Rgb text, Rgb background);

}  // namespace design
