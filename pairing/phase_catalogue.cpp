#include "pairing/phase_catalogue.h"

namespace pairing {
namespace {

struct PhaseRow {
    std::string_view caption;
    bool heterozygous;  // carries one copy of a recessive gene without showing it
    PhaseBox female;
    PhaseBox male;
};

constexpr std::string_view kHomozygous = "Trait Homozygote";
constexpr std::string_view kHeterozygous = "Trait Hétérozygote";

// One row per phase, in Phase order.
constexpr std::array<PhaseRow, kPhaseCount> kPhaseRows{{
    {"Régulier", false, PhaseBox::Check17, PhaseBox::Check18},
    {"Albinos", false, PhaseBox::Check1, PhaseBox::Check2},
    {"Blizzard", false, PhaseBox::Check3, PhaseBox::Check4},
    {"Hypomelanistic", false, PhaseBox::Check5, PhaseBox::Check6},
    {"Patternless", false, PhaseBox::Check7, PhaseBox::Check8},
    {"Tangerine", false, PhaseBox::Check9, PhaseBox::Check10},
    {"Het Albinos", true, PhaseBox::Check11, PhaseBox::Check14},
    {"Het Blizzard", true, PhaseBox::Check12, PhaseBox::Check15},
    {"Het Patternless", true, PhaseBox::Check13, PhaseBox::Check16},
}};

struct BoxIdentity {
    Parent parent;
    Phase phase;
};

// The inverse of kPhaseRows, indexed by box.
constexpr std::array<BoxIdentity, kBoxCount> kBoxIdentities = [] {
    std::array<BoxIdentity, kBoxCount> identities{};
    for (Phase phase : kAllPhases) {
        const PhaseRow& row = kPhaseRows[indexOf(phase)];
        identities[indexOf(row.female)] = {Parent::Femelle, phase};
        identities[indexOf(row.male)] = {Parent::Male, phase};
    }
    return identities;
}();

constexpr std::array<std::string_view, kBoxCount> kBoxNames{
    "Check1",  "Check2",  "Check3",  "Check4",  "Check5",  "Check6",
    "Check7",  "Check8",  "Check9",  "Check10", "Check11", "Check12",
    "Check13", "Check14", "Check15", "Check16", "Check17", "Check18",
};

}  // namespace

std::string_view boxName(PhaseBox box) {
    return kBoxNames[indexOf(box)];
}

std::string_view caption(Phase phase) {
    return kPhaseRows[indexOf(phase)].caption;
}

bool isHeterozygous(Phase phase) {
    return kPhaseRows[indexOf(phase)].heterozygous;
}

std::string_view heading(Phase phase) {
    return isHeterozygous(phase) ? kHeterozygous : kHomozygous;
}

std::string_view parentCaption(Parent parent) {
    return parent == Parent::Femelle ? "Femelle" : "Male";
}

Parent parentOf(PhaseBox box) {
    return kBoxIdentities[indexOf(box)].parent;
}

Phase phaseOf(PhaseBox box) {
    return kBoxIdentities[indexOf(box)].phase;
}

PhaseBox boxFor(Parent parent, Phase phase) {
    const PhaseRow& row = kPhaseRows[indexOf(phase)];
    return parent == Parent::Femelle ? row.female : row.male;
}

}  // namespace pairing
