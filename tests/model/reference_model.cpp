#include "tests/model/reference_model.h"

#include "tests/model/outcome_sheet.h"

#include <algorithm>
#include <optional>
#include <sstream>

namespace model {
namespace {

// Boxes by parent, in the order of the phases on screen: Régulier, Albinos, Blizzard,
// Hypomelanistic, Patternless, Tangerine, Het Albinos, Het Blizzard, Het Patternless.
constexpr std::array<int, 9> kFemales{17, 1, 3, 5, 7, 9, 11, 12, 13};
constexpr std::array<int, 9> kMales{18, 2, 4, 6, 8, 10, 14, 15, 16};

// The text for (female box, male box, box clicked last).
const std::string& textOf(int female, int male, int clickedLast) {
    static const auto byPairing = [] {
        std::map<std::tuple<int, int, int>, std::string> texts;
        for (const SheetRow& row : outcomeSheet())
            texts[{row.female, row.male, row.clickedLast}] = row.text;
        return texts;
    }();
    return byPairing.at({female, male, clickedLast});
}

// Partners in the order they are tried; the last ticked one decides the answer.
std::vector<int> partnersInOrder(int box) {
    const bool female = std::find(kFemales.begin(), kFemales.end(), box) != kFemales.end();
    if (!female)
        return {13, 12, 11, 9, 7, 5, 3, 1, 17};
    if (box == 1 || box == 11 || box == 17)
        return {2, 4, 6, 8, 10, 14, 15, 16, 18};
    return {18, 2, 4, 6, 8, 10, 14, 15, 16};
}

}  // namespace

std::string describe(const Snapshot& s) {
    std::ostringstream out;
    for (int box = 1; box <= kBoxes; ++box)
        out << "Check" << box << "=" << s.values[box] << (s.enabled[box] ? "" : "(off)") << " ";
    out << "answer=\"" << s.answer << "\"";
    return out.str();
}

std::string Step::describe() const {
    switch (kind) {
        case UserClick:
            return "click Check" + std::to_string(box);
        case Reset:
            return "Reset";
        case CodeWrite:
            return "write Check" + std::to_string(box) + "=" + std::to_string(value);
    }
    return {};
}

ReferenceModel::ReferenceModel() {
    std::fill(state_.enabled.begin() + 1, state_.enabled.end(), true);
}

void ReferenceModel::apply(const Step& step) {
    switch (step.kind) {
        case Step::UserClick:
            if (state_.enabled[step.box])
                write(step.box, state_.values[step.box] == 1 ? 0 : 1);
            break;
        case Step::Reset:
            state_.answer.clear();
            for (int box = 1; box <= kBoxes; ++box)
                write(box, 0);
            break;
        case Step::CodeWrite:
            write(step.box, step.value);
            break;
    }
}

void ReferenceModel::write(int box, int value) {
    if (state_.values[box] == value)
        return;
    state_.values[box] = value;
    handle(box);
}

void ReferenceModel::handle(int box) {
    const bool female = std::find(kFemales.begin(), kFemales.end(), box) != kFemales.end();
    const int value = state_.values[box];
    if (value == 1) {
        for (int partner : partnersInOrder(box)) {
            if (state_.values[partner] == 1) {
                const int f = female ? box : partner;
                const int m = female ? partner : box;
                state_.answer = textOf(f, m, box);
            }
        }
    }
    for (int sibling : female ? kFemales : kMales)
        if (sibling != box)
            state_.enabled[sibling] = value != 1;
    if (value == 0)
        state_.answer.clear();
}

Step randomStep(std::mt19937& random, const Snapshot& state) {
    std::vector<int> enabled;
    for (int box = 1; box <= kBoxes; ++box)
        if (state.enabled[box])
            enabled.push_back(box);
    // Code can tick two boxes of a parent, which then disable each other: with nothing
    // left to click, only Reset or code can go on.
    const int roll = std::uniform_int_distribution<int>(enabled.empty() ? 80 : 0, 99)(random);
    if (roll < 5 || roll >= 95)
        return {Step::Reset, 0, 0};
    if (roll < 20 || enabled.empty()) {
        const int box = std::uniform_int_distribution<int>(1, kBoxes)(random);
        return {Step::CodeWrite, box, std::uniform_int_distribution<int>(0, 2)(random)};
    }
    const auto pick = std::uniform_int_distribution<std::size_t>(0, enabled.size() - 1)(random);
    return {Step::UserClick, enabled[pick], 0};
}

namespace {

struct Mismatch {
    Snapshot expected;
    Snapshot actual;
};

// The first step after which the system and the model part, if any.
std::optional<Mismatch> replay(const std::vector<Step>& steps, const SystemFactory& fresh) {
    const std::unique_ptr<SystemUnderTest> system = fresh();
    ReferenceModel model;
    for (const Step& step : steps) {
        system->apply(step);
        model.apply(step);
        Snapshot actual = system->snapshot();
        if (!(actual == model.state()))
            return Mismatch{model.state(), std::move(actual)};
    }
    return std::nullopt;
}

}  // namespace

std::string checkRandomSequence(std::uint32_t seed, int maxSteps, const SystemFactory& fresh) {
    std::mt19937 random(seed);
    const int length = std::uniform_int_distribution<int>(1, maxSteps)(random);
    std::vector<Step> steps;
    ReferenceModel generator;
    for (int i = 0; i < length; ++i) {
        steps.push_back(randomStep(random, generator.state()));
        generator.apply(steps.back());
    }
    std::optional<Mismatch> mismatch = replay(steps, fresh);
    if (!mismatch)
        return {};
    // Shrink: drop steps one at a time for as long as the sequence still fails.
    for (std::size_t i = 0; i < steps.size();) {
        std::vector<Step> shorter = steps;
        shorter.erase(shorter.begin() + std::ptrdiff_t(i));
        if (auto still = replay(shorter, fresh); still && !shorter.empty()) {
            steps = std::move(shorter);
            mismatch = std::move(still);
        } else {
            ++i;
        }
    }
    std::ostringstream report;
    report << "seed " << seed << " fails; shortest failing sequence:";
    for (const Step& step : steps)
        report << "\n  " << step.describe();
    report << "\nexpected: " << describe(mismatch->expected)
           << "\nactual:   " << describe(mismatch->actual);
    return report.str();
}

}  // namespace model
