// Random sequences of clicks, Resets and code writes on the pairing core, against the
// reference model.
#include <gtest/gtest.h>

#include "pairing/memory_board.h"
#include "tests/model/reference_model.h"

using namespace pairing;

namespace {

class CoreUnderTest final : public model::SystemUnderTest {
public:
    void apply(const model::Step& step) override {
        const auto box = static_cast<PhaseBox>(step.box);
        switch (step.kind) {
            case model::Step::UserClick:
                board_.click(box);
                break;
            case model::Step::Reset:
                resetBoard(board_);
                break;
            case model::Step::CodeWrite:
                board_.setValue(box, BoxValue(step.value));
                break;
        }
    }

    model::Snapshot snapshot() const override {
        model::Snapshot s;
        for (PhaseBox box : kAllBoxes) {
            s.values[static_cast<int>(box)] = board_.value(box);
            s.enabled[static_cast<int>(box)] = board_.isEnabled(box);
        }
        s.answer = board_.answer();
        return s;
    }

private:
    MemoryBoard board_;
};

}  // namespace

TEST(RandomSequences, coreFollowsTheModelOverOneThousandSequences) {
    const model::SystemFactory fresh = [] { return std::make_unique<CoreUnderTest>(); };
    for (std::uint32_t seed = 1; seed <= 1000; ++seed) {
        const std::string failure = model::checkRandomSequence(seed, 40, fresh);
        ASSERT_EQ(failure, "");
    }
}

// The checker itself must catch a system that strays from the model, and shrink it.
TEST(RandomSequences, aFaultyCoreIsCaughtWithAShortSequence) {
    class ForgetsToClear final : public model::SystemUnderTest {
    public:
        void apply(const model::Step& step) override {
            inner_.apply(step);
            if (step.kind == model::Step::Reset)
                stale_ = true;
        }
        model::Snapshot snapshot() const override {
            model::Snapshot s = inner_.snapshot();
            if (stale_)
                s.answer = "stale";
            return s;
        }

    private:
        CoreUnderTest inner_;
        bool stale_ = false;
    };
    const model::SystemFactory fresh = [] { return std::make_unique<ForgetsToClear>(); };
    std::string failure;
    for (std::uint32_t seed = 1; failure.empty() && seed < 1000; ++seed)
        failure = model::checkRandomSequence(seed, 40, fresh);
    EXPECT_NE(failure.find("fails; shortest failing sequence:\n  Reset\nexpected:"),
              std::string::npos)
        << failure;
}
