#include "ui/main_window_design.h"

namespace ui {
namespace {

using K = ControlKind;
constexpr FontDesign kDefault{};
constexpr FontDesign kPlain12{"MS Sans Serif", 12, false};
constexpr FontDesign kBold12{"MS Sans Serif", 12, true};
constexpr FontDesign kPlain13_5{"MS Sans Serif", 13.5, false};
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter | Qt::AlignTop;

}  // namespace

const std::array<ControlDesign, kMainWindowControlCount> kMainWindowControls{{
    {"Label1", K::Label, "Choisir une phase pour la femelle et une pour le male.", 120, 120, 9735,
     615, kBold12, kCentre, ""},
    {"Label2", K::Label, "Femelle:", 480, 720, 975, 375, kPlain12, kLeft, ""},
    {"Label3", K::Label, "Male:", 3000, 720, 615, 375, kPlain12, kLeft, ""},
    {"Label4", K::Label, "Trait Homozygote", 960, 1200, 2175, 375, kBold12, kLeft, ""},
    {"Command1", K::CommandButton, "Fermer", 7920, 7440, 1455, 495, kDefault, {}, ""},
    {"Check1", K::CheckBox, "", 480, 2280, 1215, 375, kDefault, {}, ""},
    {"Check2", K::CheckBox, "", 3000, 2280, 1215, 375, kDefault, {}, ""},
    {"Frame1", K::Frame, "Le Résultat va apparaître ici", 4920, 840, 4695, 5895, kDefault, {}, ""},
    {"answer", K::Label, "", 120, 360, 4455, 5415, kPlain13_5, kLeft, "Frame1"},
    {"Check16", K::CheckBox, "", 3000, 6600, 1215, 375, kDefault, {}, ""},
    {"Check15", K::CheckBox, "", 3000, 6000, 1215, 375, kDefault, {}, ""},
    {"Check14", K::CheckBox, "", 3000, 5400, 1215, 375, kDefault, {}, ""},
    {"Check13", K::CheckBox, "", 480, 6600, 1215, 375, kDefault, {}, ""},
    {"Check12", K::CheckBox, "", 480, 6000, 1215, 375, kDefault, {}, ""},
    {"Check11", K::CheckBox, "", 480, 5400, 1215, 375, kDefault, {}, ""},
    {"Check10", K::CheckBox, "", 3000, 4200, 1215, 375, kDefault, {}, ""},
    {"Check9", K::CheckBox, "", 480, 4200, 1215, 375, kDefault, {}, ""},
    {"Check8", K::CheckBox, "", 3000, 3720, 1215, 375, kDefault, {}, ""},
    {"Check7", K::CheckBox, "", 480, 3720, 1215, 375, kDefault, {}, ""},
    {"Check6", K::CheckBox, "", 3000, 3240, 1215, 375, kDefault, {}, ""},
    {"Check5", K::CheckBox, "", 480, 3240, 1215, 375, kDefault, {}, ""},
    {"Check4", K::CheckBox, "", 3000, 2760, 1215, 375, kDefault, {}, ""},
    {"Check3", K::CheckBox, "", 480, 2760, 1215, 375, kDefault, {}, ""},
    {"Label5", K::Label, "Trait Hétérozygote", 960, 4800, 2295, 375, kBold12, kLeft, ""},
    {"Check17", K::CheckBox, "", 480, 1800, 1215, 375, kDefault, {}, ""},
    {"Check18", K::CheckBox, "", 3000, 1800, 1215, 375, kDefault, {}, ""},
    {"Command3", K::CommandButton, "Reset", 1560, 7440, 1455, 495, kDefault, {}, ""},
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
