// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "dealer_panel.h"

#include <array>
#include <optional>

#include "core/draw_walk.h"
#include "core/number_text.h"

namespace tavolix {

namespace {

using Percentages = std::array<std::optional<float>, 4>;  // win, push, lose, bust

// A heading and one line per outcome; an outcome without a percentage leaves
// an empty line, so the lines below keep their places.
std::string panel_column(const std::string& heading, const Percentages& percentages,
                         const ModelWords& words) {
    std::string text = heading + kPanelLineEnd;
    for (std::size_t i = 0; i < percentages.size(); ++i) {
        if (percentages[i]) {
            text += words.dealer_outcomes[i];
            text += FormatDec(*percentages[i], 7, "0.00");
            text += '%';
        }
        text += kPanelLineEnd;
    }
    return text;
}

}  // namespace

PanelTexts dealer_panel(const TableState& state, const ModelWords& words) {
    Percentages all;
    Percentages first;
    for (int h = kDealerWins; h <= kBust; ++h) {
        if (state.draw_stats[0][h] != 0) {
            all[h - 1] = static_cast<float>(state.draw_stats[0][h] * 100);
        }
        if (state.draw_stats[1][h] != 0) {
            first[h - 1] = static_cast<float>(first_card_share(state.draw_stats, h) * 100);
        }
    }
    return {.prima_carta = panel_column(words.first_card, first, words),
            .tutte_combinazioni = panel_column(words.all_sequences, all, words)};
}

}  // namespace tavolix
