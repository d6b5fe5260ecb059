// The pairing logic's view of the main window: the eighteen phase boxes and the answer,
// and what a change of a box means.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "pairing/outcome_table.h"
#include "pairing/phase_catalogue.h"

namespace pairing {

// A box's Value. Code may write any other value; it then counts as neither.
using BoxValue = std::int16_t;
inline constexpr BoxValue kUnticked = 0;
inline constexpr BoxValue kTicked = 1;

// The eighteen box states and the answer text, wherever they are actually held.
//
// Invariant kept by the user interface, not by the board: at most one box per parent is
// ticked, and while one is, the other eight boxes of that parent are disabled.
class PairingBoard {
public:
    virtual ~PairingBoard() = default;

    virtual BoxValue value(PhaseBox box) const = 0;
    // Writing a value different from the current one runs that box's click handling
    // before returning, exactly as a user's click does.
    virtual void setValue(PhaseBox box, BoxValue value) = 0;

    virtual bool isEnabled(PhaseBox box) const = 0;
    // Never runs any click handling.
    virtual void setEnabled(PhaseBox box, bool enabled) = 0;

    virtual std::string answer() const = 0;
    // Never runs any click handling.
    virtual void setAnswer(std::string_view text) = 0;
};

// What follows a change of `box`'s Value: shows the outcome of the pairing it now makes,
// disables or enables the other boxes of its parent, and clears the answer when unticked.
// Keeps no state: every Value is read from the board at the moment it is needed.
void handleBoxClick(PairingBoard& board, PhaseBox box);

// Clears the answer, then writes 0 into Check1 ... Check18 in that order; each box that was
// ticked runs its own click handling inside the write, which re-enables its siblings.
void resetBoard(PairingBoard& board);

}  // namespace pairing
