// Form1: the splash window and its timer.
#include "qt/splash_window.h"

#include <QCloseEvent>

#include "design/application.h"
#include "design/main_window_design.h"
#include "design/splash_design.h"
#include "qt/form_builder.h"
#include "qt/program_end.h"

namespace ui {

Form1::Form1(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    buildForm(this, design::kSplashDesign, design::kSplashControls);
    timer1_.setObjectName(QStringLiteral("Timer1"));
    // The hand-over is promised at 2,000 ms, not "about" then.
    timer1_.setTimerType(Qt::PreciseTimer);
    timer1_.setInterval(design::kHandOverMilliseconds);
    connect(&timer1_, &QTimer::timeout, this, &Form1::Timer1_Timer);
    timer1_.start();
}

Form1::~Form1() {
    delete mainWindow_;
}

void Form1::Timer1_Timer() {
    hide();
    if (!mainWindow_) {
        mainWindow_ = new Form3;
        // Closing it through its frame unloads it; the next tick brings a fresh one, even
        // when it comes before the closed window is actually deleted.
        mainWindow_->setAttribute(Qt::WA_DeleteOnClose);
        connect(mainWindow_, &Form3::closed, this, [this, window = mainWindow_.data()] {
            if (mainWindow_ == window)
                mainWindow_ = nullptr;
        });
    }
    mainWindow_->show();
}

void Form1::paintEvent(QPaintEvent* event) {
    // Started when the splash was made, the timer starts again once the splash is painted,
    // which on a busy machine can come well after. A splash that is never painted (out of
    // sight) still hands over two seconds after it was made. Meanwhile the main window's
    // fonts are loaded, so that it paints as soon as it is shown.
    if (!painted_) {
        painted_ = true;
        timer1_.start();
        QMetaObject::invokeMethod(
            this, [] { loadFonts(design::kMainWindowDesign, design::kMainWindowControls); },
            Qt::QueuedConnection);
    }
    QWidget::paintEvent(event);
}

void Form1::closeEvent(QCloseEvent* event) {
    // Once the main window exists, the hidden splash keeps watch over it and stays.
    if (mainWindow_) {
        event->ignore();
        return;
    }
    event->accept();
    timer1_.stop();
    endProgram();
}

}  // namespace ui
