#include <array>

#include "pairing/pairing_board.h"

namespace pairing {
namespace {

constexpr std::array<Phase, kPhaseCount - 1> kSiblingPhases{
    Phase::Albinos,   Phase::Blizzard,   Phase::Hypomelanistic, Phase::Patternless,
    Phase::Tangerine, Phase::HetAlbinos, Phase::HetBlizzard,    Phase::HetPatternless,
};

// The other eight boxes of the parent, in phase order with the Régulier box standing where
// the clicked box would be.
std::array<PhaseBox, kPhaseCount - 1> siblingsOf(PhaseBox box) {
    const Parent parent = parentOf(box);
    std::array<PhaseBox, kPhaseCount - 1> siblings{};
    for (std::size_t i = 0; i < siblings.size(); ++i) {
        const PhaseBox sibling = boxFor(parent, kSiblingPhases[i]);
        siblings[i] = sibling == box ? boxFor(parent, Phase::Regulier) : sibling;
    }
    return siblings;
}

}  // namespace

void handleBoxClick(PairingBoard& board, PhaseBox box) {
    // Values are re-read at every test on purpose: a write to the board may run other
    // handlings, and no early exit lets the last matching partner win.
    for (const OutcomeEntry& entry : OutcomeTable::entries(box)) {
        if (board.value(box) == kTicked && board.value(entry.partner) == kTicked)
            board.setAnswer(entry.text);
    }
    for (PhaseBox sibling : siblingsOf(box))
        board.setEnabled(sibling, board.value(box) != kTicked);
    if (board.value(box) == kUnticked)
        board.setAnswer("");
}

void resetBoard(PairingBoard& board) {
    board.setAnswer("");
    for (PhaseBox box : kAllBoxes)
        board.setValue(box, kUnticked);
}

}  // namespace pairing
