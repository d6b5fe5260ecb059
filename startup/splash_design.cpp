#include "startup/splash_design.h"

namespace startup {
namespace {

using ui::ControlKind;
using ui::FontDesign;

constexpr FontDesign kTitleFont{"MS Sans Serif", 13.5, false};
constexpr FontDesign kPlain12{"MS Sans Serif", 12, false};
constexpr FontDesign kBold12{"MS Sans Serif", 12, true};
constexpr Qt::Alignment kCentre = Qt::AlignHCenter | Qt::AlignTop;

}  // namespace

const ui::WindowDesign kSplashDesign{"Morvane 101", 5580, 4305};

const std::array<ui::ControlDesign, kSplashControlCount> kSplashControls{{
    {"Label1",
     ControlKind::Label,
     "Morvane 101",
     1710,
     240,
     2175,
     375,
     kTitleFont,
     kCentre,
     {},
     QColor(192, 192, 192)},
    {"Label2", ControlKind::Label, "Calculateur de croisements", 480, 2880, 4695, 375, kPlain12,
     kCentre},
    {"Label3", ControlKind::Label, "des Geckos Léopards", 1320, 720, 2895, 375, kBold12, kCentre},
    {"Image2", ControlKind::Picture, ":/startup/gecko.bmp", 1478, 1200, 2625, 1515, {}, {}},
}};

}  // namespace startup
