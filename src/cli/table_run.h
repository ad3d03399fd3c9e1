#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/engine_run.h"
#include "core/exact_walk.h"
#include "core/table_state.h"
#include "table_request.h"

namespace tavolix::cli {

// What one engine's side of the window shows after a calculation, with the
// tallies behind it and the path-weighted figures beside them.
struct SideOutcome {
    std::string text;           // the hand as its label shows it: " 10 8"
    std::string total_caption;  // "Somma = 18"
    Integer sum = 0;
    bool soft = false;
    DrawStats draw_stats{};
    Integer draw_depth = 0;
    std::int64_t sequences = 0;
    OutcomeChances exact{};
    PanelTexts panel;  // the texts of the side's two result labels
};

struct TableOutcome {
    int stand_at = kDefaultStand;
    SideOutcome banco;
    SideOutcome player;
    std::vector<std::string> report_errors;
};

// Runs one table through the window's model: start-up, the threshold picked
// in its list, then every card clicked on its pad in order, dealer first.
// A card that the pads would refuse is an error naming the card, so no
// figures are ever given for a hand other than the one asked for. With a
// report directory the model writes its report files there.
std::variant<TableOutcome, InputError> run_table(
    const TableRequest& request,
    const std::optional<std::filesystem::path>& report_directory = std::nullopt);

}  // namespace tavolix::cli
