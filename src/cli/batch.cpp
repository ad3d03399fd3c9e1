#include "batch.h"

#include <QJsonDocument>
#include <string>

#include "json_output.h"
#include "table_request.h"
#include "table_run.h"

namespace tavolix::cli {

namespace {

void write_line(std::ostream& out, const QJsonObject& object) {
    const QByteArray json = QJsonDocument(object).toJson(QJsonDocument::Compact);
    out.write(json.constData(), json.size());
    out.put('\n');
}

}  // namespace

bool run_batch(std::istream& in, std::ostream& out, int default_stand, bool with_analysis) {
    bool all_good = true;
    long long number = 0;
    std::string line;
    while (std::getline(in, line)) {
        ++number;
        auto parsed = parse_batch_line(line, default_stand);
        if (std::holds_alternative<SkippedLine>(parsed)) {
            continue;
        }
        std::variant<TableOutcome, InputError> result =
            std::holds_alternative<InputError>(parsed)
                ? std::variant<TableOutcome, InputError>(std::get<InputError>(std::move(parsed)))
                : run_table(std::get<TableRequest>(parsed));
        if (const auto* error = std::get_if<InputError>(&result)) {
            all_good = false;
            write_line(out, error_json(number, error->message));
        } else {
            write_line(out, table_json(std::get<TableOutcome>(result), with_analysis));
        }
    }
    out.flush();
    return all_good;
}

}  // namespace tavolix::cli
