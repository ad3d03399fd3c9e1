// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavolix {

// One character of UTF-8 text at `at`: its length in bytes and its code
// point, or a length of 0 when the bytes there are not a valid character
// (a stray or missing continuation byte, an overlong form, a surrogate).
struct Utf8Character {
    std::size_t length = 0;
    char32_t code = 0;
};
Utf8Character utf8_character_at(std::string_view text, std::size_t at);

// Text from outside the program (a path, an argument, a line of input) made
// safe for a one-line message: control characters, bytes that are not valid
// UTF-8, '"' and '\' are written as \xNN, so no escape sequence reaches the
// terminal and no newline splits the message. With `longest`, no more than
// that many bytes of `text` are used, never half a character, and "..."
// marks the cut.
std::string printable(std::string_view text, std::size_t longest = std::string_view::npos);

// The same between double quotes, as a message names what it quotes.
std::string quoted_printable(std::string_view text, std::size_t longest = std::string_view::npos);

}  // namespace tavolix
