// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The batch mode of the command line: report/batch.h answers the lines, this reads and writes
// them.

#include <string>

#include "report/batch.h"

namespace octaval {

/// Outcome of a batch run.
struct BatchResult {
    int exitStatus = 0;  // 0, or 1 when a line was malformed or reading or writing failed
    std::string error;   // the read or write error, empty when there was none
};

/// Reads inputFd to its end and writes the answers to outputFd, flushing whenever the input
/// would block, whenever a megabyte of answers is waiting, and at the end.
BatchResult runBatch(int inputFd, int outputFd, BatchFormat format = BatchFormat::fields);

}  // namespace octaval
