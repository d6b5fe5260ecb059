// Random sequences of clicks, Resets and code writes on the pairing board as the page
// reaches it (its WebAssembly binding, under Node.js), against the reference model: the same
// sequences, and the same shrunk report, as the core's and the windows'.
#include <cstdio>

#include "tests/model/reference_model.h"
#include "web/binding.h"

namespace {

// The binding holds one board for the page: a fresh one is that board reset.
class BindingUnderTest final : public model::SystemUnderTest {
public:
    BindingUnderTest() { morvane_reset(); }

    void apply(const model::Step& step) override {
        switch (step.kind) {
            case model::Step::UserClick:
                // As the page does: a click ticks a box that is not ticked, unticks one that is.
                morvane_set_value(step.box, morvane_value(step.box) == 1 ? 0 : 1);
                break;
            case model::Step::Reset:
                morvane_reset();
                break;
            case model::Step::CodeWrite:
                morvane_set_value(step.box, step.value);
                break;
        }
    }

    model::Snapshot snapshot() const override {
        model::Snapshot s;
        for (int box = 1; box <= model::kBoxes; ++box) {
            s.values[box] = morvane_value(box);
            s.enabled[box] = morvane_enabled(box) != 0;
        }
        s.answer = morvane_answer();
        return s;
    }
};

}  // namespace

int main() {
    const model::SystemFactory fresh = [] { return std::make_unique<BindingUnderTest>(); };
    for (std::uint32_t seed = 1; seed <= 1000; ++seed) {
        if (const std::string failure = model::checkRandomSequence(seed, 40, fresh);
            !failure.empty()) {
            std::printf("%s\n0 passed, 1 failed\n", failure.c_str());
            return 1;
        }
    }
    std::printf("1000 sequences follow the model\n1 passed, 0 failed\n");
    return 0;
}
