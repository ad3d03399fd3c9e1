// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "message_text.h"

#include <cstdio>

namespace tavolix {

Utf8Character utf8_character_at(std::string_view text, std::size_t at) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) {
        return {1, lead};
    }
    std::size_t length = 0;
    char32_t code = 0;
    char32_t lowest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, code = lead & 0x1F, lowest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code = lead & 0x0F, lowest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code = lead & 0x07, lowest = 0x10000;
    } else {
        return {};
    }
    if (text.size() - at < length) {
        return {};
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            return {};
        }
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return {};
    }
    return {length, code};
}

std::string printable(std::string_view text, std::size_t longest) {
    std::string out;
    std::size_t at = 0;
    while (at < text.size()) {
        const Utf8Character character = utf8_character_at(text, at);
        const std::size_t length = character.length == 0 ? 1 : character.length;
        if (at + length > longest) {
            return out + "...";
        }
        // C1 controls (U+0080..U+009F) start escape sequences on some terminals too.
        const bool plain = character.length != 0 && character.code >= 0x20 &&
                           character.code != 0x7F &&
                           !(character.code >= 0x80 && character.code < 0xA0) &&
                           character.code != '"' && character.code != '\\';
        if (plain) {
            out.append(text.substr(at, length));
        } else {
            for (std::size_t i = at; i < at + length; ++i) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\x%02x",
                              static_cast<unsigned char>(text[i]));
                out += escape;
            }
        }
        at += length;
    }
    return out;
}

std::string quoted_printable(std::string_view text, std::size_t longest) {
    // Appended, not "\"" + printable(...): GCC 12 at -O3 sees a false
    // overlap (-Wrestrict) in the inlined operator+ of a literal and a
    // temporary string.
    std::string quoted = "\"";
    quoted += printable(text, longest);
    quoted += '"';
    return quoted;
}

}  // namespace tavolix
