#include <gtest/gtest.h>

#include "pairing/pairing_board.h"

using namespace pairing;

TEST(Catalogue, boxNumbersFollowTheDesignNotAPattern) {
    const std::array<PhaseBox, 9> females{PhaseBox::Check1,  PhaseBox::Check3,  PhaseBox::Check5,
                                          PhaseBox::Check7,  PhaseBox::Check9,  PhaseBox::Check11,
                                          PhaseBox::Check12, PhaseBox::Check13, PhaseBox::Check17};
    int femaleCount = 0;
    for (PhaseBox box : kAllBoxes) {
        const bool listedFemale = std::find(females.begin(), females.end(), box) != females.end();
        EXPECT_EQ(parentOf(box), listedFemale ? Parent::Femelle : Parent::Male) << boxName(box);
        femaleCount += listedFemale;
    }
    EXPECT_EQ(femaleCount, 9);
}

TEST(Catalogue, regulierBoxesCarryTheHighestNumbers) {
    EXPECT_EQ(boxFor(Parent::Femelle, Phase::Regulier), PhaseBox::Check17);
    EXPECT_EQ(boxFor(Parent::Male, Phase::Regulier), PhaseBox::Check18);
    EXPECT_EQ(kAllPhases.front(), Phase::Regulier);  // yet it is the top row
}

TEST(Catalogue, boxAndParentPhaseLookUpsAreInverse) {
    for (PhaseBox box : kAllBoxes)
        EXPECT_EQ(boxFor(parentOf(box), phaseOf(box)), box) << boxName(box);
    for (Phase phase : kAllPhases)
        EXPECT_NE(boxFor(Parent::Femelle, phase), boxFor(Parent::Male, phase));
}

TEST(Catalogue, captionsAndHeadingsAreTheDisplayedTexts) {
    EXPECT_EQ(caption(Phase::Regulier), "Régulier");
    EXPECT_EQ(caption(Phase::HetPatternless), "Het Patternless");
    EXPECT_EQ(phaseOf(PhaseBox::Check14), Phase::HetAlbinos);
    EXPECT_EQ(heading(Phase::Tangerine), "Trait Homozygote");
    EXPECT_EQ(heading(Phase::HetAlbinos), "Trait Hétérozygote");
    EXPECT_EQ(boxName(PhaseBox::Check1), "Check1");
    EXPECT_EQ(boxName(PhaseBox::Check18), "Check18");
}
