// How long the pairing logic takes for one click and one Reset, with no window.
#include <benchmark/benchmark.h>

#include "pairing/memory_board.h"

using namespace pairing;

namespace {

MemoryBoard boardWithPairing() {
    MemoryBoard board;
    board.click(PhaseBox::Check11);
    board.click(PhaseBox::Check16);
    return board;
}

// The handling of a click that shows an outcome: nine pair tests, eight enable writes.
void clickHandling(benchmark::State& state) {
    MemoryBoard board = boardWithPairing();
    for (auto _ : state) {
        handleBoxClick(board, PhaseBox::Check16);
        benchmark::DoNotOptimize(board);
    }
}
BENCHMARK(clickHandling);

// A user's tick and untick of one box, each with its handling.
void tickAndUntick(benchmark::State& state) {
    MemoryBoard board;
    board.click(PhaseBox::Check11);
    for (auto _ : state) {
        board.click(PhaseBox::Check16);
        board.click(PhaseBox::Check16);
        benchmark::DoNotOptimize(board);
    }
}
BENCHMARK(tickAndUntick);

// Reset of a board showing a pairing: two nested handlings. The copy of the prepared board
// is included in the time, and measured alone below.
void resetWithPairing(benchmark::State& state) {
    const MemoryBoard prepared = boardWithPairing();
    for (auto _ : state) {
        MemoryBoard board = prepared;
        resetBoard(board);
        benchmark::DoNotOptimize(board);
    }
}
BENCHMARK(resetWithPairing);

void copyOfPreparedBoard(benchmark::State& state) {
    const MemoryBoard prepared = boardWithPairing();
    for (auto _ : state) {
        MemoryBoard board = prepared;
        benchmark::DoNotOptimize(board);
    }
}
BENCHMARK(copyOfPreparedBoard);

}  // namespace
