// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

namespace tavolix::cli {

// Program arguments are bytes, and a directory name need not be UTF-8. The
// parser works on QString, so each argument is decoded without loss: valid
// UTF-8 as text, and any other byte as a lone surrogate U+DC80..U+DCFF, which
// no text decoded from UTF-8 can hold. argument_bytes() gives the exact
// bytes back.
QString argument_text(std::string_view bytes);
QStringList argument_texts(int argc, const char* const argv[]);
std::string argument_bytes(const QString& text);

}  // namespace tavolix::cli
