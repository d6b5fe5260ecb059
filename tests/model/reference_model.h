// An independent model of what the user sees, written from the behaviour rather than from
// the program's code, and the random step sequences that the tests check against it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace model {

constexpr int kBoxes = 18;  // boxes are numbered 1 to 18, as on the window

struct Snapshot {
    std::array<int, kBoxes + 1> values{};  // index 0 unused
    std::array<bool, kBoxes + 1> enabled{};
    std::string answer;

    bool operator==(const Snapshot&) const = default;
};

std::string describe(const Snapshot& snapshot);

struct Step {
    enum Kind { UserClick, Reset, CodeWrite } kind;
    int box;    // 1 to 18; unused by Reset
    int value;  // written by CodeWrite: 0, 1 or 2

    std::string describe() const;
};

class ReferenceModel {
public:
    ReferenceModel();

    const Snapshot& state() const { return state_; }
    void apply(const Step& step);

private:
    void write(int box, int value);
    void handle(int box);

    Snapshot state_;
};

// A random step that a user or code could take in `state`: user clicks go to enabled boxes.
Step randomStep(std::mt19937& random, const Snapshot& state);

// The program as the tests drive it: the pairing core alone, or the real window.
class SystemUnderTest {
public:
    virtual ~SystemUnderTest() = default;
    virtual void apply(const Step& step) = 0;
    virtual Snapshot snapshot() const = 0;
};
using SystemFactory = std::function<std::unique_ptr<SystemUnderTest>()>;

// Runs the random sequence of at most `maxSteps` steps that `seed` gives on a fresh system
// and on the model, comparing them after every step. On a mismatch returns a report with
// the seed, the shortest sequence found that still fails and the two states it ends in;
// an empty string when all is well.
std::string checkRandomSequence(std::uint32_t seed, int maxSteps, const SystemFactory& fresh);

}  // namespace model
