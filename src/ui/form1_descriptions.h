// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <string>

#include "form1_controls.h"

namespace tavolix::ui {

// Gives every control of the window what a screen reader says of it (an
// accessible name and, where it helps, a description) and what a tooltip
// says, in the user's language. A control that this build lacks is skipped.
// `face_names` are the card texts by face number.
void describe_controls(QWidget& form, const Form1Controls& controls,
                       const std::array<std::string, 14>& face_names);

// Brings the descriptions of the hands, totals and result panels up to what
// they show now.
void describe_captions(const Form1Controls& controls);

// The text of the "Informazioni su Tavolix" box: version, licence, web address.
QString about_text();

}  // namespace tavolix::ui
