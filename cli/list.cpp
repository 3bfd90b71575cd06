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
    const bool json = format == ListFormat::jsonLines;
    ListResult result;
    if (!list) {
        // A rejected input gets the press's own answer; class D and E have no subnet field.
        std::string out;
        if (!p.outcome.passed()) {
            out = pressReport(p.boxes, json);
        } else {
            const std::string message = noSubnetsMessage(p.boxes[Box::Text17]);
            if (json) {
                appendErrorJson(out, message);
            } else {
                out = message;
            }
            out += '\n';
        }
        write(fd, out, result);
        result.exitStatus = 1;
        return result;
    }
    writeSubnetRows(*list, format,
                    [fd, &result](std::string_view rows) { return write(fd, rows, result); });
    return result;
}

}  // namespace octaval
