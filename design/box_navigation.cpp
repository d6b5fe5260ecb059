#include "design/box_navigation.h"

namespace design {
namespace {

using pairing::PhaseBox;

// The female column stands on the left of the male one.
constexpr pairing::Parent kLeftColumn = pairing::Parent::Femelle;

int rowOf(PhaseBox box) {
    return static_cast<int>(pairing::indexOf(pairing::phaseOf(box)));
}

std::optional<PhaseBox> enabledBoxAt(const pairing::PairingBoard& board, pairing::Parent parent,
                                     int row) {
    if (row < 0 || row >= static_cast<int>(pairing::kPhaseCount))
        return std::nullopt;
    const PhaseBox box = pairing::boxFor(parent, pairing::kAllPhases[static_cast<size_t>(row)]);
    return board.isEnabled(box) ? std::optional(box) : std::nullopt;
}

std::optional<PhaseBox> alongColumn(const pairing::PairingBoard& board, PhaseBox from, int step) {
    for (int row = rowOf(from) + step; row >= 0 && row < int(pairing::kPhaseCount); row += step)
        if (auto box = enabledBoxAt(board, pairing::parentOf(from), row))
            return box;
    return std::nullopt;
}

std::optional<PhaseBox> acrossColumns(const pairing::PairingBoard& board, PhaseBox from) {
    const pairing::Parent other = pairing::otherParent(pairing::parentOf(from));
    for (int distance = 0; distance < int(pairing::kPhaseCount); ++distance)
        for (int row : {rowOf(from) - distance, rowOf(from) + distance})
            if (auto box = enabledBoxAt(board, other, row))
                return box;
    return std::nullopt;
}

}  // namespace

std::optional<PhaseBox> boxReachedBy(const pairing::PairingBoard& board, PhaseBox from,
                                     ArrowKey arrow) {
    const bool inLeftColumn = pairing::parentOf(from) == kLeftColumn;
    switch (arrow) {
        case ArrowKey::Up:
            return alongColumn(board, from, -1);
        case ArrowKey::Down:
            return alongColumn(board, from, +1);
        case ArrowKey::Left:
            return inLeftColumn ? std::nullopt : acrossColumns(board, from);
        case ArrowKey::Right:
            return inLeftColumn ? acrossColumns(board, from) : std::nullopt;
    }
    return std::nullopt;
}

}  // namespace design
