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

std::string digits(std::mt19937_64& random, int count, const char* alphabet, int size) {
    std::string text;
    for (int k = 0; k < count; ++k)
        text += alphabet[random() % static_cast<unsigned>(size)];
    return text;
}

// Texts of every shape the reader is given: a number's significant digits as the box reading
// passes them ("0.DIGITSe-17"), a few or hundreds, near the ends of the range; plain decimals
// with a point and an exponent; hexadecimal digits, long ones included.
struct TextFamily {
    const char* name;
    std::chars_format format;
    std::string (*make)(std::mt19937_64&);
};

std::string boxReading(std::mt19937_64& r) {
    const int length =
        r() % 8 == 0 ? 1 + static_cast<int>(r() % 820) : 1 + static_cast<int>(r() % 25);
    const long long power = static_cast<long long>(r() % 700) - 350;
    return "0." + digits(r, length, "0123456789", 10) + 'e' + std::to_string(power);
}

std::string plainDecimal(std::mt19937_64& r) {
    std::string text = r() % 4 == 0 ? "-" : "";
    text += digits(r, static_cast<int>(r() % 20), "0123456789", 10);
    if (r() % 2 == 0) text += '.' + digits(r, static_cast<int>(r() % 20), "0000123456789", 13);
    if (r() % 2 == 0)
        text += "eE"[r() % 2] + std::string(r() % 3 == 0 ? "-" : "+") + std::to_string(r() % 330);
    return text + (r() % 2 == 0 ? "x" : "");
}

std::string hexDigits(std::mt19937_64& r) {
    // Up to 300 digits: 1,200 bits, past the largest double.
    const int length =
        r() % 4 == 0 ? 1 + static_cast<int>(r() % 300) : 1 + static_cast<int>(r() % 20);
    return digits(r, length, "0123456789abcdefABCDEF", 22);
}

const TextFamily textFamilies[] = {
    {"box_reading", std::chars_format::general, boxReading},
    {"plain_decimal", std::chars_format::general, plainDecimal},
    {"hex_digits", std::chars_format::hex, hexDigits},
};

class ReadDouble : public ::testing::TestWithParam<TextFamily> {};

TEST_P(ReadDouble, AsTheStandardLibrary) {
    std::mt19937_64 random(20261207);
    for (int k = 0; k < draws; ++k) {
        const std::string text = GetParam().make(random);
        const char* first = text.data();
        const char* last = first + text.size();
        double expected = -1.5, actual = -1.5;
        const auto want = std::from_chars(first, last, expected, GetParam().format);
        const auto got = portable::fromChars(first, last, actual, GetParam().format);
        ASSERT_EQ(got.ec, want.ec) << text;
        ASSERT_EQ(got.ptr, want.ptr) << text;
        ASSERT_EQ(std::bit_cast<std::uint64_t>(actual), std::bit_cast<std::uint64_t>(expected))
            << text;
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadDouble, ::testing::ValuesIn(textFamilies),
                         [](const auto& info) { return std::string(info.param.name); });

// Doubles of every magnitude from their bits, subnormals included; whole numbers around and far
// beyond 2^53, whose fixed text is their exact digits; short decimals, whose shortest text is
// theirs.
struct ValueFamily {
    const char* name;
    double (*make)(std::mt19937_64&);
};

const ValueFamily valueFamilies[] = {
    {"any_bits",
     [](std::mt19937_64& r) {
         double v = 0;
         do {
             v = std::bit_cast<double>(r());
         } while (!std::isfinite(v));
         return v;
     }},
    {"whole_numbers",
     [](std::mt19937_64& r) {
         return std::ldexp(static_cast<double>(r() >> (r() % 64)), static_cast<int>(r() % 80));
     }},
    {"short_decimals",
     [](std::mt19937_64& r) {
         return static_cast<double>(r() % 100000) / std::pow(10.0, static_cast<double>(r() % 12));
     }},
};

class WriteDouble : public ::testing::TestWithParam<ValueFamily> {};

TEST_P(WriteDouble, AsTheStandardLibrary) {
    std::mt19937_64 random(20261207);
    for (int k = 0; k < draws; ++k) {
        const double v = GetParam().make(random);
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

INSTANTIATE_TEST_SUITE_P(Values, WriteDouble, ::testing::ValuesIn(valueFamilies),
                         [](const auto& info) { return std::string(info.param.name); });

#endif

}  // namespace
}  // namespace octaval
