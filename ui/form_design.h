// A window's design as data: its caption, size and colours, and each control with its
// kind, place, size, text and font. A form is built from its design in one pass.
#pragma once

#include <QColor>
#include <QWidget>
#include <span>
#include <string_view>

namespace ui {

enum class ControlKind { Label, CheckBox, CommandButton, Frame, Picture };

struct FontDesign {
    std::string_view family{};  // empty: the window's default font
    double points{0};
    bool bold{false};
};

struct ControlDesign {
    std::string_view name;
    ControlKind kind;
    std::string_view text;         // a picture's resource path
    int left, top, width, height;  // twips, from the top left of the container
    FontDesign font;
    Qt::Alignment alignment;
    std::string_view container{};  // empty: the window itself
    QColor background{};           // invalid: the container's
};

struct WindowDesign {
    std::string_view caption;
    int clientWidth, clientHeight;  // twips
    QColor background{};            // invalid: the system's window colour
    FontDesign defaultFont{};       // of the controls that name none
};

// Builds `controls`, listed in tab order, on `form`. The first control that takes the
// focus has it when the window opens, and Tab visits the others in list order.
void buildForm(QWidget* form, const WindowDesign& window, std::span<const ControlDesign> controls);

QString toQString(std::string_view text);

}  // namespace ui
