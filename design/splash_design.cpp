#include "design/splash_design.h"

#include "design/application.h"

namespace design {
namespace {

constexpr FontDesign kTitleFont{"MS Sans Serif", 13.5, false};
constexpr FontDesign kPlain12{"MS Sans Serif", 12, false};
constexpr FontDesign kBold12{"MS Sans Serif", 12, true};

}  // namespace

const WindowDesign kSplashDesign{kApplicationTitle, 5580, 4305};

// As many controls as the count says: a table one short does not compile.
const std::array<ControlDesign, kSplashControlCount> kSplashControls =
    std::to_array<ControlDesign>({
        {.name = "Label1",
         .kind = ControlKind::Label,
         .text = "Morvane 101",
         .left = 1710,
         .top = 240,
         .width = 2175,
         .height = 375,
         .font = kTitleFont,
         .alignment = Alignment::TopCentre,
         .background = Rgb{192, 192, 192}},
        {.name = "Label2",
         .kind = ControlKind::Label,
         .text = "Calculateur de croisements",
         .left = 480,
         .top = 2880,
         .width = 4695,
         .height = 375,
         .font = kPlain12,
         .alignment = Alignment::TopCentre},
        {.name = "Label3",
         .kind = ControlKind::Label,
         .text = "des Geckos Léopards",
         .left = 1320,
         .top = 720,
         .width = 2895,
         .height = 375,
         .font = kBold12,
         .alignment = Alignment::TopCentre},
        {.name = "Image2",
         .kind = ControlKind::Picture,
         .text = "gecko.bmp",
         .left = 1478,
         .top = 1200,
         .width = 2625,
         .height = 1515,
         .spokenName = "Tête d'un gecko léopard, de profil"},
    });

}  // namespace design
