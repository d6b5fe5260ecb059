// Form3: the main window, built from its design table.
#include "ui/main_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "ui/announcer.h"
#include "ui/box_navigation.h"
#include "ui/main_window_design.h"
#include "ui/spoken_texts.h"
#include "ui/widget_board.h"

namespace ui {
namespace {

// Text in the given colour while the box is usable; the style's grey once disabled.
void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::WindowText, colour);
    widget->setPalette(palette);
}

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
    buildForm(this, kMainWindowDesign, kMainWindowControls);
    // On the grey background the style's own grey for disabled text all but vanishes.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(112, 112, 112));
    setPalette(palette);
    // Screen readers announce the window with its instruction line.
    setAccessibleDescription(
        findControl<QLabel>(this, QStringLiteral("Label1"))("lecture de Caption").text());
    announcer_ = new Announcer(this);
    board_ = std::make_unique<WidgetBoard>(this);
    for (pairing::PhaseBox box : pairing::kAllBoxes) {
        CheckBox& widget = board_->box(box, "initialisation");
        const pairing::Phase phase = pairing::phaseOf(box);
        widget.setText(toQString(pairing::caption(phase)));
        setTextColour(&widget, textColourOf(phase));
        widget.setAccessibleName(spokenName(box));
        widget.installEventFilter(this);
        connect(&widget, &CheckBox::valueChanged, this, [this, box] { boxClicked(box); });
    }
    QPushButton& reset =
        findControl<QPushButton>(this, QStringLiteral("Command3"))("initialisation");
    QPushButton& close =
        findControl<QPushButton>(this, QStringLiteral("Command1"))("initialisation");
    reset.setAccessibleDescription(
        QStringLiteral("Décoche toutes les phases et efface le résultat"));
    close.setAccessibleDescription(QStringLiteral("Quitte Morvane 101"));
    findControl<QLabel>(this, QStringLiteral("answer"))("initialisation")
        .setAccessibleDescription(QStringLiteral("Résultat du croisement"));
    connect(&reset, &QPushButton::clicked, this, &Form3::Command3_Click);
    connect(&close, &QPushButton::clicked, this, &Form3::Command1_Click);
}

Form3::~Form3() = default;

pairing::PairingBoard& Form3::board() {
    return *board_;
}

void Form3::boxClicked(pairing::PhaseBox box) {
    pairing::handleBoxClick(*board_, box);
    announcer_->announce(announcementAfterClick(*board_, box));
}

void Form3::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

bool Form3::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const std::optional<ArrowKey> arrow = arrowOf(*static_cast<QKeyEvent*>(event));
    const std::optional<pairing::PhaseBox> from =
        phaseBoxNamed(watched->objectName().toStdString());
    if (!arrow || !from)
        return QWidget::eventFilter(watched, event);
    if (const auto to = boxReachedBy(*board_, *from, *arrow))
        board_->box(*to, "déplacement du focus").setFocus(Qt::OtherFocusReason);
    return true;  // at the edge the focus stays, rather than wandering as Tab does
}

}  // namespace ui
