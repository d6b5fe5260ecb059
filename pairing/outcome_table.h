// The fixed table of pairing outcomes: for each box, its nine partner boxes of the other
// parent in the order the click handling tests them, each with the sentence to show.
#pragma once

#include <array>
#include <string_view>

#include "pairing/phase_catalogue.h"

namespace pairing {

struct OutcomeEntry {
    PhaseBox partner;
    std::string_view text;  // UTF-8, exactly as the breeder reads it
};

using OutcomeList = std::array<OutcomeEntry, kPhaseCount>;

class OutcomeTable {
public:
    // The nine entries held by `box`, in test order: a later match overrides an earlier one.
    static const OutcomeList& entries(PhaseBox box);

    // The text shown when both boxes are ticked and the box of `clickedLast` changed last.
    static std::string_view text(Phase female, Phase male, Parent clickedLast);
};

}  // namespace pairing
