// What screen readers (NVDA, Narrator) learn of the windows beyond what the standard
// controls tell them: the designs' spoken names and descriptions, and live regions, given
// through Windows' own annotation service (oleacc's IAccPropServices).
#pragma once

#include <windows.h>

#include <string_view>

#include "design/form_design.h"

namespace win {

// Gives `control` what its design says to a screen reader: the name it is spoken by, its
// description, and whether it is a live region.
void annotate(HWND control, const design::ControlDesign& design);

// Gives `window` the description a screen reader adds to its name.
void describe(HWND window, std::string_view description);

// Takes back what annotate or describe gave `window`, as it goes.
void forgetAnnotations(HWND window);

// Tells screen readers that the live region `control` has a new text to be said.
void announceChange(HWND control);

// Lets the annotation service go, before COM does.
void releaseAnnotationService();

}  // namespace win
