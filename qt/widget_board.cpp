#include "qt/widget_board.h"

#include "design/main_window_design.h"
#include "qt/form_builder.h"

namespace ui {

using pairing::PhaseBox;

WidgetBoard::WidgetBoard(QWidget* form)
    : answer_(findControl<QLabel>(form, toQString(design::nameOf(design::kMainWindowControls,
                                                                 design::ControlRole::Answer)))) {
    for (PhaseBox box : pairing::kAllBoxes) {
        const auto name = pairing::boxName(box);
        boxes_[pairing::indexOf(box)] =
            findControl<CheckBox>(form, QString::fromUtf8(name.data(), qsizetype(name.size())));
    }
}

CheckBox& WidgetBoard::box(PhaseBox box, const char* operation) const {
    return boxes_[pairing::indexOf(box)](operation);
}

std::optional<PhaseBox> WidgetBoard::boxOf(const QObject* widget) const {
    for (PhaseBox box : pairing::kAllBoxes)
        if (boxes_[pairing::indexOf(box)].pointsTo(widget))
            return box;
    return std::nullopt;
}

pairing::BoxValue WidgetBoard::value(PhaseBox box) const {
    return this->box(box, "lecture de Value").value();
}

void WidgetBoard::setValue(PhaseBox box, pairing::BoxValue value) {
    this->box(box, "écriture de Value").setValue(value);
}

bool WidgetBoard::isEnabled(PhaseBox box) const {
    return this->box(box, "lecture de Enabled").isEnabled();
}

void WidgetBoard::setEnabled(PhaseBox box, bool enabled) {
    this->box(box, "écriture de Enabled").setEnabled(enabled);
}

std::string WidgetBoard::answer() const {
    return answer_("lecture de Caption").text().toStdString();
}

void WidgetBoard::setAnswer(std::string_view text) {
    answer_("écriture de Caption").setText(QString::fromUtf8(text.data(), qsizetype(text.size())));
}

}  // namespace ui
