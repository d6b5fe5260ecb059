#include <gtest/gtest.h>

#include "pairing/pairing_board.h"

using namespace pairing;

TEST(Catalogue, boxAndParentPhaseLookUpsAreInverse) {
    for (PhaseBox box : kAllBoxes)
        EXPECT_EQ(boxFor(parentOf(box), phaseOf(box)), box) << boxName(box);
    for (Phase phase : kAllPhases)
        EXPECT_NE(boxFor(Parent::Femelle, phase), boxFor(Parent::Male, phase));
}
