// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/number_rules.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "engine/double_chars.h"

namespace octaval {
namespace {

bool isSkipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isHexDigit(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
bool isOctalDigit(char c) {
    return c >= '0' && c <= '7';
}

// Walks a text as if its blanks, tabs and line feeds had been removed.
class Cursor {
public:
    explicit Cursor(std::string_view text) : m_text(text) { skip(); }
    bool atEnd() const { return m_pos >= m_text.size(); }
    char peek() const { return atEnd() ? '\0' : m_text[m_pos]; }
    void next() {
        ++m_pos;
        skip();
    }
    std::size_t position() const { return m_pos; }
    void reset(std::size_t pos) { m_pos = pos; }

private:
    void skip() {
        while (m_pos < m_text.size() && isSkipped(m_text[m_pos]))
            ++m_pos;
    }
    std::string_view m_text;
    std::size_t m_pos = 0;
};

ReadNumber overflow(bool negative) {
    const double huge = std::numeric_limits<double>::infinity();
    return {negative ? -huge : huge, false};
}

// Hexadecimal digits, no prefix, read as a non-negative integer (correctly rounded).
ReadNumber hexDigitsToNumber(const std::string& digits) {
    if (digits.empty()) return {};
    double value = 0.0;
    const auto result =
        fromChars(digits.data(), digits.data() + digits.size(), value, std::chars_format::hex);
    if (result.ec == std::errc::result_out_of_range) return overflow(false);
    return {value, true};
}

// Octal digits regrouped as hexadecimal ones (three bits each become four), so that the same
// correctly rounded reading serves both.
ReadNumber octalDigitsToNumber(const std::string& digits) {
    // Taken from the least significant digit up, so the hexadecimal digits come out reversed.
    std::string hex;
    hex.reserve(digits.size() * 3 / 4 + 1);
    unsigned bits = 0;
    int count = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        bits |= static_cast<unsigned>(*it - '0') << count;
        count += 3;
        while (count >= 4) {
            hex.push_back("0123456789ABCDEF"[bits & 0xF]);
            bits >>= 4;
            count -= 4;
        }
    }
    if (count > 0) hex.push_back("0123456789ABCDEF"[bits & 0xF]);
    std::reverse(hex.begin(), hex.end());
    return hexDigitsToNumber(hex);
}

ReadNumber readRadix(Cursor& cursor) {
    // The cursor stands on the character after "&".
    const char kind = cursor.peek();
    const bool hex = kind == 'H' || kind == 'h';
    const bool octal = kind == 'O' || kind == 'o';
    if (!hex && !octal) return {};
    cursor.next();
    // Leading zeros are dropped; a number of more than 400 significant digits (1,600 bits in
    // hexadecimal, 1,200 in octal) is beyond the range, so no more need keeping.
    constexpr std::size_t mostDigits = 400;
    std::string digits;
    bool tooMany = false;
    for (; hex ? isHexDigit(cursor.peek()) : isOctalDigit(cursor.peek()); cursor.next()) {
        if (digits.empty() && cursor.peek() == '0') continue;
        if (digits.size() < mostDigits)
            digits.push_back(cursor.peek());
        else
            tooMany = true;
    }
    if (tooMany) return overflow(false);
    return hex ? hexDigitsToNumber(digits) : octalDigitsToNumber(digits);
}

// Significant digits kept of a decimal number. Rounding a decimal to the nearest double never
// depends on more than its first 767 significant digits and on whether any digit after them is
// non-zero; so a box text of millions of digits is read in a few hundred bytes.
constexpr std::size_t keptDigits = 800;

// A decimal number as read: its sign, its significant digits (leading zeros dropped, the first
// keptDigits kept), and the power of ten of its first significant digit before the exponent, so
// that the number is 0.digits x 10^(scale + exponent).
struct DecimalParts {
    bool negative = false;
    std::string digits;
    bool droppedNonZero = false;  // a digit after the kept ones is not zero
    long long scale = 0;
    long long exponent = 0;  // saturated at +-exponentLimit
};

// Beyond this the number is out of range whatever its digits: a box holds far fewer.
constexpr long long exponentLimit = 1'000'000'000;

// An optional sign; true for "-".
bool readSign(Cursor& cursor) {
    const char c = cursor.peek();
    if (c != '+' && c != '-') return false;
    cursor.next();
    return c == '-';
}

void keepDigit(DecimalParts& parts, char digit) {
    if (parts.digits.size() < keptDigits)
        parts.digits.push_back(digit);
    else if (digit != '0')
        parts.droppedNonZero = true;
}

// The digits before and after the point; false when there is none.
bool readDigits(Cursor& cursor, DecimalParts& parts) {
    bool any = false;
    for (; isDigit(cursor.peek()); cursor.next(), any = true) {
        if (parts.digits.empty() && cursor.peek() == '0') continue;  // a leading zero
        keepDigit(parts, cursor.peek());
        ++parts.scale;
    }
    if (cursor.peek() != '.') return any;
    cursor.next();
    for (; isDigit(cursor.peek()); cursor.next(), any = true) {
        if (parts.digits.empty() && cursor.peek() == '0')
            --parts.scale;  // a zero between the point and the first significant digit
        else
            keepDigit(parts, cursor.peek());
    }
    return any;
}

// The exponent letter E or D, a sign and digits. Read only when at least one digit follows the
// letter and its sign; otherwise the cursor stays on the letter, which ends the number.
void readExponent(Cursor& cursor, DecimalParts& parts) {
    const char letter = cursor.peek();
    if (letter != 'E' && letter != 'e' && letter != 'D' && letter != 'd') return;
    const auto mark = cursor.position();
    cursor.next();
    const bool negative = readSign(cursor);
    if (!isDigit(cursor.peek())) {
        cursor.reset(mark);
        return;
    }
    long long exponent = 0;
    for (; isDigit(cursor.peek()); cursor.next())
        exponent = std::min(exponent * 10 + (cursor.peek() - '0'), exponentLimit);
    parts.exponent = negative ? -exponent : exponent;
}

// The value of the parts, correctly rounded: beyond the range an overflow with its sign, or 0.
ReadNumber decimalValue(const DecimalParts& parts) {
    // A zero is zero whatever its exponent, so 0e99999 is not an overflow.
    if (parts.digits.empty()) return {parts.negative ? -0.0 : 0.0, true};
    const long long power = parts.scale + parts.exponent;
    std::string text = "0.";
    text.reserve(parts.digits.size() + 32);
    text += parts.digits;
    // Any non-zero digit stands for the dropped ones: it rounds the same way as they do.
    if (parts.droppedNonZero) text += '1';
    text += 'e';
    text += std::to_string(power);
    double value = 0.0;
    const auto result =
        fromChars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // 0.digits x 10^power is at least 0.1 x 10^power: out of range above when power > 0.
        if (power > 0) return overflow(parts.negative);
        return {parts.negative ? -0.0 : 0.0, true};
    }
    return {parts.negative ? -value : value, true};
}

// A sign, digits with at most one point, and an exponent: the decimal number at the cursor, or 0
// when no digit comes before the exponent.
ReadNumber readDecimal(Cursor& cursor) {
    DecimalParts parts;
    parts.negative = readSign(cursor);
    if (!readDigits(cursor, parts)) return {};
    readExponent(cursor, parts);
    return decimalValue(parts);
}

}  // namespace

ReadNumber textToNumber(std::string_view text) {
    // Plain digits, by far the most common box text, need none of the rewriting below.
    if (!text.empty() && text.size() <= 15 && std::all_of(text.begin(), text.end(), isDigit)) {
        // At most 15 digits: exact as an integer, and so as a double.
        std::uint64_t value = 0;
        for (const char c : text)
            value = value * 10 + static_cast<std::uint64_t>(c - '0');
        return {static_cast<double>(value), true};
    }
    Cursor cursor(text);
    if (cursor.peek() == '&') {
        cursor.next();
        return readRadix(cursor);
    }
    return readDecimal(cursor);
}

// Integer arithmetic rather than floor and nearbyint: those would be the only functions that the
// command-line program takes from libm, whose mapping adds a fifth to the resident memory of one
// answer from the shell. From 2^52 up every double is whole.
constexpr double fractionless = 4503599627370496.0;

bool isWholeNumber(double value) {
    if (!(std::abs(value) < fractionless)) return !std::isnan(value);
    return static_cast<double>(static_cast<std::int64_t>(value)) == value;
}

namespace {

// Round to nearest, ties to even: nearbyint in the default rounding mode.
double roundHalfEven(double value) {
    if (!(std::abs(value) < fractionless)) return value;
    auto whole = static_cast<std::int64_t>(value);
    // Exact: two doubles below 2^52 that differ by less than 1.
    const double rest = value - static_cast<double>(whole);
    if (std::abs(rest) > 0.5 || (std::abs(rest) == 0.5 && whole % 2 != 0))
        whole += rest > 0 ? 1 : -1;
    return static_cast<double>(whole);
}

}  // namespace

std::string numberToText(double wholeNumber) {
    if (wholeNumber == 0.0) return "0";  // also for -0
    std::array<char, 320> buffer;        // NOLINT: filled by to_chars
    char* const first = buffer.data();
    char* const last = first + buffer.size();
    // Every number shown is whole and small; the integer conversion is the fast path for them.
    if (std::abs(wholeNumber) < 9.0e15 && isWholeNumber(wholeNumber)) {
        const auto result = std::to_chars(first, last, static_cast<long long>(wholeNumber));
        return {first, result.ptr};
    }
    const auto result = toChars(first, last, wholeNumber, std::chars_format::fixed);
    return {first, result.ptr};
}

std::optional<std::int32_t> toInt32(double value) {
    const double rounded = roundHalfEven(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

std::optional<std::int16_t> toInt16(double value) {
    const double rounded = roundHalfEven(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::optional<std::int32_t> bitAnd(double a, double b) {
    const auto x = toInt32(a);
    const auto y = toInt32(b);
    if (!x || !y) return std::nullopt;
    return *x & *y;
}

std::optional<std::int32_t> bitOr(double a, double b) {
    const auto x = toInt32(a);
    const auto y = toInt32(b);
    if (!x || !y) return std::nullopt;
    return *x | *y;
}

std::optional<std::int32_t> bitNot(double a) {
    const auto x = toInt32(a);
    if (!x) return std::nullopt;
    return ~*x;
}

}  // namespace octaval
