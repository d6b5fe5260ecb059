#include "qt/form_builder.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "qt/check_box.h"
#include "qt/control.h"

namespace ui {
namespace {

using design::ControlDesign;
using design::ControlKind;

QFont fontFor(const design::FontDesign& font, const QFont& fallback) {
    if (font.family.empty())
        return fallback;
    QFont qfont(toQString(font.family));
    qfont.setPixelSize(design::pointsToPixels(font.points));
    qfont.setBold(font.bold);
    // The designs' texts are French in Latin letters, which their fonts all have: looking
    // up fallback fonts, a sort of every installed font per family, would only slow the
    // first paint.
    qfont.setStyleStrategy(QFont::NoFontMerging);
    return qfont;
}

void setBackground(QWidget* widget, const std::optional<design::Rgb>& colour) {
    if (!colour)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, toQColor(*colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// Text in the given colour while the control is usable; the style's grey once disabled.
void setForeground(QWidget* widget, const std::optional<design::Rgb>& colour) {
    if (!colour)
        return;
    QPalette palette = widget->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::WindowText, toQColor(*colour));
    widget->setPalette(palette);
}

Qt::Alignment toQtAlignment(design::Alignment alignment) {
    switch (alignment) {
        case design::Alignment::TopLeft:
            return Qt::AlignLeft | Qt::AlignTop;
        case design::Alignment::TopCentre:
            return Qt::AlignHCenter | Qt::AlignTop;
    }
    Q_UNREACHABLE();
}

// The picture called `name` among the built-in ones, for the screen's density: on a dense
// screen its twin painted at twice the size ("name@2x.ext"), when there is one, smoothly
// scaled to the density.
QPixmap pictureFor(std::string_view name) {
    const QString path = QStringLiteral(":/pictures/") + toQString(name);
    const QPixmap picture = QPixmap::fromImage(builtInImage(path));
    const qreal density = qApp->devicePixelRatio();
    if (density <= 1 || picture.isNull())
        return picture;
    QString twinPath = path;
    twinPath.insert(path.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
    const QPixmap twin = QPixmap::fromImage(builtInImage(twinPath));
    if (twin.isNull())
        return picture;
    QPixmap sharp =
        twin.scaled(picture.size() * density, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    sharp.setDevicePixelRatio(density);
    return sharp;
}

// Return and Enter press the focused button, as Space does, as on every window of the
// desktop. Qt gives that only to the buttons of dialogs, or to "auto default" buttons,
// which are drawn as the default one.
class ReturnPressesButton : public QObject {
public:
    explicit ReturnPressesButton(QPushButton* button) : QObject(button), button_(button) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if (!key->isAutoRepeat())
            button_->click();
        return true;
    }

private:
    QPushButton* button_;
};

QWidget* createControl(const ControlDesign& design, QWidget* container) {
    switch (design.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(toQString(design.text), container);
            // A caption is shown as it stands, never read as markup.
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(toQtAlignment(design.alignment));
            label->setWordWrap(true);
            return label;
        }
        case ControlKind::CheckBox: {
            auto* box = new CheckBox(container);
            box->setText(toQString(design.text));
            return box;
        }
        case ControlKind::CommandButton: {
            auto* button = new QPushButton(toQString(design.text), container);
            button->installEventFilter(new ReturnPressesButton(button));
            return button;
        }
        case ControlKind::Frame:
            return new QGroupBox(toQString(design.text), container);
        case ControlKind::Picture: {
            const QPixmap picture = pictureFor(design.text);
            if (picture.isNull())
                runTimeError(toQString(design.name), QStringLiteral("chargement de l'image"));
            auto* label = new QLabel(container);
            label->setPixmap(picture);
            return label;
        }
    }
    Q_UNREACHABLE();
}

// A form is a window to screen readers: Qt calls a plain top-level widget a filler,
// which they do not announce as a window.
QAccessibleInterface* formAccessible(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (className == QLatin1String("QWidget") && widget && widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

QWidget* containerOf(QWidget* form, const ControlDesign& design) {
    if (design.container.empty())
        return form;
    // Without its container a control would become a window of its own.
    return &findControl<QWidget>(form, toQString(design.container))("recherche du conteneur");
}

}  // namespace

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void loadFonts(const design::WindowDesign& window,
               std::span<const design::ControlDesign> controls) {
    const QFont fallback = QApplication::font();
    QFontMetrics(fontFor(window.defaultFont, fallback)).height();
    for (const ControlDesign& design : controls)
        QFontMetrics(fontFor(design.font, fallback)).height();
}

QImage builtInImage(const QString& path) {
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QColor toQColor(design::Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

void buildForm(QWidget* form, const design::WindowDesign& window,
               std::span<const ControlDesign> controls) {
    using design::twipsToPixels;
    static const bool rolesInstalled = (QAccessible::installFactory(formAccessible), true);
    (void)rolesInstalled;
    form->setWindowTitle(toQString(window.caption));
    setBackground(form, window.background);
    if (window.disabledText) {
        QPalette palette = form->palette();
        palette.setColor(QPalette::Disabled, QPalette::WindowText, toQColor(*window.disabledText));
        form->setPalette(palette);
    }
    form->setFont(fontFor(window.defaultFont, form->font()));
    form->resize(twipsToPixels(window.clientWidth), twipsToPixels(window.clientHeight));
    form->setAccessibleDescription(toQString(design::windowDescription(window, controls)));

    QWidget* previousInTabOrder = nullptr;
    for (const ControlDesign& design : controls) {
        QWidget* control = createControl(design, containerOf(form, design));
        control->setObjectName(toQString(design.name));
        control->setGeometry(twipsToPixels(design.left), twipsToPixels(design.top),
                             twipsToPixels(design.width), twipsToPixels(design.height));
        control->setFont(fontFor(design.font, form->font()));
        setBackground(control, design.background);
        setForeground(control, design.foreground);
        if (!design.spokenName.empty())
            control->setAccessibleName(toQString(design.spokenName));
        if (!design.description.empty())
            control->setAccessibleDescription(toQString(design.description));
        if (design::takesFocus(design.kind)) {
            if (previousInTabOrder)
                QWidget::setTabOrder(previousInTabOrder, control);
            previousInTabOrder = control;
        }
        if (&design == design::initialFocus(controls))
            control->setFocus();
    }
}

}  // namespace ui
