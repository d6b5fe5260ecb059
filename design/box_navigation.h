// Where the arrow keys take the focus among the phase boxes: Up and Down to the nearest
// enabled box of the same column, Left and Right across to the other parent's column, on
// the box of the same phase or, when that one is disabled, the enabled box nearest to it.
#pragma once

#include <optional>

#include "pairing/pairing_board.h"

namespace design {

enum class ArrowKey { Up, Down, Left, Right };

// The box the arrow leads to from `from`, or none at the edge of the columns.
std::optional<pairing::PhaseBox> boxReachedBy(const pairing::PairingBoard& board,
                                              pairing::PhaseBox from, ArrowKey arrow);

}  // namespace design
