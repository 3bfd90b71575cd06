// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/platform.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <algorithm>
#include <climits>
#include <memory>
#else
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace octaval::platform {

namespace {

// An environment variable's value; empty when it is unset.
std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

#ifdef _WIN32

namespace {

// CommandLineToArgvW's array, given back with LocalFree.
struct LocalFreeDeleter {
    void operator()(wchar_t** p) const { ::LocalFree(p); }
};

}  // namespace

Arguments::Arguments(int, char*[]) {
    for (int fd : {0, 1, 2})
        _setmode(fd, _O_BINARY);
    int count = 0;
    const std::unique_ptr<wchar_t*, LocalFreeDeleter> wide(
        ::CommandLineToArgvW(::GetCommandLineW(), &count));
    if (!wide) {
        m_error = "cannot read the command line";
        count = 0;
    }
    for (int i = 0; i < count; ++i) {
        const wchar_t* arg = wide.get()[i];
        const int size = ::WideCharToMultiByte(CP_UTF8, 0, arg, -1, nullptr, 0, nullptr, nullptr);
        std::string text(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
        if (size <= 0 || ::WideCharToMultiByte(CP_UTF8, 0, arg, -1, text.data(), size, nullptr,
                                               nullptr) != size) {
            m_error = "cannot convert the command line to UTF-8";
            m_texts.clear();
            break;
        }
        m_texts.push_back(std::move(text));
    }
    for (auto& text : m_texts)
        m_pointers.push_back(text.data());
    m_pointers.push_back(nullptr);
}

bool inputReady(int fd) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    switch (::GetFileType(handle)) {
        case FILE_TYPE_DISK:
            return true;
        case FILE_TYPE_PIPE: {
            DWORD waiting = 0;
            if (::PeekNamedPipe(handle, nullptr, 0, nullptr, &waiting, nullptr)) return waiting > 0;
            // A closed pipe: the end of the input is waiting.
            return ::GetLastError() == ERROR_BROKEN_PIPE;
        }
        default:
            return false;
    }
}

std::ptrdiff_t readSome(int fd, char* buffer, std::size_t size) {
    return _read(fd, buffer, static_cast<unsigned>(std::min<std::size_t>(size, INT_MAX)));
}

namespace {

std::ptrdiff_t writeSome(int fd, const char* data, std::size_t size) {
    // WriteFile itself, as the stream is binary: the C library's _write reports a reader that
    // has gone away as EINVAL, and not always with the system's error code beside it.
    DWORD written = 0;
    const auto count = static_cast<DWORD>(std::min<std::size_t>(size, INT_MAX));
    if (::WriteFile(reinterpret_cast<HANDLE>(_get_osfhandle(fd)), data, count, &written, nullptr))
        return written;
    switch (::GetLastError()) {
        case ERROR_NO_DATA:
        case ERROR_BROKEN_PIPE:
        case ERROR_PIPE_NOT_CONNECTED:
            errno = EPIPE;
            break;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            errno = ENOSPC;
            break;
        default:
            errno = EIO;
    }
    return -1;
}

}  // namespace

ColourDepth colourTerminal(int fd) {
    // A console sets no TERM; one that is set to "dumb" still means no colour.
    if (environment("TERM") == "dumb") return ColourDepth::none;
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    DWORD mode = 0;
    const bool processed = ::GetConsoleMode(handle, &mode) &&
                           ::SetConsoleMode(handle, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
    return processed ? ColourDepth::palette256 : ColourDepth::none;
}

bool isTerminal(int fd) {
    return _isatty(fd) != 0;
}

int terminalColumns(int fd) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    if (!::GetConsoleScreenBufferInfo(handle, &info)) return 0;
    return info.srWindow.Right - info.srWindow.Left + 1;
}

#else

Arguments::Arguments(int argc, char* argv[]) : m_pointers(argv, argv + argc) {
    m_pointers.push_back(nullptr);
}

bool inputReady(int fd) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0;
}

std::ptrdiff_t readSome(int fd, char* buffer, std::size_t size) {
    return ::read(fd, buffer, size);
}

namespace {

std::ptrdiff_t writeSome(int fd, const char* data, std::size_t size) {
    return ::write(fd, data, size);
}

}  // namespace

ColourDepth colourTerminal(int fd) {
    const std::string_view term = environment("TERM");
    if (::isatty(fd) != 1 || term.empty() || term == "dumb") return ColourDepth::none;
    const std::string_view colourTerm = environment("COLORTERM");
    if (term.find("256color") != std::string_view::npos || colourTerm == "truecolor" ||
        colourTerm == "24bit")
        return ColourDepth::palette256;
    return ColourDepth::basic16;
}

bool isTerminal(int fd) {
    return ::isatty(fd) == 1;
}

int terminalColumns(int fd) {
    winsize size{};
    if (::ioctl(fd, TIOCGWINSZ, &size) != 0) return 0;
    return size.ws_col;
}

#endif

bool Written::closed() const {
    return error == EPIPE;
}

std::string Written::message() const {
    return std::strerror(error);
}

Written writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const auto n = writeSome(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return {errno};
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return {};
}

std::string readAll(int fd, std::string& out) {
    char buffer[65536];
    for (;;) {
        const auto n = readSome(fd, buffer, sizeof buffer);
        if (n == 0) return {};
        if (n > 0)
            out.append(buffer, static_cast<std::size_t>(n));
        else if (errno != EINTR)
            return std::strerror(errno);
    }
}

}  // namespace octaval::platform
