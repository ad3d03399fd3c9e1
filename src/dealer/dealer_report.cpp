#include "dealer_report.h"

namespace tavolix {

void write_dealer_combination(ReportFile& file, const TableState& state, int column,
                              Integer total) {
    static constexpr const char* kWords[] = {"", " Vin", " Par", " Perde", " SBALLA"};
    for (int i = 1; i <= state.banco_count; ++i) {
        file.number(state.banco_cards[i]);
    }
    file.text(" | ");
    for (int i = 1; i <= state.draw_pos; ++i) {
        file.number(state.draw_seq[i]);
    }
    file.text(", SUM=").number(total).text(kWords[column]).end_line();
}

std::optional<std::string> write_dealer_results(const TableState& state,
                                                const std::filesystem::path& path,
                                                char decimal_separator) {
    const auto& results = state.draw_stats[0];
    ReportFile file(path, decimal_separator);
    file.text("VIN =").number(results[kDealerWins]).end_line();
    file.text("PAR =").number(results[kPush]).end_line();
    file.text("Per =").number(results[kDealerLoses]).end_line();
    file.text("SBA =").number(results[kBust]).end_line();
    file.end_line();
    const double sum =
        results[kDealerWins] + results[kPush] + results[kDealerLoses] + results[kBust];
    file.text("SUM =").number(sum).end_line();
    return file.commit();
}

}  // namespace tavolix
