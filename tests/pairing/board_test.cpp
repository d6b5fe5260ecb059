#include <gtest/gtest.h>

#include "pairing/memory_board.h"

using namespace pairing;
using B = PhaseBox;

namespace {

void expectFresh(const MemoryBoard& board) {
    for (B box : kAllBoxes) {
        EXPECT_EQ(board.value(box), kUnticked) << boxName(box);
        EXPECT_TRUE(board.isEnabled(box)) << boxName(box);
    }
    EXPECT_EQ(board.answer(), "");
}

}  // namespace

TEST(MemoryBoard, startsWithNothingTickedEverythingEnabledAndNoAnswer) {
    expectFresh(MemoryBoard{});
}

TEST(MemoryBoard, writingTheSameValueRunsNoHandling) {
    MemoryBoard board;
    board.setAnswer("kept");
    board.setValue(B::Check7, kUnticked);
    EXPECT_EQ(board.answer(), "kept");
}

TEST(Reset, withNothingTickedClearsTheAnswer) {
    MemoryBoard board;
    board.setAnswer("stale");
    resetBoard(board);
    expectFresh(board);
}

TEST(Reset, withOneFemaleTickedReenablesHerSiblings) {
    MemoryBoard board;
    board.click(B::Check12);
    resetBoard(board);
    expectFresh(board);
}

TEST(Reset, withAPairingShownClearsEverythingAndCanBeRepeated) {
    MemoryBoard board;
    board.click(B::Check13);
    board.click(B::Check14);
    ASSERT_FALSE(board.answer().empty());
    resetBoard(board);
    expectFresh(board);
    resetBoard(board);
    expectFresh(board);

    board.click(B::Check16);
    board.click(B::Check11);
    EXPECT_EQ(board.answer(),
              "25% Régulier, 25% Het Albinos, 25% Het Patternless et 25% double Het pour "
              "Patternless Albinos.");
}

// A state only code can make: two boxes of a parent ticked and a value of 2.
TEST(Reset, clearsStatesTheUserCannotMake) {
    MemoryBoard board;
    board.setValue(B::Check1, kTicked);
    board.setValue(B::Check3, kTicked);
    board.setValue(B::Check4, 2);
    resetBoard(board);
    expectFresh(board);
}
