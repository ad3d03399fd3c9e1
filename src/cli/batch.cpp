// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "batch.h"

#include <QJsonDocument>
#include <array>
#include <cerrno>
#include <limits>
#include <string>

#include "exit_status.h"
#include "json_output.h"
#include "message.h"
#include "table_request.h"
#include "table_run.h"

namespace tavolix::cli {

namespace {

enum class LineRead { line, too_long, end, failed };

// Reads one line into `buffer` without the newline. A line too long for the
// buffer is skipped to its end, so that memory stays bounded whatever comes.
LineRead read_line(std::istream& in, std::array<char, kLongestBatchLine + 1>& buffer,
                   std::string_view& line) {
    errno = 0;
    in.getline(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    if (in.bad()) {
        return LineRead::failed;
    }
    if (in.fail() && !in.eof() && in.gcount() > 0) {
        in.clear();
        in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
        return in.bad() ? LineRead::failed : LineRead::too_long;
    }
    if (in.gcount() == 0) {
        return LineRead::end;
    }
    // gcount counts the newline too, unless the input ended first; a NUL byte
    // stays part of the line.
    const auto length = static_cast<std::size_t>(in.gcount()) - (in.eof() ? 0 : 1);
    line = std::string_view(buffer.data(), length);
    return LineRead::line;
}

void write_line(std::ostream& out, const QJsonObject& object) {
    const QByteArray json = QJsonDocument(object).toJson(QJsonDocument::Compact);
    out.write(json.constData(), json.size());
    out.put('\n');
}

}  // namespace

int run_batch(std::istream& in, std::ostream& out, std::ostream& err, int default_stand,
              int default_decks, const TableRules& default_rules, bool with_analysis,
              const std::vector<Integer>& default_seen, const counting::Count& count) {
    bool all_good = true;
    long long number = 0;
    std::array<char, kLongestBatchLine + 1> buffer{};
    std::string_view line;
    for (;;) {
        const LineRead read = read_line(in, buffer, line);
        if (read == LineRead::end) {
            break;
        }
        if (read == LineRead::failed) {
            const int reason = errno;
            out.flush();
            return fail(err, stream_failure("cannot read standard input", reason),
                        kExitStreamFailed);
        }
        ++number;
        std::variant<TableOutcome, InputError> result =
            InputError{"line longer than " + std::to_string(kLongestBatchLine) +
                       " bytes; no table needs that many"};
        if (read == LineRead::line) {
            auto parsed =
                parse_batch_line(line, default_stand, default_decks, default_rules, default_seen);
            if (std::holds_alternative<SkippedLine>(parsed)) {
                continue;
            }
            if (auto* request = std::get_if<TableRequest>(&parsed)) {
                request->count = count;
                result = run_table(*request);
            } else {
                result = std::get<InputError>(std::move(parsed));
            }
        }
        errno = 0;
        if (const auto* error = std::get_if<InputError>(&result)) {
            all_good = false;
            write_line(out, error_json(number, error->message));
        } else {
            write_line(out, table_json(std::get<TableOutcome>(result), with_analysis));
        }
        if (!out) {
            return fail(err, stream_failure("cannot write standard output", errno),
                        kExitStreamFailed);
        }
    }
    errno = 0;
    if (!out.flush()) {
        return fail(err, stream_failure("cannot write standard output", errno), kExitStreamFailed);
    }
    return all_good ? kExitOk : kExitBadBatchLines;
}

}  // namespace tavolix::cli
