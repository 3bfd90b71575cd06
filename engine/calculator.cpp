// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/calculator.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>

namespace octaval {
namespace {

constexpr Box ipFirst = Box::Text1;
constexpr Box maskFirst = Box::Text5;
constexpr Box networkFirst = Box::Text9;
constexpr Box broadcastFirst = Box::Text13;
constexpr Box firstSubnetFirst = Box::Text26;
constexpr Box lastSubnetFirst = Box::Text30;

constexpr std::string_view blank = " ";

// Accepted mask-octet values with the bits each counts for the subnet field, in the order in
// which they are compared.
struct MaskValue {
    double value;
    std::int16_t bits;
};
constexpr std::array<MaskValue, 9> maskValues = {
    {{255, 8}, {254, 7}, {252, 6}, {248, 5}, {240, 4}, {224, 3}, {192, 2}, {128, 1}, {0, 0}}};

bool isAcceptedMaskOctet(double m) {
    return std::any_of(maskValues.begin(), maskValues.end(),
                       [m](const MaskValue& v) { return v.value == m; });
}

std::int16_t maskBitCount(double m) {
    for (const auto& v : maskValues)
        if (v.value == m) return v.bits;
    return 0;
}

bool isWhole(double v) {
    return std::floor(v) == v;
}

// Reads the four boxes of a row into octets; false at the first text beyond the number range.
bool readOctets(const BoxAccess& boxes, Box first, std::array<double, 4>& octets) {
    for (int k = 1; k <= 4; ++k) {
        const ReadNumber n = textToNumber(boxes.text(octetBox(first, k)));
        if (!n.inRange) return false;
        octets[k - 1] = n.value;
    }
    return true;
}

// The validation chain over the address and the mask: the message of the first check that
// holds, or nothing when every check passes.
std::optional<std::string_view> validate(const CalculatorState& s) {
    const auto& ip = s.ipOctet;
    const auto& m = s.maskOctet;
    const double x = ip[0];

    // Besides the upper bound, an octet must be a whole number and not negative: a fractional or
    // negative octet names no address, and rounding it would report a different one as "OK".
    const bool badOctet =
        std::any_of(ip.begin(), ip.end(), [](double v) { return v > 255 || v < 0 || !isWhole(v); });
    if (x == 0 || badOctet) return status::illegalIpAddress;

    if (!std::all_of(m.begin(), m.end(), isAcceptedMaskOctet)) return status::illegalSubnetMask;

    if ((x > 0 && x < 128 && m[0] != 255) || (x > 127 && x < 192 && m[0] != 255 && m[1] != 255) ||
        (x > 191 && x < 240 && m[0] != 255 && m[1] != 255 && m[2] != 255))
        return status::illegalMaskVersusClass;

    if ((m[1] < m[0] && m[2] != 0 && m[3] != 0) || (m[2] < m[1] && m[3] != 0))
        return status::illegalSubnetMask;

    if (m[0] < 255 || m[1] > m[0] || m[2] > m[1] || m[3] > m[2]) return status::illegalSubnetMask;

    return std::nullopt;
}

std::string_view classLetter(double x) {
    if (x < 1) return blank;
    if (x < 128) return "A";
    if (x < 192) return "B";
    if (x < 224) return "C";
    if (x < 240) return "D";
    return "E";  // 240 up to 255, the highest octet the chain lets through
}

// Zero and one counts of the entries first..last of a bit vector.
struct BitCounts {
    int zeros = 0;
    int ones = 0;
};
BitCounts countBits(const BitVector& bits, int first, int last) {
    BitCounts c;
    for (int i = first; i <= last; ++i) {
        if (bits[i] == 0) ++c.zeros;
        if (bits[i] == 1) ++c.ones;
    }
    return c;
}

// 2 ^ n - 2, the usable subnets or hosts of an n-bit field, as text: a whole number for every n
// that occurs (1..24) and shown as one.
std::string usableCount(int bits) {
    return numberToText(std::ldexp(1.0, bits) - 2);
}

// The texts a press leaves in the output boxes. A press decides every text first and then writes
// each box once: the boxes end as if they had been blanked and then written step by step, without
// writing most of them twice.
class PressOutput {
public:
    PressOutput() {
        for (int n = numberOf(Box::Text9); n <= numberOf(Box::Text20); ++n)
            m_text[n] = blank;
        for (int n = numberOf(Box::Text26); n <= numberOf(Box::Text33); ++n)
            m_text[n] = blank;
        m_text[numberOf(Box::Text21)] = status::ok;
    }
    PressOutput(const PressOutput&) = delete;
    PressOutput& operator=(const PressOutput&) = delete;

    void set(Box box, std::string_view text) { m_text[numberOf(box)] = text; }
    /// Text18..Text20 hold lines joined from their parts for this press.
    void setLine(Box box, std::initializer_list<std::string_view> parts) {
        auto& buffer = m_lines[static_cast<std::size_t>(numberOf(box) - numberOf(Box::Text18))];
        std::size_t size = 0;
        for (const auto part : parts) {
            const std::size_t n = std::min(part.size(), buffer.size() - size);
            std::copy_n(part.data(), n, buffer.data() + size);
            size += n;
        }
        m_text[numberOf(box)] = std::string_view(buffer.data(), size);
    }
    void writeTo(BoxAccess& boxes) const {
        for (int n = numberOf(Box::Text9); n <= numberOf(Box::Text21); ++n)
            boxes.setText(boxNumber(n), m_text[n]);
        for (int n = numberOf(Box::Text26); n <= numberOf(Box::Text33); ++n)
            boxes.setText(boxNumber(n), m_text[n]);
    }

private:
    std::array<std::string_view, 34> m_text{};
    std::array<std::array<char, 64>, 3> m_lines;  // the longest line has 24 characters
};

// The first and last usable subnet: the network address with its subnet field set to 0...01 and
// to 1...10.
void ShowSubnetRange(CalculatorState& state, PressOutput& out) {
    state.firstSubnetBit = state.netBit;
    state.lastSubnetBit = state.netBit;
    // A field of one bit has no usable subnet: its only patterns are all zeros and all ones.
    if (state.subnetBits < 2) return;
    const int first = state.classBits + 1;
    const int last = state.classBits + state.subnetBits;
    if (first < 1 || last > 32) return;  // no field inside the address: nothing to show
    for (int i = first; i <= last; ++i) {
        state.firstSubnetBit[i] = 0;
        state.lastSubnetBit[i] = 1;
    }
    state.firstSubnetBit[last] = 1;
    state.lastSubnetBit[last] = 0;
    for (int k = 1; k <= 4; ++k) {
        out.set(octetBox(firstSubnetFirst, k), BitsToOctetText(octetBits(state.firstSubnetBit, k)));
        out.set(octetBox(lastSubnetFirst, k), BitsToOctetText(octetBits(state.lastSubnetBit, k)));
    }
}

// Counts the class, subnet and host bits, reports the subnet and host findings, and sets the
// subnet range and the result lines. Runs only after the validation chain has passed.
void analyseSubnetsAndHosts(CalculatorState& s, PressOutput& out) {
    const double x = s.ipOctet[0];
    const auto& m = s.maskOctet;

    // The class blocks are independent tests in this order; a later block's values stand.
    bool counted = false;
    if (x > 0 && x < 128) {
        s.classBits = 8;
        s.subnetBits =
            static_cast<std::int16_t>(maskBitCount(m[1]) + maskBitCount(m[2]) + maskBitCount(m[3]));
        counted = true;
    }
    if (x > 127 && x < 192) {
        s.classBits = 16;
        s.subnetBits = static_cast<std::int16_t>(maskBitCount(m[2]) + maskBitCount(m[3]));
        counted = true;
    }
    if (x > 191 && x < 224) {
        s.classBits = 24;
        s.subnetBits = maskBitCount(m[3]);
        counted = true;
    }
    if (!counted) {
        // Class D and E have no subnet field: counting from an earlier press's fields would make
        // the same inputs give different answers.
        s.classBits = 0;
        s.subnetBits = 0;
    }
    s.hostBits = static_cast<std::int16_t>((32 - s.classBits) - s.subnetBits);

    // Later findings replace earlier ones; only "No host(s)" ends the press.
    if (s.subnetBits != 0) {
        const auto c = countBits(s.netBit, s.classBits + 1, s.classBits + s.subnetBits);
        if (c.zeros == s.subnetBits) out.set(Box::Text21, status::subnetAllZeros);
        if (c.ones == s.subnetBits) out.set(Box::Text21, status::subnetAllOnes);
    }
    const auto host = countBits(s.ipBit, 33 - s.hostBits, 32);
    if (s.hostBits == 0) {
        out.set(Box::Text21, status::noHosts);
        return;
    }
    if (host.zeros == s.hostBits) out.set(Box::Text21, status::hostAllZeros);
    if (host.ones == s.hostBits) out.set(Box::Text21, status::hostAllOnes);

    ShowSubnetRange(s, out);

    if (x > 0 && x < 224) {
        const int letterCode = static_cast<int>(std::nearbyint(s.classBits / 8.0 + 64));
        out.setLine(Box::Text18,
                    {numberToText(s.classBits), " bits, Class ", letterFromCode(letterCode)});
        if (s.subnetBits != 0) {
            out.setLine(Box::Text19, {numberToText(s.subnetBits), " bits, ",
                                      usableCount(s.subnetBits), " subnets"});
        } else {
            out.setLine(Box::Text19, {numberToText(s.subnetBits), " bits, no subnets"});
        }
        out.setLine(Box::Text20,
                    {numberToText(s.hostBits), " bits, ", usableCount(s.hostBits), " hosts"});
    }
    if (x > 223 && x < 240) out.set(Box::Text18, "Multicast, Class D");
    if (x > 239 && x < 256) out.set(Box::Text18, "Research, Class E");
}

// Everything a press decides, from reading the inputs to the last result line.
void press(CalculatorState& s, const BoxAccess& boxes, PressOutput& out) {
    // A text beyond the number range, or a fourth octet beyond the 16-bit range, ends the press
    // like any rejected input: its message in the status box, every output blank.
    std::optional<std::string_view> failure;
    if (!readOctets(boxes, ipFirst, s.ipOctet)) {
        failure = status::illegalIpAddress;
    } else if (!readOctets(boxes, maskFirst, s.maskOctet)) {
        failure = status::illegalSubnetMask;
    } else if (!IpToBits(s)) {
        failure = status::illegalIpAddress;
    } else {
        failure = validate(s);
    }
    if (failure) {
        out.set(Box::Text21, *failure);
        return;
    }

    std::array<std::int32_t, 4> network{};
    std::array<std::int32_t, 4> broadcast{};
    for (int k = 0; k < 4; ++k) {
        const auto net = bitAnd(s.ipOctet[k], s.maskOctet[k]);
        const auto hostPart = bitNot(s.maskOctet[k]);
        if (!net || !hostPart) {
            out.set(Box::Text21, status::illegalIpAddress);
            return;
        }
        network[k] = *net;
        broadcast[k] = *bitOr(*net, static_cast<double>(*hostPart) + 256);
    }
    s.netOctet = network;
    NetToBits(s);

    for (int k = 1; k <= 4; ++k) {
        out.set(octetBox(networkFirst, k), octetText(network[k - 1]));
        out.set(octetBox(broadcastFirst, k), octetText(broadcast[k - 1]));
    }
    out.set(Box::Text17, classLetter(s.ipOctet[0]));

    analyseSubnetsAndHosts(s, out);
}

}  // namespace

bool IpToBits(CalculatorState& state) {
    return OctetsToBits(state.ipOctet, state.ipBit);
}

void NetToBits(CalculatorState& state) {
    std::array<double, 4> octets{};
    std::copy(state.netOctet.begin(), state.netOctet.end(), octets.begin());
    OctetsToBits(octets, state.netBit);  // network octets lie in 0..255: cannot fail
}

void Recalculate(CalculatorState& state, BoxAccess& boxes) {
    PressOutput out;
    press(state, boxes, out);
    out.writeTo(boxes);
}

std::array<std::string_view, 4> naturalMask(std::string_view firstOctetText) {
    // Compared on the exact value, never rounded; a text beyond the range keeps its sign.
    const double v = textToNumber(firstOctetText).value;
    if (v < 128) return {"255", "0", "0", "0"};
    if (v < 192) return {"255", "255", "0", "0"};
    return {"255", "255", "255", "0"};
}

void ApplyNaturalMask(BoxAccess& boxes) {
    const auto mask = naturalMask(boxes.text(Box::Text1));
    for (int k = 1; k <= 4; ++k)
        boxes.setText(octetBox(maskFirst, k), mask[k - 1]);
}

}  // namespace octaval
