// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

/// Defines the fuzz target, a function of the input's bytes as text:
/// `OCTAVAL_FUZZ_TARGET(input) { ... }`.
#define OCTAVAL_FUZZ_TARGET(input)                                                      \
    static void fuzzTarget(std::string_view input);                                     \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) { \
        fuzzTarget({reinterpret_cast<const char*>(data), size});                        \
        return 0;                                                                       \
    }                                                                                   \
    static void fuzzTarget(std::string_view input)

// What the fuzz targets share.
namespace octaval::fuzz {

/// Aborts unless `holds`: both libFuzzer and the replay program take that as a failure, and
/// libFuzzer saves the input that caused it.
inline void check(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

/// The parts of `text` between the separators `by`, `count` of them when given: the last keeps any
/// further separator, and missing ones are empty.
inline std::vector<std::string_view> split(std::string_view text, char by, std::size_t count = 0) {
    std::vector<std::string_view> parts;
    while (parts.size() + 1 != count && text.find(by) != text.npos) {
        parts.push_back(text.substr(0, text.find(by)));
        text.remove_prefix(parts.back().size() + 1);
    }
    parts.push_back(text);
    parts.resize(std::max(parts.size(), count));
    return parts;
}

/// The four parts of an address or a mask joined by `by`.
inline std::string dotted(const std::array<std::string, 4>& parts, char by = '.') {
    return parts[0] + by + parts[1] + by + parts[2] + by + parts[3];
}

}  // namespace octaval::fuzz
