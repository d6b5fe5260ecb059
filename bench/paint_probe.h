// Start-up probes: report on stdout, as "NAME <monotonic ns>", the moments that the
// start-up benchmark measures, then leave at once.
#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

inline long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

// Watches every event of the application for the first paint of a top-level window
// named `windowName`; prints the moments and ends the process when it comes. With
// `showOf`, also prints when the window of that name was shown, and when the timer named
// Timer1 first fires.
class PaintProbe : public QObject {
public:
    PaintProbe(const char* windowName, const char* showOf = nullptr)
        : windowName_(QString::fromLatin1(windowName)),
          showOf_(showOf ? QString::fromLatin1(showOf) : QString()) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Timer && !ticked_ &&
            watched->objectName() == QLatin1String("Timer1")) {
            ticked_ = true;
            std::printf("ticked %lld\n", monotonicNanoseconds());
        }
        if (!watched->isWidgetType() || !static_cast<QWidget*>(watched)->isWindow())
            return false;
        if (event->type() == QEvent::Show && watched->objectName() == showOf_ && !shown_) {
            shown_ = true;
            std::printf("shown %lld\n", monotonicNanoseconds());
        }
        if (event->type() == QEvent::Paint && watched->objectName() == windowName_) {
            std::printf("painted %lld\n", monotonicNanoseconds());
            std::fflush(stdout);
            std::_Exit(0);
        }
        return false;
    }

private:
    QString windowName_;
    QString showOf_;
    bool shown_ = false;
    bool ticked_ = false;
};
