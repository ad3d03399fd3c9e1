// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers
//
// Run by the configuration: checks the two web link addresses, each read
// from a file named on the command line, with the window's own rule.
#include <QFile>
#include <cstdio>

#include "ui/web_link_rule.cpp"

namespace {

QString read_address(const char* path) {
    QFile file(QString::fromLocal8Bit(path));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        return 2;
    }
    const QString problem =
        tavolix::ui::web_links_problem(read_address(argv[1]), read_address(argv[2]));
    std::fputs(problem.toUtf8().constData(), stdout);
    return problem.isEmpty() ? 0 : 1;
}
