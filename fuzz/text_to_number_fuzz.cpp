// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the text-to-number rule on arbitrary bytes, checked against a second, slower
// reading written here another way, and against the rule's own invariants.
//
// The second reading first erases the skipped characters from a copy of the text (the engine walks
// around them instead), then picks out the characters the rule accepts by index. Decimal numbers
// go to strtod under the "C" locale; "&H" and "&O" digits are spelled out as bits and rounded to
// 53 significant bits by hand.

#include <locale.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "engine/number_rules.h"
#include "fuzz/fuzz_support.h"

namespace {

using octaval::fuzz::escaped;
using octaval::fuzz::fail;

struct Expected {
    double value = 0.0;
    bool inRange = true;
};

constexpr double infinity = std::numeric_limits<double>::infinity();

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string withoutSkipped(std::string_view text) {
    std::string s(text);
    std::erase_if(s, [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
    return s;
}

// A non-negative integer given as binary digits, most significant first, correctly rounded: the
// first 53 significant bits, then one more up when the rest is above half, or exactly half with
// an odd last bit.
Expected fromBinaryDigits(std::string_view bits) {
    const auto first = bits.find('1');
    if (first == std::string_view::npos) return {};
    bits.remove_prefix(first);
    // 2^1024 and beyond is past the largest double, rounded or not.
    if (bits.size() > 1024) return {infinity, false};
    std::uint64_t mantissa = 0;
    const std::size_t kept = std::min<std::size_t>(bits.size(), 53);
    for (std::size_t i = 0; i < kept; ++i)
        mantissa = mantissa * 2 + static_cast<std::uint64_t>(bits[i] - '0');
    if (bits.size() > kept) {
        const bool half = bits[kept] == '1';
        const bool aboveHalf = bits.find('1', kept + 1) != std::string_view::npos;
        if (half && (aboveHalf || mantissa % 2 == 1)) ++mantissa;  // 2^53 is still exact
    }
    const double value =
        std::ldexp(static_cast<double>(mantissa), static_cast<int>(bits.size() - kept));
    if (std::isinf(value)) return {infinity, false};
    return {value, true};
}

// "&H" or "&O" and the longest run of valid digits after it; s starts with "&".
Expected readRadix(const std::string& s) {
    if (s.size() < 2) return {};
    const char kind = s[1];
    int bitsPerDigit = 0;
    if (kind == 'H' || kind == 'h') bitsPerDigit = 4;
    if (kind == 'O' || kind == 'o') bitsPerDigit = 3;
    if (bitsPerDigit == 0) return {};
    std::string bits;
    for (std::size_t i = 2; i < s.size(); ++i) {
        const char c = s[i];
        int digit = -1;
        if (isDigit(c)) digit = c - '0';
        if (bitsPerDigit == 4 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        if (bitsPerDigit == 4 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (digit < 0 || digit >= (1 << bitsPerDigit)) break;
        for (int b = bitsPerDigit - 1; b >= 0; --b)
            bits += ((digit >> b) & 1) != 0 ? '1' : '0';
    }
    return fromBinaryDigits(bits);
}

// Sign, digits with at most one point, and an exponent only when a digit follows its letter and
// sign; what was accepted is handed to strtod as one C-locale number.
Expected readDecimal(const std::string& s) {
    std::size_t i = 0;
    std::string accepted;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) accepted += s[i++];
    std::size_t digits = 0;
    for (; i < s.size() && isDigit(s[i]); ++i, ++digits)
        accepted += s[i];
    if (i < s.size() && s[i] == '.') {
        accepted += s[i++];
        for (; i < s.size() && isDigit(s[i]); ++i, ++digits)
            accepted += s[i];
    }
    if (digits == 0) return {};

    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent += s[j++];
        const std::size_t firstDigit = j;
        for (; j < s.size() && isDigit(s[j]); ++j)
            exponent += s[j];
        if (j > firstDigit) accepted += exponent;
    }

    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    char* end = nullptr;
    errno = 0;
    const double value = strtod_l(accepted.c_str(), &end, cLocale);
    const bool rangeError = errno == ERANGE;
    if (end != accepted.c_str() + accepted.size())
        fail("strtod did not read the whole accepted number (checker fault)", escaped(accepted));
    if (rangeError && std::isinf(value)) return {value, false};
    // Underflow reads as 0. A number that strtod can still give as a subnormal is not an underflow.
    if (rangeError && value == 0.0) return {0.0, true};
    return {value, true};
}

Expected expectedReading(std::string_view text) {
    const std::string s = withoutSkipped(text);
    if (!s.empty() && s.front() == '&') return readRadix(s);
    return readDecimal(s);
}

std::string describe(double value, bool inRange) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "value %.17g (%a), inRange %d", value, value,
                  static_cast<int>(inRange));
    return buffer;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const octaval::ReadNumber got = octaval::textToNumber(text);
    const auto report = [&](std::string_view what, const std::string& extra = {}) {
        fail(what, "text " + escaped(text) + ": " + describe(got.value, got.inRange) + extra);
    };

    if (std::isnan(got.value)) report("the reading is NaN");
    if (got.inRange && !std::isfinite(got.value)) report("a reading in range is not finite");
    if (!got.inRange && !std::isinf(got.value)) report("a reading out of range is not +-infinity");

    const Expected want = expectedReading(text);
    // Compared as numbers: the sign of a zero is not part of the rule.
    if (got.value != want.value || got.inRange != want.inRange)
        report("the engine and the second reading differ",
               "; expected " + describe(want.value, want.inRange));
    return 0;
}
