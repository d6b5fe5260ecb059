#include "qt/application_setup.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "design/application.h"
#include "design/fonts.h"
#include "qt/form_builder.h"
#include "qt/window_icon.h"

namespace ui {
namespace {

// Qt's own words (the message box's buttons, a text field's menu) in the windows' language.
void installFrenchStrings(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

}  // namespace

void prepareApplication(QApplication& app) {
    QApplication::setApplicationName(toQString(design::kProgramName));
    QApplication::setApplicationDisplayName(toQString(design::kApplicationTitle));
    QApplication::setDesktopFileName(toQString(design::kApplicationId));
    setWindowIconAfterFirstPaint(app);
    // The windows decide when the program ends: closing the main window through its frame
    // must not, while the hidden splash keeps watch.
    QApplication::setQuitOnLastWindowClosed(false);
    // The designs' fonts, as this desktop has them.
    for (const design::FontChoice& font : design::kFontChoices)
        if (font.desktop != font.design)
            QFont::insertSubstitution(toQString(font.design), toQString(font.desktop));
    installFrenchStrings(app);
}

}  // namespace ui
