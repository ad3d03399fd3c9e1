// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tavolix {

// A translatable text with its %1 .. %9 put in, as Qt's arg() does but in
// one pass: a value that itself holds "%1" is not filled in again, and a mark
// with no value stays as it is.
std::string with_values(std::string_view text, std::initializer_list<std::string_view> values);

}  // namespace tavolix
