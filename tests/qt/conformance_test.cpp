// Both windows of the Qt edition against their designs, control by control and field by
// field: what each control shows (text, place, size, font, alignment, colours) and what a
// screen reader is told of it (name, description, role, tab order, live region). A field
// that the edition drops or changes fails here, whatever the other tests check.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <functional>
#include <memory>
#include <span>

#include "design/main_window_design.h"
#include "design/splash_design.h"
#include "qt/announcer.h"
#include "qt/application_setup.h"
#include "qt/form_builder.h"
#include "qt/main_window.h"
#include "qt/splash_window.h"

using design::ControlDesign;
using design::ControlKind;

namespace {

struct WindowUnderTest {
    const char* name;
    const design::WindowDesign& design;
    std::span<const ControlDesign> controls;
    std::function<std::unique_ptr<QWidget>()> make;
};

const WindowUnderTest kWindows[] = {
    {"Form1", design::kSplashDesign, design::kSplashControls,
     [] { return std::make_unique<ui::Form1>(); }},
    {"Form3", design::kMainWindowDesign, design::kMainWindowControls,
     [] { return std::make_unique<ui::Form3>(); }},
};

QAccessible::Role roleOf(const ControlDesign& control) {
    switch (control.kind) {
        case ControlKind::Label:
            return QAccessible::StaticText;
        case ControlKind::CheckBox:
            return QAccessible::CheckBox;
        case ControlKind::CommandButton:
            return QAccessible::Button;
        case ControlKind::Frame:
            return QAccessible::Grouping;
        case ControlKind::Picture:
            return QAccessible::Graphic;
    }
    return QAccessible::NoRole;
}

QString shownText(QWidget* control) {
    if (auto* frame = qobject_cast<QGroupBox*>(control))
        return frame->title();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    return qobject_cast<QLabel*>(control)->text();
}

QString accessible(QWidget* widget, QAccessible::Text text) {
    return QAccessible::queryAccessibleInterface(widget)->text(text);
}

// What the design has a screen reader call a control: its spoken name, else its caption;
// a control with neither is called by its frame, as Qt names a label without text.
QString spokenNameOf(const ControlDesign& control, std::span<const ControlDesign> controls) {
    if (!control.spokenName.empty())
        return ui::toQString(control.spokenName);
    if (!control.text.empty() || control.container.empty())
        return ui::toQString(control.text);
    return ui::toQString(design::controlNamed(controls, control.container)->text);
}

void expectFont(const QFont& font, const design::FontDesign& designed) {
    QCOMPARE(font.family(), ui::toQString(designed.family));
    QCOMPARE(font.pixelSize(), design::pointsToPixels(designed.points));
    QCOMPARE(font.bold(), designed.bold);
}

}  // namespace

class ConformanceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::prepareApplication(*qApp); }

    void windowsAreAsDesigned_data() {
        QTest::addColumn<int>("window");
        for (int window = 0; window < int(std::size(kWindows)); ++window)
            QTest::newRow(kWindows[window].name) << window;
    }

    void windowsAreAsDesigned() {
        QFETCH(int, window);
        const WindowUnderTest& tested = kWindows[window];
        const std::unique_ptr<QWidget> form = tested.make();
        QCOMPARE(form->objectName(), QString::fromLatin1(tested.name));
        QCOMPARE(form->windowTitle(), ui::toQString(tested.design.caption));
        QCOMPARE(form->size(), QSize(design::twipsToPixels(tested.design.clientWidth),
                                     design::twipsToPixels(tested.design.clientHeight)));
        if (tested.design.background)
            QCOMPARE(form->palette().color(QPalette::Window),
                     ui::toQColor(*tested.design.background));
        if (tested.design.disabledText)
            QCOMPARE(form->palette().color(QPalette::Disabled, QPalette::WindowText),
                     ui::toQColor(*tested.design.disabledText));
        QCOMPARE(accessible(form.get(), QAccessible::Description),
                 ui::toQString(design::windowDescription(tested.design, tested.controls)));
        QCOMPARE(QAccessible::queryAccessibleInterface(form.get())->role(), QAccessible::Window);
    }

    void controlsAreAsDesigned_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<int>("control");
        for (int window = 0; window < int(std::size(kWindows)); ++window)
            for (int control = 0; control < int(kWindows[window].controls.size()); ++control)
                QTest::addRow("%s %s", kWindows[window].name,
                              kWindows[window].controls[control].name.data())
                    << window << control;
    }

    void controlsAreAsDesigned() {
        QFETCH(int, window);
        QFETCH(int, control);
        const WindowUnderTest& tested = kWindows[window];
        const ControlDesign& designed = tested.controls[control];
        const std::unique_ptr<QWidget> form = tested.make();
        auto* widget = form->findChild<QWidget*>(ui::toQString(designed.name));
        QVERIFY(widget);

        // Where it is.
        QCOMPARE(widget->parentWidget()->objectName(), designed.container.empty()
                                                           ? form->objectName()
                                                           : ui::toQString(designed.container));
        using design::twipsToPixels;
        QCOMPARE(widget->geometry(),
                 QRect(twipsToPixels(designed.left), twipsToPixels(designed.top),
                       twipsToPixels(designed.width), twipsToPixels(designed.height)));

        // What it shows, and how.
        if (designed.kind == ControlKind::Picture)
            QVERIFY(!qobject_cast<QLabel*>(widget)->pixmap().isNull());
        else
            QCOMPARE(shownText(widget), ui::toQString(designed.text));
        if (auto* label = qobject_cast<QLabel*>(widget);
            label && designed.kind == ControlKind::Label)
            QCOMPARE(label->alignment(), designed.alignment == design::Alignment::TopCentre
                                             ? Qt::AlignHCenter | Qt::AlignTop
                                             : Qt::AlignLeft | Qt::AlignTop);
        const design::FontDesign& font =
            designed.font.family.empty() ? tested.design.defaultFont : designed.font;
        if (!font.family.empty())
            expectFont(widget->font(), font);
        else
            QCOMPARE(widget->font(), form->font());
        const QPalette palette = widget->palette();
        QCOMPARE(palette.color(QPalette::Active, QPalette::WindowText),
                 designed.foreground
                     ? ui::toQColor(*designed.foreground)
                     : form->palette().color(QPalette::Active, QPalette::WindowText));
        QCOMPARE(widget->autoFillBackground(), designed.background.has_value());
        if (designed.background)
            QCOMPARE(palette.color(QPalette::Window), ui::toQColor(*designed.background));

        // What a screen reader is told.
        QCOMPARE(QAccessible::queryAccessibleInterface(widget)->role(), roleOf(designed));
        QCOMPARE(accessible(widget, QAccessible::Name), spokenNameOf(designed, tested.controls));
        QCOMPARE(accessible(widget, QAccessible::Description), ui::toQString(designed.description));
        QCOMPARE(widget->focusPolicy() != Qt::NoFocus, design::takesFocus(designed.kind));
    }

    // Tab goes round the controls that take the focus in the tables' order, from the one
    // the window opens on.
    void tabFollowsTheTables_data() { windowsAreAsDesigned_data(); }

    void tabFollowsTheTables() {
        QFETCH(int, window);
        const WindowUnderTest& tested = kWindows[window];
        const std::unique_ptr<QWidget> form = tested.make();
        QStringList designed;
        for (const ControlDesign& control : tested.controls)
            if (design::takesFocus(control.kind))
                designed << ui::toQString(control.name);
        QStringList visited;
        const ControlDesign* first = design::initialFocus(tested.controls);
        QCOMPARE(first != nullptr, !designed.isEmpty());
        if (!first)
            return;
        QWidget* start = form->findChild<QWidget*>(ui::toQString(first->name));
        QWidget* widget = start;
        do {
            if (widget->focusPolicy() & Qt::TabFocus)
                visited << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != start);
        QCOMPARE(visited, designed);
    }

    // A live region's every new text reaches screen readers, as the window announces it.
    void liveRegionsAreHeard() {
        ui::Form3 form;
        auto* announcer = form.findChild<ui::Announcer*>(QStringLiteral("announcer"));
        QVERIFY(announcer);
        form.board().setValue(pairing::PhaseBox::Check1, 1);
        form.board().setValue(pairing::PhaseBox::Check2, 1);
        for (const ControlDesign& control : design::kMainWindowControls) {
            if (!control.liveRegion)
                continue;
            auto* label = form.findChild<QLabel*>(ui::toQString(control.name));
            QVERIFY(!label->text().isEmpty());
            QTRY_VERIFY2(announcer->text().startsWith(label->text()), control.name.data());
        }
    }
};

QTEST_MAIN(ConformanceTest)
#include "conformance_test.moc"
