// Form3: the main window, built from its design table.
#include "qt/main_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "design/application.h"
#include "design/box_navigation.h"
#include "design/main_window_design.h"
#include "design/spoken_texts.h"
#include "qt/announcer.h"
#include "qt/control.h"
#include "qt/form_builder.h"
#include "qt/program_end.h"
#include "qt/widget_board.h"

namespace ui {
namespace {

using design::ArrowKey;

struct ArrowBinding {
    Qt::Key key;
    ArrowKey arrow;
};

constexpr std::array<ArrowBinding, 4> kArrowBindings{{
    {Qt::Key_Up, ArrowKey::Up},
    {Qt::Key_Down, ArrowKey::Down},
    {Qt::Key_Left, ArrowKey::Left},
    {Qt::Key_Right, ArrowKey::Right},
}};

std::optional<ArrowKey> arrowOf(const QKeyEvent& event) {
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return std::nullopt;
    for (const ArrowBinding& binding : kArrowBindings)
        if (event.key() == binding.key)
            return binding.arrow;
    return std::nullopt;
}

}  // namespace

Form3::Form3(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form3"));
    buildForm(this, design::kMainWindowDesign, design::kMainWindowControls);
    announcer_ = new Announcer(this);
    board_ = std::make_unique<WidgetBoard>(this);
    for (pairing::PhaseBox box : pairing::kAllBoxes) {
        CheckBox& widget = board_->box(box, "initialisation");
        widget.installEventFilter(this);
        connect(&widget, &CheckBox::valueChanged, this, [this, box] { boxClicked(box); });
    }
    const auto command = [this](design::ControlRole role) -> QPushButton& {
        const auto name = design::nameOf(design::kMainWindowControls, role);
        return findControl<QPushButton>(this, toQString(name))("initialisation");
    };
    QPushButton& reset = command(design::ControlRole::Reset);
    QPushButton& close = command(design::ControlRole::Close);
    connect(&reset, &QPushButton::clicked, this, &Form3::Command3_Click);
    connect(&close, &QPushButton::clicked, this, &Form3::Command1_Click);
    description_.setSingleShot(true);
    description_.setTimerType(Qt::PreciseTimer);
    description_.setInterval(design::kDescriptionDelayMilliseconds);
    connect(&description_, &QTimer::timeout, this, [this] {
        announcer_->announce(toQString(
            design::windowDescription(design::kMainWindowDesign, design::kMainWindowControls)));
    });
}

Form3::~Form3() = default;

pairing::PairingBoard& Form3::board() {
    return *board_;
}

void Form3::boxClicked(pairing::PhaseBox box) {
    description_.stop();  // what follows a choice is news; the instruction no longer is
    const std::string answerBefore = board_->answer();
    pairing::handleBoxClick(*board_, box);
    announcer_->announce(
        toQString(design::announcementAfterClick(*board_, box, answerBefore).asOneSentence()));
}

// The two commands, Reset and Fermer.
void Form3::Command3_Click() {
    description_.stop();
    pairing::resetBoard(board());
    announcer_->announce(toQString(design::announcementAfterReset().asOneSentence()));
}

void Form3::Command1_Click() {
    showMessage(toQString(design::thanksNote()));
    endProgram();
}

void Form3::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

// Orca 48 no longer reads a window's description as the window opens, as Orca 43 did: it
// is said a moment after the window first becomes active, after what the screen reader
// says of the window and of its focused button.
void Form3::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !opened_) {
        opened_ = true;
        description_.start();
    }
}

bool Form3::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const std::optional<ArrowKey> arrow = arrowOf(*static_cast<QKeyEvent*>(event));
    const std::optional<pairing::PhaseBox> from = board_->boxOf(watched);
    if (!arrow || !from)
        return QWidget::eventFilter(watched, event);
    if (const auto to = design::boxReachedBy(*board_, *from, *arrow))
        board_->box(*to, "déplacement du focus").setFocus(Qt::OtherFocusReason);
    return true;  // at the edge the focus stays, rather than wandering as Tab does
}

}  // namespace ui
