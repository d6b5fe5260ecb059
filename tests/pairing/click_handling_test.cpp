#include <gtest/gtest.h>

#include "pairing/memory_board.h"

using namespace pairing;
using B = PhaseBox;

namespace {

std::vector<B> boxesOf(Parent parent) {
    std::vector<B> boxes;
    for (B box : kAllBoxes)
        if (parentOf(box) == parent)
            boxes.push_back(box);
    return boxes;
}

void expectEnabled(const MemoryBoard& board, Parent parent, B except, bool enabled) {
    for (B box : boxesOf(parent)) {
        if (box != except) {
            EXPECT_EQ(board.isEnabled(box), enabled) << boxName(box);
        }
    }
}

}  // namespace

TEST(ClickHandling, tickingWithNoPartnerDisablesSiblingsOnly) {
    MemoryBoard board;
    board.click(B::Check1);
    EXPECT_EQ(board.value(B::Check1), kTicked);
    EXPECT_EQ(board.answer(), "");
    expectEnabled(board, Parent::Femelle, B::Check1, false);
    EXPECT_TRUE(board.isEnabled(B::Check1));
    expectEnabled(board, Parent::Male, B::Check1, true);

    board.click(B::Check14);
    EXPECT_EQ(board.answer(), "50% Albinos et 50% Het Albinos.");
    expectEnabled(board, Parent::Male, B::Check14, false);
    expectEnabled(board, Parent::Femelle, B::Check1, false);
}

TEST(ClickHandling, disabledBoxesIgnoreUserClicks) {
    MemoryBoard board;
    board.click(B::Check3);
    board.click(B::Check5);
    EXPECT_EQ(board.value(B::Check5), kUnticked);
}

TEST(ClickHandling, untickingClearsAnswerAndReenablesSiblingsWhilePartnerStaysTicked) {
    MemoryBoard board;
    board.click(B::Check1);
    board.click(B::Check2);
    board.click(B::Check1);
    EXPECT_EQ(board.answer(), "");
    expectEnabled(board, Parent::Femelle, B::Check1, true);
    expectEnabled(board, Parent::Male, B::Check2, false);

    board.click(B::Check9);
    EXPECT_EQ(board.answer(), "Certains Tangerines mais tous seront Het Albinos.");
}

TEST(ClickHandling, regulierPairReadsAsTheBoxChangedLast) {
    MemoryBoard board;
    board.click(B::Check17);
    board.click(B::Check18);
    EXPECT_EQ(board.answer(), "100% régulier");
    board.click(B::Check18);
    board.click(B::Check18);
    EXPECT_EQ(board.answer(), "100% régulier");
    board.click(B::Check17);
    board.click(B::Check17);
    EXPECT_EQ(board.answer(), "100% Régulier");
}

// Only code can tick several partners at once; the last matching entry of the list wins.
TEST(ClickHandling, laterMatchingPartnerOverridesEarlierOne) {
    MemoryBoard board;
    board.setValue(B::Check18, kTicked);
    board.setValue(B::Check2, kTicked);
    board.setValue(B::Check3, kTicked);
    EXPECT_EQ(board.answer(), "100% double Het pour Blazing Blizzard.");

    MemoryBoard other;
    other.setValue(B::Check2, kTicked);
    other.setValue(B::Check18, kTicked);
    other.setValue(B::Check1, kTicked);
    EXPECT_EQ(other.answer(), "100% Het Albinos.");

    MemoryBoard male;
    male.setValue(B::Check1, kTicked);
    male.setValue(B::Check17, kTicked);
    male.setValue(B::Check13, kTicked);
    male.setValue(B::Check6, kTicked);
    EXPECT_EQ(male.answer(), "Certains Hypos.");
}

TEST(ClickHandling, valueNeitherTickedNorUntickedMatchesNothingAndKeepsAnswer) {
    MemoryBoard board;
    board.click(B::Check1);
    board.click(B::Check2);
    board.setValue(B::Check2, 2);
    EXPECT_EQ(board.answer(), "100% Albinos.");
    expectEnabled(board, Parent::Male, B::Check2, true);
    expectEnabled(board, Parent::Femelle, B::Check1, false);

    board.click(B::Check4);  // another male box now pairs with the female one
    EXPECT_EQ(board.answer(), "100% Double Het pour Blazing Blizzard.");
}
