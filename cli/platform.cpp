// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/platform.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <string>
#include <vector>
#else
#include <poll.h>
#include <unistd.h>
#endif

namespace octaval::platform {

#ifdef _WIN32

void prepareProgram(int& argc, char**& argv) {
    for (int fd : {0, 1, 2})
        _setmode(fd, _O_BINARY);
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wide == nullptr) return;
    // The program's arguments live as long as the program.
    static std::vector<std::string> texts;
    static std::vector<char*> pointers;
    for (int i = 0; i < count; ++i) {
        const int size =
            ::WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string text(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
        if (size > 1)
            ::WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, text.data(), size, nullptr, nullptr);
        texts.push_back(std::move(text));
    }
    ::LocalFree(wide);
    for (auto& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    argc = count;
    argv = pointers.data();
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

bool colourTerminal(int fd) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    DWORD mode = 0;
    return ::GetConsoleMode(handle, &mode) &&
           ::SetConsoleMode(handle, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
}

#else

void prepareProgram(int&, char**&) {}

bool inputReady(int fd) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0;
}

std::ptrdiff_t readSome(int fd, char* buffer, std::size_t size) {
    return ::read(fd, buffer, size);
}

std::ptrdiff_t writeSome(int fd, const char* data, std::size_t size) {
    return ::write(fd, data, size);
}

bool colourTerminal(int fd) {
    return ::isatty(fd) == 1;
}

#endif

}  // namespace octaval::platform
