#include "ui/main_window_design.h"

namespace ui {
namespace {

using K = ControlKind;
// Of the buttons and the frame's caption.
constexpr FontDesign kDefault{"Liberation Sans", 9, false};
// Of the phase boxes: the largest at which "Hypomelanistic" fits beside its tick in an
// 81-pixel box.
constexpr FontDesign kBoxFont{"Liberation Sans Narrow", 7.5, false};
constexpr FontDesign kPlain12{"MS Sans Serif", 12, false};
constexpr FontDesign kBold12{"MS Sans Serif", 12, true};
constexpr FontDesign kPlain13_5{"MS Sans Serif", 13.5, false};
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter | Qt::AlignTop;

}  // namespace

const WindowDesign kMainWindowDesign{"Morvane 101", 9975, 8205, QColor(192, 192, 192), kDefault};

const std::array<ControlDesign, kMainWindowControlCount> kMainWindowControls{{
    {"Label1", K::Label, "Choisir une phase pour la femelle et une pour le male.", 120, 120, 9735,
     615, kBold12, kCentre},
    {"Label2", K::Label, "Femelle:", 480, 720, 975, 375, kPlain12, kLeft},
    {"Label3", K::Label, "Male:", 3000, 720, 615, 375, kPlain12, kLeft},
    {"Label4", K::Label, "Trait Homozygote", 960, 1200, 2175, 375, kBold12, kLeft},
    {"Command1", K::CommandButton, "Fermer", 7920, 7440, 1455, 495, {}, {}},
    {"Check1", K::CheckBox, "", 480, 2280, 1215, 375, kBoxFont, {}},
    {"Check2", K::CheckBox, "", 3000, 2280, 1215, 375, kBoxFont, {}},
    {"Frame1", K::Frame, "Le Résultat va apparaître ici", 4920, 840, 4695, 5895, {}, {}},
    {"answer", K::Label, "", 120, 360, 4455, 5415, kPlain13_5, kLeft, "Frame1"},
    {"Check16", K::CheckBox, "", 3000, 6600, 1215, 375, kBoxFont, {}},
    {"Check15", K::CheckBox, "", 3000, 6000, 1215, 375, kBoxFont, {}},
    {"Check14", K::CheckBox, "", 3000, 5400, 1215, 375, kBoxFont, {}},
    {"Check13", K::CheckBox, "", 480, 6600, 1215, 375, kBoxFont, {}},
    {"Check12", K::CheckBox, "", 480, 6000, 1215, 375, kBoxFont, {}},
    {"Check11", K::CheckBox, "", 480, 5400, 1215, 375, kBoxFont, {}},
    {"Check10", K::CheckBox, "", 3000, 4200, 1215, 375, kBoxFont, {}},
    {"Check9", K::CheckBox, "", 480, 4200, 1215, 375, kBoxFont, {}},
    {"Check8", K::CheckBox, "", 3000, 3720, 1215, 375, kBoxFont, {}},
    {"Check7", K::CheckBox, "", 480, 3720, 1215, 375, kBoxFont, {}},
    {"Check6", K::CheckBox, "", 3000, 3240, 1215, 375, kBoxFont, {}},
    {"Check5", K::CheckBox, "", 480, 3240, 1215, 375, kBoxFont, {}},
    {"Check4", K::CheckBox, "", 3000, 2760, 1215, 375, kBoxFont, {}},
    {"Check3", K::CheckBox, "", 480, 2760, 1215, 375, kBoxFont, {}},
    {"Label5", K::Label, "Trait Hétérozygote", 960, 4800, 2295, 375, kBold12, kLeft},
    {"Check17", K::CheckBox, "", 480, 1800, 1215, 375, kBoxFont, {}},
    {"Check18", K::CheckBox, "", 3000, 1800, 1215, 375, kBoxFont, {}},
    {"Command3", K::CommandButton, "Reset", 1560, 7440, 1455, 495, {}, {}},
}};

std::optional<pairing::PhaseBox> phaseBoxNamed(std::string_view name) {
    for (pairing::PhaseBox box : pairing::kAllBoxes)
        if (pairing::boxName(box) == name)
            return box;
    return std::nullopt;
}

QColor textColourOf(pairing::Phase phase) {
    return pairing::heading(phase) == pairing::heading(pairing::Phase::HetAlbinos)
               ? QColor(192, 0, 0)
               : QColor(0, 0, 192);
}

}  // namespace ui
