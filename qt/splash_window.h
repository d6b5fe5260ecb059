// Form1, the splash window: the title, the gecko picture and a notice line. Its timer hands
// over to the main window and keeps watch over it for the life of the program.
#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "qt/main_window.h"

namespace ui {

class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // The main window, once the first tick has created it and while it is open.
    Form3* mainWindow() const { return mainWindow_; }
    const QTimer& timer1() const { return timer1_; }

    // Hides the splash and shows the main window, creating it afresh if there is none:
    // at the first tick, and again after the user closed it through its frame.
    void Timer1_Timer();

protected:
    // Closing the splash before the hand-over leaves no window: the program ends.
    // Later the splash is hidden and stays, whatever asks it to close.
    void closeEvent(QCloseEvent* event) override;
    // The two seconds run from the moment the splash can be seen: its first paint.
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer timer1_{this};  // a child: the end of the program stops it
    QPointer<Form3> mainWindow_{};
    bool painted_{false};
};

}  // namespace ui
