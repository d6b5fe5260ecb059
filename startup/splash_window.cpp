// Form1: the splash window and its timer.
#include "startup/splash_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <array>

#include "ui/form_design.h"
#include "ui/form_runtime.h"

namespace startup {
namespace {

using ui::ControlKind;
using ui::FontDesign;

constexpr FontDesign kTitleFont{"MS Sans Serif", 13.5, false};
constexpr FontDesign kPlain12{"MS Sans Serif", 12, false};
constexpr FontDesign kBold12{"MS Sans Serif", 12, true};
constexpr Qt::Alignment kCentre = Qt::AlignHCenter | Qt::AlignTop;

const ui::WindowDesign kSplashDesign{"Morvane 101", 5580, 4305};

// In tab order; none takes the focus.
const std::array<ui::ControlDesign, 4> kSplashControls{{
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

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    ui::buildForm(this, kSplashDesign, kSplashControls);
    ui::findControl<QLabel>(this, QStringLiteral("Image2"))("initialisation")
        .setAccessibleName(QStringLiteral("Tête d'un gecko léopard, de profil"));
    timer1_.setObjectName(QStringLiteral("Timer1"));
    // The hand-over is promised at 2,000 ms, not "about" then.
    timer1_.setTimerType(Qt::PreciseTimer);
    timer1_.setInterval(kHandOverMilliseconds);
    connect(&timer1_, &QTimer::timeout, this, &Form1::Timer1_Timer);
    timer1_.start();
}

Form1::~Form1() {
    delete mainWindow_;
}

void Form1::Timer1_Timer() {
    hide();
    if (!mainWindow_) {
        mainWindow_ = new ui::Form3;
        // Closing it through its frame unloads it; the next tick brings a fresh one, even
        // when it comes before the closed window is actually deleted.
        mainWindow_->setAttribute(Qt::WA_DeleteOnClose);
        connect(mainWindow_, &ui::Form3::closed, this, [this, window = mainWindow_.data()] {
            if (mainWindow_ == window)
                mainWindow_ = nullptr;
        });
    }
    mainWindow_->show();
}

void Form1::closeEvent(QCloseEvent* event) {
    // Once the main window exists, the hidden splash keeps watch over it and stays.
    if (mainWindow_) {
        event->ignore();
        return;
    }
    event->accept();
    timer1_.stop();
    ui::endProgram();
}

}  // namespace startup
