// Form3: the main window, built from its design table.
#include "ui/main_window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "ui/main_window_design.h"
#include "ui/widget_board.h"

namespace ui {
namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QFont fontFor(const FontDesign& design, const QFont& windowFont) {
    if (design.family.empty())
        return windowFont;
    QFont font(qs(design.family));
    font.setPixelSize(pointsToPixels(design.points));
    font.setBold(design.bold);
    return font;
}

// Text in the given colour while the box is usable; the style's grey once disabled.
void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QWidget* createControl(const ControlDesign& design, QWidget* container) {
    switch (design.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(qs(design.caption), container);
            label->setAlignment(design.alignment);
            label->setWordWrap(true);
            return label;
        }
        case ControlKind::CheckBox: {
            auto* box = new CheckBox(container);
            const pairing::Phase phase = pairing::phaseOf(*phaseBoxNamed(design.name));
            box->setText(qs(pairing::caption(phase)));
            setTextColour(box, textColourOf(phase));
            return box;
        }
        case ControlKind::CommandButton:
            return new QPushButton(qs(design.caption), container);
        case ControlKind::Frame:
            return new QGroupBox(qs(design.caption), container);
    }
    Q_UNREACHABLE();
}

}  // namespace

Form3::Form3(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(qs(kMainWindowDesign.caption));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kMainWindowDesign.background);
    setPalette(palette);
    setAutoFillBackground(true);
    setFont(fontFor(kDefaultControlFont, font()));
    resize(twipsToPixels(kMainWindowDesign.clientWidth),
           twipsToPixels(kMainWindowDesign.clientHeight));

    buildControls();
    board_ = std::make_unique<WidgetBoard>(this);
    connectHandlers();
}

Form3::~Form3() = default;

pairing::PairingBoard& Form3::board() {
    return *board_;
}

void Form3::buildControls() {
    QWidget* previousInTabOrder = nullptr;
    for (const ControlDesign& design : kMainWindowControls) {
        QWidget* container =
            design.container.empty() ? this : findChild<QWidget*>(qs(design.container));
        QWidget* control = createControl(design, container);
        control->setObjectName(qs(design.name));
        control->setGeometry(twipsToPixels(design.left), twipsToPixels(design.top),
                             twipsToPixels(design.width), twipsToPixels(design.height));
        control->setFont(fontFor(design.font, font()));
        if (control->focusPolicy() & Qt::TabFocus) {
            if (previousInTabOrder)
                setTabOrder(previousInTabOrder, control);
            else
                control->setFocus();  // the first control in tab order has the focus
            previousInTabOrder = control;
        }
    }
}

void Form3::connectHandlers() {
    for (pairing::PhaseBox box : pairing::kAllBoxes) {
        connect(&board_->box(box, "connexion de Click"), &CheckBox::valueChanged, this,
                [this, box] { pairing::handleBoxClick(*board_, box); });
    }
    connect(findChild<QPushButton*>(QStringLiteral("Command3")), &QPushButton::clicked, this,
            &Form3::Command3_Click);
    connect(findChild<QPushButton*>(QStringLiteral("Command1")), &QPushButton::clicked, this,
            &Form3::Command1_Click);
}

}  // namespace ui
