#include "design/form_design.h"

#include <algorithm>

namespace design {

const ControlDesign* controlNamed(std::span<const ControlDesign> controls, std::string_view name) {
    const auto found =
        std::find_if(controls.begin(), controls.end(),
                     [name](const ControlDesign& control) { return control.name == name; });
    return found == controls.end() ? nullptr : &*found;
}

}  // namespace design
