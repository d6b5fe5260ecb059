#include "design/form_design.h"

#include <algorithm>

namespace design {

const ControlDesign* controlNamed(std::span<const ControlDesign> controls, std::string_view name) {
    const auto found =
        std::find_if(controls.begin(), controls.end(),
                     [name](const ControlDesign& control) { return control.name == name; });
    return found == controls.end() ? nullptr : &*found;
}

std::string_view nameOf(std::span<const ControlDesign> controls, ControlRole role) {
    const auto found =
        std::find_if(controls.begin(), controls.end(),
                     [role](const ControlDesign& control) { return control.role == role; });
    return found == controls.end() ? std::string_view() : found->name;
}

const ControlDesign* initialFocus(std::span<const ControlDesign> controls) {
    const auto found =
        std::find_if(controls.begin(), controls.end(),
                     [](const ControlDesign& control) { return takesFocus(control.kind); });
    return found == controls.end() ? nullptr : &*found;
}

std::string_view windowDescription(const WindowDesign& window,
                                   std::span<const ControlDesign> controls) {
    const ControlDesign* describing = controlNamed(controls, window.describedBy);
    return describing ? describing->text : std::string_view();
}

}  // namespace design
