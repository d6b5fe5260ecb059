#include <gtest/gtest.h>

#include <set>

#include "design/colour.h"
#include "design/main_window_design.h"
#include "design/spoken_texts.h"
#include "pairing/memory_board.h"

using design::Rgb;
using pairing::PhaseBox;

struct ColourCase {
    const char* name;
    Rgb text, background;
};

class ReadableColour : public testing::TestWithParam<ColourCase> {};

// Whatever the background, the search ends on a colour as readable as it can be.
TEST_P(ReadableColour, reachesTheContrastOfSmallTextWhereAnyColourCan) {
    const auto [name, text, background] = GetParam();
    const Rgb readable = design::readableOn(text, background);
    const double best = std::max(design::contrastRatio({0, 0, 0}, background),
                                 design::contrastRatio({255, 255, 255}, background));
    EXPECT_GE(design::contrastRatio(readable, background),
              std::min(best, design::kReadableContrast));
}

INSTANTIATE_TEST_SUITE_P(Backgrounds, ReadableColour,
                         testing::Values(ColourCase{"redOnGrey", {192, 0, 0}, {192, 192, 192}},
                                         ColourCase{"greyOnGrey", {192, 192, 192}, {192, 192, 192}},
                                         ColourCase{"redOnBlack", {192, 0, 0}, {0, 0, 0}},
                                         ColourCase{
                                             "whiteOnWhite", {255, 255, 255}, {255, 255, 255}},
                                         ColourCase{"blackOnMidGrey", {0, 0, 0}, {118, 118, 118}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadableColour, keepsAColourThatIsReadableAlready) {
    EXPECT_EQ(design::readableOn({0, 0, 192}, {192, 192, 192}), (Rgb{0, 0, 192}));
}

TEST(MainWindowDesign, everyBoxIsKnownByItsPhaseNotByItsCaption) {
    std::set<PhaseBox> boxes;
    for (const design::ControlDesign& control : design::kMainWindowControls) {
        EXPECT_EQ(control.box.has_value(), control.kind == design::ControlKind::CheckBox)
            << control.name;
        if (control.box)
            boxes.insert(*control.box);
    }
    EXPECT_EQ(boxes.size(), pairing::kBoxCount);
}

TEST(MainWindowDesign, hetCaptionsAreReadableOnTheWindow) {
    const Rgb grey = *design::kMainWindowDesign.background;
    for (pairing::Phase phase : pairing::kAllPhases)
        EXPECT_GE(design::contrastRatio(design::captionColourOf(phase), grey),
                  design::kReadableContrast);
}

struct TickCase {
    PhaseBox box;
    const char* spoken;
};

class SpokenAfterTick : public testing::TestWithParam<TickCase> {};

TEST_P(SpokenAfterTick, namesTheTickedPhaseWithElisionBeforeAVowelOrAMuteH) {
    pairing::MemoryBoard board;
    board.click(GetParam().box);
    EXPECT_EQ(design::announcementAfterClick(board, GetParam().box), GetParam().spoken);
}

INSTANTIATE_TEST_SUITE_P(
    Phases, SpokenAfterTick,
    testing::Values(
        TickCase{PhaseBox::Check1,
                 "Les autres phases de la femelle sont indisponibles tant qu'Albinos est cochée."},
        TickCase{PhaseBox::Check6,
                 "Les autres phases du mâle sont indisponibles tant qu'Hypomelanistic est "
                 "cochée."},
        TickCase{PhaseBox::Check18,
                 "Les autres phases du mâle sont indisponibles tant que Régulier est cochée."},
        TickCase{PhaseBox::Check9,
                 "Les autres phases de la femelle sont indisponibles tant que Tangerine est "
                 "cochée."}),
    [](const auto& info) { return std::string(pairing::boxName(info.param.box)); });
