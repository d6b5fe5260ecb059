// What the page writer makes of each kind of control: the element, its id, what a screen
// reader is told, what the page's script finds it by, and texts escaped.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "tools/page_markup.h"

namespace {

using design::ControlDesign;
using design::ControlKind;
using design::ControlRole;

struct Case {
    const char* name;
    ControlDesign control;
    const char* markup;
};

class ControlMarkup : public testing::TestWithParam<Case> {};

TEST_P(ControlMarkup, IsWrittenAsThePageNeedsIt) {
    const std::array<ControlDesign, 1> controls{GetParam().control};
    EXPECT_EQ(page::windowMarkup({controls, "", "gecko.png"}), GetParam().markup);
}

INSTANTIATE_TEST_SUITE_P(
    EachKind, ControlMarkup,
    testing::Values(
        Case{"label",
             {.name = "Label2", .kind = ControlKind::Label, .text = "Femelle:"},
             "<p id=\"Label2\" class=\"control\">Femelle:</p>\n"},
        Case{"textEscaped",
             {.name = "Label9", .kind = ControlKind::Label, .text = "<b>\"1\" & 2</b>"},
             "<p id=\"Label9\" class=\"control\">&lt;b&gt;&quot;1&quot; &amp; 2&lt;/b&gt;</p>\n"},
        // Read whole at each new text, described, found by the script by its role.
        Case{"liveRegion",
             {.name = "answer",
              .kind = ControlKind::Label,
              .description = "Résultat du croisement",
              .liveRegion = true,
              .role = ControlRole::Answer},
             "<div id=\"answer\" class=\"control\" aria-live=\"polite\" aria-atomic=\"true\" "
             "data-role=\"answer\" aria-describedby=\"answer-description\"></div>\n"
             "<span id=\"answer-description\" hidden>Résultat du croisement</span>\n"},
        // The box's tick is what takes the focus and what a screen reader names.
        Case{"checkBox",
             {.name = "Check1",
              .kind = ControlKind::CheckBox,
              .text = "Albinos",
              .spokenName = "Femelle : Albinos"},
             "<label id=\"Check1\" class=\"control box\"><input type=\"checkbox\" "
             "aria-label=\"Femelle : Albinos\" data-initial-focus> Albinos</label>\n"},
        Case{"button",
             {.name = "Command1",
              .kind = ControlKind::CommandButton,
              .text = "Fermer",
              .description = "Quitte",
              .role = ControlRole::Close},
             "<button id=\"Command1\" class=\"control\" type=\"button\" data-role=\"close\" "
             "data-initial-focus aria-describedby=\"Command1-description\">Fermer</button>\n"
             "<span id=\"Command1-description\" hidden>Quitte</span>\n"},
        Case{"picture",
             {.name = "Image2",
              .kind = ControlKind::Picture,
              .text = "gecko.bmp",
              .width = 2625,
              .height = 1515,
              .spokenName = "Un gecko"},
             "<img id=\"Image2\" class=\"control\" src=\"gecko.png\" alt=\"Un gecko\" "
             "width=\"175\" height=\"101\">\n"}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// A frame holds its controls, each followed by its description, and the splash's ids are
// prefixed, as the main window's names repeat.
TEST(WindowMarkup, FramesHoldTheirControlsAndPrefixesMakeIdsUnique) {
    const std::array<ControlDesign, 2> controls{
        ControlDesign{.name = "Frame1", .kind = ControlKind::Frame, .text = "Le Résultat"},
        ControlDesign{.name = "answer",
                      .kind = ControlKind::Label,
                      .container = "Frame1",
                      .description = "Résultat"}};
    EXPECT_EQ(page::windowMarkup({controls, "Form1-", ""}),
              "<fieldset id=\"Form1-Frame1\" class=\"control\">\n"
              "<legend>Le Résultat</legend>\n"
              "<p id=\"Form1-answer\" class=\"control\" "
              "aria-describedby=\"Form1-answer-description\"></p>\n"
              "<span id=\"Form1-answer-description\" hidden>Résultat</span>\n"
              "</fieldset>\n");
}

}  // namespace
