#include "tools/page_markup.h"

#include <algorithm>
#include <array>

namespace page {
namespace {

using design::ControlDesign;
using design::ControlKind;

// The characters HTML would read as markup, as a page writes them in a text or a value.
constexpr std::array<std::pair<char, std::string_view>, 4> kEntities{
    {{'&', "&amp;"}, {'<', "&lt;"}, {'>', "&gt;"}, {'"', "&quot;"}}};

std::string escaped(std::string_view text) {
    std::string html;
    for (char c : text) {
        const auto* entity = std::find_if(kEntities.begin(), kEntities.end(),
                                          [c](const auto& entry) { return entry.first == c; });
        if (entity == kEntities.end())
            html += c;
        else
            html += entity->second;
    }
    return html;
}

bool isVoid(std::string_view tag) {
    return tag == "img" || tag == "input";
}

std::string idOf(const PageWindow& window, const ControlDesign& control) {
    return window.idPrefix + std::string(control.name);
}

// What a screen reader adds to a control's name: a hidden text the control points to.
void describe(Element& described, Element& holder, const ControlDesign& control,
              const std::string& id) {
    if (control.description.empty())
        return;
    const std::string descriptionId = id + "-description";
    described.set("aria-describedby", descriptionId);
    holder.followers.push_back(Element{.tag = "span", .text = std::string(control.description)}
                                   .set("id", descriptionId)
                                   .set("hidden"));
}

Element controlElement(const ControlDesign& control, const PageWindow& window) {
    const std::string id = idOf(window, control);
    Element element{.tag = {}};
    // The element a screen reader names and describes: a box's own tick.
    Element* spoken = &element;
    switch (control.kind) {
        case ControlKind::Label:
            // A live region is a live section, read whole at each new text: Orca 48 drops a
            // status bar's text that follows another of the same page within 100 ms.
            element.tag = control.liveRegion ? "div" : "p";
            element.set("id", id).set("class", "control");
            if (control.liveRegion)
                element.set("aria-live", "polite").set("aria-atomic", "true");
            element.text = std::string(control.text);
            break;
        case ControlKind::CheckBox:
            element.tag = "label";
            element.set("id", id).set("class", "control box");
            element.children.push_back(Element{.tag = "input"}
                                           .set("type", "checkbox")
                                           .set("aria-label", std::string(control.spokenName)));
            spoken = &element.children.back();
            element.text = " " + std::string(control.text);
            break;
        case ControlKind::CommandButton:
            element.tag = "button";
            element.set("id", id).set("class", "control").set("type", "button");
            element.text = std::string(control.text);
            break;
        case ControlKind::Frame:
            element.tag = "fieldset";
            element.set("id", id).set("class", "control");
            element.childrenOnLines = true;
            element.children.push_back(Element{.tag = "legend", .text = std::string(control.text)});
            for (const ControlDesign& child : window.controls)
                if (child.container == control.name)
                    element.children.push_back(controlElement(child, window));
            break;
        case ControlKind::Picture:
            element.tag = "img";
            element.set("id", id)
                .set("class", "control")
                .set("src", window.picture)
                .set("alt", std::string(control.spokenName))
                .set("width", std::to_string(design::twipsToPixels(control.width)))
                .set("height", std::to_string(design::twipsToPixels(control.height)));
            break;
    }
    // What the page's script looks controls up by.
    if (control.role != design::ControlRole::None)
        spoken->set("data-role", std::string(roleName(control.role)));
    if (&control == design::initialFocus(window.controls))
        spoken->set("data-initial-focus");
    describe(*spoken, element, control, id);
    return element;
}

}  // namespace

std::string Element::html() const {
    std::string html = "<" + tag;
    for (const auto& [name, value] : attributes)
        html += " " + name + (value ? "=\"" + escaped(*value) + "\"" : "");
    html += ">";
    if (isVoid(tag))
        return html;
    const std::string separator = childrenOnLines ? "\n" : "";
    if (!children.empty())
        html += separator;
    for (const Element& child : children) {
        html += child.html() + separator;
        for (const Element& follower : child.followers)
            html += follower.html() + separator;
    }
    return html + escaped(text) + "</" + tag + ">";
}

std::string_view roleName(design::ControlRole role) {
    switch (role) {
        case design::ControlRole::None:
            return "";
        case design::ControlRole::Answer:
            return "answer";
        case design::ControlRole::Reset:
            return "reset";
        case design::ControlRole::Close:
            return "close";
    }
    return "";
}

std::string windowMarkup(const PageWindow& window) {
    std::string markup;
    for (const ControlDesign& control : window.controls) {
        if (!control.container.empty())
            continue;
        const Element element = controlElement(control, window);
        markup += element.html() + "\n";
        for (const Element& follower : element.followers)
            markup += follower.html() + "\n";
    }
    return markup;
}

}  // namespace page
