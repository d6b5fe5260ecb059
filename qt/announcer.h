// An invisible spot on a window that screen readers hear as a notification. Qt has no
// way to have a sentence spoken; screen readers do speak a notification when it appears,
// so each announcement shows the spot again with the new text.
#pragma once

#include <QString>
#include <QWidget>

namespace ui {

class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* window);

    // Speaks `text` once the current handling is over; of several texts announced during
    // one handling, only the last is spoken. An empty text is not spoken.
    void announce(const QString& text);

    // The text screen readers read as the notification's name.
    QString text() const { return text_; }

private:
    void speak();

    QString text_{};
    bool pending_{false};
};

}  // namespace ui
