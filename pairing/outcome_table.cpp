#include "pairing/outcome_table.h"

namespace pairing {
namespace {

using P = Phase;

// Outcome of each pairing, one row per female phase, one column per male phase, both in
// Phase order. The sentences are not symmetric in the phases: female Albinos with male
// Tangerine is not the same text as female Tangerine with male Albinos.
constexpr std::array<std::array<std::string_view, kPhaseCount>, kPhaseCount> kOutcomes{{
    // Female Régulier
    {"100% Régulier", "100% Het Albinos.", "100% Het Blizzard.", "Certains Hypos.",
     "100% Het Patternless.", "Certains Tangerines.", "50% Het Albinos et 50% Régulier.",
     "50% Het Blizzard et 50% Régulier.", "50% Het Patternless et 50% Régulier."},
    // Female Albinos
    {"100% Het Albinos.", "100% Albinos.", "100% Double Het pour Blazing Blizzard.",
     "Certains Hypos mais tous seront Het Albinos.", "100% Double Het pour Patternless Albinos.",
     "Certains Tangerines mais tous seront het Albinos.", "50% Albinos et 50% Het Albinos.",
     "50% Double het pour Blazing Blizzard et 50% Het Albinos.",
     "50% Double Het pour Patternless Albinos et 50% Het Albinos."},
    // Female Blizzard
    {"100% Het Blizzard.", "100% double Het pour Blazing Blizzard.", "100% Blizzard.",
     "Certains Hypos mais tous seront Het Blizzard.", "100% double Het pour Banana Blizzard.",
     "Certains Tangerines mais tous seront Het Blizzard.",
     "50% Het Blizzard et 50% Double Het pour Blazing Blizzard.",
     "50% Blizzard et 50% Het Blizzard.",
     "50% Het Blizzard et 50% Double Het pour Banana Blizzard."},
    // Female Hypomelanistic
    {"Certains Hypos.", "Certains Hypos mais tous seront het Albinos.",
     "Certains Hypos mais tous seront Het Blizzard.",
     "Certains Hypos et certains Super Hypos tout dépend des parents.",
     "Certains Hypos mais tous seront Het Patternless.", "Certains Hypos et certains Tangerines.",
     "Certains Hypos, 50% Het Albinos et 50% Régulier.",
     "Certains Hypos, 50% Het Blizzard et 50% Régulier.",
     "Certains Hypos, 50% Het Patternless et 50% Régulier."},
    // Female Patternless
    {"100% Het Patternless.", "100% Double Het pour Patternless Albinos.",
     "100% double Het pour Banana Blizzard.", "Certains Hypos mais tous seront Het Patternless.",
     "100% Patternless.", "Certains Tangerines mais tous seront Het Patternless.",
     "50% double Het pour Patternless Albinos et 50% Het Patternless.",
     "50% double Het pour Banana Blizzard et 50% Het Patternless.",
     "50% Patternless et 50% Het Patternless."},
    // Female Tangerine
    {"Certains Tangerines.", "Certains Tangerines mais tous seront Het Albinos.",
     "Certains Tangerines mais tous seront Het Blizzard.", "Certains Tangerines et certains Hypos.",
     "Certains Tangerines mais tous seront Het Patternless.",
     "Certains Tangerines et Super Tangerines tout dépend des parents.",
     "Certains Tangerines, 50% Het Albinos et 50% Régulier.",
     "Certains Tangerines, 50% Het Blizzard et 50% Régulier.",
     "Certains Tangerines, 50% Het Patternless et 50% Régulier."},
    // Female Het Albinos
    {"50% Het Albinos et 50% Régulier.", "50% Albinos et 50% Het Albinos.",
     "50% Het Blizzard et 50% Double Het pour Blazing Blizzard.",
     "Certains Hypos, 50% Het Albinos et 50% Régulier.",
     "50% double Het pour Patternless Albinos et 50% Het Patternless.",
     "Certains Tangerines, 50% Het Albinos et 50% Régulier.",
     "25% Régulier, 50% Het Albinos et 25% Albinos.",
     "25% Régulier, 25% Het Albinos, 25% Het Blizzard et 25% double Het pour Blazing "
     "Blizzard.",
     "25% Régulier, 25% Het Albinos, 25% Het Patternless et 25% double Het pour Patternless "
     "Albinos."},
    // Female Het Blizzard
    {"50% Het Blizzard et 50% Régulier.",
     "50% Double het pour Blazing Blizzard et 50% Het Albinos.",
     "50% Blizzard et 50% Het Blizzard.", "Certains Hypos, 50% Het Blizzard et 50% Régulier.",
     "50% double Het pour Banana Blizzard et 50% Het Patternless.",
     "Certains Tangerines, 50% Het Blizzard et 50% Régulier.",
     "25% Régulier, 25% Het Albinos, 25% Het Blizzard et 25% double Het pour Blazing "
     "Blizzard.",
     "25% Régulier, 50% Het Blizzard et 25% Blizzard.",
     "25% Régulier, 25% Het Blizzard, 25% Het Patternless et 25% double Het pour Banana "
     "Blizzard."},
    // Female Het Patternless
    {"50% Het Patternless et 50% Régulier.",
     "50% Double Het pour Patternless Albinos et 50% Het Albinos.",
     "50% Het Blizzard et 50% Double Het pour Banana Blizzard.",
     "Certains Hypos, 50% Het Patternless et 50% Régulier.",
     "50% Patternless et 50% Het Patternless.",
     "Certains Tangerines, 50% Het Patternless et 50% Régulier.",
     "25% Régulier, 25% Het Albinos, 25% Het Patternless et 25% double Het pour Patternless "
     "Albinos.",
     "25% Régulier, 25% Het Blizzard, 25% Het Patternless et 25% double Het pour Banana "
     "Blizzard.",
     "25% Régulier, 50% Het Patternless et 25% Patternless."},
}};

// The one pairing whose two boxes hold different texts: Régulier with Régulier reads
// with a capital when the female box changed last and in lower case when the male did.
constexpr std::string_view kRegulierPairFromMale = "100% régulier";

// The order in which each box tests its partners. Only a state made by code, with several
// partner boxes ticked at once, can tell these orders apart.
constexpr std::array<Phase, kPhaseCount> kRegulierLast{
    P::Albinos,    P::Blizzard,    P::Hypomelanistic, P::Patternless, P::Tangerine,
    P::HetAlbinos, P::HetBlizzard, P::HetPatternless, P::Regulier,
};
constexpr std::array<Phase, kPhaseCount> kRegulierFirst{
    P::Regulier,  P::Albinos,    P::Blizzard,    P::Hypomelanistic, P::Patternless,
    P::Tangerine, P::HetAlbinos, P::HetBlizzard, P::HetPatternless,
};
constexpr std::array<Phase, kPhaseCount> kHetsFirstReversed{
    P::HetPatternless, P::HetBlizzard, P::HetAlbinos, P::Tangerine, P::Patternless,
    P::Hypomelanistic, P::Blizzard,    P::Albinos,    P::Regulier,
};

constexpr const std::array<Phase, kPhaseCount>& partnerOrder(Parent parent, Phase phase) {
    if (parent == Parent::Male)
        return kHetsFirstReversed;
    switch (phase) {
        case P::Albinos:
        case P::HetAlbinos:
        case P::Regulier:
            return kRegulierLast;
        default:
            return kRegulierFirst;
    }
}

std::array<OutcomeList, kBoxCount> buildEntries() {
    std::array<OutcomeList, kBoxCount> lists{};
    for (PhaseBox box : kAllBoxes) {
        const Parent parent = parentOf(box);
        const auto& order = partnerOrder(parent, phaseOf(box));
        for (std::size_t i = 0; i < kPhaseCount; ++i) {
            const PhaseBox partner = boxFor(otherParent(parent), order[i]);
            const bool boxIsFemale = parent == Parent::Femelle;
            const Phase female = phaseOf(boxIsFemale ? box : partner);
            const Phase male = phaseOf(boxIsFemale ? partner : box);
            lists[indexOf(box)][i] = {partner, OutcomeTable::text(female, male, parent)};
        }
    }
    return lists;
}

}  // namespace

const OutcomeList& OutcomeTable::entries(PhaseBox box) {
    static const std::array<OutcomeList, kBoxCount> lists = buildEntries();
    return lists[indexOf(box)];
}

std::string_view OutcomeTable::text(Phase female, Phase male, Parent clickedLast) {
    if (female == P::Regulier && male == P::Regulier && clickedLast == Parent::Male)
        return kRegulierPairFromMale;
    return kOutcomes[indexOf(female)][indexOf(male)];
}

}  // namespace pairing
