// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "form1_layout.h"
#include "model/analysis_panel.h"

namespace tavolix::ui {

// The exact analysis beside the window: the button Command5 in the footer and
// the panel Frame5 to the right of the window's own width, shown only while the
// window is widened for it; analysis_controls() places them.
struct AnalysisControls {
    QPushButton* Command5 = nullptr;
    QGroupBox* Frame5 = nullptr;
    QLabel* Label21 = nullptr;  // the columns' names
    QLabel* Label22 = nullptr;  // a row per threshold 12..21
    QLabel* Label23 = nullptr;  // what the marks mean
    QLabel* Label24 = nullptr;  // "Consiglio: ..."
    QLabel* Label25 = nullptr;  // the EV of each play, up to three lines
};

// Creates the button and the hidden panel inside `form`.
AnalysisControls build_analysis_controls(QWidget& form);

// The model's texts in the panel, the best row in bold and the chosen
// threshold's row underlined, beside their marks. The frame carries the
// panel's title, which may qualify the figures, and `plain_title` while the
// panel is empty.
void show_analysis(const AnalysisControls& controls, const AnalysisPanel& panel,
                   const std::string& plain_title);

}  // namespace tavolix::ui
