// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the reading rule on any bytes, against a second reading written another way. It
// erases the skipped characters from a copy first (the engine walks around them), picks out by
// index the characters the rule accepts, and hands them to the C library's strtod: as a decimal
// number, or as hexadecimal digits after "0x" (four "&O" digits making three hexadecimal ones).

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/number_rules.h"
#include "fuzz/fuzz_support.h"

// The end of the run of characters of `set` from `i` on.
static std::size_t runEnd(const std::string& s, std::size_t i, const char* set = "0123456789") {
    return std::min(s.size(), s.find_first_not_of(set, std::min(i, s.size())));
}

// "&H" or "&O" and its digits as a "0x" number; s starts with "&".
static std::string radix(const std::string& s) {
    const char kind = s.size() > 1 ? static_cast<char>(s[1] | 0x20) : ' ';
    if (kind == 'h') return "0x0" + s.substr(2, runEnd(s, 2, "0123456789abcdefABCDEF") - 2);
    if (kind != 'o') return "0";
    std::string octal = s.substr(2, runEnd(s, 2, "01234567") - 2), hex = "0x0";
    octal.insert(0, (4 - octal.size() % 4) % 4, '0');
    for (std::size_t i = 0; i < octal.size(); i += 4)  // 12 bits: 4 octal, 3 hexadecimal digits
        for (const int shift : {8, 4, 0})
            hex += "0123456789abcdef"[std::stoi(octal.substr(i, 4), nullptr, 8) >> shift & 15];
    return hex;
}

// A sign, digits with at most one point, and an exponent (E or D, a sign) only with a digit.
static std::string decimal(std::string s) {
    const std::size_t start = s.starts_with('+') || s.starts_with('-') ? 1 : 0;
    const std::size_t intEnd = runEnd(s, start);
    std::size_t end = intEnd < s.size() && s[intEnd] == '.' ? runEnd(s, intEnd + 1) : intEnd;
    if (end - start == (end > intEnd ? 1u : 0u)) return "0";  // not one digit
    const char letter = end < s.size() ? static_cast<char>(s[end] | 0x20) : ' ';
    const std::size_t digits = std::min(runEnd(s, end + 1, "+-"), end + 2);  // after one sign
    if ((letter == 'e' || letter == 'd') && runEnd(s, digits) > digits) {
        s[end] = 'e';
        end = runEnd(s, digits);
    }
    return s.substr(0, end);
}

OCTAVAL_FUZZ_TARGET(text) {
    std::string s(text);
    std::erase_if(s, [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
    const double want = std::strtod((s.starts_with('&') ? radix(s) : decimal(s)).c_str(), nullptr);
    const octaval::ReadNumber got = octaval::textToNumber(text);
    // Compared as numbers: the sign of a zero is not part of the rule.
    octaval::fuzz::check(got.value == want, "the engine and strtod read different numbers");
    octaval::fuzz::check(got.inRange == std::isfinite(want), "in range exactly when finite");
}
