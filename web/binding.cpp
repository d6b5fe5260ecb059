// The web page's pairing board: held here, in C++, so that writing a box's Value runs
// its click handling inside the write, exactly as in the desktop window. The page only
// forwards the breeder's ticks and shows what the board holds.
#include <emscripten/emscripten.h>

#include "pairing/memory_board.h"

namespace {

pairing::MemoryBoard board;
std::string answer;

// The page names boxes by their number, Check1 ... Check18; anything else is ignored.
bool isBox(int number) {
    return number >= 1 && number <= static_cast<int>(pairing::kBoxCount);
}

}  // namespace

extern "C" {

// A breeder ticked (1) or unticked (0) box `number`.
EMSCRIPTEN_KEEPALIVE void morvane_set_value(int number, int value) {
    if (isBox(number))
        board.setValue(static_cast<pairing::PhaseBox>(number),
                       static_cast<pairing::BoxValue>(value));
}

EMSCRIPTEN_KEEPALIVE void morvane_reset() {
    pairing::resetBoard(board);
}

EMSCRIPTEN_KEEPALIVE int morvane_value(int number) {
    return isBox(number) ? board.value(static_cast<pairing::PhaseBox>(number)) : 0;
}

EMSCRIPTEN_KEEPALIVE int morvane_enabled(int number) {
    return isBox(number) && board.isEnabled(static_cast<pairing::PhaseBox>(number));
}

// The answer text, UTF-8, valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* morvane_answer() {
    answer = board.answer();
    return answer.c_str();
}

}  // extern "C"
