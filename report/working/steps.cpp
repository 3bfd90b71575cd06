// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/working/steps.h"

#include <algorithm>
#include <bit>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/address_class.h"
#include "engine/subnets.h"
#include "report/joined.h"
#include "report/working/wording.h"

namespace octaval::working {
namespace {

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

// The bits of entries first..last of a bit vector (entry 1 the most significant bit).
Address entryBits(int first, int last) {
    if (last < first) return 0;
    const int count = last - first + 1;
    return static_cast<Address>(((std::uint64_t{1} << count) - 1) << (32 - last));
}

constexpr std::size_t row(BitRowName r) {
    return static_cast<std::size_t>(r);
}

class Steps {
public:
    Steps(const Press& p, Explanation& e)
        : m_p(p),
          m_s(p.state),
          m_e(e),
          m_book(*e.book),
          m_list(SubnetList::of(p.state)),
          m_addresses(pressAddresses(p.state)),
          m_subnetField(entryBits(p.state.classBits + 1, p.state.classBits + p.state.subnetBits)),
          m_hostField(entryBits(33 - p.state.hostBits, 32)),
          m_ownFields(!m_list || m_list->subnetField() == m_subnetField),
          m_maskNumbers(dotted(m_addresses.mask)) {}

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
            add("fields", phrase("Working", "Fields"),
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
    void add(std::string_view key, Phrase title, std::string text,
             std::array<Address, 4> marks = {}) {
        m_e.steps.push_back({key, m_book.say(title), std::move(text), marks});
    }

    // Marks in the rows given, the same bits in each.
    static std::array<Address, 4> marked(Address bits, std::initializer_list<BitRowName> rows) {
        std::array<Address, 4> marks{};
        for (const BitRowName r : rows)
            marks[row(r)] = bits;
        return marks;
    }

    std::string say(Phrase p, std::initializer_list<std::string_view> arguments = {}) const {
        return m_book.say(p, arguments);
    }

    std::string quote(std::string_view text) const { return quoted(m_book, text); }

    // A status message as the reader sees it, quoted.
    std::string status(std::string_view message) const { return quote(m_book.status(message)); }

    void classStep() {
        const char letter = m_e.classLetter.front();
        const AddressClass& c = addressClasses[std::size_t(letter - 'A')];
        m_e.leadingBits = entries(m_s.ipBit, 1, static_cast<int>(c.leadingBits.size()));
        const std::string low = std::to_string(c.firstOctet);
        const std::string high = std::to_string(c.lastOctet);
        std::string text = say(phrase("Working", "The first octet, %1, is %2 in binary."),
                               {shown(m_s.ipOctet[0]), entries(m_s.ipBit, 1, 8)}) +
                           ' ';
        if (!m_list) {
            text += say(phrase("Working",
                               "Its leading bits %1 give class %2 (first octet %3 to "
                               "%4): %5."),
                        {m_e.leadingBits, m_e.classLetter, low, high,
                         m_book.resultLine(Box::Text18, lineNumbers(m_p.numbers))});
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
        add("class", phrase("Caption", "Class"), std::move(text),
            marked(entryBits(1, static_cast<int>(c.leadingBits.size())), {BitRowName::address}));
    }

    void naturalMaskStep() {
        const auto natural = naturalMask(m_p.boxes[Box::Text1]);
        m_e.naturalMask = joined({natural[0], ".", natural[1], ".", natural[2], ".", natural[3]});
        add("naturalMask", phrase("Working", "Natural mask"),
            say(phrase("Working",
                       "Class %1's natural mask is %2: one bits for its %3 network bits."),
                {m_e.classLetter, m_e.naturalMask, std::to_string(m_s.classBits)}),
            marked(m_list->classField(), {BitRowName::mask}));
    }

    void fieldsStep() {
        const Address classField = m_list->classField();
        const bool shorter = (m_addresses.mask & classField) != classField;
        const std::string classBits = std::to_string(m_s.classBits);
        std::string text;
        if (shorter)
            text = say(phrase("Working",
                              "The mask %1 is shorter than class %2's %3 network bits; the "
                              "class still fixes them."),
                       {m_maskNumbers, m_e.classLetter, classBits}) +
                   ' ';
        if (m_s.subnetBits == 0) {
            text += shorter ? say(phrase("Working",
                                         "Beyond them the mask has no one bits: no subnet bits."))
                            : say(phrase("Working",
                                         "The mask %1 has no one bits beyond the class's %2: "
                                         "no subnet bits."),
                                  {m_maskNumbers, classBits});
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
            text += shorter ? m_book.say(counted("Working",
                                                 "Beyond them the mask has %1 one bits (%2): "
                                                 "these are the subnet bits.",
                                                 "Beyond them the mask has %1 one bit (%2): "
                                                 "this is the subnet bit."),
                                         m_s.subnetBits, {subnetBits, listed(octets)})
                            : m_book.say(counted("Working",
                                                 "The mask %1 has %2 one bits beyond the "
                                                 "class's %3 (%4): these are the subnet bits.",
                                                 "The mask %1 has %2 one bit beyond the "
                                                 "class's %3 (%4): this is the subnet bit."),
                                         m_s.subnetBits,
                                         {m_maskNumbers, subnetBits, classBits, listed(octets)});
        }
        text += ' ';
        text += say(phrase("Working", "The rest are host bits: 32 - %1 - %2 = %3."),
                    {classBits, std::to_string(m_s.subnetBits), std::to_string(m_s.hostBits)});
        std::array<Address, 4> marks = marked(m_list->subnetField(), {BitRowName::mask});
        if (!m_ownFields) {
            // The press counts octet by octet and then tests fields of those lengths that follow
            // the class's bits, wherever the mask's one bits lie.
            text += ' ';
            text += say(
                phrase("Working",
                       "The press tests fields of these lengths right after the "
                       "class's bits: bits %1 to %2 as the subnet field and bits %3 "
                       "to 32 as the host field. With this mask they are not where "
                       "its one bits lie, which the bit rows mark: the press's "
                       "fields decide the status and the rows Subnet 1 and Subnet N, "
                       "the mask's bits the network and the broadcast."),
                {std::to_string(m_s.classBits + 1), std::to_string(m_s.classBits + m_s.subnetBits),
                 std::to_string(33 - m_s.hostBits)});
            marks[row(BitRowName::address)] = m_subnetField;
        }
        add("fields", phrase("Working", "Subnet and host bits"), std::move(text), marks);
    }

    void countsStep() {
        const std::string power = "2^" + std::to_string(m_s.subnetBits);
        if (m_s.subnetBits == 0) {
            add("subnets", phrase("Caption", "Subnets"),
                say(phrase("Working", "Without subnet bits the network is not subnetted: %1."),
                    {quote(m_book.resultLine(Box::Text19, lineNumbers(m_p.numbers)))}));
        } else {
            m_e.subnetsWithZero = m_list->count();
            m_e.subnets = m_list->count() - 2;
            add("subnets", phrase("Caption", "Subnets"),
                m_book.say(counted("Working",
                                   "%1 - 2 = %2 usable subnets: the subnets whose subnet bits "
                                   "are all zeros or all ones are reserved. Where subnet zero "
                                   "and the all-ones subnet may be used, %1 = %3 subnets.",
                                   "%1 - 2 = %2 usable subnets: the subnets whose subnet bits "
                                   "are all zeros or all ones are reserved (with one subnet "
                                   "bit, both of them). Where subnet zero and the all-ones "
                                   "subnet may be used, %1 = %3 subnets."),
                           m_s.subnetBits,
                           {power, number(*m_e.subnets), number(*m_e.subnetsWithZero)}),
                marked(m_subnetField, {BitRowName::address}));
        }
        m_e.hosts = (std::uint64_t{1} << m_s.hostBits) - 2;
        add("hosts", phrase("Working", "Hosts"),
            say(m_s.subnetBits == 0
                    ? phrase("Working",
                             "%1 - 2 = %2 usable hosts in the network: host bits all zeros "
                             "name the network itself, all ones its broadcast address.")
                    : phrase("Working",
                             "%1 - 2 = %2 usable hosts in each subnet: host bits all zeros "
                             "name the subnet itself, all ones its broadcast address."),
                {"2^" + std::to_string(m_s.hostBits), number(*m_e.hosts)}),
            marked(m_hostField, {BitRowName::address}));
    }

    void blockStep() {
        if (m_s.subnetBits == 0) return;
        if (!m_list->contiguous()) {
            std::vector<std::string> subnets;
            const std::uint64_t shownSubnets = std::min<std::uint64_t>(m_list->count(), 5);
            for (std::uint32_t n = 0; n < shownSubnets; ++n)
                subnets.push_back(say(phrase("Working", "subnet %1 is %2"),
                                      {std::to_string(n), dotted(m_list->subnet(n).network)}));
            add("blockSize", phrase("Working", "Block size"),
                say(phrase("Working",
                           "The mask's subnet bits are not one run of bits, so the "
                           "subnets do not follow each other in steps of one size: "
                           "%1."),
                    {listed(subnets, ", ")}),
                marked(m_list->subnetField(), {BitRowName::mask}));
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
        add("blockSize", phrase("Working", "Block size"),
            say(m_list->count() > 3
                    ? phrase("Working",
                             "The last subnet bit has the value %1 in octet %2, so the "
                             "subnets follow each other in steps of %1 there: %3 and "
                             "so on.")
                    : phrase("Working",
                             "The last subnet bit has the value %1 in octet %2, so the "
                             "subnets follow each other in steps of %1 there: %3."),
                {number(*m_e.blockSize), std::to_string(*m_e.blockOctet), listed(networks, ", ")}),
            marked(step, {BitRowName::mask}));
    }

    void addressSubnetStep() {
        if (m_s.subnetBits == 0) return;
        const Findings& f = m_p.outcome.findings;
        const Subnet own = m_list->subnet(m_list->addressNumber());
        m_e.addressSubnet = own.number;
        // Reserved as the press finds it, which is what its status says.
        m_e.reserved = f.subnetAllZeros ? "all zeros" : f.subnetAllOnes ? "all ones" : "";
        const std::string read = bitsUnder(m_addresses.address, m_list->subnetField());
        if (m_ownFields) {
            const Phrase text =
                f.subnetAllZeros  ? phrase("Working",
                                           "The address's subnet bits read %1: subnet %2 of 0 "
                                            "to %3, reserved (all zeros).")
                : f.subnetAllOnes ? phrase("Working",
                                           "The address's subnet bits read %1: subnet %2 of 0 "
                                           "to %3, reserved (all ones).")
                                  : phrase("Working",
                                           "The address's subnet bits read %1: subnet %2 of 0 "
                                           "to %3, not reserved.");
            add("addressSubnet", phrase("Working", "The address's subnet"),
                say(text, {read, number(own.number), number(m_list->count() - 1)}),
                marked(m_subnetField, {BitRowName::address}));
            return;
        }
        const int first = m_s.classBits + 1, last = m_s.classBits + m_s.subnetBits;
        const std::string tested = entries(m_s.netBit, first, last);
        const Phrase verdict =
            f.subnetAllZeros
                ? phrase("Working",
                         "The press, though, reads the network's bits %1 to %2, %3: all zeros, "
                         "so it takes the address's subnet as reserved (all zeros).")
            : f.subnetAllOnes
                ? phrase("Working",
                         "The press, though, reads the network's bits %1 to %2, %3: all ones, "
                         "so it takes the address's subnet as reserved (all ones).")
                : phrase("Working",
                         "The press, though, reads the network's bits %1 to %2, %3: neither all "
                         "zeros nor all ones, so it takes the address's subnet as not "
                         "reserved.");
        std::array<Address, 4> marks = marked(m_list->subnetField(), {BitRowName::address});
        marks[row(BitRowName::network)] = m_subnetField;
        add("addressSubnet", phrase("Working", "The address's subnet"),
            say(phrase("Working",
                       "The address's bits under the mask's subnet bits read %1: subnet %2 of 0 "
                       "to %3 in the list of every subnet."),
                {read, number(own.number), number(m_list->count() - 1)}) +
                ' ' + say(verdict, {std::to_string(first), std::to_string(last), tested}),
            marks);
    }

    void networkStep() {
        m_e.network = rowText(m_p.boxes, Box::Text9);
        m_e.broadcast = rowText(m_p.boxes, Box::Text13);
        m_e.invertedMask = dotted(~m_addresses.mask);
        const std::string address = dotted(m_addresses.address);
        std::optional<Address> kept;
        // A mask shorter than the class clears network bits of the address too.
        if (m_list && (m_addresses.mask & m_list->classField()) != m_list->classField()) {
            kept = m_addresses.address & (m_list->classField() | m_list->subnetField());
            if (*kept == m_addresses.network) kept.reset();
        }
        const Address all = ~Address{0};
        add("network", phrase("Caption", "Network"),
            kept ? say(phrase("Working",
                              "The address And the mask: %1 And %2 = %3, each bit 1 "
                              "only where both are 1; this is the network address, which "
                              "the row Subnet shows. The mask being shorter than the "
                              "class clears network bits too, where the class's network "
                              "bits and the subnet bits alone give %4."),
                       {address, m_maskNumbers, m_e.network, dotted(*kept)})
                 : say(phrase("Working",
                              "The address And the mask: %1 And %2 = %3, each bit 1 "
                              "only where both are 1; this is the network address, which "
                              "the row Subnet shows."),
                       {address, m_maskNumbers, m_e.network}),
            marked(all, {BitRowName::address, BitRowName::mask, BitRowName::network}));
        add("broadcast", phrase("Caption", "Broadcast"),
            say(phrase("Working",
                       "The network Or the inverted mask: %1 Or %2 = %3, the bits "
                       "that the mask leaves all set to 1."),
                {m_e.network, m_e.invertedMask, m_e.broadcast}),
            marked(all, {BitRowName::mask, BitRowName::network, BitRowName::broadcast}));
    }

    void rangeStep() {
        m_e.firstSubnet = shownRow(m_p.boxes, Box::Text26);
        m_e.lastSubnet = shownRow(m_p.boxes, Box::Text30);
        const Phrase title = phrase("Working", "First and last subnet");
        if (m_s.subnetBits == 0) {
            add("range", title,
                say(phrase("Working",
                           "Without subnet bits there are no subnets: the rows "
                           "Subnet 1 and Subnet N stay empty.")));
            return;
        }
        if (m_s.subnetBits == 1) {
            add("range", title,
                say(phrase("Working",
                           "With one subnet bit both subnets are reserved: "
                           "there is no usable subnet, and the rows Subnet 1 "
                           "and Subnet N stay empty.")),
                marked(m_subnetField, {BitRowName::network}));
            return;
        }
        const int first = m_s.classBits + 1;
        const int last = m_s.classBits + m_s.subnetBits;
        const std::string from = std::to_string(first), to = std::to_string(last),
                          firstBits = entries(m_s.firstSubnetBit, first, last),
                          lastBits = entries(m_s.lastSubnetBit, first, last),
                          lastNumber = number(m_list->count() - 2);
        if (m_list->contiguous())
            add("range", title,
                say(phrase("Working",
                           "The network with bits %1 to %2 set to %3 and to "
                           "%4: subnet 1 is %5 and subnet %6 is %7 (the rows "
                           "Subnet 1 and Subnet N)."),
                    {from, to, firstBits, lastBits, m_e.firstSubnet, lastNumber, m_e.lastSubnet}),
                marked(m_subnetField, {BitRowName::network}));
        else
            add("range", title,
                say(phrase("Working",
                           "The network with bits %1 to %2 set to %3 and to "
                           "%4: subnet 1 is %5 and subnet %6 is %7 (the rows "
                           "Subnet 1 and Subnet N). With this mask those are "
                           "not the mask's own subnet bits, which number the "
                           "subnets above (subnet 1 is %8)."),
                    {from, to, firstBits, lastBits, m_e.firstSubnet, lastNumber, m_e.lastSubnet,
                     dotted(m_list->subnet(1).network)}),
                marked(m_subnetField, {BitRowName::network}));
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
        const int written = int(f.subnetAllZeros || f.subnetAllOnes) +
                            int(f.noHosts || f.hostAllZeros || f.hostAllOnes);
        sentences.push_back(
            written > 1 ? say(phrase("Working",
                                     "The later finding replaces the earlier one: the status "
                                     "is %1."),
                              {status(m_p.outcome.status())})
            : written == 1
                ? say(phrase("Working", "The status is %1."), {status(m_p.outcome.status())})
                : say(phrase("Working", "With no finding the status stays %1."),
                      {status(m_p.outcome.status())}));
        std::array<Address, 4> marks{};
        marks[row(BitRowName::network)] = m_subnetField;
        marks[row(BitRowName::address)] = m_hostField;
        add("status", phrase("Caption", "Status"), listed(sentences, " "), marks);
    }

    const Press& m_p;
    const CalculatorState& m_s;
    Explanation& m_e;
    const Phrasebook& m_book;
    std::optional<SubnetList> m_list;
    PressAddresses m_addresses;
    // The fields as the press tests them: the subnetBits entries after the class's bits, and
    // the last hostBits entries.
    Address m_subnetField;
    Address m_hostField;
    // Whether those are the fields the mask's one bits make (all but masks 255.a.b.0 of class A).
    bool m_ownFields;
    std::string m_maskNumbers;
};

}  // namespace

void addSteps(const Press& p, Explanation& e) {
    Steps(p, e).run();
}

}  // namespace octaval::working
