// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "argument_text.h"

#include "core/message_text.h"

namespace tavolix::cli {

namespace {

constexpr char16_t kEscapedByte = 0xDC00;  // plus the byte, 0x80..0xFF

void append_utf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

QString argument_text(std::string_view bytes) {
    QString text;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const Utf8Character character = utf8_character_at(bytes, at);
        if (character.length == 0) {
            text += QChar(kEscapedByte + static_cast<unsigned char>(bytes[at]));
            ++at;
        } else {
            const char32_t code = character.code;
            text += QString::fromUcs4(&code, 1);
            at += character.length;
        }
    }
    return text;
}

QStringList argument_texts(int argc, const char* const argv[]) {
    QStringList texts;
    for (int i = 0; i < argc; ++i) {
        texts << argument_text(argv[i]);
    }
    return texts;
}

std::string argument_bytes(const QString& text) {
    std::string bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            append_utf8(bytes, QChar::surrogateToUcs4(unit, text[++i].unicode()));
        } else if (unit >= kEscapedByte + 0x80 && unit <= kEscapedByte + 0xFF) {
            bytes += static_cast<char>(unit - kEscapedByte);
        } else {
            append_utf8(bytes, unit);
        }
    }
    return bytes;
}

}  // namespace tavolix::cli
