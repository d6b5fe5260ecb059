// The web page's windows as HTML, written from the windows' designs: every control of a
// table, in tab order, inside its container, with what a screen reader is to be told of it.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "design/form_design.h"

namespace page {

// One element of the page: its tag, its attributes in the order written (one without a
// value stands alone, as `hidden`), its children, then its text. Texts and values are
// escaped as they are written.
struct Element {
    std::string tag;
    std::vector<std::pair<std::string, std::optional<std::string>>> attributes{};
    std::vector<Element> children{};
    std::string text{};
    bool childrenOnLines{false};  // a container's: each child on a line of its own
    // Written after the element, at the same level: what describes it.
    std::vector<Element> followers{};

    Element& set(std::string name, std::optional<std::string> value = std::nullopt) {
        attributes.emplace_back(std::move(name), std::move(value));
        return *this;
    }
    std::string html() const;
};

// One window of the page: its controls, the prefix of their ids where two windows share
// names, and the picture file its picture controls show.
struct PageWindow {
    std::span<const design::ControlDesign> controls;
    std::string idPrefix;
    std::string picture;
};

// The window's controls, each followed by what describes it, one element a line.
std::string windowMarkup(const PageWindow& window);

// How the page's script finds the controls with a role (data-role="...").
std::string_view roleName(design::ControlRole role);

}  // namespace page
