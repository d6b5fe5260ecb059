// Random sequences of clicks, Resets and code writes on the Win32 main window, against the
// reference model: the same sequences, and the same shrunk report, as the core's and the Qt
// window's.
#include <gtest/gtest.h>

#include "design/main_window_design.h"
#include "tests/model/reference_model.h"
#include "win32/main_window.h"

namespace {

class WindowUnderTest final : public model::SystemUnderTest {
public:
    WindowUnderTest() {
        form_.create();
        form_.show();
    }

    void apply(const model::Step& step) override {
        const auto box = static_cast<pairing::PhaseBox>(step.box);
        switch (step.kind) {
            case model::Step::UserClick:
                SendMessageW(form_.control(pairing::boxName(box), "test"), BM_CLICK, 0, 0);
                break;
            case model::Step::Reset:
                SendMessageW(form_.control(design::nameOf(design::kMainWindowControls,
                                                          design::ControlRole::Reset),
                                           "test"),
                             BM_CLICK, 0, 0);
                break;
            case model::Step::CodeWrite:
                form_.board().setValue(box, pairing::BoxValue(step.value));
                break;
        }
    }

    model::Snapshot snapshot() const override {
        model::Snapshot s;
        for (int box = 1; box <= model::kBoxes; ++box) {
            HWND control = form_.control(pairing::boxName(pairing::PhaseBox(box)), "test");
            s.values[box] = int(SendMessageW(control, BM_GETCHECK, 0, 0));
            s.enabled[box] = IsWindowEnabled(control);
        }
        s.answer = form_.board().answer();
        return s;
    }

private:
    mutable win::Form3 form_;
};

// The first 300 of the core's sequences: a window a sequence costs a tenth of a second
// under Wine.
TEST(RandomSequences, windowFollowsTheModelOverThreeHundredSequences) {
    const model::SystemFactory fresh = [] { return std::make_unique<WindowUnderTest>(); };
    for (std::uint32_t seed = 1; seed <= 300; ++seed)
        ASSERT_EQ(model::checkRandomSequence(seed, 40, fresh), "");
}

}  // namespace
