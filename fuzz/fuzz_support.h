// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// What the fuzz targets share: how a broken invariant is reported. Aborting is what both libFuzzer
// and the replay program take as a failure, and libFuzzer then saves the input that caused it.
namespace octaval::fuzz {

/// The bytes as a quoted literal: printable ASCII as is, quotes and backslashes escaped, every
/// other byte as \xNN.
inline std::string escaped(std::string_view bytes) {
    std::string out = "\"";
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u >= 0x20 && u < 0x7f) {
            out += c;
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02x", u);
            out += hex;
        }
    }
    out += '"';
    return out;
}

/// Reports a broken invariant with what was being checked, then aborts.
[[noreturn]] inline void fail(std::string_view what, std::string_view detail) {
    std::fprintf(stderr, "fuzz check failed: %.*s\n  %.*s\n", static_cast<int>(what.size()),
                 what.data(), static_cast<int>(detail.size()), detail.data());
    std::abort();
}

}  // namespace octaval::fuzz
