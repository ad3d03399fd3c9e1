// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QString>

namespace tavolix::ui {

// What is wrong with the two addresses of the window's footer, or an empty
// text when they are fine. Each must be what Qt accepts when opening it (a
// valid URL in strict mode), http or https, and shown exactly as it opens;
// the home page ends in "/", the manual is a page under it.
// The build applies the same rule when it is configured.
QString web_links_problem(const QString& home, const QString& manual);

}  // namespace tavolix::ui
