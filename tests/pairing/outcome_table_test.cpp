// Every answer a breeder can see, checked against a data file written from the outcome
// sheet, not from the program's own table.
#include <gtest/gtest.h>

#include <set>

#include "pairing/memory_board.h"
#include "tests/model/outcome_sheet.h"

using namespace pairing;

namespace {

struct ExpectedOutcome {
    PhaseBox female;
    PhaseBox male;
    PhaseBox clickedLast;
    std::string text;
};

// Names a failing row by its boxes and text rather than by its bytes.
void PrintTo(const ExpectedOutcome& o, std::ostream* out) {
    *out << boxName(o.female) << " x " << boxName(o.male) << ", " << boxName(o.clickedLast)
         << " last: \"" << o.text << '"';
}

const std::vector<ExpectedOutcome>& expectedOutcomes() {
    static const std::vector<ExpectedOutcome> outcomes = [] {
        std::vector<ExpectedOutcome> rows;
        for (const model::SheetRow& row : model::outcomeSheet())
            rows.push_back(
                {PhaseBox(row.female), PhaseBox(row.male), PhaseBox(row.clickedLast), row.text});
        return rows;
    }();
    return outcomes;
}

std::string rowName(const testing::TestParamInfo<ExpectedOutcome>& info) {
    const ExpectedOutcome& o = info.param;
    return std::string(boxName(o.female)) + "_" + std::string(boxName(o.male)) + "_last_" +
           std::string(boxName(o.clickedLast));
}

}  // namespace

class EveryPairing : public testing::TestWithParam<ExpectedOutcome> {};

TEST_P(EveryPairing, userClicksShowTheTextOfTheBoxClickedLast) {
    const ExpectedOutcome& expected = GetParam();
    MemoryBoard board;
    const PhaseBox first =
        expected.clickedLast == expected.female ? expected.male : expected.female;
    board.click(first);
    EXPECT_EQ(board.answer(), "");
    board.click(expected.clickedLast);
    EXPECT_EQ(board.answer(), expected.text);
}

TEST_P(EveryPairing, lookUpByPhasesGivesTheSameText) {
    const ExpectedOutcome& expected = GetParam();
    EXPECT_EQ(OutcomeTable::text(phaseOf(expected.female), phaseOf(expected.male),
                                 parentOf(expected.clickedLast)),
              expected.text);
}

INSTANTIATE_TEST_SUITE_P(OutcomeSheet, EveryPairing, testing::ValuesIn(expectedOutcomes()),
                         rowName);

TEST(OutcomeSheet, coversAllEightyOnePairingsFromBothSides) {
    std::set<std::tuple<PhaseBox, PhaseBox, PhaseBox>> seen;
    for (const ExpectedOutcome& o : expectedOutcomes()) {
        EXPECT_EQ(parentOf(o.female), Parent::Femelle);
        EXPECT_EQ(parentOf(o.male), Parent::Male);
        EXPECT_FALSE(o.text.empty());
        seen.insert({o.female, o.male, o.clickedLast});
    }
    EXPECT_EQ(seen.size(), 162u);
}

TEST(OutcomeTable, eachListHoldsEveryBoxOfTheOtherParentOnce) {
    for (PhaseBox box : kAllBoxes) {
        std::set<PhaseBox> partners;
        for (const OutcomeEntry& entry : OutcomeTable::entries(box)) {
            EXPECT_NE(parentOf(entry.partner), parentOf(box)) << boxName(box);
            partners.insert(entry.partner);
        }
        EXPECT_EQ(partners.size(), kPhaseCount) << boxName(box);
    }
}
