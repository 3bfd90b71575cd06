// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The few calls of octaval-cli that differ between POSIX systems and Windows: its arguments,
// and reading and writing its standard streams by file descriptor.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "report/binary_report.h"

namespace octaval::platform {

/// The program's arguments, owned for as long as the program needs them, as UTF-8. On Windows
/// they are read from the UTF-16 command line, so that no argument passes through the 8-bit ANSI
/// code page, and the standard streams become binary (lines end in LF, as on POSIX systems, and
/// no byte of a batch input is translated). Elsewhere they are main's own.
class Arguments {
public:
    Arguments(int argc, char* argv[]);
    Arguments(const Arguments&) = delete;
    Arguments& operator=(const Arguments&) = delete;

    int argc() const { return static_cast<int>(m_pointers.size()) - 1; }
    /// The argument vector, ended by a null pointer; getopt_long may reorder it.
    char** argv() { return m_pointers.data(); }
    /// Why the command line could not be read; empty when it was.
    const std::string& error() const { return m_error; }

private:
    std::vector<std::string> m_texts;
    std::vector<char*> m_pointers;
    std::string m_error;
};

/// The outcome of writing all of a text.
struct Written {
    int error = 0;  // 0 when all was written, else the errno of the failed write
    bool ok() const { return error == 0; }
    /// The reader has gone away (EPIPE; on Windows a closed pipe): no more output is wanted.
    bool closed() const;
    /// The system's words for the error.
    std::string message() const;
};

/// Writes all of data to fd, again after an interrupted or partial write.
Written writeAll(int fd, std::string_view data);

/// True when a read of fd would return at once: data, the end of the input or an error is
/// waiting. False when that is not known (a terminal), so that the caller answers first.
bool inputReady(int fd);

/// Reads at most size bytes: the number read, 0 at the end of the input, -1 on error (errno).
std::ptrdiff_t readSome(int fd, char* buffer, std::size_t size);

/// Appends everything fd holds to its end to `out`: the system's words for a failed read, or
/// nothing.
std::string readAll(int fd, std::string& out);

/// The colours that the terminal at fd shows by ANSI sequences; none when fd is no terminal.
/// On POSIX systems the terminal says so through the environment: none when TERM is unset or
/// "dumb", the 256-colour palette when TERM contains "256color" or COLORTERM is "truecolor" or
/// "24bit", else the 16 basic colours. On Windows a console is first switched to processing the
/// sequences and then shows the 256-colour palette; one that cannot be switched, or a TERM of
/// "dumb", gives none.
ColourDepth colourTerminal(int fd);

/// True when fd is a terminal (on Windows, a console or another character device).
bool isTerminal(int fd);

/// The width of the terminal at fd in columns; 0 when fd is no terminal or does not say.
int terminalColumns(int fd);

}  // namespace octaval::platform
