// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "analysis_controls.h"

#include "display_text.h"
#include "form1_controls.h"

namespace tavolix::ui {

AnalysisControls build_analysis_controls(QWidget& form) {
    for (const ControlSpec& control : analysis_controls()) {
        build_control(form, control);
    }
    AnalysisControls controls;
    controls.Command5 = form.findChild<QPushButton*>(QStringLiteral("Command5"));
    controls.Frame5 = form.findChild<QGroupBox*>(QStringLiteral("Frame5"));
    controls.Label21 = form.findChild<QLabel*>(QStringLiteral("Label21"));
    controls.Label22 = form.findChild<QLabel*>(QStringLiteral("Label22"));
    controls.Label23 = form.findChild<QLabel*>(QStringLiteral("Label23"));
    controls.Label24 = form.findChild<QLabel*>(QStringLiteral("Label24"));
    controls.Label25 = form.findChild<QLabel*>(QStringLiteral("Label25"));
    controls.Label22->setTextFormat(Qt::RichText);
    controls.Frame5->hide();
    return controls;
}

void show_analysis(const AnalysisControls& controls, const AnalysisPanel& panel,
                   const std::string& plain_title) {
    controls.Frame5->setTitle(QString::fromStdString(panel.empty() ? plain_title : panel.title));
    controls.Label21->setText(display_text(panel.heading));
    QString rows;
    for (int row = 0; row < static_cast<int>(panel.rows.size()) && !panel.empty(); ++row) {
        QString line =
            QString::fromStdString(panel.rows[static_cast<std::size_t>(row)]).toHtmlEscaped();
        if (row == panel.best_row) {
            line = QStringLiteral("<b>") + line + QStringLiteral("</b>");
        }
        if (row == panel.chosen_row) {
            line = QStringLiteral("<u>") + line + QStringLiteral("</u>");
        }
        rows += (row > 0 ? QStringLiteral("<br>") : QString()) + line;
    }
    controls.Label22->setText(rows.isEmpty() ? QString()
                                             : QStringLiteral("<div style=\"white-space:pre\">") +
                                                   rows + QStringLiteral("</div>"));
    controls.Label23->setText(display_text(panel.legend));
    controls.Label24->setText(display_text(panel.advice));
    controls.Label25->setText(display_text(panel.actions));
}

}  // namespace tavolix::ui
