// Writes the web page's windows from the desktop windows' design tables, so that the page
// shows the same controls at the same places, in the same order, with the same texts:
//
//   make_web_design TEMPLATE.html OUTPUT_DIR
//   -> OUTPUT_DIR/index.html   the template with its @SPLASH@, @MAIN@ and @THANKS@ filled in
//   -> OUTPUT_DIR/design.css   every control's place, size, font and colours
//   -> OUTPUT_DIR/gecko.png    the splash picture
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <span>

#include "startup/splash_design.h"
#include "ui/form_runtime.h"
#include "ui/main_window.h"
#include "ui/main_window_design.h"
#include "ui/spoken_texts.h"

namespace {

using ui::ControlDesign;
using ui::ControlKind;
using ui::toQString;

struct FontStack {
    std::string_view family;
    const char* css;
};

// The desktop's font substitutions, then what other systems have instead.
constexpr FontStack kFontStacks[] = {
    {"MS Sans Serif", "\"Liberation Sans\", Arial, Helvetica, sans-serif"},
    {"Liberation Sans", "\"Liberation Sans\", Arial, Helvetica, sans-serif"},
    {"Liberation Sans Narrow",
     "\"Liberation Sans Narrow\", \"Arial Narrow\", \"Liberation Sans\", Arial, Helvetica, "
     "sans-serif"},
};

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

QString px(int twips) {
    return QStringLiteral("%1px").arg(ui::twipsToPixels(twips));
}

QString cssColour(const QColor& colour) {
    return colour.name();
}

double luminance(const QColor& colour) {
    const auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) +
           0.0722 * linear(colour.blue());
}

// The designed colour, darkened just as much as it takes to reach the 4.5:1 contrast that
// small text needs to be read by everyone: the dark red of the Het rows falls short of it
// on the grey window.
QColor readableOn(QColor text, const QColor& background) {
    const auto contrast = [&] {
        const double a = luminance(text) + 0.05;
        const double b = luminance(background) + 0.05;
        return std::max(a, b) / std::min(a, b);
    };
    while (contrast() < 4.5)
        text = text.darker(105);
    return text;
}

QString fontRule(const ui::FontDesign& font) {
    for (const FontStack& stack : kFontStacks)
        if (stack.family == font.family)
            return QStringLiteral("font:%1%2px %3;")
                .arg(font.bold ? QStringLiteral("bold ") : QString())
                .arg(ui::pointsToPixels(font.points))
                .arg(QString::fromLatin1(stack.css));
    std::fprintf(stderr, "no font stack for %s\n", font.family.data());
    std::exit(1);
}

// Element ids: the control names, behind the window's prefix where two windows share them.
QString idOf(const QString& prefix, const ControlDesign& design) {
    return prefix + toQString(design.name);
}

QString placeRule(const QString& prefix, const ControlDesign& design) {
    QString rule = QStringLiteral("#%1{left:%2;top:%3;width:%4;height:%5;")
                       .arg(idOf(prefix, design), px(design.left), px(design.top), px(design.width),
                            px(design.height));
    if (!design.font.family.empty())
        rule += fontRule(design.font);
    if (design.background.isValid())
        rule += QStringLiteral("background:%1;").arg(cssColour(design.background));
    if (design.alignment & Qt::AlignHCenter)
        rule += QStringLiteral("text-align:center;");
    return rule + QStringLiteral("}\n");
}

struct Window {
    std::span<const ControlDesign> controls;
    QString prefix;
    QString picture;
};

QString controlMarkup(const ControlDesign& design, const Window& window);

QString childrenOf(const ControlDesign& container, const Window& window) {
    QString markup;
    for (const ControlDesign& child : window.controls)
        if (child.container == container.name)
            markup += controlMarkup(child, window);
    return markup;
}

QString controlMarkup(const ControlDesign& design, const Window& window) {
    const QString name = idOf(window.prefix, design);
    const QString text = escaped(toQString(design.text));
    switch (design.kind) {
        case ControlKind::Label:
            // The answer is the live region that screen readers hear each new result in.
            if (design.name == "answer")
                return QStringLiteral("<p id=\"%1\" class=\"control\" role=\"status\"></p>\n")
                    .arg(name);
            return QStringLiteral("<p id=\"%1\" class=\"control\">%2</p>\n").arg(name, text);
        case ControlKind::CheckBox: {
            const pairing::PhaseBox box = *ui::phaseBoxNamed(design.name);
            const pairing::Phase phase = pairing::phaseOf(box);
            return QStringLiteral(
                       "<label id=\"%1\" class=\"control box\"><input type=\"checkbox\" "
                       "aria-label=\"%2\"> %3</label>\n")
                .arg(name, escaped(ui::spokenName(box)),
                     escaped(toQString(pairing::caption(phase))));
        }
        case ControlKind::CommandButton:
            return QStringLiteral(
                       "<button id=\"%1\" class=\"control\" type=\"button\">%2</button>\n")
                .arg(name, text);
        case ControlKind::Frame:
            return QStringLiteral(
                       "<fieldset id=\"%1\" class=\"control\"><legend>%2</legend>\n%3</fieldset>\n")
                .arg(name, text, childrenOf(design, window));
        case ControlKind::Picture:
            return QStringLiteral(
                       "<img id=\"%1\" class=\"control\" src=\"%2\" alt=\"%3\" width=\"%4\" "
                       "height=\"%5\">\n")
                .arg(name, window.picture, escaped(QString::fromUtf8(startup::kPictureDescription)))
                .arg(ui::twipsToPixels(design.width))
                .arg(ui::twipsToPixels(design.height));
    }
    return {};
}

// The controls of one window, in tab order, each inside its container.
QString windowMarkup(const Window& window) {
    QString markup;
    for (const ControlDesign& design : window.controls)
        if (design.container.empty())
            markup += controlMarkup(design, window);
    return markup;
}

QString windowRules(const QString& id, const ui::WindowDesign& design, const Window& window) {
    QString rules = QStringLiteral("#%1{width:%2;height:%3;")
                        .arg(id, px(design.clientWidth), px(design.clientHeight));
    if (design.background.isValid())
        rules += QStringLiteral("background:%1;").arg(cssColour(design.background));
    if (!design.defaultFont.family.empty())
        rules += fontRule(design.defaultFont);
    rules += QStringLiteral("}\n");
    for (const ControlDesign& control : window.controls)
        rules += placeRule(window.prefix, control);
    return rules;
}

QString phaseColourRules() {
    QString rules;
    for (pairing::PhaseBox box : pairing::kAllBoxes)
        rules += QStringLiteral("#%1{color:%2;}\n")
                     .arg(toQString(pairing::boxName(box)),
                          cssColour(readableOn(ui::textColourOf(pairing::phaseOf(box)),
                                               ui::kMainWindowDesign.background)));
    return rules;
}

bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s TEMPLATE.html OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    QFile templateFile(QString::fromLocal8Bit(argv[1]));
    if (!templateFile.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QString out = QString::fromLocal8Bit(argv[2]) + QLatin1Char('/');
    const QString picture = QStringLiteral("gecko.png");

    // The main view keeps the designer names; the splash's, which repeat some, are prefixed.
    const Window splash{startup::kSplashControls, QStringLiteral("Form1-"), picture};
    const Window mainView{ui::kMainWindowControls, QString(), picture};
    QString page = QString::fromUtf8(templateFile.readAll());
    page.replace(QStringLiteral("@SPLASH@"), windowMarkup(splash));
    page.replace(QStringLiteral("@MAIN@"), windowMarkup(mainView));
    page.replace(QStringLiteral("@THANKS@"), escaped(ui::Form3::thanksNote()));

    const QString css = QStringLiteral("/* Made from the desktop windows' designs. */\n") +
                        windowRules(QStringLiteral("Form1"), startup::kSplashDesign, splash) +
                        windowRules(QStringLiteral("Form3"), ui::kMainWindowDesign, mainView) +
                        phaseColourRules();

    const QImage gecko(QStringLiteral(":/startup/gecko.bmp"));
    if (!write(out + QStringLiteral("index.html"), page.toUtf8()) ||
        !write(out + QStringLiteral("design.css"), css.toUtf8()) || gecko.isNull() ||
        !gecko.save(out + picture)) {
        std::fprintf(stderr, "cannot write into %s\n", argv[2]);
        return 1;
    }
    return 0;
}
