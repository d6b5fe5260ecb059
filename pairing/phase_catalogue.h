// The two parents, the nine phases and the eighteen phase boxes that stand for a
// (parent, phase) choice on the main window.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace pairing {

enum class Parent { Femelle, Male };

// In the order of the rows on screen, top to bottom.
enum class Phase {
    Regulier,
    Albinos,
    Blizzard,
    Hypomelanistic,
    Patternless,
    Tangerine,
    HetAlbinos,
    HetBlizzard,
    HetPatternless,
};

inline constexpr std::size_t kPhaseCount = 9;
inline constexpr std::size_t kBoxCount = 18;

// The boxes keep their designer numbers, which follow no rule: see the catalogue.
enum class PhaseBox {
    Check1 = 1,
    Check2,
    Check3,
    Check4,
    Check5,
    Check6,
    Check7,
    Check8,
    Check9,
    Check10,
    Check11,
    Check12,
    Check13,
    Check14,
    Check15,
    Check16,
    Check17,
    Check18,
};

// All eighteen boxes in ascending number.
inline constexpr std::array<PhaseBox, kBoxCount> kAllBoxes = [] {
    std::array<PhaseBox, kBoxCount> boxes{};
    for (std::size_t i = 0; i < kBoxCount; ++i)
        boxes[i] = static_cast<PhaseBox>(i + 1);
    return boxes;
}();

// All nine phases in screen order.
inline constexpr std::array<Phase, kPhaseCount> kAllPhases = [] {
    std::array<Phase, kPhaseCount> phases{};
    for (std::size_t i = 0; i < kPhaseCount; ++i)
        phases[i] = static_cast<Phase>(i);
    return phases;
}();

// Zero-based position of a box in kAllBoxes, for tables indexed by box.
constexpr std::size_t indexOf(PhaseBox box) {
    return static_cast<std::size_t>(box) - 1;
}
constexpr std::size_t indexOf(Phase phase) {
    return static_cast<std::size_t>(phase);
}

// "Check1" ... "Check18": the control name of the box.
std::string_view boxName(PhaseBox box);

std::string_view caption(Phase phase);          // "Régulier", "Het Albinos" ...
bool isHeterozygous(Phase phase);               // the three "Het" phases
std::string_view heading(Phase phase);          // "Trait Homozygote" or "Trait Hétérozygote"
std::string_view parentCaption(Parent parent);  // "Femelle" or "Male"

Parent parentOf(PhaseBox box);
Phase phaseOf(PhaseBox box);
PhaseBox boxFor(Parent parent, Phase phase);

constexpr Parent otherParent(Parent parent) {
    return parent == Parent::Femelle ? Parent::Male : Parent::Femelle;
}

}  // namespace pairing
