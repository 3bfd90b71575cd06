// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/double_chars.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace octaval::portable {
namespace {

// A non-negative whole number of any size, in 32-bit limbs, least significant first, without
// leading zero limbs. Exact arithmetic is the simple way to round correctly; these numbers only
// serve odd box texts, so a few thousand bits at most and no speed to speak of.
class Big {
public:
    Big() = default;
    explicit Big(std::uint64_t v) {
        while (v != 0) {
            m_limbs.push_back(static_cast<std::uint32_t>(v));
            v >>= 32;
        }
    }

    bool isZero() const { return m_limbs.empty(); }
    int bitLength() const {
        if (m_limbs.empty()) return 0;
        return static_cast<int>(32 * (m_limbs.size() - 1)) + std::bit_width(m_limbs.back());
    }
    bool bit(int i) const {
        const auto limb = static_cast<std::size_t>(i / 32);
        return limb < m_limbs.size() && ((m_limbs[limb] >> (i % 32)) & 1U) != 0;
    }
    // Whether any of the bits below bit i is set.
    bool anyBelow(int i) const {
        const auto whole = static_cast<std::size_t>(i / 32);
        for (std::size_t k = 0; k < whole && k < m_limbs.size(); ++k)
            if (m_limbs[k] != 0) return true;
        return whole < m_limbs.size() && i % 32 != 0 &&
               (m_limbs[whole] & ((std::uint32_t{1} << (i % 32)) - 1)) != 0;
    }
    // The bits from bit i up, at most 64 of them.
    std::uint64_t bitsFrom(int i) const {
        std::uint64_t v = 0;
        for (int k = 63; k >= 0; --k)
            v = (v << 1) | (bit(i + k) ? 1U : 0U);
        return v;
    }

    void mulAdd(std::uint32_t factor, std::uint32_t addend) {
        std::uint64_t carry = addend;
        for (auto& limb : m_limbs) {
            const std::uint64_t t = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
        if (carry != 0) m_limbs.push_back(static_cast<std::uint32_t>(carry));
        trim();
    }
    void mulPow(std::uint32_t base, int times) {
        // As many factors at a time as a limb holds.
        std::uint32_t chunk = 1;
        int perChunk = 0;
        while (chunk <= UINT32_MAX / base) {
            chunk *= base;
            ++perChunk;
        }
        for (; times >= perChunk; times -= perChunk)
            mulAdd(chunk, 0);
        for (; times > 0; --times)
            mulAdd(base, 0);
    }
    // Divides by divisor and returns the remainder.
    std::uint32_t divSmall(std::uint32_t divisor) {
        std::uint64_t rest = 0;
        for (auto it = m_limbs.rbegin(); it != m_limbs.rend(); ++it) {
            const std::uint64_t t = (rest << 32) | *it;
            *it = static_cast<std::uint32_t>(t / divisor);
            rest = t % divisor;
        }
        trim();
        return static_cast<std::uint32_t>(rest);
    }
    void shiftLeft(int bits) {
        if (m_limbs.empty() || bits == 0) return;
        const auto limbs = static_cast<std::size_t>(bits / 32);
        const int rest = bits % 32;
        m_limbs.push_back(0);
        if (rest != 0) {
            for (std::size_t k = m_limbs.size() - 1; k > 0; --k)
                m_limbs[k] = (m_limbs[k] << rest) | (m_limbs[k - 1] >> (32 - rest));
            m_limbs[0] <<= rest;
        }
        m_limbs.insert(m_limbs.begin(), limbs, 0);
        trim();
    }
    void shiftRightOne() {
        for (std::size_t k = 0; k < m_limbs.size(); ++k) {
            m_limbs[k] >>= 1;
            if (k + 1 < m_limbs.size()) m_limbs[k] |= m_limbs[k + 1] << 31;
        }
        trim();
    }
    friend int compare(const Big& a, const Big& b) {
        if (a.m_limbs.size() != b.m_limbs.size())
            return a.m_limbs.size() < b.m_limbs.size() ? -1 : 1;
        for (std::size_t k = a.m_limbs.size(); k-- > 0;)
            if (a.m_limbs[k] != b.m_limbs[k]) return a.m_limbs[k] < b.m_limbs[k] ? -1 : 1;
        return 0;
    }
    // this -= b, where b <= this.
    void subtract(const Big& b) {
        std::int64_t borrow = 0;
        for (std::size_t k = 0; k < m_limbs.size(); ++k) {
            std::int64_t t = std::int64_t{m_limbs[k]} - borrow -
                             (k < b.m_limbs.size() ? std::int64_t{b.m_limbs[k]} : 0);
            borrow = t < 0 ? 1 : 0;
            if (t < 0) t += std::int64_t{1} << 32;
            m_limbs[k] = static_cast<std::uint32_t>(t);
        }
        trim();
    }
    // Decimal digits, "" for zero.
    std::string decimal() const {
        Big n = *this;
        std::string digits;
        while (!n.isZero()) {
            std::uint32_t chunk = n.divSmall(1'000'000'000);
            for (int k = 0; k < 9; ++k, chunk /= 10)
                digits.push_back(static_cast<char>('0' + chunk % 10));
        }
        while (!digits.empty() && digits.back() == '0')
            digits.pop_back();
        std::reverse(digits.begin(), digits.end());
        return digits;
    }

private:
    void trim() {
        while (!m_limbs.empty() && m_limbs.back() == 0)
            m_limbs.pop_back();
    }
    std::vector<std::uint32_t> m_limbs;
};

// A value read or asked for, before its sign: a double, or beyond the range either way.
enum class Range : unsigned char { inside, tooLarge, tooSmall };
struct Rounded {
    double value = 0.0;
    Range range = Range::inside;
};

// (n + something less than a unit when sticky) x 2^e2, rounded to the nearest double, ties to
// even, subnormals included.
Rounded roundBinary(const Big& n, long long e2, bool sticky) {
    if (n.isZero()) return {0.0, sticky ? Range::tooSmall : Range::inside};
    const long long top = e2 + n.bitLength() - 1;  // the power of two of the leading bit
    if (top > 1023) return {0.0, Range::tooLarge};
    const long long lsb = std::max<long long>(top - 52, -1074);
    const long long shift = lsb - e2;
    std::uint64_t mantissa = 0;
    if (shift <= 0) {
        // At most 53 bits, moved up: exact, and what sticky stands for lies below half a unit.
        mantissa = n.bitsFrom(0) << -shift;
    } else if (shift - 1 >= n.bitLength()) {
        // Even the rounding bit lies above the number: less than half the smallest subnormal.
        return {0.0, Range::tooSmall};
    } else {
        const int s = static_cast<int>(shift);
        mantissa = n.bitsFrom(s);
        const bool half = n.bit(s - 1);
        const bool rest = sticky || n.anyBelow(s - 1);
        if (half && (rest || (mantissa & 1U) != 0)) ++mantissa;
    }
    if (mantissa == 0) return {0.0, Range::tooSmall};
    const double value = std::ldexp(static_cast<double>(mantissa), static_cast<int>(lsb));
    if (std::isinf(value)) return {0.0, Range::tooLarge};
    return {value, Range::inside};
}

// Beyond this the exponent of a text only says "out of range".
constexpr long long exponentLimit = 1'000'000'000;
// Significant digits kept: rounding a decimal to a double never depends on more than its first
// 767 and on whether any after them is not zero, which one more digit stands for.
constexpr std::size_t keptDigits = 800;

// digits x 10^e10, correctly rounded.
Rounded roundDecimal(const Big& digits, int digitCount, long long e10) {
    if (digits.isZero()) return {};
    // The value lies in [10^(digitCount - 1 + e10), 10^(digitCount + e10)).
    if (digitCount + e10 > 310) return {0.0, Range::tooLarge};
    if (digitCount + e10 < -324) return {0.0, Range::tooSmall};
    if (e10 >= 0) {
        Big n = digits;
        n.mulPow(10, static_cast<int>(e10));
        return roundBinary(n, 0, false);
    }
    // digits / 10^m as a quotient of 62 to 64 bits and a remainder.
    Big divisor(1);
    divisor.mulPow(10, static_cast<int>(-e10));
    Big a = digits;
    const int k = divisor.bitLength() - digits.bitLength() + 63;
    if (k >= 0)
        a.shiftLeft(k);
    else
        divisor.shiftLeft(-k);
    const int steps = a.bitLength() - divisor.bitLength();
    divisor.shiftLeft(std::max(steps, 0));
    std::uint64_t quotient = 0;
    for (int i = std::max(steps, 0); i >= 0; --i) {
        quotient <<= 1;
        if (compare(a, divisor) >= 0) {
            a.subtract(divisor);
            quotient |= 1;
        }
        divisor.shiftRightOne();
    }
    return roundBinary(Big(quotient), -k, !a.isZero());
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
int hexValue(char c) {
    if (isDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The digits of a number before its exponent, and what they are worth: value = digits x
// base^scale (base 10, or 2 for hex, whose digits count four bits each).
struct Mantissa {
    Big digits;
    int count = 0;  // significant digits kept
    bool droppedNonZero = false;
    long long scale = 0;
    const char* end = nullptr;  // after the last digit; nullptr when there was none
};

Mantissa readMantissa(const char* p, const char* last, bool hex) {
    Mantissa m;
    const int base = hex ? 16 : 10;
    const std::size_t keep = hex ? 300 : keptDigits;
    bool any = false, point = false;
    for (; p != last; ++p) {
        if (*p == '.' && !point) {
            point = true;
            continue;
        }
        const int v = hex ? hexValue(*p) : (isDigit(*p) ? *p - '0' : -1);
        if (v < 0) break;
        any = true;
        if (m.count == 0 && v == 0) {
            if (point) m.scale -= hex ? 4 : 1;
            continue;
        }
        if (static_cast<std::size_t>(m.count) < keep) {
            m.digits.mulAdd(static_cast<std::uint32_t>(base), static_cast<std::uint32_t>(v));
            ++m.count;
            if (point) m.scale -= hex ? 4 : 1;
        } else {
            if (v != 0) m.droppedNonZero = true;
            if (!point) m.scale += hex ? 4 : 1;
        }
    }
    // A point read but not followed by anything belongs to the number only after digits.
    if (any) m.end = p;
    return m;
}

}  // namespace

std::from_chars_result fromChars(const char* first, const char* last, double& value,
                                 std::chars_format format) {
    const bool hex = format == std::chars_format::hex;
    const char* p = first;
    const bool negative = p != last && *p == '-';
    if (negative) ++p;
    Mantissa m = readMantissa(p, last, hex);
    if (m.end == nullptr) return {first, std::errc::invalid_argument};
    p = m.end;
    // The exponent, read only when digits follow its letter and sign.
    const bool exponentAllowed = hex || format != std::chars_format::fixed;
    const bool exponentNeeded = !hex && format == std::chars_format::scientific;
    bool exponentRead = false;
    long long exponent = 0;
    if (exponentAllowed && p != last &&
        (hex ? (*p == 'p' || *p == 'P') : (*p == 'e' || *p == 'E'))) {
        const char* q = p + 1;
        const bool minus = q != last && *q == '-';
        if (q != last && (*q == '-' || *q == '+')) ++q;
        if (q != last && isDigit(*q)) {
            for (; q != last && isDigit(*q); ++q)
                exponent = std::min(exponent * 10 + (*q - '0'), exponentLimit);
            if (minus) exponent = -exponent;
            exponentRead = true;
            p = q;
        }
    }
    if (exponentNeeded && !exponentRead) return {first, std::errc::invalid_argument};
    if (m.droppedNonZero) {
        // Any non-zero digit stands for the dropped ones: it rounds the same way as they do.
        m.digits.mulAdd(hex ? 16U : 10U, 1);
        ++m.count;
        m.scale -= hex ? 4 : 1;
    }
    const long long power = m.scale + exponent;
    const Rounded r =
        hex ? roundBinary(m.digits, power, false) : roundDecimal(m.digits, m.count, power);
    if (r.range != Range::inside) return {p, std::errc::result_out_of_range};
    value = negative ? -r.value : r.value;
    return {p, std::errc{}};
}

namespace {

// The exact value of n x 2^e2 as 0.digits x 10^point, digits without leading or trailing zeros.
struct Decimal {
    std::string digits;
    long long point = 0;
};

Decimal exactDecimal(Big n, int e2) {
    long long e10 = 0;
    if (e2 >= 0) {
        n.shiftLeft(e2);
    } else {
        // n x 2^-k = n x 5^k x 10^-k
        n.mulPow(5, -e2);
        e10 = e2;
    }
    Decimal d{n.decimal(), 0};
    d.point = static_cast<long long>(d.digits.size()) + e10;
    while (d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

// Compares two positive decimals.
int compare(const Decimal& a, const Decimal& b) {
    if (a.point != b.point) return a.point < b.point ? -1 : 1;
    const std::size_t n = std::max(a.digits.size(), b.digits.size());
    for (std::size_t k = 0; k < n; ++k) {
        const char x = k < a.digits.size() ? a.digits[k] : '0';
        const char y = k < b.digits.size() ? b.digits[k] : '0';
        if (x != y) return x < y ? -1 : 1;
    }
    return 0;
}

// Adds one to the last digit of a string of digits; "99" becomes "100".
std::string incremented(std::string digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return digits;
        }
        *it = '0';
    }
    return '1' + digits;
}

// A finite positive double, exactly, with the two halfway points to its neighbours: the texts
// between them read back as it, and those on one of them too when its last bit is zero.
struct Exact {
    Decimal value, below, above;
    bool even = false;
};

Exact exact(double v) {
    const auto bits = std::bit_cast<std::uint64_t>(v);
    const auto field = static_cast<int>(bits >> 52);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    const std::uint64_t m = field == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
    const int e2 = field == 0 ? -1074 : field - 1075;
    Exact x;
    x.value = exactDecimal(Big(m), e2);
    x.above = exactDecimal(Big(2 * m + 1), e2 - 1);
    // Below a power of two the next double down lies half as far.
    x.below = fraction == 0 && field > 1 ? exactDecimal(Big(4 * m - 1), e2 - 2)
                                         : exactDecimal(Big(2 * m - 1), e2 - 1);
    x.even = m % 2 == 0;
    return x;
}

bool readsBack(const Decimal& text, const Exact& x) {
    const int low = compare(text, x.below), high = compare(text, x.above);
    return (low > 0 || (low == 0 && x.even)) && (high < 0 || (high == 0 && x.even));
}

// The shortest digits that read back as the double: of those, the nearest to it, in a tie the
// one whose last digit is even.
Decimal shortest(const Exact& x) {
    const std::string& all = x.value.digits;
    // The nearest texts of p digits are the exact digits cut to p and that plus one unit: any
    // other text of p digits that read back would lie between them.
    for (std::size_t p = 1; p < all.size(); ++p) {
        Decimal lo{all.substr(0, p), x.value.point};
        Decimal hi{incremented(lo.digits), x.value.point};
        if (hi.digits.size() > p) ++hi.point;
        const bool loReads = readsBack(lo, x), hiReads = readsBack(hi, x);
        if (!loReads && !hiReads) continue;
        bool up = hiReads;
        if (loReads && hiReads) {
            const char next = all[p];
            const bool half = next == '5' && all.size() == p + 1;
            up =
                next > '5' || (next == '5' && !half) || (half && (lo.digits.back() - '0') % 2 != 0);
        }
        Decimal d = up ? hi : lo;
        while (d.digits.size() > 1 && d.digits.back() == '0')
            d.digits.pop_back();
        return d;
    }
    return x.value;
}

std::string fixedText(const Decimal& s, const Decimal& exact) {
    const auto length = static_cast<long long>(exact.digits.size());
    if (exact.point >= length) {
        // Every text of a whole number's length has as many characters: its own digits differ
        // from it least.
        return exact.digits + std::string(static_cast<std::size_t>(exact.point - length), '0');
    }
    if (s.point <= 0) return "0." + std::string(static_cast<std::size_t>(-s.point), '0') + s.digits;
    const auto at = static_cast<std::size_t>(s.point);
    return s.digits.substr(0, at) + '.' + s.digits.substr(at);
}
std::string scientificText(const Decimal& s) {
    std::string text(1, s.digits[0]);
    if (s.digits.size() > 1) text += '.' + s.digits.substr(1);
    const long long e = s.point - 1;
    text += e < 0 ? "e-" : "e+";
    const std::string digits = std::to_string(e < 0 ? -e : e);
    if (digits.size() < 2) text += '0';
    return text + digits;
}

std::to_chars_result put(char* first, char* last, const std::string& text) {
    if (static_cast<std::size_t>(last - first) < text.size())
        return {last, std::errc::value_too_large};
    std::memcpy(first, text.data(), text.size());
    return {first + text.size(), std::errc{}};
}

std::to_chars_result write(char* first, char* last, double value, bool fixedOnly) {
    std::string text = std::signbit(value) ? "-" : "";
    const double v = std::fabs(value);
    if (std::isnan(v)) return put(first, last, text + "nan");
    if (std::isinf(v)) return put(first, last, text + "inf");
    if (v == 0.0) return put(first, last, text + '0');
    const Exact x = exact(v);
    const Decimal s = shortest(x);
    const std::string fixed = fixedText(s, x.value);
    if (fixedOnly) return put(first, last, text + fixed);
    const std::string scientific = scientificText(s);
    return put(first, last, text + (fixed.size() <= scientific.size() ? fixed : scientific));
}

}  // namespace

std::to_chars_result toChars(char* first, char* last, double value) {
    return write(first, last, value, false);
}

std::to_chars_result toChars(char* first, char* last, double value, std::chars_format format) {
    // Only the forms the program writes.
    return write(first, last, value, format == std::chars_format::fixed);
}

}  // namespace octaval::portable
