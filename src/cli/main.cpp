#include <QCoreApplication>
#include <iostream>

#include "command_line.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavolix-calc"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVOLIX_VERSION));
    std::ios::sync_with_stdio(false);
    return tavolix::cli::run_command_line(QCoreApplication::arguments(), std::cin, std::cout,
                                          std::cerr);
}
