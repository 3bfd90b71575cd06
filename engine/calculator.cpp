// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/calculator.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <initializer_list>
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

// The bits an accepted mask octet counts for the subnet field: its leading one bits.
std::int16_t maskBitCount(double m) {
    for (const int v : acceptedMaskOctets)
        if (v == m) return static_cast<std::int16_t>(std::popcount(static_cast<unsigned>(v)));
    return 0;
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

// The validation chain over the address and the mask: the first check that holds, or none when
// every check passes.
Rejection validate(const CalculatorState& s) {
    const auto& ip = s.ipOctet;
    const auto& m = s.maskOctet;

    // Check 1. Besides the upper bound, an octet must be a whole number and not negative: a
    // fractional or negative octet names no address, and rounding it would report a different
    // one as "OK". Every later step relies on whole octets 0..255 and a first octet 1..255.
    const bool badOctet = std::any_of(
        ip.begin(), ip.end(), [](double v) { return v > 255 || v < 0 || !isWholeNumber(v); });
    if (ip[0] == 0 || badOctet) return Rejection::illegalAddress;

    // Checks 2 to 5: every mask octet is one of the accepted values.
    if (!std::all_of(m.begin(), m.end(), isAcceptedMaskOctet)) return Rejection::maskOctetValue;

    // Checks 6 to 8: a mask must hold a 255 within the network octets of the address's class. A
    // mask that starts with 255 always does.
    const int covered = m[0] == 255 ? 0 : networkMaskOctets(addressClass(ip[0]));
    if (covered > 0 &&
        std::none_of(m.begin(), m.begin() + covered, [](double v) { return v == 255; }))
        return Rejection::maskVersusClass;

    // Checks 9 to 11 let masks of the form 255.a.b.0 (255 > a >= b > 0, such as 255.192.192.0)
    // through on purpose: classful subnetting counts the subnet bits octet by octet, and there
    // such a mask is legal.
    if ((m[1] < m[0] && m[2] != 0 && m[3] != 0) || (m[2] < m[1] && m[3] != 0))
        return Rejection::maskShape;
    if (m[0] < 255 || m[1] > m[0] || m[2] > m[1] || m[3] > m[2]) return Rejection::maskShape;

    return Rejection::none;
}

// The letter of a class as text that outlives the press ("A" .. "E").
std::string_view letterText(const AddressClass& c) {
    static constexpr std::string_view letters = "ABCDE";
    return letters.substr(static_cast<std::size_t>(c.letter - 'A'), 1);
}

// Whether entries first..last of a bit vector are all zeros or all ones; an empty field is
// neither.
struct FieldPattern {
    bool allZeros = false;
    bool allOnes = false;
};
FieldPattern fieldPattern(const BitVector& bits, int first, int last) {
    if (first > last) return {};
    const auto begin = bits.begin() + first;
    const auto end = bits.begin() + last + 1;
    return {std::all_of(begin, end, [](std::int16_t b) { return b == 0; }),
            std::all_of(begin, end, [](std::int16_t b) { return b == 1; })};
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

    /// Sets a box to a text that outlives the press.
    void set(Box box, std::string_view text) { m_text[numberOf(box)] = text; }
    /// Text18..Text20 hold lines joined from their parts for this press.
    void setLine(Box box, std::initializer_list<std::string_view> parts) {
        auto& buffer = m_lines[static_cast<std::size_t>(numberOf(box) - numberOf(Box::Text18))];
        std::size_t size = 0;
        for (const auto part : parts) {
            assert(size + part.size() <= buffer.size());
            std::copy_n(part.data(), part.size(), buffer.data() + size);
            size += part.size();
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
    // The longest line, "23 bits, 8388606 subnets", has 24 characters.
    std::array<std::array<char, 32>, 3> m_lines;
};

// Reads the eight input boxes and takes the address bits; a text whose number cannot be converted
// (beyond the number range, or a fourth octet beyond the 16-bit range) ends the press like any
// rejected input.
Rejection readInputs(CalculatorState& s, const BoxAccess& boxes) {
    if (!readOctets(boxes, ipFirst, s.ipOctet)) return Rejection::addressUnreadable;
    if (!readOctets(boxes, maskFirst, s.maskOctet)) return Rejection::maskUnreadable;
    if (!IpToBits(s)) return Rejection::addressUnreadable;
    return Rejection::none;
}

// Forms the network address (netOctet and netBit) and shows it with the broadcast address.
void showAddresses(CalculatorState& s, PressNumbers& numbers, PressOutput& out) {
    for (int k = 1; k <= 4; ++k) {
        // Whole octets 0..255 and accepted mask octets keep And, Or and Not in the 32-bit range.
        const auto net = bitAnd(s.ipOctet[k - 1], s.maskOctet[k - 1]);
        const auto hostPart = bitNot(s.maskOctet[k - 1]);
        assert(net && hostPart);
        const auto broadcast = bitOr(*net, static_cast<double>(*hostPart) + 256);
        s.netOctet[k - 1] = *net;
        numbers.network = numbers.network << 8 | static_cast<Address>(*net);
        numbers.broadcast = numbers.broadcast << 8 | static_cast<Address>(*broadcast);
        out.set(octetBox(networkFirst, k), octetText(*net));
        out.set(octetBox(broadcastFirst, k), octetText(*broadcast));
    }
    NetToBits(s);
}

// Counts the class, subnet and host bits. Only the mask octets past the class's network field
// count, each by its own bits: a mask shorter than the class (a class B address under 255.0.0.0)
// counts no subnet bits and leaves the class's whole host field, so it answers "OK" with the
// class's host count. Class D and E have no network field and so no subnet field; their counts
// never depend on an earlier press.
void countFields(CalculatorState& s, const AddressClass& c) {
    s.classBits = c.classBits;
    s.subnetBits = 0;
    for (int k = c.classBits / 8; c.classBits != 0 && k < 4; ++k)
        s.subnetBits = static_cast<std::int16_t>(s.subnetBits + maskBitCount(s.maskOctet[k]));
    s.hostBits = static_cast<std::int16_t>(32 - s.classBits - s.subnetBits);
    assert(s.hostBits >= 0);
}

// 2 ^ n - 2, the usable subnets or hosts of an n-bit field; 0 for a field of no bits.
std::uint64_t usable(int bits) {
    return bits == 0 ? 0 : (std::uint64_t{1} << bits) - 2;
}

// The counts of the fields as numbers, and the first and last usable subnet as addresses.
void countNumbers(const CalculatorState& s, PressNumbers& numbers) {
    numbers.networkBits = s.classBits;
    numbers.subnetBits = s.subnetBits;
    numbers.hostBits = s.hostBits;
    numbers.hasLines = s.classBits != 0 && s.hostBits != 0;
    numbers.usableSubnets = usable(s.subnetBits);
    numbers.usableHosts = usable(s.hostBits);
    numbers.hasSubnetRange = s.subnetBits >= 2 && s.hostBits != 0;
    if (!numbers.hasSubnetRange) return;
    const Address lowest = Address{1} << s.hostBits;  // the last bit of the subnet field
    const Address field = ((Address{1} << s.subnetBits) - 1) << s.hostBits;
    numbers.firstSubnet = (numbers.network & ~field) | lowest;
    numbers.lastSubnet = (numbers.network | field) & ~lowest;
}

// Finds a subnet field of the network address or a host field of the address that is all zeros
// or all ones, and whether there are no host bits at all, which ends the press.
Findings findFields(const CalculatorState& s) {
    Findings f;
    const auto subnet = fieldPattern(s.netBit, s.classBits + 1, s.classBits + s.subnetBits);
    f.subnetAllZeros = subnet.allZeros;
    f.subnetAllOnes = subnet.allOnes;
    f.noHosts = s.hostBits == 0;
    if (f.noHosts) return f;
    const auto host = fieldPattern(s.ipBit, 33 - s.hostBits, 32);
    f.hostAllZeros = host.allZeros;
    f.hostAllOnes = host.allOnes;
    return f;
}

// The first and last usable subnet: the network address with its subnet field set to 0...01 and
// to 1...10.
void ShowSubnetRange(CalculatorState& state, PressOutput& out) {
    state.firstSubnetBit = state.netBit;
    state.lastSubnetBit = state.netBit;
    // A field of one bit has no usable subnet: its only patterns are all zeros and all ones.
    if (state.subnetBits < 2) return;
    const int first = state.classBits + 1;
    const int last = state.classBits + state.subnetBits;
    assert(first >= 9 && last <= 31);  // a class A, B or C address with at least one host bit
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

// The network, subnet and host lines; class D and E get a network line of their own.
void showResultLines(const PressNumbers& n, PressOutput& out) {
    const AddressClass& c = *n.addressClass;
    if (!n.hasLines) {
        out.set(Box::Text18, c.letter == 'D' ? "Multicast, Class D" : "Research, Class E");
        return;
    }
    out.setLine(Box::Text18, {numberToText(n.networkBits), " bits, Class ", letterText(c)});
    if (n.subnetBits != 0) {
        out.setLine(Box::Text19, {numberToText(n.subnetBits), " bits, ",
                                  numberToText(static_cast<double>(n.usableSubnets)), " subnets"});
    } else {
        out.setLine(Box::Text19, {numberToText(n.subnetBits), " bits, no subnets"});
    }
    out.setLine(Box::Text20, {numberToText(n.hostBits), " bits, ",
                              numberToText(static_cast<double>(n.usableHosts)), " hosts"});
}

// Everything a press decides, from reading the inputs to the last result line.
PressResult press(CalculatorState& s, const BoxAccess& boxes, PressOutput& out) {
    PressResult result;
    PressOutcome& outcome = result.outcome;
    outcome.rejection = readInputs(s, boxes);
    if (outcome.passed()) outcome.rejection = validate(s);
    if (!outcome.passed()) {
        out.set(Box::Text21, outcome.status());
        return result;
    }
    PressNumbers& numbers = result.numbers;
    const AddressClass& c = addressClass(s.ipOctet[0]);
    numbers.addressClass = &c;
    showAddresses(s, numbers, out);
    out.set(Box::Text17, letterText(c));
    countFields(s, c);
    countNumbers(s, numbers);
    outcome.findings = findFields(s);
    out.set(Box::Text21, outcome.status());
    if (outcome.findings.noHosts) return result;
    ShowSubnetRange(s, out);
    showResultLines(numbers, out);
    return result;
}

}  // namespace

bool isAcceptedMaskOctet(double octet) {
    return std::any_of(acceptedMaskOctets.begin(), acceptedMaskOctets.end(),
                       [octet](int v) { return v == octet; });
}

bool IpToBits(CalculatorState& state) {
    return OctetsToBits(state.ipOctet, state.ipBit);
}

void NetToBits(CalculatorState& state) {
    std::array<double, 4> octets{};
    std::copy(state.netOctet.begin(), state.netOctet.end(), octets.begin());
    // Network octets lie in 0..255, so the fourth always fits in 16 bits.
    [[maybe_unused]] const bool converted = OctetsToBits(octets, state.netBit);
    assert(converted);
}

std::string_view PressOutcome::status() const {
    switch (rejection) {
        case Rejection::addressUnreadable:
        case Rejection::illegalAddress:
            return status::illegalIpAddress;
        case Rejection::maskUnreadable:
        case Rejection::maskOctetValue:
        case Rejection::maskShape:
            return status::illegalSubnetMask;
        case Rejection::maskVersusClass:
            return status::illegalMaskVersusClass;
        case Rejection::none:
            break;
    }
    // Later findings replace earlier ones; no host bits leaves no host field to test.
    const Findings& f = findings;
    if (f.hostAllOnes) return status::hostAllOnes;
    if (f.hostAllZeros) return status::hostAllZeros;
    if (f.noHosts) return status::noHosts;
    if (f.subnetAllOnes) return status::subnetAllOnes;
    if (f.subnetAllZeros) return status::subnetAllZeros;
    return status::ok;
}

PressResult Recalculate(CalculatorState& state, BoxAccess& boxes) {
    PressOutput out;
    const PressResult result = press(state, boxes, out);
    out.writeTo(boxes);
    return result;
}

std::array<std::string_view, 4> naturalMask(std::string_view firstOctetText) {
    // A text beyond the number range keeps its sign, so -1e400 still gets class A's mask.
    const Address mask = addressClass(textToNumber(firstOctetText).value).naturalMask;
    return {octetText(static_cast<int>(mask >> 24)), octetText(static_cast<int>(mask >> 16 & 255)),
            octetText(static_cast<int>(mask >> 8 & 255)), octetText(static_cast<int>(mask & 255))};
}

void ApplyNaturalMask(BoxAccess& boxes) {
    const auto mask = naturalMask(boxes.text(Box::Text1));
    for (int k = 1; k <= 4; ++k)
        boxes.setText(octetBox(maskFirst, k), mask[k - 1]);
}

}  // namespace octaval
