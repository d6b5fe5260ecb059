// Builds Qt widgets from a window's design: one pass over its control table.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>
#include <span>
#include <string_view>

#include "design/form_design.h"

namespace ui {

// Builds `controls`, listed in tab order, on `form`, at 1 logical pixel per 15 twips (Qt
// scales them to the screen). Fonts take pixel sizes at 96 dpi, so that text keeps its
// proportion to the controls. The first control that takes the focus has it when the
// window opens, and Tab visits the others in list order.
void buildForm(QWidget* form, const design::WindowDesign& window,
               std::span<const design::ControlDesign> controls);

// Loads the fonts of a window's design ahead of its first paint, which then comes sooner.
void loadFonts(const design::WindowDesign& window, std::span<const design::ControlDesign> controls);

QString toQString(std::string_view text);
QColor toQColor(design::Rgb colour);

// The built-in image at `path`, read in the format its name ends with: guessing the
// format instead would load and ask every image plugin first.
QImage builtInImage(const QString& path);

}  // namespace ui
