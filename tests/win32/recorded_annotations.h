// What the program tells screen readers through the annotation service, as they would
// read it: the service stands in for the system's for this process, and keeps what each
// window and control was given. (Wine's service takes nothing, and reads standard controls
// by their window only, so it cannot tell.)
#pragma once

#include <windows.h>

#include <map>
#include <string>

namespace test {

struct Annotations {
    std::string name, description;
    bool liveRegion{false};
};

// Stands in for the system's service from now on in this process, whose COM is set up.
void recordAnnotations();

// What `window` has been given and not taken back.
Annotations annotationsOf(HWND window);

}  // namespace test
