// Form3, the main window: the eighteen phase boxes, the framed answer and the two commands.
#pragma once

#include <QTimer>
#include <QWidget>
#include <memory>

#include "pairing/pairing_board.h"

namespace ui {

class Announcer;
class WidgetBoard;

class Form3 : public QWidget {
    Q_OBJECT

public:
    explicit Form3(QWidget* parent = nullptr);
    ~Form3() override;

    // The board held by this window's controls.
    pairing::PairingBoard& board();

    void Command3_Click();  // Reset
    void Command1_Click();  // Fermer

signals:
    // The window was closed through its frame: it is going away, whenever it is deleted.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    // The window's first activation: what describes it is said.
    void changeEvent(QEvent* event) override;
    // The arrow keys on the phase boxes.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void boxClicked(pairing::PhaseBox box);

    std::unique_ptr<WidgetBoard> board_{};
    Announcer* announcer_{nullptr};
    bool opened_{false};
    QTimer description_{};  // says what describes the window, once it has opened
};

}  // namespace ui
