// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/list.h"

#include "cli/platform.h"
#include "report/json_writer.h"
#include "report/press.h"
#include "report/subnet_rows.h"

namespace octaval {
namespace {

// Writes the list's output; a reader that has gone away ends it quietly.
bool write(int fd, std::string_view data, ListResult& result) {
    const auto written = platform::writeAll(fd, data);
    if (written.ok() || written.closed()) return written.ok();
    result = {1, "cannot write the list: " + written.message()};
    return false;
}

}  // namespace

ListResult writeSubnetList(const AddressTexts& inputs, ListFormat format, int fd) {
    const Press p = press(inputs);
    const auto list = p.outcome.passed() ? SubnetList::of(p.state) : std::nullopt;
    ListResult result;
    if (!list) {
        // No rows: a rejected input is refused with its status message, a class D or E address
        // for having no subnet field. In JSON Lines the refusal takes the place of the rows.
        const std::string& status = p.boxes[Box::Text21];
        const std::string why =
            p.outcome.passed() ? noSubnetsMessage(p.boxes[Box::Text17]) : status;
        if (format == ListFormat::jsonLines) {
            std::string out;
            appendErrorJson(out, why, status);
            out += '\n';
            write(fd, out, result);
        } else {
            result.error = why;
        }
        result.exitStatus = 1;
        return result;
    }

    writeSubnetRows(*list, format,
                    [fd, &result](std::string_view rows) { return write(fd, rows, result); });
    return result;
}

}  // namespace octaval
