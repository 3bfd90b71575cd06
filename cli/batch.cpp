// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch.h"

#include <cerrno>
#include <cstring>
#include <vector>

#include "cli/platform.h"

namespace octaval {
namespace {

constexpr std::size_t readChunk = std::size_t{256} << 10;
constexpr std::size_t flushThreshold = std::size_t{1} << 20;

// False when no more answers are to be written: the write failed, or the reader has gone away,
// which ends the batch quietly.
bool writeAnswers(int fd, std::string_view data, std::string& error) {
    const auto written = platform::writeAll(fd, data);
    if (!written.ok() && !written.closed())
        error = "cannot write the answers: " + written.message();
    return written.ok();
}

}  // namespace

BatchResult runBatch(int inputFd, int outputFd, BatchFormat format) {
    BatchResult result;
    BatchReader reader(format);
    std::vector<char> buffer(readChunk);
    std::string out;
    out.reserve(2 * flushThreshold);
    bool writeFailed = false;
    const auto flush = [&] {
        writeFailed = !writeAnswers(outputFd, out, result.error);
        out.clear();
        return !writeFailed;
    };
    for (;;) {
        // Answers wait in memory only while more input is already there: a caller that sends a
        // line and waits for its answer gets it.
        if (!out.empty() && !platform::inputReady(inputFd) && !flush()) break;
        const auto n = platform::readSome(inputFd, buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            result.error = std::string("cannot read the input: ") + std::strerror(errno);
            break;
        }
        if (n == 0) {
            reader.finish(out);
            break;
        }
        reader.feed({buffer.data(), static_cast<std::size_t>(n)}, out);
        if (out.size() >= flushThreshold && !flush()) break;
    }
    // After a read error the answers so far are still worth having.
    if (!writeFailed && !out.empty()) {
        std::string error;
        if (!writeAnswers(outputFd, out, error) && result.error.empty()) result.error = error;
    }
    result.exitStatus = (reader.malformedSeen() || !result.error.empty()) ? 1 : 0;
    return result;
}

}  // namespace octaval
