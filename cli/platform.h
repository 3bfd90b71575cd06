// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The few calls of octaval-cli that differ between POSIX systems and Windows: its arguments,
// and reading and writing its standard streams by file descriptor.

#include <cstddef>

namespace octaval::platform {

/// Prepares the program's standard streams and arguments before anything else reads them. On
/// Windows the streams become binary (lines end in LF, as on POSIX systems, and no byte of a
/// batch input is translated) and argv is replaced by the command line converted from UTF-16 to
/// UTF-8, so that no argument passes through the 8-bit ANSI code page. Elsewhere it does nothing.
void prepareProgram(int& argc, char**& argv);

/// True when a read of fd would return at once: data, the end of the input or an error is
/// waiting. False when that is not known (a terminal), so that the caller answers first.
bool inputReady(int fd);

/// Reads at most size bytes: the number read, 0 at the end of the input, -1 on error (errno).
std::ptrdiff_t readSome(int fd, char* buffer, std::size_t size);

/// Writes at most size bytes: the number written, or -1 on error (errno).
std::ptrdiff_t writeSome(int fd, const char* data, std::size_t size);

/// True when fd is a terminal that shows ANSI colour sequences. On Windows a console is first
/// switched to processing them; one that cannot be gives false.
bool colourTerminal(int fd);

}  // namespace octaval::platform
