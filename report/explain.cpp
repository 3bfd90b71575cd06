// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/explain.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <utility>
#include <vector>

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

// Items of a list, each a clause of its own: "octet 1, ..., is above 255; octet 2, ...".
std::string listed(const std::vector<std::string>& items, std::string_view separator = "; ") {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i)
        text += (i > 0 ? std::string(separator) : std::string()) + items[i];
    return text;
}

std::string quoted(const Phrasebook& book, std::string_view text) {
    return book.say(phrase("Working", "“%1”"), {text});
}

// The quoted text of a box as typed, and the number it reads as when that differs.
std::string typed(const Phrasebook& book, const MemoryBoxes& boxes, Box box, double value) {
    std::string text;
    appendEscaped(text, boxes[box], Escape::visible);
    const std::string read = shown(value);
    if (read == boxes[box]) return quoted(book, text);
    return book.say(phrase("Working", "%1, read as %2"), {quoted(book, text), read});
}

// The first and last first octet of a class.
std::pair<std::string_view, std::string_view> firstOctetRange(char letter) {
    switch (letter) {
        case 'A':
            return {"1", "127"};
        case 'B':
            return {"128", "191"};
        case 'C':
            return {"192", "223"};
        case 'D':
            return {"224", "239"};
        default:
            return {"240", "255"};
    }
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

// The sentence that names the check that stopped the press.
Phrase stopsAt(Rejection r) {
    switch (r) {
        case Rejection::addressUnreadable:
            return phrase("Working", "The press stops at the check of reading the address.");
        case Rejection::maskUnreadable:
            return phrase("Working", "The press stops at the check of reading the mask.");
        case Rejection::illegalAddress:
            return phrase("Working", "The press stops at the check of the address.");
        case Rejection::maskOctetValue:
            return phrase("Working", "The press stops at the check of the mask's octet values.");
        case Rejection::maskVersusClass:
            return phrase("Working", "The press stops at the check of the mask versus the class.");
        case Rejection::maskShape:
        case Rejection::none:
            break;
    }
    return phrase("Working", "The press stops at the check of the mask's shape.");
}

class Rejected {
public:
    Rejected(const Press& p, const Phrasebook& book) : m_p(p), m_book(book) {}

    std::string text() const {
        switch (m_p.outcome.rejection) {
            case Rejection::addressUnreadable:
                return unreadable(Box::Text1, true);
            case Rejection::maskUnreadable:
                return unreadable(Box::Text5, false);
            case Rejection::illegalAddress:
                return illegalAddress();
            case Rejection::maskOctetValue:
                return maskOctetValue();
            case Rejection::maskVersusClass:
                return maskVersusClass();
            case Rejection::maskShape:
                return maskShape();
            case Rejection::none:
                break;
        }
        return {};
    }

private:
    // The texts of a row that cannot be read as numbers: beyond the number range, or (the fourth
    // octet of the address) beyond the 16-bit range its bits are taken in.
    std::string unreadable(Box first, bool address) const {
        std::vector<std::string> why;
        for (int k = 1; k <= 4; ++k) {
            const Box box = octetBox(first, k);
            const ReadNumber n = textToNumber(m_p.boxes[box]);
            std::string text;
            appendEscaped(text, m_p.boxes[box], Escape::visible);
            if (!n.inRange) {
                why.push_back(
                    m_book.say(phrase("Working", "octet %1, %2, is beyond the number range"),
                               {std::to_string(k), quoted(m_book, text)}));
            } else if (address && k == 4 && !toInt16(n.value)) {
                why.push_back(m_book.say(phrase("Working",
                                                "octet 4, %1, reads as %2, beyond the "
                                                "range -32768 to 32767 in which its "
                                                "bits are taken"),
                                         {quoted(m_book, text), shown(n.value)}));
            }
        }
        return m_book.say(
            phrase("Working", "Every text is read as a number before the checks. Here %1."),
            {listed(why)});
    }

    std::string illegalAddress() const {
        std::vector<std::string> why;
        for (int k = 1; k <= 4; ++k) {
            const double v = m_p.state.ipOctet[static_cast<std::size_t>(k - 1)];
            const std::optional<Phrase> problem =
                v > 255              ? phrase("Working", "octet %1, %2, is above 255")
                : v < 0              ? phrase("Working", "octet %1, %2, is below 0")
                : std::floor(v) != v ? phrase("Working", "octet %1, %2, is not a whole number")
                : (k == 1 && v == 0) ? phrase("Working", "octet %1, %2, is 0")
                                     : std::optional<Phrase>();
            if (problem)
                why.push_back(m_book.say(
                    *problem,
                    {std::to_string(k), typed(m_book, m_p.boxes, octetBox(Box::Text1, k), v)}));
        }
        return m_book.say(phrase("Working",
                                 "Every octet of the address must be a whole number "
                                 "from 0 to 255, and the first must not be 0. Here "
                                 "%1."),
                          {listed(why)});
    }

    std::string maskOctetValue() const {
        std::vector<std::string> why;
        for (int k = 1; k <= 4; ++k) {
            const double v = m_p.state.maskOctet[static_cast<std::size_t>(k - 1)];
            if (!isAcceptedMaskOctet(v))
                why.push_back(m_book.say(
                    phrase("Working", "octet %1, %2, is none of them"),
                    {std::to_string(k), typed(m_book, m_p.boxes, octetBox(Box::Text5, k), v)}));
        }
        return m_book.say(phrase("Working",
                                 "Every octet of the mask must be one of 255, 254, 252, "
                                 "248, 240, 224, 192, 128 and 0, the octets of one bits "
                                 "followed by zero bits. Here %1."),
                          {listed(why)});
    }

    std::string maskVersusClass() const {
        const double first = m_p.state.ipOctet[0];
        const AddressClass c = addressClass(first);
        const int n = networkMaskOctets(c);
        const std::string letter(1, c.letter);
        const std::string mask = rowText(m_p.boxes, Box::Text5);
        return m_book.say(
            counted("Working",
                    "The first octet %1 makes the address class %2, and for that class one "
                    "of the mask's first %3 octets must be 255 to cover its network bits. "
                    "The mask %4 has no 255 there.",
                    "The first octet %1 makes the address class %2, and for that class the "
                    "mask's first octet must be 255 to cover its network bits. The mask %4 "
                    "has no 255 there."),
            n, {shown(first), letter, std::to_string(n), mask});
    }

    std::string maskShape() const {
        const auto m = [this](int k) {
            return shown(m_p.state.maskOctet[static_cast<std::size_t>(k - 1)]);
        };
        const auto& v = m_p.state.maskOctet;
        std::string why;
        // In the order of the chain's checks.
        if (v[1] < v[0] && v[2] != 0 && v[3] != 0) {
            why = m_book.say(phrase("Working",
                                    "octet 2 (%1) is below octet 1 (%2), and then "
                                    "octets 3 and 4 must not both be above 0; they "
                                    "are %3 and %4"),
                             {m(2), m(1), m(3), m(4)});
        } else if (v[2] < v[1] && v[3] != 0) {
            why = m_book.say(phrase("Working",
                                    "octet 3 (%1) is below octet 2 (%2), and then "
                                    "octet 4 must be 0; it is %3"),
                             {m(3), m(2), m(4)});
        } else if (v[0] < 255) {
            why = m_book.say(phrase("Working", "octet 1 is %1, not 255"), {m(1)});
        } else {
            for (int k = 2; k <= 4 && why.empty(); ++k)
                if (v[static_cast<std::size_t>(k - 1)] > v[static_cast<std::size_t>(k - 2)])
                    why = m_book.say(phrase("Working", "octet %1 (%2) is above octet %3 (%4)"),
                                     {std::to_string(k), m(k), std::to_string(k - 1), m(k - 1)});
        }
        return m_book.say(phrase("Working",
                                 "A mask starts with 255 and its octets never rise "
                                 "from left to right; below a 255 only the last octet "
                                 "may fall again to 0 (255.a.b.0). Here %1."),
                          {why});
    }

    const Press& m_p;
    const Phrasebook& m_book;
};

// --- A press that passed ---------------------------------------------------------------------

class Steps {
public:
    Steps(const Press& p, Explanation& e, const Phrasebook& book)
        : m_p(p),
          m_s(p.state),
          m_e(e),
          m_book(book),
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
            add(phrase("Working", "Fields"),
                say(phrase("Working",
                           "Classes D and E have no network, subnet and host fields: "
                           "no subnet bits, and the findings look at the whole "
                           "address, bits 1 to 32, as its host field.")));
        }
        networkStep();
        if (m_list && !m_p.outcome.findings.noHosts) rangeStep();
        statusStep();
    }

private:
    void add(Phrase title, std::string text) {
        m_e.steps.push_back({m_book.say(title), std::move(text)});
    }

    std::string say(Phrase p, std::initializer_list<std::string_view> arguments = {}) const {
        return m_book.say(p, arguments);
    }

    std::string quote(std::string_view text) const { return quoted(m_book, text); }

    // A status message as the reader sees it, quoted.
    std::string status(std::string_view message) const { return quote(m_book.status(message)); }

    void classStep() {
        const char letter = m_e.classLetter.front();
        m_e.leadingBits = entries(m_s.ipBit, 1, std::min(letter - 'A' + 1, 4));
        const auto [low, high] = firstOctetRange(letter);
        std::string text = say(phrase("Working", "The first octet, %1, is %2 in binary."),
                               {shown(m_s.ipOctet[0]), entries(m_s.ipBit, 1, 8)}) +
                           ' ';
        if (!m_list) {
            text += say(phrase("Working",
                               "Its leading bits %1 give class %2 (first octet %3 to "
                               "%4): %5."),
                        {m_e.leadingBits, m_e.classLetter, low, high,
                         m_book.resultLine(Box::Text18, lineNumbers(m_s))});
        } else {
            text += m_book.say(
                counted("Working",
                        "Its leading bits %1 give class %2 (first octet %3 to %4), whose "
                        "network is the first %5 bits of the address.",
                        "Its leading bit %1 gives class %2 (first octet %3 to %4), whose "
                        "network is the first %5 bits of the address."),
                std::int64_t(m_e.leadingBits.size()),
                {m_e.leadingBits, m_e.classLetter, low, high, std::to_string(m_s.classBits)});
        }
        add(phrase("Working", "Class"), std::move(text));
    }

    void naturalMaskStep() {
        const auto natural = naturalMask(m_p.boxes[Box::Text1]);
        m_e.naturalMask = joined({natural[0], ".", natural[1], ".", natural[2], ".", natural[3]});
        add(phrase("Working", "Natural mask"),
            say(phrase("Working",
                       "Class %1's natural mask is %2: one bits for its %3 network bits."),
                {m_e.classLetter, m_e.naturalMask, std::to_string(m_s.classBits)}));
    }

    void fieldsStep() {
        const Address classField = m_list->classField();
        const bool shorter = (m_addresses.mask & classField) != classField;
        const std::string classBits = std::to_string(m_s.classBits);
        std::string text;
        if (m_s.subnetBits == 0) {
            text = shorter ? say(phrase("Working",
                                        "The mask %1 is shorter than class %2's %3 "
                                        "network bits; the class still fixes them, and "
                                        "has no one bits beyond the class's %3: no "
                                        "subnet bits."),
                                 {m_e.mask, m_e.classLetter, classBits})
                           : say(phrase("Working",
                                        "The mask %1 has no one bits beyond the "
                                        "class's %2: no subnet bits."),
                                 {m_e.mask, classBits});
        } else {
            std::vector<std::string> octets;
            for (int k = m_s.classBits / 8 + 1; k <= 4; ++k) {
                const Address octetField = Address{0xFF} << (8 * (4 - k));
                octets.push_back(
                    say(phrase("Working", "octet %1, %2 = %3, gives %4"),
                        {std::to_string(k), shown(m_s.maskOctet[static_cast<std::size_t>(k - 1)]),
                         octetBinary(m_addresses.mask, k),
                         std::to_string(std::popcount(m_list->subnetField() & octetField))}));
            }
            const std::string subnetBits = std::to_string(m_s.subnetBits);
            if (shorter)
                text = m_book.say(
                    counted("Working",
                            "The mask %1 is shorter than class %2's %3 network bits; the "
                            "class still fixes them, and has %4 one bits beyond the class's "
                            "%3 (%5): these are the subnet bits.",
                            "The mask %1 is shorter than class %2's %3 network bits; the "
                            "class still fixes them, and has %4 one bit beyond the class's "
                            "%3 (%5): these are the subnet bits."),
                    m_s.subnetBits,
                    {m_e.mask, m_e.classLetter, classBits, subnetBits, listed(octets)});
            else
                text =
                    m_book.say(counted("Working",
                                       "The mask %1 has %2 one bits beyond the class's %3 "
                                       "(%4): these are the subnet bits.",
                                       "The mask %1 has %2 one bit beyond the class's %3 "
                                       "(%4): these are the subnet bits."),
                               m_s.subnetBits, {m_e.mask, subnetBits, classBits, listed(octets)});
        }
        text += ' ';
        text += say(phrase("Working", "The rest are host bits: 32 - %1 - %2 = %3."),
                    {classBits, std::to_string(m_s.subnetBits), std::to_string(m_s.hostBits)});
        add(phrase("Working", "Subnet and host bits"), std::move(text));
    }

    void countsStep() {
        const std::string power = "2^" + std::to_string(m_s.subnetBits);
        if (m_s.subnetBits == 0) {
            add(phrase("Working", "Subnets"),
                say(phrase("Working", "Without subnet bits the network is not subnetted: %1."),
                    {quote(m_book.resultLine(Box::Text19, lineNumbers(m_s)))}));
        } else {
            m_e.subnetsWithZero = m_list->count();
            m_e.subnets = m_list->count() - 2;
            add(phrase("Working", "Subnets"),
                m_book.say(counted("Working",
                                   "%1 - 2 = %2 usable subnets: the subnets whose subnet bits "
                                   "are all zeros or all ones are reserved. Where subnet zero "
                                   "and the all-ones subnet may be used, %1 = %3 subnets.",
                                   "%1 - 2 = %2 usable subnets: the subnets whose subnet bits "
                                   "are all zeros or all ones are reserved (with one subnet "
                                   "bit, both of them). Where subnet zero and the all-ones "
                                   "subnet may be used, %1 = %3 subnets."),
                           m_s.subnetBits,
                           {power, number(*m_e.subnets), number(*m_e.subnetsWithZero)}));
        }
        m_e.hosts = (std::uint64_t{1} << m_s.hostBits) - 2;
        add(phrase("Working", "Hosts"),
            say(phrase("Working",
                       "%1 - 2 = %2 usable hosts in each subnet: host bits all zeros "
                       "name the subnet itself, all ones its broadcast address."),
                {"2^" + std::to_string(m_s.hostBits), number(*m_e.hosts)}));
    }

    void blockStep() {
        if (m_s.subnetBits == 0) return;
        if (!m_list->contiguous()) {
            std::vector<std::string> subnets;
            const std::uint64_t shownSubnets = std::min<std::uint64_t>(m_list->count(), 5);
            for (std::uint32_t n = 0; n < shownSubnets; ++n)
                subnets.push_back(say(phrase("Working", "subnet %1 is %2"),
                                      {std::to_string(n), dotted(m_list->subnet(n).network)}));
            add(phrase("Working", "Block size"),
                say(phrase("Working",
                           "The mask's subnet bits are not one run of bits, so the "
                           "subnets do not follow each other in steps of one size: "
                           "%1."),
                    {listed(subnets, ", ")}));
            return;
        }
        const Address step = m_list->subnet(1).network - m_list->subnet(0).network;
        const int low = std::countr_zero(step);
        m_e.blockOctet = 4 - low / 8;
        m_e.blockSize = std::uint32_t{1} << (low % 8);
        std::vector<std::string> networks;
        const std::uint64_t shownSubnets = std::min<std::uint64_t>(m_list->count(), 3);
        for (std::uint32_t n = 0; n < shownSubnets; ++n)
            networks.push_back(dotted(m_list->subnet(n).network));
        add(phrase("Working", "Block size"),
            say(m_list->count() > 3
                    ? phrase("Working",
                             "The last subnet bit has the value %1 in octet %2, so the "
                             "subnets follow each other in steps of %1 there: %3 and "
                             "so on.")
                    : phrase("Working",
                             "The last subnet bit has the value %1 in octet %2, so the "
                             "subnets follow each other in steps of %1 there: %3."),
                {number(*m_e.blockSize), std::to_string(*m_e.blockOctet), listed(networks, ", ")}));
    }

    void addressSubnetStep() {
        if (m_s.subnetBits == 0) return;
        const Subnet own = m_list->subnet(m_list->addressNumber());
        m_e.addressSubnet = own.number;
        m_e.reserved = own.reserved == Subnet::Reserved::AllZeros  ? "all zeros"
                       : own.reserved == Subnet::Reserved::AllOnes ? "all ones"
                                                                   : "";
        const Phrase text = own.reserved == Subnet::Reserved::AllZeros
                                ? phrase("Working",
                                         "The address's subnet bits read %1: subnet %2 of 0 to %3, "
                                         "reserved (all zeros).")
                            : own.reserved == Subnet::Reserved::AllOnes
                                ? phrase("Working",
                                         "The address's subnet bits read %1: subnet %2 of 0 to %3, "
                                         "reserved (all ones).")
                                : phrase("Working",
                                         "The address's subnet bits read %1: subnet %2 of 0 to %3, "
                                         "not reserved.");
        add(phrase("Working", "The address's subnet"),
            say(text, {bitsUnder(m_addresses.address, m_list->subnetField()), number(own.number),
                       number(m_list->count() - 1)}));
    }

    void networkStep() {
        m_e.network = rowText(m_p.boxes, Box::Text9);
        m_e.broadcast = rowText(m_p.boxes, Box::Text13);
        m_e.invertedMask = dotted(~m_addresses.mask);
        std::optional<Address> kept;
        // A mask shorter than the class clears network bits of the address too.
        if (m_list && (m_addresses.mask & m_list->classField()) != m_list->classField()) {
            kept = m_addresses.address & (m_list->classField() | m_list->subnetField());
            if (*kept == m_addresses.network) kept.reset();
        }
        add(phrase("Working", "Network"),
            kept ? say(phrase("Working",
                              "The address And the mask: %1 And %2 = %3, each bit 1 "
                              "only where both are 1; the mask being shorter than the "
                              "class clears network bits too, where the class's "
                              "network bits and the subnet bits alone give %4."),
                       {m_e.address, m_e.mask, m_e.network, dotted(*kept)})
                 : say(phrase("Working",
                              "The address And the mask: %1 And %2 = %3, each bit 1 "
                              "only where both are 1."),
                       {m_e.address, m_e.mask, m_e.network}));
        add(phrase("Working", "Broadcast"),
            say(phrase("Working",
                       "The network Or the inverted mask: %1 Or %2 = %3, the bits "
                       "that the mask leaves all set to 1."),
                {m_e.network, m_e.invertedMask, m_e.broadcast}));
    }

    void rangeStep() {
        m_e.firstSubnet = shownRow(m_p.boxes, Box::Text26);
        m_e.lastSubnet = shownRow(m_p.boxes, Box::Text30);
        const Phrase title = phrase("Working", "First and last subnet");
        if (m_s.subnetBits == 0) {
            add(title, say(phrase("Working",
                                  "Without subnet bits there are no subnets: the rows "
                                  "Subnet 1 and Subnet N stay empty.")));
            return;
        }
        if (m_s.subnetBits == 1) {
            add(title, say(phrase("Working",
                                  "With one subnet bit both subnets are reserved: "
                                  "there is no usable subnet, and the rows Subnet 1 "
                                  "and Subnet N stay empty.")));
            return;
        }
        const int first = m_s.classBits + 1;
        const int last = m_s.classBits + m_s.subnetBits;
        const std::string from = std::to_string(first), to = std::to_string(last),
                          firstBits = entries(m_s.firstSubnetBit, first, last),
                          lastBits = entries(m_s.lastSubnetBit, first, last),
                          lastNumber = number(m_list->count() - 2);
        if (m_list->contiguous())
            add(title,
                say(phrase("Working",
                           "The network with bits %1 to %2 set to %3 and to "
                           "%4: subnet 1 is %5 and subnet %6 is %7 (the rows "
                           "Subnet 1 and Subnet N)."),
                    {from, to, firstBits, lastBits, m_e.firstSubnet, lastNumber, m_e.lastSubnet}));
        else
            add(title, say(phrase("Working",
                                  "The network with bits %1 to %2 set to %3 and to "
                                  "%4: subnet 1 is %5 and subnet %6 is %7 (the rows "
                                  "Subnet 1 and Subnet N). With this mask those are "
                                  "not the mask's own subnet bits, which number the "
                                  "subnets above (subnet 1 is %8)."),
                           {from, to, firstBits, lastBits, m_e.firstSubnet, lastNumber,
                            m_e.lastSubnet, dotted(m_list->subnet(1).network)}));
    }

    // Whether a field of the state's bit vector reads all zeros, all ones or neither, in words.
    std::string fieldFinding(const BitVector& bits, int first, int last, std::string_view zeros,
                             std::string_view ones) const {
        const std::string read = entries(bits, first, last);
        const bool allZeros = read.find('1') == std::string::npos;
        const bool allOnes = read.find('0') == std::string::npos;
        const std::string from = std::to_string(first), to = std::to_string(last);
        if (first == last) {
            if (allZeros)
                return say(phrase("Working", "bit %1, reads %2: all zeros, %3"),
                           {from, read, status(zeros)});
            return say(phrase("Working", "bit %1, reads %2: all ones, %3"),
                       {from, read, status(ones)});
        }
        if (allZeros)
            return say(phrase("Working", "bits %1 to %2, reads %3: all zeros, %4"),
                       {from, to, read, status(zeros)});
        if (allOnes)
            return say(phrase("Working", "bits %1 to %2, reads %3: all ones, %4"),
                       {from, to, read, status(ones)});
        return say(phrase("Working", "bits %1 to %2, reads %3: neither all zeros nor all ones"),
                   {from, to, read});
    }

    void statusStep() {
        const Findings& f = m_p.outcome.findings;
        std::vector<std::string> sentences;
        if (m_s.subnetBits > 0)
            sentences.push_back(
                say(phrase("Working", "The subnet field of the network, %1."),
                    {fieldFinding(m_s.netBit, m_s.classBits + 1, m_s.classBits + m_s.subnetBits,
                                  status::subnetAllZeros, status::subnetAllOnes)}));
        if (f.noHosts)
            sentences.push_back(say(phrase("Working",
                                           "The mask leaves no host bits: %1, and the "
                                           "press ends there: the Network, Subnet and "
                                           "Host lines and the rows Subnet 1 and "
                                           "Subnet N stay empty."),
                                    {status(status::noHosts)}));
        else
            sentences.push_back(say(phrase("Working", "The host field of the address, %1."),
                                    {fieldFinding(m_s.ipBit, 33 - m_s.hostBits, 32,
                                                  status::hostAllZeros, status::hostAllOnes)}));
        sentences.push_back(
            say(phrase("Working", "A later finding replaces an earlier one: the status is %1."),
                {status(m_p.outcome.status())}));
        add(phrase("Working", "Status"), listed(sentences, " "));
    }

    const Press& m_p;
    const CalculatorState& m_s;
    Explanation& m_e;
    const Phrasebook& m_book;
    std::optional<SubnetList> m_list;
    PressAddresses m_addresses;
};

}  // namespace

Explanation explain(const Press& p, const Phrasebook& book) {
    Explanation e;
    e.book = &book;
    e.address = rowText(p.boxes, Box::Text1);
    e.mask = rowText(p.boxes, Box::Text5);
    e.status = p.outcome.status();
    if (!p.outcome.passed()) {
        e.rejectedBy = checkName(p.outcome.rejection);
        e.steps.push_back(
            {book.say(phrase("Working", "Check")),
             book.say(stopsAt(p.outcome.rejection)) + ' ' + Rejected(p, book).text()});
        e.steps.push_back(
            {book.say(phrase("Working", "Status")),
             book.say(phrase("Working", "The status is %1, and every output box stays empty."),
                      {quoted(book, book.status(e.status))})});
        return e;
    }
    const auto rows = bitRows(p.state);
    const BitFields fields = bitFields(SubnetList::of(p.state));
    for (std::size_t r = 0; r < rows.size(); ++r)
        appendBits(e.bits[r], rows[r].value, fields, ColourDepth::none);
    e.bitRows = binaryRows(p, ColourDepth::none, book);
    e.classLetter = p.boxes[Box::Text17];
    e.classBits = p.state.classBits;
    e.subnetBits = p.state.subnetBits;
    e.hostBits = p.state.hostBits;
    Steps(p, e, book).run();
    return e;
}

std::string stepsText(const Explanation& e) {
    std::string text;
    for (std::size_t i = 0; i < e.steps.size(); ++i)
        text += e.book->say(phrase("Working", "%1. %2: %3"),
                            {std::to_string(i + 1), e.steps[i].title, e.steps[i].text}) +
                '\n';
    return text;
}

std::string workingHeading(const Explanation& e) {
    return e.book->say(phrase("Working", "Working of %1 %2: %3"),
                       {e.address, e.mask, e.book->status(e.status)});
}

std::string workingText(const Explanation& e) {
    std::string text = workingHeading(e) + "\n\n";
    if (!e.bitRows.empty()) text += e.bitRows + '\n';
    return text + stepsText(e);
}

}  // namespace octaval
