#include <QCoreApplication>
#include <iostream>

#include "command_line.h"
#include "i18n/translation.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavolix-calc"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVOLIX_VERSION));
    // Messages and help stay English; the table's text follows the system's
    // language, as the window does.
    tavolix::i18n::install_system_translation(app);
    std::ios::sync_with_stdio(false);
    return tavolix::cli::run_command_line(QCoreApplication::arguments(), std::cin, std::cout,
                                          std::cerr);
}
