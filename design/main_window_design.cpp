#include "design/main_window_design.h"

#include "design/application.h"
#include "design/colour.h"
#include "design/spoken_texts.h"

namespace design {
namespace {

using K = ControlKind;
using pairing::PhaseBox;

constexpr Rgb kGrey{192, 192, 192};
constexpr Rgb kDesignedBlue{0, 0, 192};
constexpr Rgb kDesignedRed{192, 0, 0};

// Of the buttons and the frame's caption.
constexpr FontDesign kDefault{"Liberation Sans", 9, false};
// Of the phase boxes: the largest at which "Hypomelanistic" fits beside its tick in an
// 81-pixel box.
constexpr FontDesign kBoxFont{"Liberation Sans Narrow", 7.5, false};
constexpr FontDesign kPlain12{"MS Sans Serif", 12, false};
constexpr FontDesign kBold12{"MS Sans Serif", 12, true};
constexpr FontDesign kPlain13_5{"MS Sans Serif", 13.5, false};

ControlDesign label(std::string_view name, std::string_view text, int left, int top, int width,
                    int height, FontDesign font, Alignment alignment = Alignment::TopLeft) {
    return {.name = name,
            .kind = K::Label,
            .text = text,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .font = font,
            .alignment = alignment};
}

ControlDesign button(std::string_view name, std::string_view text, int left,
                     std::string_view description, ControlRole role) {
    return {.name = name,
            .kind = K::CommandButton,
            .text = text,
            .left = left,
            .top = 7440,
            .width = 1455,
            .height = 495,
            .description = description,
            .role = role};
}

// Every phase box has the same size and font, and shows its phase in that phase's colour.
ControlDesign phaseBox(PhaseBox box, int left, int top) {
    const pairing::Phase phase = pairing::phaseOf(box);
    return {.name = pairing::boxName(box),
            .kind = K::CheckBox,
            .text = pairing::caption(phase),
            .left = left,
            .top = top,
            .width = 1215,
            .height = 375,
            .font = kBoxFont,
            .foreground = captionColourOf(phase),
            .box = box,
            .spokenName = spokenName(box)};
}

constexpr int kFemaleColumn = 480;
constexpr int kMaleColumn = 3000;

}  // namespace

Rgb captionColourOf(pairing::Phase phase) {
    return pairing::isHeterozygous(phase) ? readableOn(kDesignedRed, kGrey) : kDesignedBlue;
}

// On the grey background the usual grey of disabled text all but vanishes.
const WindowDesign kMainWindowDesign{.caption = kApplicationTitle,
                                     .clientWidth = 9975,
                                     .clientHeight = 8205,
                                     .background = kGrey,
                                     .disabledText = Rgb{112, 112, 112},
                                     .defaultFont = kDefault,
                                     .describedBy = "Label1"};

// As many controls as the count says: a table one short does not compile.
const std::array<ControlDesign, kMainWindowControlCount> kMainWindowControls =
    std::to_array<ControlDesign>({
        label("Label1", "Choisir une phase pour la femelle et une pour le male.", 120, 120, 9735,
              615, kBold12, Alignment::TopCentre),
        label("Label2", "Femelle:", kFemaleColumn, 720, 975, 375, kPlain12),
        label("Label3", "Male:", kMaleColumn, 720, 615, 375, kPlain12),
        label("Label4", pairing::heading(pairing::Phase::Regulier), 960, 1200, 2175, 375, kBold12),
        button("Command1", "Fermer", 7920, "Quitte Morvane 101", ControlRole::Close),
        phaseBox(PhaseBox::Check1, kFemaleColumn, 2280),
        phaseBox(PhaseBox::Check2, kMaleColumn, 2280),
        {.name = "Frame1",
         .kind = K::Frame,
         .text = "Le Résultat va apparaître ici",
         .left = 4920,
         .top = 840,
         .width = 4695,
         .height = 5895},
        {.name = "answer",
         .kind = K::Label,
         .left = 120,
         .top = 360,
         .width = 4455,
         .height = 5415,
         .font = kPlain13_5,
         .container = "Frame1",
         .description = "Résultat du croisement",
         .liveRegion = true,
         .role = ControlRole::Answer},
        phaseBox(PhaseBox::Check16, kMaleColumn, 6600),
        phaseBox(PhaseBox::Check15, kMaleColumn, 6000),
        phaseBox(PhaseBox::Check14, kMaleColumn, 5400),
        phaseBox(PhaseBox::Check13, kFemaleColumn, 6600),
        phaseBox(PhaseBox::Check12, kFemaleColumn, 6000),
        phaseBox(PhaseBox::Check11, kFemaleColumn, 5400),
        phaseBox(PhaseBox::Check10, kMaleColumn, 4200),
        phaseBox(PhaseBox::Check9, kFemaleColumn, 4200),
        phaseBox(PhaseBox::Check8, kMaleColumn, 3720),
        phaseBox(PhaseBox::Check7, kFemaleColumn, 3720),
        phaseBox(PhaseBox::Check6, kMaleColumn, 3240),
        phaseBox(PhaseBox::Check5, kFemaleColumn, 3240),
        phaseBox(PhaseBox::Check4, kMaleColumn, 2760),
        phaseBox(PhaseBox::Check3, kFemaleColumn, 2760),
        label("Label5", pairing::heading(pairing::Phase::HetAlbinos), 960, 4800, 2295, 375,
              kBold12),
        phaseBox(PhaseBox::Check17, kFemaleColumn, 1800),
        phaseBox(PhaseBox::Check18, kMaleColumn, 1800),
        button("Command3", "Reset", 1560, "Décoche toutes les phases et efface le résultat",
               ControlRole::Reset),
    });

}  // namespace design
