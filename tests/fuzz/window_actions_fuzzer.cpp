// Plays the input as clicks on the window's model: pad labels, both cancels,
// new game, thresholds and calculate. After every action the hands must keep
// their invariants, and the panels must be what the action leaves: a fresh
// calculation of the same hands, or the earlier texts kept or cleared.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "checks/model_checks.h"
#include "checks/user_actions.h"

namespace {

// Long inputs add nothing that a sequence of this many actions cannot reach,
// and keep every run quick.
constexpr std::size_t kMaxActions = 96;

[[noreturn]] void fail(std::size_t step, const tavolix::checks::UserAction& action,
                       const std::string& what) {
    std::fprintf(stderr, "after action %zu (%s): %s\n", step, action.describe().c_str(),
                 what.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavolix;
    Form1Model model;
    model.Form_Load();
    for (std::size_t i = 0; i < size && i < kMaxActions; ++i) {
        const auto action = checks::decode_action(data[i], i + 1 < size ? data[i + 1] : 0);
        const Form1Captions before = model.captions();
        const int calculations = model.calculations();
        checks::perform(model, action);
        const bool calculated = model.calculations() != calculations;
        if (model.calculations() > calculations + 1) {
            fail(i, action, "more than one calculation for one action");
        }
        if (auto broken = checks::broken_invariant(model); !broken.empty()) {
            fail(i, action, broken);
        }
        if (auto broken = checks::broken_panels(before, model, calculated, action.clears_banco(),
                                                action.clears_player());
            !broken.empty()) {
            fail(i, action, broken);
        }
    }
    return 0;
}
