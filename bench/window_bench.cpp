// One box click and one Reset through the real widgets of the main window, on Qt's
// offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>

#include "qt/application_setup.h"
#include "qt/check_box.h"
#include "qt/main_window.h"

namespace {

ui::CheckBox* box(ui::Form3& form, const char* name) {
    return form.findChild<ui::CheckBox*>(QString::fromLatin1(name));
}

// A user's click on a male box while a female one is ticked: the tick (or untick), the
// click handling with its eight enable writes and the answer, and the repaint requests.
// Iterations alternate ticking and unticking.
void boxClick(benchmark::State& state) {
    ui::Form3 form;
    form.show();
    box(form, "Check11")->click();
    ui::CheckBox* male = box(form, "Check16");
    for (auto _ : state)
        male->click();
    QCoreApplication::processEvents();
}
BENCHMARK(boxClick);

// Reset of a window showing a pairing: nineteen writes, two nested click handlings.
void resetWithPairing(benchmark::State& state) {
    ui::Form3 form;
    form.show();
    auto* reset = form.findChild<QPushButton*>(QStringLiteral("Command3"));
    for (auto _ : state) {
        state.PauseTiming();
        box(form, "Check5")->setValue(1);
        box(form, "Check10")->setValue(1);
        state.ResumeTiming();
        reset->click();
    }
    QCoreApplication::processEvents();
}
BENCHMARK(resetWithPairing);

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::prepareApplication(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
