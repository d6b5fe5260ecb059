// A PairingBoard held in memory, for tests and benchmarks: it behaves as the main window
// does, with no window.
#pragma once

#include <array>
#include <string>

#include "pairing/pairing_board.h"

namespace pairing {

class MemoryBoard final : public PairingBoard {
public:
    // Fresh as a newly opened main window: nothing ticked, everything enabled, no answer.
    MemoryBoard();

    BoxValue value(PhaseBox box) const override;
    void setValue(PhaseBox box, BoxValue value) override;
    bool isEnabled(PhaseBox box) const override;
    void setEnabled(PhaseBox box, bool enabled) override;
    std::string answer() const override;
    void setAnswer(std::string_view text) override;

    // A user's click: toggles the box, unless it is disabled.
    void click(PhaseBox box);

private:
    std::array<BoxValue, kBoxCount> values_{};
    std::array<bool, kBoxCount> enabled_{};
    std::string answer_{};
};

}  // namespace pairing
