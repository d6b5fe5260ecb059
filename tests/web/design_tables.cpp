// Prints both windows' designs as JSON, for the page's checks to hold the page to: the
// tables as the designs have them, not as the page writer read them. Run with Node.js.
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "design/fonts.h"
#include "design/main_window_design.h"
#include "design/splash_design.h"

namespace {

std::string quoted(std::string_view text) {
    std::string json = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            json += '\\';
        json += c;
    }
    return json + '"';
}

std::string colour(const std::optional<design::Rgb>& rgb) {
    if (!rgb)
        return "null";
    return "[" + std::to_string(rgb->red) + "," + std::to_string(rgb->green) + "," +
           std::to_string(rgb->blue) + "]";
}

// A font as the page must show it: the CSS stack the web takes for it, its size, its weight.
std::string font(const design::FontDesign& designed) {
    const design::FontChoice* choice = design::fontChoiceFor(designed.family);
    if (!choice)
        return "null";
    return "{\"stack\":" + quoted(choice->web) + ",\"points\":" + std::to_string(designed.points) +
           ",\"bold\":" + (designed.bold ? "true" : "false") + "}";
}

constexpr std::string_view kKinds[] = {"label", "checkbox", "button", "frame", "picture"};

std::string control(const design::ControlDesign& c, const design::WindowDesign& window) {
    const design::FontDesign& shown = c.font.family.empty() ? window.defaultFont : c.font;
    return std::string("{") + "\"name\":" + quoted(c.name) +
           ",\"kind\":" + quoted(kKinds[int(c.kind)]) + ",\"text\":" + quoted(c.text) +
           ",\"left\":" + std::to_string(c.left) + ",\"top\":" + std::to_string(c.top) +
           ",\"width\":" + std::to_string(c.width) + ",\"height\":" + std::to_string(c.height) +
           ",\"font\":" + font(shown) +
           ",\"centred\":" + (c.alignment == design::Alignment::TopCentre ? "true" : "false") +
           ",\"container\":" + quoted(c.container) + ",\"background\":" + colour(c.background) +
           ",\"foreground\":" + colour(c.foreground) + ",\"spokenName\":" + quoted(c.spokenName) +
           ",\"description\":" + quoted(c.description) +
           ",\"liveRegion\":" + (c.liveRegion ? "true" : "false") +
           ",\"takesFocus\":" + (design::takesFocus(c.kind) ? "true" : "false") + "}";
}

std::string window(std::string_view name, const design::WindowDesign& w,
                   std::span<const design::ControlDesign> controls) {
    std::string json = "{\"name\":" + quoted(name) + ",\"caption\":" + quoted(w.caption) +
                       ",\"width\":" + std::to_string(w.clientWidth) +
                       ",\"height\":" + std::to_string(w.clientHeight) +
                       ",\"background\":" + colour(w.background) +
                       ",\"description\":" + quoted(design::windowDescription(w, controls)) +
                       ",\"controls\":[";
    for (const design::ControlDesign& c : controls)
        json += control(c, w) + (&c == &controls.back() ? "" : ",");
    return json + "]}";
}

}  // namespace

int main() {
    std::printf("[%s,%s]\n",
                window("Form1", design::kSplashDesign, design::kSplashControls).c_str(),
                window("Form3", design::kMainWindowDesign, design::kMainWindowControls).c_str());
}
