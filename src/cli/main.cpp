// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <cerrno>
#include <iostream>

#include "argument_text.h"
#include "command_line.h"
#include "i18n/translation.h"
#include "message.h"

namespace {

// A standard descriptor that the caller closed would go to the first file
// opened, a report's among them, and the figures with it. Each such place is
// held by /dev/null opened the wrong way round, so that using it fails.
void hold_closed_standard_descriptors() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            ::open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    hold_closed_standard_descriptors();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavolix-calc"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVOLIX_VERSION));
    // Messages and help stay English; the table's text follows the system's
    // language, as the window does.
    tavolix::i18n::install_system_translation(app);
    std::ios::sync_with_stdio(false);
    const int status = tavolix::cli::run_command_line(tavolix::cli::argument_texts(argc, argv),
                                                      std::cin, std::cout, std::cerr);
    // Some file systems report a failed write only when the file is closed.
    if (::close(STDOUT_FILENO) != 0 && errno != EBADF &&
        status != tavolix::cli::kExitStreamFailed) {
        return tavolix::cli::fail(
            std::cerr, tavolix::cli::stream_failure("cannot write standard output", errno),
            tavolix::cli::kExitStreamFailed);
    }
    return status;
}
