// Form3, the main window: the eighteen phase boxes, the framed answer and the two commands.
#pragma once

#include <QWidget>
#include <memory>

#include "pairing/pairing_board.h"

namespace ui {

class WidgetBoard;

class Form3 : public QWidget {
    Q_OBJECT

public:
    explicit Form3(QWidget* parent = nullptr);
    ~Form3() override;

    // The board held by this window's controls.
    pairing::PairingBoard& board();

    // The one-line thanks that "Fermer" shows before the program ends.
    static QString thanksNote();

    void Command3_Click();  // Reset
    void Command1_Click();  // Fermer

private:
    std::unique_ptr<WidgetBoard> board_{};
};

}  // namespace ui
