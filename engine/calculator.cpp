#include "calculator.h"

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

void writeOctetRow(BoxAccess& boxes, Box first, const BitVector& bits) {
    for (int k = 1; k <= 4; ++k)
        boxes.setText(octetBox(first, k), BitsToOctetText(octetBits(bits, k)));
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

// Joins the parts of a result line ("8 bits, 254 subnets").
std::string joined(std::initializer_list<std::string_view> parts) {
    std::size_t size = 0;
    for (const auto part : parts)
        size += part.size();
    std::string line;
    line.reserve(size);
    for (const auto part : parts)
        line.append(part);
    return line;
}

std::string bitsLine(int bits, std::string_view what) {
    // 2 ^ n - 2 is a whole number for every n that occurs (1..24) and is shown as one.
    return joined(
        {numberToText(bits), " bits, ", numberToText(std::ldexp(1.0, bits) - 2), " ", what});
}

// Counts the class, subnet and host bits, reports the subnet and host findings, and writes the
// subnet range and the result lines. Runs only after the validation chain has passed.
void analyseSubnetsAndHosts(CalculatorState& s, BoxAccess& boxes) {
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

    std::string_view message = status::ok;
    if (s.subnetBits != 0) {
        const auto c = countBits(s.netBit, s.classBits + 1, s.classBits + s.subnetBits);
        if (c.zeros == s.subnetBits) message = status::subnetAllZeros;
        if (c.ones == s.subnetBits) message = status::subnetAllOnes;
    }
    const auto host = countBits(s.ipBit, 33 - s.hostBits, 32);
    if (s.hostBits == 0) {
        boxes.setText(Box::Text21, status::noHosts);
        return;
    }
    if (host.zeros == s.hostBits) message = status::hostAllZeros;
    if (host.ones == s.hostBits) message = status::hostAllOnes;
    if (message != status::ok) boxes.setText(Box::Text21, message);

    ShowSubnetRange(s, boxes);

    if (x > 0 && x < 224) {
        const int letterCode = static_cast<int>(std::nearbyint(s.classBits / 8.0 + 64));
        boxes.setText(Box::Text18, joined({numberToText(s.classBits), " bits, Class ",
                                           letterFromCode(letterCode)}));
        boxes.setText(Box::Text19, s.subnetBits != 0
                                       ? bitsLine(s.subnetBits, "subnets")
                                       : joined({numberToText(s.subnetBits), " bits, no subnets"}));
        boxes.setText(Box::Text20, bitsLine(s.hostBits, "hosts"));
    }
    if (x > 223 && x < 240) boxes.setText(Box::Text18, "Multicast, Class D");
    if (x > 239 && x < 256) boxes.setText(Box::Text18, "Research, Class E");
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

void ShowSubnetRange(CalculatorState& state, BoxAccess& boxes) {
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
    writeOctetRow(boxes, firstSubnetFirst, state.firstSubnetBit);
    writeOctetRow(boxes, lastSubnetFirst, state.lastSubnetBit);
}

void Recalculate(CalculatorState& s, BoxAccess& boxes) {
    for (int n = numberOf(Box::Text9); n <= numberOf(Box::Text20); ++n)
        boxes.setText(boxNumber(n), blank);
    boxes.setText(Box::Text21, status::ok);
    for (int n = numberOf(Box::Text26); n <= numberOf(Box::Text33); ++n)
        boxes.setText(boxNumber(n), blank);

    // A text beyond the number range, or a fourth octet beyond the 16-bit range, ends the press
    // like any rejected input: its message in the status box, every output blank.
    if (!readOctets(boxes, ipFirst, s.ipOctet)) {
        boxes.setText(Box::Text21, status::illegalIpAddress);
        return;
    }
    if (!readOctets(boxes, maskFirst, s.maskOctet)) {
        boxes.setText(Box::Text21, status::illegalSubnetMask);
        return;
    }
    if (!IpToBits(s)) {
        boxes.setText(Box::Text21, status::illegalIpAddress);
        return;
    }
    if (const auto failure = validate(s)) {
        boxes.setText(Box::Text21, *failure);
        return;
    }

    std::array<std::int32_t, 4> network{};
    std::array<std::int32_t, 4> broadcast{};
    for (int k = 0; k < 4; ++k) {
        const auto net = bitAnd(s.ipOctet[k], s.maskOctet[k]);
        const auto hostPart = bitNot(s.maskOctet[k]);
        if (!net || !hostPart) {
            boxes.setText(Box::Text21, status::illegalIpAddress);
            return;
        }
        network[k] = *net;
        broadcast[k] = *bitOr(*net, static_cast<double>(*hostPart) + 256);
    }
    s.netOctet = network;
    NetToBits(s);

    for (int k = 1; k <= 4; ++k) {
        boxes.setText(octetBox(networkFirst, k), octetText(network[k - 1]));
    }
    for (int k = 1; k <= 4; ++k) {
        boxes.setText(octetBox(broadcastFirst, k), octetText(broadcast[k - 1]));
    }
    const auto letter = classLetter(s.ipOctet[0]);
    if (letter != blank) boxes.setText(Box::Text17, letter);

    analyseSubnetsAndHosts(s, boxes);
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
