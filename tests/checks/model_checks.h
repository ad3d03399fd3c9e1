#pragma once

#include <string>

#include "model/form1_model.h"

namespace tavolix::checks {

// The first invariant of the hands and their captions that the model breaks,
// or an empty text when all hold: counts 0..11, card values equal to the faces
// capped at 10, texts and captions listing exactly those faces, totals of at
// most 21, no face more than 4 x deck_count times in one hand, and the
// threshold matching the list's selection.
std::string broken_invariant(const Form1Model& model);

// The four result captions that a calculation on a brand-new table with the
// same hands and threshold shows; all empty when the hands are too small.
Form1Captions fresh_panels(const TableState& state);

// Compares the result captions after one action: a calculation must show what
// a fresh one shows; any other action keeps them, or clears the sides it
// cancelled. Returns what differs, or an empty text.
std::string broken_panels(const Form1Captions& before, const Form1Model& model, bool calculated,
                          bool clears_banco, bool clears_player);

}  // namespace tavolix::checks
