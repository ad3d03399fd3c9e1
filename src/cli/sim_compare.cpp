// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "sim_compare.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "exit_status.h"
#include "message.h"
#include "model/game_comparison.h"
#include "sim_session.h"

namespace tavolix::cli {

namespace {

// Far more games than anyone plays in turn; a larger file (or a device
// that never ends) is not a list of games.
constexpr std::size_t kMostBytes = 1 << 20;

// The file's text, or why it cannot be read.
std::variant<std::string, std::string> file_text(const std::string& path) {
    const auto failed = [&](const std::string& why) {
        return std::variant<std::string, std::string>(std::in_place_index<1>, why);
    };
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return failed(stream_failure("cannot read " + path, errno));
    }
    std::string text(kMostBytes + 1, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (file.bad()) {
        return failed(stream_failure("cannot read " + path, errno));
    }
    text.resize(static_cast<std::size_t>(file.gcount()));
    if (text.size() > kMostBytes) {
        return failed(path + " is larger than 1 MB: not a list of games");
    }
    return std::variant<std::string, std::string>(std::in_place_index<0>, std::move(text));
}

// A game's JSON object with its label first.
std::string labelled_json(const std::string& label, const std::string& object) {
    return "{\n  \"game\": " + json_text(label) + ",\n" + object.substr(2);
}

}  // namespace

int run_comparison(const SimRequest& request, std::ostream& out, std::ostream& err, bool progress,
                   std::stop_token stop, simulation::PreparedStrategies* known) {
    simulation::PreparedStrategies own;
    simulation::PreparedStrategies* kept = known != nullptr ? known : &own;
    const std::string& path = *request.compare;
    auto text = file_text(path);
    if (text.index() == 1) {
        return sim_fail(err, std::get<1>(text), kExitBadInput);
    }
    auto listed = compared_games(std::get<0>(text), request.common);
    if (const auto* fault = std::get_if<GameListFault>(&listed)) {
        return sim_fail(err,
                        path + (fault->line > 0 ? " line " + std::to_string(fault->line) : "") +
                            ": " + fault->message,
                        kExitBadInput);
    }
    const auto& games = std::get<std::vector<ComparedGame>>(listed);

    std::vector<ComparedResult> results;
    for (std::size_t at = 0; at < games.size() && !stop.stop_requested(); ++at) {
        const std::string label =
            "game " + std::to_string(at + 1) + " of " + std::to_string(games.size());
        err << label << ": " << games[at].label << '\n' << std::flush;
        SimRequest shown;
        static_cast<SimulationRequest&>(shown) = games[at].request;
        SimRequest pilot = pilot_request(shown);
        RunWatch pilot_watch(pilot, simulation::fresh_state(pilot.options), err, progress,
                             label + ", pilot: ");
        std::optional<RunWatch> watch;
        auto report = run_request(
            games[at].request,
            [&](const RequestProgress& now) {
                if (now.phase == RequestProgress::Phase::pilot) {
                    simulation::RunState state;
                    state.sums.rounds_dealt = now.dealt;
                    pilot_watch.on_block(state);
                    return;
                }
                if (!watch) {
                    pilot_watch.finish({});
                    watch.emplace(shown, simulation::fresh_state(shown.options), err, progress,
                                  label + ": ");
                }
                watch->on_block(*now.state);
            },
            stop, kept);
        pilot_watch.finish({});
        if (watch) {
            watch->finish({});
        }
        ComparedResult result{.game = games[at]};
        if (auto* error = std::get_if<std::string>(&report)) {
            result.error = std::move(*error);
        } else {
            result.report = std::get<SimulationReport>(std::move(report));
        }
        if (stop.stop_requested()) {
            return sim_fail(err,
                            "stopped during game " + std::to_string(at + 1) + " of " +
                                std::to_string(games.size()),
                            kExitStopped);
        }
        results.push_back(std::move(result));
    }

    std::string written;
    if (request.json) {
        written = "[";
        for (const std::size_t at : score_order(results)) {
            const ComparedResult& result = results[at];
            SimRequest single = request;
            static_cast<SimulationRequest&>(single) = result.game.request;
            single.json = true;
            const std::string object = result.report
                                           ? report_output(single, *result.report)
                                           : "{\n  \"error\": " + json_text(result.error) + "\n}\n";
            written +=
                (written.size() > 1 ? ",\n" : "\n") + labelled_json(result.game.label, object);
            while (written.ends_with('\n')) {
                written.pop_back();
            }
        }
        written += "\n]\n";
    } else {
        written = comparison_text(results);
    }
    errno = 0;
    out << written;
    if (!out.flush()) {
        return sim_fail(err, stream_failure("cannot write standard output", errno),
                        kExitStreamFailed);
    }
    int status = kExitOk;
    for (std::size_t at = 0; at < results.size(); ++at) {
        if (!results[at].report) {
            status = sim_fail(err,
                              "game " + std::to_string(at + 1) + " (" + results[at].game.label +
                                  ") was not played: " + results[at].error,
                              kExitBadInput);
        }
    }
    return status;
}

}  // namespace tavolix::cli
