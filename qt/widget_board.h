// The pairing board as the main window holds it: the Value and enabled state of the
// eighteen check boxes and the caption of the answer label, reached by their names.
#pragma once

#include <QLabel>
#include <array>
#include <optional>

#include "pairing/pairing_board.h"
#include "qt/check_box.h"
#include "qt/control.h"

namespace ui {

class WidgetBoard final : public pairing::PairingBoard {
public:
    // Finds Check1 ... Check18 and answer on `form`; a missing one is a run-time error.
    explicit WidgetBoard(QWidget* form);

    pairing::BoxValue value(pairing::PhaseBox box) const override;
    void setValue(pairing::PhaseBox box, pairing::BoxValue value) override;
    bool isEnabled(pairing::PhaseBox box) const override;
    void setEnabled(pairing::PhaseBox box, bool enabled) override;
    std::string answer() const override;
    void setAnswer(std::string_view text) override;

    CheckBox& box(pairing::PhaseBox box, const char* operation) const;
    // The phase box that `widget` is, if it is one.
    std::optional<pairing::PhaseBox> boxOf(const QObject* widget) const;

private:
    std::array<Control<CheckBox>, pairing::kBoxCount> boxes_{};
    Control<QLabel> answer_{};
};

}  // namespace ui
