// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working of a press: how it came to its answer, step by step in words and numbers, every
// number taken from the press itself (its boxes, its state, how it ended and its subnet list).
// octaval-cli --explain prints it (as text, report/working/text.h, or JSON), and the window's
// Working window shows and copies it.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/phrasebook.h"
#include "report/press.h"

namespace octaval {

/// The rows of the bit rows, in their order: address, mask, network, broadcast.
enum class BitRowName : unsigned char { address, mask, network, broadcast };

/// One step of the working: a short title and what it finds, in one paragraph, with the bits of
/// the bit rows it speaks of, so that a front end can show them when the step is chosen.
struct WorkingStep {
    /// What the step is about, the same in every language: "reading", "check", "class",
    /// "naturalMask", "fields", "subnets", "hosts", "blockSize", "addressSubnet", "network",
    /// "broadcast", "range", "status". The practice names a step by it.
    std::string_view key;
    std::string title;
    std::string text;
    /// For each bit row, the bits the step speaks of (bit 31 the row's first); all zero for a
    /// step about no bits, and for every step of a press that the checks stopped.
    std::array<Address, 4> marks{};
};

/// The working of one press. Texts the user typed are shown with control characters escaped.
/// The steps and the bit rows are in the words of a phrasebook (report/phrasebook.h), English
/// unless one is given; the other members are the same in every language.
struct Explanation {
    const Phrasebook* book = &Phrasebook::english();  // the words of the texts

    std::string address;  // the four address texts joined by dots
    std::string mask;     // the four mask texts joined by dots
    std::string_view status;
    /// The check of the validation chain that stopped the press, in words ("the mask versus
    /// the class"); empty when the press passed it.
    std::string_view rejectedBy;

    // What follows is set only for a press that passed the validation chain; the counts and
    // subnets only where the press has them (class A, B or C; hosts and subnets not after
    // "No host(s)").
    std::array<std::string, 4> bits;  // address, mask, network, broadcast as the bit rows show them
    std::string bitRows;              // the same rows with their captions and a legend
    std::string classLetter;          // "A" .. "E"
    std::string leadingBits;          // the leading bits of the first octet that give the class
    int classBits = 0;
    int subnetBits = 0;
    int hostBits = 0;
    std::string naturalMask;                       // class A, B, C
    std::optional<std::uint64_t> subnets;          // 2 ^ subnetBits - 2, with subnet bits
    std::optional<std::uint64_t> subnetsWithZero;  // 2 ^ subnetBits
    std::optional<std::uint64_t> hosts;            // 2 ^ hostBits - 2, with host bits
    std::optional<std::uint32_t> blockSize;        // the step between subnets in blockOctet
    std::optional<int> blockOctet;                 // 1 .. 4
    std::optional<std::uint32_t> addressSubnet;    // the number of the address's subnet
    std::string_view reserved;                     // of that subnet: "all zeros", "all ones"
    std::string network;                           // as the press shows them
    std::string invertedMask;
    std::string broadcast;
    std::string firstSubnet;  // the rows Subnet 1 and Subnet N, when the press shows them
    std::string lastSubnet;

    std::vector<WorkingStep> steps;

    /// The first step with the key, or null.
    const WorkingStep* step(std::string_view key) const;
};

/// The working of a press, in the words of the phrasebook.
Explanation explain(const Press& p, const Phrasebook& book = Phrasebook::english());

}  // namespace octaval
