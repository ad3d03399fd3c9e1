// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers
//
// Reads the input as a kept shoe, as the window does at start. A file is taken
// whole or refused with a reason: what is taken must write back to the same
// shoe, fit its decks, and come into a fresh model exactly; nothing read may
// leave a model half-restored.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "core/card_entry.h"
#include "model/form1_model.h"
#include "model/shoe_file.h"

namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "kept shoe: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavolix;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto read = read_shoe_file(text);
    Form1Model model;
    model.Form_Load();
    const ShoeState fresh = model.shoe_state();
    if (const auto* error = std::get_if<ShoeFileError>(&read)) {
        if (error->message.empty() || error->message.find('\n') != std::string::npos) {
            fail("a refusal that is not one line");
        }
        return 0;
    }
    const ShoeState& shoe = std::get<ShoeState>(read);
    const auto again = read_shoe_file(shoe_file_text(shoe));
    if (!std::holds_alternative<ShoeState>(again) || !(std::get<ShoeState>(again) == shoe)) {
        fail("a shoe read does not write back to itself");
    }
    if (!model.restore_shoe(shoe)) {
        if (!(model.shoe_state() == fresh)) {
            fail("a refused shoe changed the model");
        }
        fail("a shoe read whole does not fit an empty table");
    }
    if (!(model.shoe_state() == shoe) || !hands_fit_shoe(model.state(), model.state().deck_count)) {
        fail("the model holds another shoe than the one read");
    }
    return 0;
}
