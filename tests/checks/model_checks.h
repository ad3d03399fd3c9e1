// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <string>

#include "model/form1_model.h"

namespace tavolix::checks {

// The first invariant of the hands and their captions that the model breaks,
// or an empty text when all hold: counts 0..21, card values equal to the faces
// capped at 10, texts and captions listing exactly those faces, totals of at
// most 21, no face more than 4 x deck_count times in one hand, both hands
// within the shoe, the threshold and the decks matching their lists, and the
// rule line and the view showing the table's rules.
std::string broken_invariant(const Form1Model& model);

// The four result captions that a calculation on a brand-new table with the
// same hands, threshold, decks and rules shows; all empty when the hands are too small.
Form1Captions fresh_panels(const TableState& state);

// Compares the result captions after one action: a calculation must show what
// a fresh one shows; any other action keeps them, or clears the sides it
// cancelled. Returns what differs, or an empty text.
std::string broken_panels(const Form1Captions& before, const Form1Model& model, bool calculated,
                          bool clears_banco, bool clears_player);

}  // namespace tavolix::checks
