// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/table_rules.h"
#include "core/table_state.h"

namespace tavolix::testing {

// Whether the tests run under AddressSanitizer, where the longest loops over
// random tables take a smaller sample.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kSanitized = true;
#else
inline constexpr bool kSanitized = false;
#endif
#else
inline constexpr bool kSanitized = false;
#endif

// A table as the calculate command leaves it just before the engines run:
// the hands given as face numbers (1 = A ... 13 = K), totals and soft flags
// stored, one deck unless told, reports off.
TableState make_table(std::initializer_list<int> banco_faces,
                      std::initializer_list<int> player_faces, int stand_at = 17, int decks = 1);
TableState make_table(const std::vector<int>& banco_faces, const std::vector<int>& player_faces,
                      int stand_at = 17, int decks = 1);

// "dealer 1 10, player 5 6 at 17": a table's faces and threshold, for messages.
std::string describe_table(const std::vector<int>& banco_faces,
                           const std::vector<int>& player_faces, int stand_at);

// The rules of a shorthand text that must parse; a refusal fails the test.
TableRules rules_of(std::string_view text);

// Every combination of the rules' settings, whether parse_rules takes it or
// not, and only those that it takes back from their canonical text.
std::vector<TableRules> every_combination_of_rules();
std::vector<TableRules> every_valid_rules();

}  // namespace tavolix::testing
