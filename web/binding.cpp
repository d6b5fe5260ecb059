// The web page's pairing board: held here, in C++, so that writing a box's Value runs
// its click handling inside the write, exactly as in the desktop window. The page only
// forwards the breeder's ticks and keys and shows what the board holds and what the
// designs say of it.
#include "web/binding.h"

#include <emscripten/emscripten.h>

#include <array>

#include "design/box_navigation.h"
#include "design/spoken_texts.h"
#include "pairing/memory_board.h"

namespace {

pairing::MemoryBoard board;
std::string text;  // the last text handed to the page

// The page names boxes by their number, Check1 ... Check18; anything else is ignored.
bool isBox(int number) {
    return number >= 1 && number <= static_cast<int>(pairing::kBoxCount);
}

pairing::PhaseBox boxNumbered(int number) {
    return static_cast<pairing::PhaseBox>(number);
}

// Valid until the next call that hands a text.
const char* handOver(std::string value) {
    text = std::move(value);
    return text.c_str();
}

// The page's arrows, in the order of its key names: ArrowUp, ArrowDown, ArrowLeft, ArrowRight.
constexpr std::array<design::ArrowKey, 4> kArrows{design::ArrowKey::Up, design::ArrowKey::Down,
                                                  design::ArrowKey::Left, design::ArrowKey::Right};

}  // namespace

extern "C" {

// A breeder ticked (1) or unticked (0) box `number`.
EMSCRIPTEN_KEEPALIVE void morvane_set_value(int number, int value) {
    if (isBox(number))
        board.setValue(boxNumbered(number), static_cast<pairing::BoxValue>(value));
}

EMSCRIPTEN_KEEPALIVE void morvane_reset() {
    pairing::resetBoard(board);
}

EMSCRIPTEN_KEEPALIVE int morvane_value(int number) {
    return isBox(number) ? board.value(boxNumbered(number)) : 0;
}

EMSCRIPTEN_KEEPALIVE int morvane_enabled(int number) {
    return isBox(number) && board.isEnabled(boxNumbered(number));
}

// The answer text, UTF-8.
EMSCRIPTEN_KEEPALIVE const char* morvane_answer() {
    return handOver(board.answer());
}

// What is said of the choices after box `number` changed, UTF-8. The page's answer is a
// status of its own, which speaks whenever it changes.
EMSCRIPTEN_KEEPALIVE const char* morvane_choices_after(int number) {
    if (!isBox(number))
        return handOver("");
    return handOver(
        design::announcementAfterClick(board, boxNumbered(number), board.answer()).choices);
}

// What is said of the choices after Reset, UTF-8.
EMSCRIPTEN_KEEPALIVE const char* morvane_after_reset() {
    return handOver(design::announcementAfterReset().choices);
}

// The box that arrow `arrow` (0 to 3, as kArrows) leads to from box `number`; 0 for none.
EMSCRIPTEN_KEEPALIVE int morvane_box_reached(int number, int arrow) {
    if (!isBox(number) || arrow < 0 || arrow >= static_cast<int>(kArrows.size()))
        return 0;
    const auto reached =
        design::boxReachedBy(board, boxNumbered(number), kArrows[static_cast<size_t>(arrow)]);
    return reached ? static_cast<int>(*reached) : 0;
}

}  // extern "C"
