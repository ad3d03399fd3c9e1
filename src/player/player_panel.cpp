// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "player_panel.h"

#include "core/draw_walk.h"
#include "core/number_text.h"

namespace tavolix {

namespace {

std::string panel_column(const std::string& heading, Integer stand_at, double stand, double bust,
                         const ModelWords& words) {
    std::string text = heading + kPanelLineEnd;
    text += ">= " + std::to_string(stand_at) + "  =";
    text += FormatDec(static_cast<float>(stand * 100), 7, "0.00") + "%" + kPanelLineEnd;
    text += words.player_bust;
    text += FormatDec(static_cast<float>(bust * 100), 7, "0.00") + "%" + kPanelLineEnd;
    return text;
}

}  // namespace

PanelTexts player_panel(const TableState& state, const ModelWords& words) {
    const auto& results = state.draw_stats[0];
    return {.prima_carta = panel_column(words.first_card, state.stand_at,
                                        first_card_share(state.draw_stats, kStandColumn),
                                        first_card_share(state.draw_stats, kBust), words),
            .tutte_combinazioni = panel_column(words.all_sequences, state.stand_at,
                                               results[kStandColumn], results[kBust], words)};
}

}  // namespace tavolix
