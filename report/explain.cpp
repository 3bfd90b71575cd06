// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/explain.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <initializer_list>

#include "engine/subnets.h"
#include "report/binary_report.h"
#include "report/escape.h"
#include "report/joined.h"
#include "report/subnet_rows.h"

namespace octaval {
namespace {

std::string number(std::uint64_t n) {
    return std::to_string(n);
}

// A number read from a box, as the steps quote it: whole numbers as digits, others in the
// shortest form that reads back as the same number.
std::string shown(double v) {
    if (std::floor(v) == v && std::fabs(v) < 1e15) return numberToText(v);
    std::array<char, 32> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), v).ptr;
    return {digits.data(), end};
}

std::string dotted(Address a) {
    std::array<char, 16> buffer{};
    return std::string(addressText(a, buffer));
}

// The four texts of a row of boxes joined by dots, control characters escaped.
std::string rowText(const MemoryBoxes& boxes, Box first) {
    std::string text;
    for (int k = 1; k <= 4; ++k) {
        if (k > 1) text += '.';
        appendEscaped(text, boxes[octetBox(first, k)], Escape::visible);
    }
    return text;
}

// A row of four output boxes that the press filled, or nothing when it left them blank.
std::string shownRow(const MemoryBoxes& boxes, Box first) {
    return boxes[first] == " " ? std::string() : rowText(boxes, first);
}

// Entries first..last of a bit vector as ones and zeros.
std::string entries(const BitVector& bits, int first, int last) {
    std::string text;
    for (int i = first; i <= last; ++i)
        text += bits[static_cast<std::size_t>(i)] != 0 ? '1' : '0';
    return text;
}

// The bits of an address under the one bits of a field, most significant first.
std::string bitsUnder(Address value, Address field) {
    std::string text;
    for (Address bit = Address{1} << 31; bit != 0; bit >>= 1)
        if (field & bit) text += (value & bit) ? '1' : '0';
    return text;
}

std::string octetBinary(Address value, int octet) {
    std::string text;
    for (int i = 7; i >= 0; --i)
        text += ((value >> (8 * (4 - octet) + i)) & 1U) ? '1' : '0';
    return text;
}

// The reasons after the first "; ".
std::string reasons(const std::string& why) {
    return why.size() > 2 ? why.substr(2) : why;
}

std::string quoted(std::string_view text) {
    return joined({"\u201c", text, "\u201d"});
}

// The quoted text of a box as typed, and the number it reads as when that differs.
std::string typed(const MemoryBoxes& boxes, Box box, double value) {
    std::string text;
    appendEscaped(text, boxes[box], Escape::visible);
    std::string out = quoted(text);
    const std::string read = shown(value);
    if (read != boxes[box]) out += joined({", read as ", read});
    return out;
}

std::string_view firstOctetRange(char letter) {
    switch (letter) {
        case 'A':
            return "1 to 127";
        case 'B':
            return "128 to 191";
        case 'C':
            return "192 to 223";
        case 'D':
            return "224 to 239";
        default:
            return "240 to 255";
    }
}

std::string octetName(int k) {
    return "octet " + std::to_string(k);
}

// --- A press that the validation chain stopped ---------------------------------------------

std::string_view checkName(Rejection r) {
    switch (r) {
        case Rejection::addressUnreadable:
            return "reading the address";
        case Rejection::maskUnreadable:
            return "reading the mask";
        case Rejection::illegalAddress:
            return "the address";
        case Rejection::maskOctetValue:
            return "the mask's octet values";
        case Rejection::maskVersusClass:
            return "the mask versus the class";
        case Rejection::maskShape:
            return "the mask's shape";
        case Rejection::none:
            break;
    }
    return {};
}

// The texts of a row that cannot be read as numbers: beyond the number range, or (the fourth
// octet of the address) beyond the 16-bit range its bits are taken in.
std::string unreadable(const MemoryBoxes& boxes, Box first, bool address) {
    std::string why;
    for (int k = 1; k <= 4; ++k) {
        const Box box = octetBox(first, k);
        const ReadNumber n = textToNumber(boxes[box]);
        std::string text;
        appendEscaped(text, boxes[box], Escape::visible);
        if (!n.inRange) {
            why += joined({"; ", octetName(k), ", ", quoted(text), ", is beyond the number range"});
        } else if (address && k == 4 && !toInt16(n.value)) {
            why += joined({"; octet 4, ", quoted(text), ", reads as ", shown(n.value),
                           ", beyond the range -32768 to 32767 in which its bits are taken"});
        }
    }
    return reasons(why);
}

std::string rejectionText(const Press& p) {
    const auto& ip = p.state.ipOctet;
    const auto& m = p.state.maskOctet;
    const auto ipBox = [](int k) { return octetBox(Box::Text1, k); };
    const auto maskBox = [](int k) { return octetBox(Box::Text5, k); };
    std::string why;
    switch (p.outcome.rejection) {
        case Rejection::addressUnreadable:
            return "Every text is read as a number before the checks. Here " +
                   unreadable(p.boxes, Box::Text1, true) + '.';
        case Rejection::maskUnreadable:
            return "Every text is read as a number before the checks. Here " +
                   unreadable(p.boxes, Box::Text5, false) + '.';
        case Rejection::illegalAddress:
            for (int k = 1; k <= 4; ++k) {
                const double v = ip[static_cast<std::size_t>(k - 1)];
                const std::string_view problem = v > 255              ? "above 255"
                                                 : v < 0              ? "below 0"
                                                 : std::floor(v) != v ? "not a whole number"
                                                 : (k == 1 && v == 0) ? "0"
                                                                      : "";
                if (!problem.empty())
                    why += joined(
                        {"; ", octetName(k), ", ", typed(p.boxes, ipBox(k), v), ", is ", problem});
            }
            return "Every octet of the address must be a whole number from 0 to 255, and the "
                   "first must not be 0. Here " +
                   reasons(why) + '.';
        case Rejection::maskOctetValue:
            for (int k = 1; k <= 4; ++k) {
                const double v = m[static_cast<std::size_t>(k - 1)];
                if (!isAcceptedMaskOctet(v))
                    why += joined({"; ", octetName(k), ", ", typed(p.boxes, maskBox(k), v),
                                   ", is none of them"});
            }
            return "Every octet of the mask must be one of 255, 254, 252, 248, 240, 224, 192, 128 "
                   "and 0, the octets of one bits followed by zero bits. Here " +
                   reasons(why) + '.';
        case Rejection::maskVersusClass: {
            const AddressClass c = addressClass(ip[0]);
            const int n = networkMaskOctets(c);
            return joined({"The first octet ", shown(ip[0]), " makes the address class ",
                           std::string(1, c.letter), ", and for that class ",
                           n == 1 ? "the mask's first octet" : "one of the mask's first ",
                           n == 1 ? "" : std::to_string(n), n == 1 ? "" : " octets",
                           " must be 255 to cover its network bits. The mask ",
                           rowText(p.boxes, Box::Text5), " has no 255 there."});
        }
        case Rejection::maskShape:
            // In the order of the chain's checks.
            if (m[1] < m[0] && m[2] != 0 && m[3] != 0) {
                why = joined({"octet 2 (", shown(m[1]), ") is below octet 1 (", shown(m[0]),
                              "), and then octets 3 and 4 must not both be above 0; they are ",
                              shown(m[2]), " and ", shown(m[3])});
            } else if (m[2] < m[1] && m[3] != 0) {
                why = joined({"octet 3 (", shown(m[2]), ") is below octet 2 (", shown(m[1]),
                              "), and then octet 4 must be 0; it is ", shown(m[3])});
            } else if (m[0] < 255) {
                why = joined({"octet 1 is ", shown(m[0]), ", not 255"});
            } else {
                for (int k = 2; k <= 4 && why.empty(); ++k)
                    if (m[static_cast<std::size_t>(k - 1)] > m[static_cast<std::size_t>(k - 2)])
                        why = joined({octetName(k), " (", shown(m[static_cast<std::size_t>(k - 1)]),
                                      ") is above ", octetName(k - 1), " (",
                                      shown(m[static_cast<std::size_t>(k - 2)]), ")"});
            }
            return "A mask starts with 255 and its octets never rise from left to right; below "
                   "a 255 only the last octet may fall again to 0 (255.a.b.0). Here " +
                   why + '.';
        case Rejection::none:
            break;
    }
    return {};
}

// --- A press that passed ---------------------------------------------------------------------

// Whether a field of the state's bit vector reads all zeros, all ones or neither, in words.
std::string fieldFinding(const BitVector& bits, int first, int last, std::string_view zeros,
                         std::string_view ones) {
    const std::string read = entries(bits, first, last);
    std::string text = first == last ? joined({"bit ", std::to_string(first), ", reads ", read})
                                     : joined({"bits ", std::to_string(first), " to ",
                                               std::to_string(last), ", reads ", read});
    if (read.find('1') == std::string::npos) return joined({text, ": all zeros, ", quoted(zeros)});
    if (read.find('0') == std::string::npos) return joined({text, ": all ones, ", quoted(ones)});
    return text + ": neither all zeros nor all ones";
}

class Steps {
public:
    Steps(const Press& p, Explanation& e)
        : m_p(p),
          m_s(p.state),
          m_e(e),
          m_list(SubnetList::of(p.state)),
          m_addresses(pressAddresses(p.state)) {}

    void run() {
        classStep();
        if (m_list) {
            naturalMaskStep();
            fieldsStep();
            if (!m_p.outcome.findings.noHosts) {
                countsStep();
                blockStep();
                addressSubnetStep();
            }
        } else {
            add("Fields",
                "Classes D and E have no network, subnet and host fields: no subnet bits, and "
                "the findings look at the whole address, bits 1 to 32, as its host field.");
        }
        networkStep();
        if (m_list && !m_p.outcome.findings.noHosts) rangeStep();
        statusStep();
    }

private:
    void add(std::string_view title, std::string text) {
        m_e.steps.push_back({title, std::move(text)});
    }

    void classStep() {
        const char letter = m_e.classLetter.front();
        m_e.leadingBits = entries(m_s.ipBit, 1, std::min(letter - 'A' + 1, 4));
        std::string text =
            joined({"The first octet, ", shown(m_s.ipOctet[0]), ", is ", entries(m_s.ipBit, 1, 8),
                    " in binary. Its leading ", m_e.leadingBits.size() == 1 ? "bit " : "bits ",
                    m_e.leadingBits, m_e.leadingBits.size() == 1 ? " gives" : " give", " class ",
                    m_e.classLetter, " (first octet ", firstOctetRange(letter), ")"});
        if (m_list) {
            text += joined({", whose network is the first ", std::to_string(m_s.classBits),
                            " bits of the address."});
        } else {
            text += joined({": ", m_p.boxes[Box::Text18], "."});
        }
        add("Class", std::move(text));
    }

    void naturalMaskStep() {
        const auto natural = naturalMask(m_p.boxes[Box::Text1]);
        m_e.naturalMask = joined({natural[0], ".", natural[1], ".", natural[2], ".", natural[3]});
        add("Natural mask",
            joined({"Class ", m_e.classLetter, "'s natural mask is ", m_e.naturalMask,
                    ": one bits for its ", std::to_string(m_s.classBits), " network bits."}));
    }

    void fieldsStep() {
        const Address classField = m_list->classField();
        std::string text = "The mask " + m_e.mask;
        if ((m_addresses.mask & classField) != classField)
            text += joined({" is shorter than class ", m_e.classLetter, "'s ",
                            std::to_string(m_s.classBits),
                            " network bits; the class still fixes them, and"});
        if (m_s.subnetBits == 0) {
            text += joined({" has no one bits beyond the class's ", std::to_string(m_s.classBits),
                            ": no subnet bits."});
        } else {
            text += joined({" has ", std::to_string(m_s.subnetBits),
                            m_s.subnetBits == 1 ? " one bit" : " one bits", " beyond the class's ",
                            std::to_string(m_s.classBits), " ("});
            const char* separator = "";
            for (int k = m_s.classBits / 8 + 1; k <= 4; ++k) {
                const Address octetField = Address{0xFF} << (8 * (4 - k));
                text += joined({separator, octetName(k), ", ",
                                shown(m_s.maskOctet[static_cast<std::size_t>(k - 1)]), " = ",
                                octetBinary(m_addresses.mask, k), ", gives ",
                                std::to_string(std::popcount(m_list->subnetField() & octetField))});
                separator = "; ";
            }
            text += "): these are the subnet bits.";
        }
        text += joined({" The rest are host bits: 32 - ", std::to_string(m_s.classBits), " - ",
                        std::to_string(m_s.subnetBits), " = ", std::to_string(m_s.hostBits), "."});
        add("Subnet and host bits", std::move(text));
    }

    void countsStep() {
        const std::string n = std::to_string(m_s.subnetBits);
        if (m_s.subnetBits == 0) {
            add("Subnets", "Without subnet bits the network is not subnetted: " +
                               quoted(m_p.boxes[Box::Text19]) + ".");
        } else {
            m_e.subnetsWithZero = m_list->count();
            m_e.subnets = m_list->count() - 2;
            std::string text =
                joined({"2^", n, " - 2 = ", number(*m_e.subnets),
                        " usable subnets: the subnets whose subnet bits are all zeros or all ones "
                        "are reserved"});
            if (m_s.subnetBits == 1) text += " (with one subnet bit, both of them)";
            text += joined({". Where subnet zero and the all-ones subnet may be used, 2^", n, " = ",
                            number(*m_e.subnetsWithZero), " subnets."});
            add("Subnets", std::move(text));
        }
        m_e.hosts = (std::uint64_t{1} << m_s.hostBits) - 2;
        add("Hosts", joined({"2^", std::to_string(m_s.hostBits), " - 2 = ", number(*m_e.hosts),
                             " usable hosts in each subnet: host bits all zeros name the subnet "
                             "itself, all ones its broadcast address."}));
    }

    void blockStep() {
        if (m_s.subnetBits == 0) return;
        if (!m_list->contiguous()) {
            std::string text =
                "The mask's subnet bits are not one run of bits, so the subnets do not follow "
                "each other in steps of one size:";
            const std::uint64_t shownSubnets = std::min<std::uint64_t>(m_list->count(), 5);
            for (std::uint32_t n = 0; n < shownSubnets; ++n)
                text += joined({n == 0 ? " subnet " : ", subnet ", std::to_string(n), " is ",
                                dotted(m_list->subnet(n).network)});
            add("Block size", text + ".");
            return;
        }
        const Address step = m_list->subnet(1).network - m_list->subnet(0).network;
        const int low = std::countr_zero(step);
        m_e.blockOctet = 4 - low / 8;
        m_e.blockSize = std::uint32_t{1} << (low % 8);
        std::string text =
            joined({"The last subnet bit has the value ", number(*m_e.blockSize), " in ",
                    octetName(*m_e.blockOctet), ", so the subnets follow each other in steps of ",
                    number(*m_e.blockSize), " there: "});
        const std::uint64_t shownSubnets = std::min<std::uint64_t>(m_list->count(), 3);
        for (std::uint32_t n = 0; n < shownSubnets; ++n)
            text += joined({n == 0 ? "" : ", ", dotted(m_list->subnet(n).network)});
        add("Block size", text + (m_list->count() > 3 ? " and so on." : "."));
    }

    void addressSubnetStep() {
        if (m_s.subnetBits == 0) return;
        const Subnet own = m_list->subnet(m_list->addressNumber());
        m_e.addressSubnet = own.number;
        m_e.reserved = own.reserved == Subnet::Reserved::AllZeros  ? "all zeros"
                       : own.reserved == Subnet::Reserved::AllOnes ? "all ones"
                                                                   : "";
        add("The address's subnet",
            joined(
                {"The address's subnet bits read ",
                 bitsUnder(m_addresses.address, m_list->subnetField()), ": subnet ",
                 number(own.number), " of 0 to ", number(m_list->count() - 1), ", ",
                 m_e.reserved.empty() ? "not reserved" : joined({"reserved (", m_e.reserved, ")"}),
                 "."}));
    }

    void networkStep() {
        m_e.network = rowText(m_p.boxes, Box::Text9);
        m_e.broadcast = rowText(m_p.boxes, Box::Text13);
        m_e.invertedMask = dotted(~m_addresses.mask);
        std::string text = joined({"The address And the mask: ", m_e.address, " And ", m_e.mask,
                                   " = ", m_e.network, ", each bit 1 only where both are 1"});
        // A mask shorter than the class clears network bits of the address too.
        if (m_list && (m_addresses.mask & m_list->classField()) != m_list->classField()) {
            const Address kept =
                m_addresses.address & (m_list->classField() | m_list->subnetField());
            if (kept != m_addresses.network)
                text +=
                    joined({"; the mask being shorter than the class clears network bits "
                            "too, where the class's network bits and the subnet bits alone "
                            "give ",
                            dotted(kept)});
        }
        add("Network", text + ".");
        add("Broadcast",
            joined({"The network Or the inverted mask: ", m_e.network, " Or ", m_e.invertedMask,
                    " = ", m_e.broadcast, ", the bits that the mask leaves all set to 1."}));
    }

    void rangeStep() {
        m_e.firstSubnet = shownRow(m_p.boxes, Box::Text26);
        m_e.lastSubnet = shownRow(m_p.boxes, Box::Text30);
        if (m_s.subnetBits == 0) {
            add("First and last subnet",
                "Without subnet bits there are no subnets: the rows Subnet 1 and Subnet N stay "
                "empty.");
            return;
        }
        if (m_s.subnetBits == 1) {
            add("First and last subnet",
                "With one subnet bit both subnets are reserved: there is no usable subnet, and "
                "the rows Subnet 1 and Subnet N stay empty.");
            return;
        }
        const int first = m_s.classBits + 1;
        const int last = m_s.classBits + m_s.subnetBits;
        std::string text =
            joined({"The network with bits ", std::to_string(first), " to ", std::to_string(last),
                    " set to ", entries(m_s.firstSubnetBit, first, last), " and to ",
                    entries(m_s.lastSubnetBit, first, last), ": subnet 1 is ", m_e.firstSubnet,
                    " and subnet ", number(m_list->count() - 2), " is ", m_e.lastSubnet,
                    " (the rows Subnet 1 and Subnet N)"});
        if (!m_list->contiguous())
            text +=
                joined({". With this mask those are not the mask's own subnet bits, which "
                        "number the subnets above (subnet 1 is ",
                        dotted(m_list->subnet(1).network), ")"});
        add("First and last subnet", text + ".");
    }

    void statusStep() {
        const Findings& f = m_p.outcome.findings;
        std::string text;
        if (m_s.subnetBits > 0)
            text += "The subnet field of the network, " +
                    fieldFinding(m_s.netBit, m_s.classBits + 1, m_s.classBits + m_s.subnetBits,
                                 status::subnetAllZeros, status::subnetAllOnes) +
                    ". ";
        if (f.noHosts) {
            text += "The mask leaves no host bits: " + quoted(status::noHosts) +
                    ", and the press ends there: the Network, Subnet and Host lines and the rows "
                    "Subnet 1 and Subnet N stay empty. ";
        } else {
            text += "The host field of the address, " +
                    fieldFinding(m_s.ipBit, 33 - m_s.hostBits, 32, status::hostAllZeros,
                                 status::hostAllOnes) +
                    ". ";
        }
        text += joined({"A later finding replaces an earlier one: the status is ",
                        quoted(m_p.outcome.status()), "."});
        add("Status", std::move(text));
    }

    const Press& m_p;
    const CalculatorState& m_s;
    Explanation& m_e;
    std::optional<SubnetList> m_list;
    PressAddresses m_addresses;
};

}  // namespace

Explanation explain(const Press& p) {
    Explanation e;
    e.address = rowText(p.boxes, Box::Text1);
    e.mask = rowText(p.boxes, Box::Text5);
    e.status = p.outcome.status();
    if (!p.outcome.passed()) {
        e.rejectedBy = checkName(p.outcome.rejection);
        e.steps.push_back({"Check", joined({"The press stops at the check of ", e.rejectedBy, ". ",
                                            rejectionText(p)})});
        e.steps.push_back({"Status", joined({"The status is ", quoted(e.status),
                                             ", and every output box stays empty."})});
        return e;
    }
    const auto rows = bitRows(p.state);
    const BitFields fields = bitFields(SubnetList::of(p.state));
    for (std::size_t r = 0; r < rows.size(); ++r)
        appendBits(e.bits[r], rows[r].value, fields, ColourDepth::none);
    e.bitRows = binaryRows(p, ColourDepth::none);
    e.classLetter = p.boxes[Box::Text17];
    e.classBits = p.state.classBits;
    e.subnetBits = p.state.subnetBits;
    e.hostBits = p.state.hostBits;
    Steps(p, e).run();
    return e;
}

std::string stepsText(const Explanation& e) {
    std::string text;
    for (std::size_t i = 0; i < e.steps.size(); ++i)
        text +=
            joined({std::to_string(i + 1), ". ", e.steps[i].title, ": ", e.steps[i].text, "\n"});
    return text;
}

std::string workingText(const Explanation& e) {
    std::string text = joined({"Working of ", e.address, " ", e.mask, ": ", e.status, "\n\n"});
    if (!e.bitRows.empty()) text += e.bitRows + '\n';
    return text + stepsText(e);
}

}  // namespace octaval
