// Form3, the main window: the eighteen phase boxes, the framed answer and the two commands,
// on Win32 controls.
#pragma once

#include <optional>

#include "design/spoken_texts.h"
#include "pairing/pairing_board.h"
#include "win32/form.h"

namespace win {

class Form3 final : public Form, private pairing::PairingBoard {
public:
    Form3();

    pairing::PairingBoard& board() { return *this; }

    void Command3_Click();  // Reset
    void Command1_Click();  // Fermer

    // Moves the focus as the arrow `key` leads from the phase box that has it; false when
    // the focus is on no phase box or `key` is no arrow.
    bool moveAmongBoxes(WPARAM key);

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void onCommand(const design::ControlDesign& control, WORD code) override;

private:
    HWND box(pairing::PhaseBox box, const char* operation) const;
    void announce(const design::Announcement& announcement);

    pairing::BoxValue value(pairing::PhaseBox box) const override;
    void setValue(pairing::PhaseBox box, pairing::BoxValue value) override;
    bool isEnabled(pairing::PhaseBox box) const override;
    void setEnabled(pairing::PhaseBox box, bool enabled) override;
    std::string answer() const override;
    void setAnswer(std::string_view text) override;

    // Where the sentences that follow a choice or a Reset are given to screen readers.
    HWND announcer_{nullptr};
};

}  // namespace win
