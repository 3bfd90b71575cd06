// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The known mistakes of a wrong answer, recognised from the numbers of the press: each is the
// value that a learner gets by one slip in the working, such as the natural mask for the given
// one or 2^n for 2^n - 2.

#include <bit>
#include <functional>
#include <string>

#include "engine/subnets.h"
#include "practice/exercise.h"
#include "report/working/explanation.h"
#include "report/working/wording.h"

namespace octaval {
namespace {

using working::dotted;

std::string binary(Address value, int bits) {
    std::string text;
    for (int i = bits - 1; i >= 0; --i)
        text += (value >> i) & 1U ? '1' : '0';
    return text;
}

// The step of the working that shows how a question's answer is found.
std::string_view stepOf(Question q) {
    switch (q) {
        case Question::network:
            return "network";
        case Question::broadcast:
            return "broadcast";
        case Question::classLetter:
        case Question::networkBits:
            return "class";
        case Question::subnetBits:
        case Question::hostBits:
            return "fields";
        case Question::subnets:
            return "subnets";
        case Question::hosts:
            return "hosts";
        case Question::firstSubnet:
        case Question::lastSubnet:
            return "range";
        case Question::status:
            break;
    }
    return "status";
}

std::optional<std::uint64_t> valueOf(Question q, const std::string& expected) {
    if (isAddressQuestion(q)) {
        const auto octets = readDottedQuadLoosely(expected);
        if (!octets) return std::nullopt;
        return addressOf(*octets);
    }
    if (q == Question::classLetter || q == Question::status) return std::nullopt;
    return readDecimal(expected);
}

}  // namespace

void Exercise::diagnose(Mark& mark, std::uint64_t given, const Phrasebook& book) const {
    const Press& p = m_press;
    // A question that the press gives no answer to has no mistake to name: its numbers are
    // not there to reason from.
    if (!p.outcome.passed() || mark.expected.empty()) return;
    const PressNumbers& n = p.numbers;
    const PressAddresses a = pressAddresses(p.state);
    const Question q = mark.question;
    const std::string answer = isAddressQuestion(q) ? dotted(Address(given)) : mark.answer;
    std::string text;
    const auto found = [&](Mistake m, Phrase sentence,
                           std::initializer_list<std::string_view> arguments) {
        mark.mistake = m;
        text = book.say(sentence, arguments);
    };
    const auto natural = n.addressClass->naturalMask;
    const std::optional<SubnetList> list = SubnetList::of(p.state);
    // One block of addresses, where the subnets follow each other in blocks of one size.
    const std::uint64_t block = list && list->contiguous() ? std::uint64_t{1} << n.hostBits : 0;
    const int ones = std::popcount(a.mask);
    const std::string classLetter(1, n.addressClass->letter);
    const auto power = [](int bits) { return std::uint64_t{1} << bits; };

    switch (q) {
        case Question::network:
            if (n.hostBits >= 2 && given == std::uint64_t{n.network} + 1)
                found(Mistake::firstHostAsNetwork,
                      phrase("Practice",
                             "%1 is the first usable host; the network address is the one "
                             "before it, %2, with every host bit 0."),
                      {answer, dotted(n.network)});
            break;
        case Question::broadcast:
            if (n.hostBits >= 2 && given + 1 == n.broadcast)
                found(Mistake::lastHostAsBroadcast,
                      phrase("Practice",
                             "%1 is the last usable host; the broadcast address is the one "
                             "after it, %2, with every host bit 1."),
                      {answer, dotted(n.broadcast)});
            else if (given == std::uint64_t{n.broadcast} + 1)
                found(Mistake::nextNetworkAsBroadcast,
                      phrase("Practice",
                             "%1 is the network address of the next block; the broadcast "
                             "address is the one before it, %2."),
                      {answer, dotted(n.broadcast)});
            break;
        case Question::firstSubnet: {
            const Address field = n.firstSubnet ^ n.lastSubnet;  // the field bits differ in all
            if (given == (n.firstSubnet & ~field))
                found(Mistake::subnetZero,
                      phrase("Practice",
                             "%1 is subnet zero, whose subnet bits are all zeros; it is "
                             "reserved, so Subnet 1 is the next one, %2."),
                      {answer, dotted(n.firstSubnet)});
            break;
        }
        case Question::lastSubnet: {
            const Address field = n.firstSubnet ^ n.lastSubnet;
            if (given == (n.lastSubnet | field))
                found(Mistake::allOnesSubnet,
                      phrase("Practice",
                             "%1 is the all-ones subnet, whose subnet bits are all ones; it is "
                             "reserved, so Subnet N is the one before it, %2."),
                      {answer, dotted(n.lastSubnet)});
            break;
        }
        case Question::classLetter:
            for (const AddressClass& c : addressClasses)
                if (std::uint64_t(c.letter) == given)
                    found(Mistake::wrongLeadingBits,
                          phrase("Practice",
                                 "Class %1 starts with the bits %2; the first octet %3 is %4 in "
                                 "binary, and its leading bits %5 give class %6."),
                          {std::string(1, c.letter), c.leadingBits, std::to_string(a.address >> 24),
                           binary(a.address >> 24, 8), n.addressClass->leadingBits, classLetter});
            break;
        case Question::networkBits:
            if (given == std::uint64_t(ones))
                found(Mistake::maskLength,
                      phrase("Practice",
                             "%1 is the number of the mask's one bits; the network bits are "
                             "fixed by the class: class %2 has %3."),
                      {answer, classLetter, std::to_string(n.networkBits)});
            break;
        case Question::subnetBits:
            if (given == std::uint64_t(ones)) {
                found(Mistake::maskLength,
                      phrase("Practice",
                             "%1 counts every one bit of the mask from octet 1; the class's "
                             "first %2 bits are its network bits, and only the one bits after "
                             "them are subnet bits: %3."),
                      {answer, std::to_string(n.networkBits), std::to_string(n.subnetBits)});
                break;
            }
            for (const int other : {8, 16, 24})
                if (other != n.networkBits && ones >= other &&
                    given == std::uint64_t(ones - other)) {
                    found(Mistake::wrongOctet,
                          phrase("Practice",
                                 "%1 counts the mask's one bits from octet %2 on, as for a class "
                                 "of %3 network bits; class %4 has %5, so they count from octet "
                                 "%6 on: %7."),
                          {answer, std::to_string(other / 8 + 1), std::to_string(other),
                           classLetter, std::to_string(n.networkBits),
                           std::to_string(n.networkBits / 8 + 1), std::to_string(n.subnetBits)});
                    break;
                }
            break;
        case Question::hostBits:
            if (given == std::uint64_t(32 - ones))
                found(Mistake::maskLength,
                      phrase("Practice",
                             "%1 counts every zero bit of the mask; the host bits are those "
                             "after the class's and the subnet bits: 32 - %2 - %3 = %4."),
                      {answer, std::to_string(n.networkBits), std::to_string(n.subnetBits),
                       std::to_string(n.hostBits)});
            else if (n.subnetBits > 0 && given == std::uint64_t(32 - n.networkBits))
                found(Mistake::wrongOctet,
                      phrase("Practice",
                             "%1 counts every bit after the class's network bits, from octet "
                             "%2 on; the %3 subnet bits among them are not host bits: %4."),
                      {answer, std::to_string(n.networkBits / 8 + 1), std::to_string(n.subnetBits),
                       std::to_string(n.hostBits)});
            else if (n.hostBits > 8 && given == std::uint64_t(std::countr_zero(a.mask | 0x100U)))
                found(
                    Mistake::wrongOctet,
                    phrase("Practice",
                           "%1 counts the host bits of octet 4 alone; they begin in octet "
                           "%2: %3."),
                    {answer, std::to_string(4 - (n.hostBits - 1) / 8), std::to_string(n.hostBits)});
            break;
        case Question::subnets:
        case Question::hosts: {
            const int bits = q == Question::subnets ? n.subnetBits : n.hostBits;
            const std::string expected = std::to_string(power(bits) - 2);
            const bool subnets = q == Question::subnets;
            if (given == power(bits))
                found(Mistake::reservedCounted,
                      subnets ? phrase("Practice",
                                       "%1 is 2^%2, which counts subnet zero and the all-ones "
                                       "subnet; both are reserved, so 2^%2 - 2 = %3 are usable.")
                              : phrase("Practice",
                                       "%1 is 2^%2, which counts the network and the broadcast "
                                       "address; neither is a host, so 2^%2 - 2 = %3 are usable."),
                      {answer, std::to_string(bits), expected});
            else if (given + 1 == power(bits))
                found(Mistake::oneReservedCounted,
                      subnets ? phrase("Practice",
                                       "%1 is 2^%2 - 1, which leaves out only one of the two "
                                       "reserved subnets; both are reserved: 2^%2 - 2 = %3.")
                              : phrase("Practice",
                                       "%1 is 2^%2 - 1, which leaves out only one of the network "
                                       "and the broadcast address; 2^%2 - 2 = %3."),
                      {answer, std::to_string(bits), expected});
            break;
        }
        case Question::status:
            break;
    }
    if (!mark.mistake && (q == Question::network || q == Question::broadcast)) {
        // The network or broadcast under the class's natural mask, or of the block beside.
        const bool network = q == Question::network;
        const Address right = network ? n.network : n.broadcast;
        const Address withNatural =
            network ? a.address & natural : (a.address & natural) | ~natural;
        if (withNatural != right && given == withNatural)
            found(Mistake::naturalMask,
                  network ? phrase("Practice",
                                   "%1 is the address And the natural mask %2 of class %3; the "
                                   "network comes from the mask given, %4.")
                          : phrase("Practice",
                                   "%1 is the broadcast under the natural mask %2 of class %3; "
                                   "the broadcast comes from the mask given, %4."),
                  {answer, dotted(natural), classLetter, dotted(a.mask)});
        else if (block && (given == right + block || given + block == right))
            found(Mistake::neighbourBlock,
                  network ? phrase("Practice",
                                   "%1 is the network of a neighbouring block; the blocks are %2 "
                                   "addresses long, and %3 lies in the block from %4 to %5.")
                          : phrase("Practice",
                                   "%1 is the broadcast of a neighbouring block; the blocks are "
                                   "%2 addresses long, and %3 lies in the block from %4 to %5."),
                  {answer, std::to_string(block), dotted(a.address), dotted(n.network),
                   dotted(n.broadcast)});
    }
    std::string_view step = stepOf(q);
    if (!mark.mistake) {
        // The right answer in the wrong box.
        for (const Question other : m_questions) {
            if (other == q || isAddressQuestion(other) != isAddressQuestion(q)) continue;
            if (const auto value = valueOf(other, expected(other)); value && *value == given) {
                mark.mistake = Mistake::otherBox;
                text = book.say(phrase("Practice", "%1 is the answer to %2."),
                                {answer, book.say(phrase("Working", "“%1”"),
                                                  {book.caption(questionPrompt(other))})});
                break;
            }
        }
        if (!mark.mistake) return;
    } else if (mark.mistake == Mistake::neighbourBlock) {
        step = "blockSize";
    }
    mark.step = step;
    const Explanation e = explain(p, book);
    for (std::size_t i = 0; i < e.steps.size(); ++i)
        if (e.steps[i].key == step) {
            text += ' ';
            text += book.say(
                phrase("Practice", "Step %1 of the working, %2, shows it."),
                {std::to_string(i + 1), book.say(phrase("Working", "“%1”"), {e.steps[i].title})});
            break;
        }
    mark.why = std::move(text);
}

}  // namespace octaval
