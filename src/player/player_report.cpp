#include "player_report.h"

namespace tavolix {

void write_player_combination(ReportFile& file, const TableState& state, int column,
                              Integer total) {
    for (int i = 1; i <= state.player_count; ++i) {
        file.number(state.player_cards[i]);
    }
    file.text(" | ");
    for (int i = 1; i <= state.draw_pos; ++i) {
        file.number(state.draw_seq[i]);
    }
    file.text(", SUM=").number(total);
    file.text(column == kBust ? " SBALLA" : " => Stare").end_line();
}

std::optional<std::string> write_player_results(const TableState& state,
                                                const std::filesystem::path& path,
                                                char decimal_separator) {
    const auto& results = state.draw_stats[0];
    ReportFile file(path, decimal_separator);
    file.text(">= Stare =").number(results[kStandColumn]).end_line();
    file.text("Sballa   =").number(results[kBust]).end_line();
    file.end_line();
    file.text("SUM =").number(results[kStandColumn] + results[kBust]).end_line();
    return file.commit();
}

}  // namespace tavolix
