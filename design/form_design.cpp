#include "design/form_design.h"

#include <algorithm>

namespace design {

const ControlDesign* controlNamed(std::span<const ControlDesign> controls, std::string_view name) {
    const auto found = std::ranges::find(controls, name, &ControlDesign::name);
    return found == controls.end() ? nullptr : &*found;
}

}  // namespace design
