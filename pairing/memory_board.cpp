#include "pairing/memory_board.h"

namespace pairing {

MemoryBoard::MemoryBoard() {
    enabled_.fill(true);
}

BoxValue MemoryBoard::value(PhaseBox box) const {
    return values_[indexOf(box)];
}

void MemoryBoard::setValue(PhaseBox box, BoxValue value) {
    BoxValue& stored = values_[indexOf(box)];
    if (stored == value)
        return;
    stored = value;
    handleBoxClick(*this, box);
}

bool MemoryBoard::isEnabled(PhaseBox box) const {
    return enabled_[indexOf(box)];
}

void MemoryBoard::setEnabled(PhaseBox box, bool enabled) {
    enabled_[indexOf(box)] = enabled;
}

std::string MemoryBoard::answer() const {
    return answer_;
}

void MemoryBoard::setAnswer(std::string_view text) {
    answer_ = text;
}

void MemoryBoard::click(PhaseBox box) {
    if (isEnabled(box))
        setValue(box, value(box) == kTicked ? kUnticked : kTicked);
}

}  // namespace pairing
