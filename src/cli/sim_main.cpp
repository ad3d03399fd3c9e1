// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <unistd.h>

#include <QCoreApplication>
#include <iostream>
#include <thread>

#include "argument_text.h"
#include "exit_status.h"
#include "sim_options.h"
#include "sim_session.h"
#include "sim_signals.h"

int main(int argc, char* argv[]) {
    tavolix::cli::hold_simulation_stop_signals();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavolix-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVOLIX_VERSION));
    std::ios::sync_with_stdio(false);
    auto parsed = tavolix::cli::parse_sim_arguments(tavolix::cli::argument_texts(argc, argv));
    if (const auto* error = std::get_if<std::string>(&parsed)) {
        return tavolix::cli::sim_fail(std::cerr, *error, tavolix::cli::kExitBadInput);
    }
    if (const auto* info = std::get_if<tavolix::cli::SimInfo>(&parsed)) {
        std::cout << info->text << std::flush;
        return std::cout ? tavolix::cli::kExitOk : tavolix::cli::kExitStreamFailed;
    }
    std::stop_source run;
    std::jthread watcher(tavolix::cli::watch_simulation_stop_signals, run);
    return tavolix::cli::run_simulation(std::get<tavolix::cli::SimRequest>(parsed), std::cout,
                                        std::cerr, ::isatty(STDERR_FILENO) == 1, run.get_token());
}
