// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/card_entry.h"
#include "model/form1_model.h"
#include "report_dir.h"

namespace tavolix {
namespace {

// The player's manual shows result panels of the window for a few hands. A
// reader compares them with the screen, so each must be the very text the
// window shows for that hand, blanks and empty lines included.
struct ManualHand {
    const char* name;
    std::vector<int> banco_faces;  // 1 = A ... 13 = K
    std::vector<int> player_faces;
    int stand_at;
    bool shows_banco_panel;  // the manual shows the player's panel always
};

void PrintTo(const ManualHand& hand, std::ostream* out) {
    *out << hand.name;
}

std::string manual_text() {
    std::string text = testing::read_file(TAVOLIX_MANUAL_PATH);
    // The manual writes ">" of ">= 17" as an entity; the window has the character.
    for (const auto& [entity, character] : std::vector<std::pair<std::string, std::string>>{
             {"&gt;", ">"}, {"&lt;", "<"}, {"&amp;", "&"}}) {
        for (auto at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1)) {
            text.replace(at, entity.size(), character);
        }
    }
    return text;
}

// A label's caption as a preformatted block of the manual: its LF CR line
// ends become plain line feeds.
std::string as_manual_block(const std::string& caption) {
    std::string block = "<pre>";
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption.compare(i, 2, "\n\r") == 0) {
            block += '\n';
            ++i;
        } else {
            block += caption[i];
        }
    }
    return block + "</pre>";
}

class ManualFigures : public ::testing::TestWithParam<ManualHand> {};

TEST_P(ManualFigures, are_the_panels_the_window_shows_for_the_hand) {
    const ManualHand& hand = GetParam();
    Form1Model model;
    model.Form_Load();
    model.Combo1_Click(hand.stand_at - 12);
    for (const int face : hand.banco_faces) {
        model.Label3_Click(pad_index(Side::Banco, static_cast<Integer>(face)));
    }
    for (const int face : hand.player_faces) {
        model.Label3_Click(pad_index(Side::Player, static_cast<Integer>(face)));
    }
    ASSERT_GE(model.calculations(), 1);

    const std::string manual = manual_text();
    const Form1Captions& captions = model.captions();
    std::vector<std::string> columns{captions.Label13, captions.Label10};
    if (hand.shows_banco_panel) {
        columns.push_back(captions.Label12);
        columns.push_back(captions.Label9);
    }
    for (const std::string& column : columns) {
        const std::string block = as_manual_block(column);
        EXPECT_NE(manual.find(block), std::string::npos) << "the manual lacks\n" << block;
    }
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, ManualFigures,
    ::testing::Values(ManualHand{"banco_10_giocatore_10_8", {10}, {10, 8}, 17, true},
                      ManualHand{"banco_10_giocatore_10_2", {10}, {10, 2}, 17, false}),
    [](const ::testing::TestParamInfo<ManualHand>& param_info) {
        return std::string(param_info.param.name);
    });

}  // namespace
}  // namespace tavolix
