// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own reader and writer of doubles, which builds without the standard library's
// floating-point from_chars and to_chars use, against the standard library's on large generated
// sets: every text read and written must come out the same, byte for byte and bit for bit.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "engine/double_chars.h"

namespace octaval {
namespace {

#if defined(__cpp_lib_to_chars)

constexpr int draws = 20'000;

std::string digits(std::mt19937_64& r, std::string_view alphabet, std::uint64_t count) {
    std::string text;
    for (; count > 0; --count)
        text += alphabet[r() % alphabet.size()];
    return text;
}

// Each draw reads a text and writes a double. Texts of every shape the reader is given: a number's
// significant digits as the box reading passes them ("0.DIGITSe-17"), a few or hundreds, near the
// ends of the range; plain decimals with a point and an exponent; hexadecimal digits, up to 300
// (1,200 bits, past the largest double). Doubles of every magnitude from their bits, subnormals
// included; whole numbers around and far beyond 2^53, whose fixed text is their exact digits;
// short decimals, whose shortest text is theirs.
TEST(DoubleChars, ReadAndWriteAsTheStandardLibrary) {
    std::mt19937_64 r(20261207);
    for (int k = 0; k < 3 * draws; ++k) {
        const int family = k % 3;
        std::string text;
        if (family == 0)
            text = "0." + digits(r, "0123456789", 1 + r() % (r() % 8 ? 25 : 820)) + 'e' +
                   std::to_string(int(r() % 700) - 350);
        if (family == 1) {
            if (r() % 4 == 0) text = "-";
            text += digits(r, "0123456789", r() % 20);
            if (r() % 2 == 0) text += '.' + digits(r, "0000123456789", r() % 20);
            if (r() % 2 == 0)
                text +=
                    "eE"[r() % 2] + std::string(r() % 3 ? "+" : "-") + std::to_string(r() % 330);
            text += r() % 2 == 0 ? "x" : "";
        }
        if (family == 2) text = digits(r, "0123456789abcdefABCDEF", 1 + r() % (r() % 4 ? 20 : 300));
        const auto format = family == 2 ? std::chars_format::hex : std::chars_format::general;
        double expected = -1.5, actual = -1.5;
        const auto ref = std::from_chars(text.data(), text.data() + text.size(), expected, format);
        const auto own =
            portable::fromChars(text.data(), text.data() + text.size(), actual, format);
        ASSERT_EQ(own.ec, ref.ec) << text;
        ASSERT_EQ(own.ptr, ref.ptr) << text;
        ASSERT_EQ(std::bit_cast<std::uint64_t>(actual), std::bit_cast<std::uint64_t>(expected))
            << text;

        double v = std::bit_cast<double>(r());
        if (family == 1) v = std::ldexp(static_cast<double>(r() >> (r() % 64)), int(r() % 80));
        if (family == 2) v = double(r() % 100000) / std::pow(10.0, double(r() % 12));
        if (!std::isfinite(v)) continue;
        for (const bool fixed : {false, true}) {
            char want[400], got[400];  // NOLINT: filled by to_chars
            const auto w =
                fixed ? std::to_chars(want, want + sizeof want, v, std::chars_format::fixed)
                      : std::to_chars(want, want + sizeof want, v);
            const auto g =
                fixed ? portable::toChars(got, got + sizeof got, v, std::chars_format::fixed)
                      : portable::toChars(got, got + sizeof got, v);
            ASSERT_EQ(std::string(got, g.ptr), std::string(want, w.ptr))
                << std::bit_cast<std::uint64_t>(v) << (fixed ? " fixed" : "");
        }
    }
}

#endif

}  // namespace
}  // namespace octaval
