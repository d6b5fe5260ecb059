#include <gtest/gtest.h>

#include <set>

#include "design/colour.h"
#include "design/fonts.h"
#include "design/main_window_design.h"
#include "design/splash_design.h"
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
    EXPECT_EQ(design::announcementAfterClick(board, GetParam().box, "").asOneSentence(),
              GetParam().spoken);
}

// The answer is said when a click changed it to something, before the choices; an answer
// that goes is not.
TEST(SpokenAfterClick, saysANewAnswerFirstAndNotOneThatWent) {
    pairing::MemoryBoard board;
    board.click(PhaseBox::Check1);
    board.click(PhaseBox::Check14);
    const design::Announcement ticked =
        design::announcementAfterClick(board, PhaseBox::Check14, "");
    EXPECT_EQ(ticked.answer, "50% Albinos et 50% Het Albinos.");
    EXPECT_EQ(ticked.asOneSentence(), ticked.answer + ' ' + ticked.choices);
    const std::string answerBefore = board.answer();
    board.click(PhaseBox::Check14);
    const design::Announcement unticked =
        design::announcementAfterClick(board, PhaseBox::Check14, answerBefore);
    EXPECT_EQ(unticked.answer, "");
    EXPECT_EQ(unticked.asOneSentence(), "Toutes les phases du mâle sont de nouveau disponibles.");
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

struct WindowCase {
    const char* name;
    const design::WindowDesign* window;
    std::span<const design::ControlDesign> controls;
};

class WindowLayout : public testing::TestWithParam<WindowCase> {};

// The main window's title line has a box one pixel taller than the room above the parents'
// names (120 + 615 > 720 twips), as the window was drawn; its one line of text ends well
// above them.
const std::set<std::pair<std::string_view, std::string_view>> kDrawnOverlaps{
    {"Label1", "Label2"}, {"Label2", "Label1"}, {"Label1", "Label3"}, {"Label3", "Label1"}};

// Every control lies inside its container, and none covers another of the same container.
TEST_P(WindowLayout, placesEachControlInsideItsContainerOverNoOther) {
    const auto [name, window, controls] = GetParam();
    for (const design::ControlDesign& control : controls) {
        int width = window->clientWidth, height = window->clientHeight;
        if (!control.container.empty()) {
            const design::ControlDesign* container =
                design::controlNamed(controls, control.container);
            ASSERT_NE(container, nullptr) << control.name;
            width = container->width;
            height = container->height;
        }
        EXPECT_TRUE(control.left >= 0 && control.top >= 0 &&
                    control.left + control.width <= width && control.top + control.height <= height)
            << control.name << " lies outside "
            << (control.container.empty() ? name : control.container);
        for (const design::ControlDesign& other : controls) {
            if (&other == &control || other.container != control.container)
                continue;
            const bool apart = control.left + control.width <= other.left ||
                               other.left + other.width <= control.left ||
                               control.top + control.height <= other.top ||
                               other.top + other.height <= control.top;
            if (name == std::string_view("Form3") &&
                kDrawnOverlaps.contains({control.name, other.name}))
                continue;
            EXPECT_TRUE(apart) << control.name << " covers " << other.name;
        }
    }
}

// Each edition knows what to show for every font the window names.
TEST_P(WindowLayout, namesOnlyFontsEveryPlatformHasAChoiceFor) {
    const auto [name, window, controls] = GetParam();
    if (!window->defaultFont.family.empty()) {
        EXPECT_NE(design::fontChoiceFor(window->defaultFont.family), nullptr) << name;
    }
    for (const design::ControlDesign& control : controls) {
        if (!control.font.family.empty()) {
            EXPECT_NE(design::fontChoiceFor(control.font.family), nullptr) << control.name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Windows, WindowLayout,
    testing::Values(WindowCase{"Form1", &design::kSplashDesign, design::kSplashControls},
                    WindowCase{"Form3", &design::kMainWindowDesign, design::kMainWindowControls}),
    [](const testing::TestParamInfo<WindowCase>& info) { return std::string(info.param.name); });

// The front-ends find the answer and the two commands by these roles alone.
TEST(MainWindowDesign, givesTheAnswerAndTheTwoCommandsTheirRoles) {
    for (design::ControlRole role :
         {design::ControlRole::Answer, design::ControlRole::Reset, design::ControlRole::Close})
        EXPECT_FALSE(design::nameOf(design::kMainWindowControls, role).empty());
}
