// Writes the web page's windows from the windows' design tables, so that the page shows
// the same controls at the same places, in the same order, with the same texts as the
// desktop editions:
//
//   make_web_design TEMPLATE.html OUTPUT_DIR PICTURE.bmp
//   -> OUTPUT_DIR/index.html   the template with its @SPLASH@, @MAIN@, @THANKS@... filled in
//                              (what differs between the site and the single file is left
//                              to web/assemble.cmake: @PICTURE@, @STYLES@, @SCRIPTS@...)
//   -> OUTPUT_DIR/design.css   every control's place, size, font and colours, and the
//                              screen sizes where the windows are shown larger, or flow
//   -> OUTPUT_DIR/style.css, manifest.webmanifest   the template's neighbours, filled in
//   -> OUTPUT_DIR/gecko.png    the splash picture, from PICTURE.bmp
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "design/application.h"
#include "design/fonts.h"
#include "design/main_window_design.h"
#include "design/splash_design.h"
#include "design/spoken_texts.h"
#include "tools/page_markup.h"

namespace {

using design::ControlDesign;
using design::ControlKind;

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

QString px(int twips) {
    return QStringLiteral("%1px").arg(design::twipsToPixels(twips));
}

QString cssColour(design::Rgb colour) {
    return QStringLiteral("#%1%2%3")
        .arg(colour.red, 2, 16, QLatin1Char('0'))
        .arg(colour.green, 2, 16, QLatin1Char('0'))
        .arg(colour.blue, 2, 16, QLatin1Char('0'));
}

// The font stack of the font the designs call `family`.
QString fontStack(std::string_view family) {
    if (const design::FontChoice* choice = design::fontChoiceFor(family))
        return toQString(choice->web);
    throw std::runtime_error("no font stack for " + std::string(family));
}

QString fontRule(const design::FontDesign& font) {
    return QStringLiteral("font:%1%2px %3;")
        .arg(font.bold ? QStringLiteral("bold ") : QString())
        .arg(design::pointsToPixels(font.points))
        .arg(fontStack(font.family));
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
    if (design.background)
        rule += QStringLiteral("background:%1;").arg(cssColour(*design.background));
    if (design.foreground)
        rule += QStringLiteral("color:%1;").arg(cssColour(*design.foreground));
    if (design.alignment == design::Alignment::TopCentre)
        rule += QStringLiteral("text-align:center;");
    return rule + QStringLiteral("}\n");
}

// A window of the page, as the styles and the markup (tools/page_markup) know it.
struct Window {
    std::span<const ControlDesign> controls;
    QString prefix;

    page::PageWindow forMarkup(const QString& picture) const {
        return {controls, prefix.toStdString(), picture.toStdString()};
    }
};

QString windowRules(const QString& id, const design::WindowDesign& design, const Window& window) {
    QString rules = QStringLiteral("#%1{width:%2;height:%3;")
                        .arg(id, px(design.clientWidth), px(design.clientHeight));
    if (design.background)
        rules += QStringLiteral("background:%1;").arg(cssColour(*design.background));
    if (!design.defaultFont.family.empty())
        rules += fontRule(design.defaultFont);
    rules += QStringLiteral("}\n");
    if (design.disabledText)
        rules += QStringLiteral("#%1 .control:has(:disabled){color:%2;}\n")
                     .arg(id, cssColour(*design.disabledText));
    for (const ControlDesign& control : window.controls)
        rules += placeRule(window.prefix, control);
    return rules;
}

// Where the screen has room, the whole design scaled as one, so that no caption is under
// 12 px; room is the window at that scale and what the page puts around it (its margins, a
// scroll bar). Scaled as a transform, which every engine measures and hit-tests as drawn
// (CSS zoom is not measured alike everywhere), with the room the taller window takes below
// it kept free.
constexpr std::array kZooms{1.25, 1.5};
constexpr int kRoomAroundWidth = 48, kRoomAroundHeight = 56;

struct ScaledWindow {
    const char* id;
    const design::WindowDesign& design;
};

QString zoomRules(const design::WindowDesign& largest,
                  std::initializer_list<ScaledWindow> windows) {
    QString rules;
    for (double zoom : kZooms) {
        const auto scaled = [zoom](int twips) {
            return int(std::ceil(design::twipsToPixels(twips) * zoom));
        };
        rules += QStringLiteral(
                     "@media (min-width:%1px) and (min-height:%2px){"
                     ".window{transform:scale(%3);transform-origin:50% 0;}")
                     .arg(scaled(largest.clientWidth) + kRoomAroundWidth)
                     .arg(scaled(largest.clientHeight) + kRoomAroundHeight)
                     .arg(zoom);
        for (const ScaledWindow& window : windows)
            rules += QStringLiteral("#%1{margin-bottom:%2px;}")
                         .arg(QLatin1String(window.id))
                         .arg(scaled(window.design.clientHeight) -
                              design::twipsToPixels(window.design.clientHeight));
        rules += QStringLiteral("}\n");
    }
    return rules;
}

// The widest screen, in CSS pixels, on which the page flows rather than show the main window.
int narrowest() {
    return design::twipsToPixels(design::kMainWindowDesign.clientWidth) - 1;
}

// Narrower than the main window, the page flows: the splash's controls one under another,
// from top to bottom as designed; the main window's in a grid whose two columns are the
// parents' columns of boxes, row by row from top to bottom as designed. What spans those
// columns spans the grid; what stands beside them (the answer's frame) comes under them,
// across; the buttons come last, side by side in their designed order.
QString narrowRules(const Window& splash, const Window& mainView) {
    const auto topLevel = [](const Window& window) {
        std::vector<const ControlDesign*> controls;
        for (const ControlDesign& control : window.controls)
            if (control.container.empty())
                controls.push_back(&control);
        return controls;
    };
    const auto rankOf = [](std::vector<int> values, int value) {
        std::sort(values.begin(), values.end());
        values.erase(std::unique(values.begin(), values.end()), values.end());
        return int(std::find(values.begin(), values.end(), value) - values.begin()) + 1;
    };

    QString rules;
    const auto splashControls = topLevel(splash);
    std::vector<int> splashTops;
    for (const ControlDesign* control : splashControls)
        splashTops.push_back(control->top);
    // A label on a background of its own keeps some of it around its text.
    for (const ControlDesign* control : splashControls)
        rules += QStringLiteral("#%1{order:%2;%3}")
                     .arg(idOf(splash.prefix, *control))
                     .arg(rankOf(splashTops, control->top))
                     .arg(control->background ? QStringLiteral("padding:2px 8px;") : QString());

    const auto mainControls = topLevel(mainView);
    std::vector<int> columns, buttons, rows;
    int columnsEnd = 0;
    for (const ControlDesign* control : mainControls) {
        if (control->box) {
            columns.push_back(control->left);
            columnsEnd = std::max(columnsEnd, control->left + control->width);
        }
        if (control->kind == ControlKind::CommandButton)
            buttons.push_back(control->left);
    }
    const auto isBeside = [columnsEnd](const ControlDesign& control) {
        return control.left >= columnsEnd;
    };
    for (const ControlDesign* control : mainControls)
        if (control->kind != ControlKind::CommandButton && !isBeside(*control))
            rows.push_back(control->top);
    const int lastRow =
        rankOf(rows, rows.empty() ? 0 : *std::max_element(rows.begin(), rows.end()));
    for (const ControlDesign* control : mainControls) {
        int row = 0;
        QString column = QStringLiteral("1/-1");
        if (control->kind == ControlKind::CommandButton) {
            row = lastRow + 2;
            column = QString::number(rankOf(buttons, control->left));
        } else if (isBeside(*control)) {
            row = lastRow + 1;
        } else {
            row = rankOf(rows, control->top);
            if (std::find(columns.begin(), columns.end(), control->left) != columns.end())
                column = QString::number(rankOf(columns, control->left));
        }
        rules += QStringLiteral("#%1{grid-row:%2;grid-column:%3;}")
                     .arg(idOf(mainView.prefix, *control))
                     .arg(row)
                     .arg(column);
    }
    return QStringLiteral("@media (max-width:%1px){%2}\n").arg(narrowest()).arg(rules);
}

QString contentsOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return QString::fromUtf8(file.readAll());
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

// A file beside the template, with what the designs say filled in.
QString filledIn(const QString& path, const QString& background) {
    QString text = contentsOf(path);
    text.replace(QStringLiteral("@BACKGROUND@"), background);
    text.replace(QStringLiteral("@NARROW@"), QString::number(narrowest()));
    text.replace(QStringLiteral("@TITLE@"), toQString(design::kApplicationTitle));
    return text;
}

// Writes the page, its styles and its picture into `out`.
void writePage(const QString& templatePath, const QString& out, const QString& picturePath) {
    const QString picture = QStringLiteral("gecko.png");
    // The main view keeps the designer names; the splash's, which repeat some, are prefixed.
    const Window splash{design::kSplashControls, QStringLiteral("Form1-")};
    const Window mainView{design::kMainWindowControls, QString()};
    QString page = contentsOf(templatePath);
    // Where the picture is, the site's file or the single file's data, is the assembly's.
    const QString pictureAddress = QStringLiteral("@PICTURE@");
    page.replace(QStringLiteral("@SPLASH@"),
                 QString::fromStdString(page::windowMarkup(splash.forMarkup(pictureAddress))));
    page.replace(QStringLiteral("@MAIN@"),
                 QString::fromStdString(page::windowMarkup(mainView.forMarkup(pictureAddress))));
    page.replace(QStringLiteral("@THANKS@"), escaped(toQString(design::thanksNote())));
    page.replace(QStringLiteral("@TITLE@"), escaped(toQString(design::kApplicationTitle)));
    page.replace(QStringLiteral("@HAND_OVER_MS@"), QString::number(design::kHandOverMilliseconds));
    page.replace(QStringLiteral("@DESCRIPTION_DELAY_MS@"),
                 QString::number(design::kDescriptionDelayMilliseconds));
    page.replace(QStringLiteral("@MAIN_DESCRIBED_BY@"),
                 toQString(design::kMainWindowDesign.describedBy));
    // The window's grey, wherever the page shows it.
    const QString background =
        cssColour(design::kMainWindowDesign.background.value_or(design::Rgb{}));
    page.replace(QStringLiteral("@BACKGROUND@"), background);

    const QString css =
        QStringLiteral("/* Made from the windows' designs. */\n") +
        QStringLiteral(":root{--system-font:%1;--window-background:%2;}\n")
            .arg(fontStack(design::kSystemFont), background) +
        windowRules(QStringLiteral("Form1"), design::kSplashDesign, splash) +
        windowRules(QStringLiteral("Form3"), design::kMainWindowDesign, mainView) +
        zoomRules(design::kMainWindowDesign,
                  {{"Form1", design::kSplashDesign}, {"Form3", design::kMainWindowDesign}}) +
        narrowRules(splash, mainView);
    const QString sources = QFileInfo(templatePath).absolutePath() + QLatin1Char('/');

    write(out + QStringLiteral("index.html"), page.toUtf8());
    write(out + QStringLiteral("design.css"), css.toUtf8());
    write(out + QStringLiteral("style.css"),
          filledIn(sources + QStringLiteral("style.css"), background).toUtf8());
    write(out + QStringLiteral("manifest.webmanifest"),
          filledIn(sources + QStringLiteral("manifest.webmanifest"), background).toUtf8());
    const QImage gecko(picturePath);
    if (gecko.isNull() || !gecko.save(out + picture))
        throw std::runtime_error("cannot make " + (out + picture).toStdString());
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s TEMPLATE.html OUTPUT_DIR PICTURE.bmp\n", argv[0]);
        return 2;
    }
    try {
        writePage(QString::fromLocal8Bit(argv[1]),
                  QString::fromLocal8Bit(argv[2]) + QLatin1Char('/'),
                  QString::fromLocal8Bit(argv[3]));
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "make_web_design: %s\n", failure.what());
        return 1;
    }
    return 0;
}
