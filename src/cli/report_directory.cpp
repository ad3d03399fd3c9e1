#include "report_directory.h"

#include <QDir>
#include <QTemporaryFile>

namespace tavolix::cli {

std::optional<std::string> report_directory_problem(const std::filesystem::path& directory) {
    const std::string name = "\"" + directory.string() + "\"";
    std::error_code code;
    const auto status = std::filesystem::status(directory, code);
    if (code) {
        return name + ": " + code.message();
    }
    if (!std::filesystem::is_directory(status)) {
        return name + " is not a directory";
    }
    // Permissions alone do not tell (root ignores them, a read-only mount
    // does not show in them): try a file.
    QTemporaryFile probe(QDir(QString::fromStdString(directory.string()))
                             .filePath(QStringLiteral(".tavolix-calc-XXXXXX")));
    if (!probe.open()) {
        return "cannot create files in " + name + ": " + probe.errorString().toStdString();
    }
    return std::nullopt;
}

}  // namespace tavolix::cli
