// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/generator.h"

#include <algorithm>
#include <utility>

#include "engine/calculator.h"
#include "engine/phrase.h"
#include "practice/reading.h"

namespace octaval {

std::uint64_t PracticeRandom::next() {
    m_state += 0x9E3779B97F4A7C15U;
    std::uint64_t z = m_state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9U;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBU;
    return z ^ (z >> 31);
}

std::uint64_t PracticeRandom::below(std::uint64_t bound) {
    // The values below 2^64 mod bound would make the low remainders likelier: they are drawn
    // again.
    const std::uint64_t threshold = (0 - bound) % bound;
    for (;;) {
        const std::uint64_t r = next();
        if (r >= threshold) return r % bound;
    }
}

namespace {

struct LevelInfo {
    PracticeLevel level;
    std::string_view name;
    std::string_view description;
};
constexpr std::array<LevelInfo, 4> levels = {{
    {PracticeLevel::natural, "natural", phrase("Practice", "Natural masks only").source},
    {PracticeLevel::contiguous, "contiguous", phrase("Practice", "Contiguous masks").source},
    {PracticeLevel::any, "any", phrase("Practice", "Any mask the checks accept").source},
    {PracticeLevel::faults, "faults", phrase("Practice", "Spot the fault").source},
}};

Address prefixMask(int ones) {
    return ones == 0 ? 0 : ~Address{0} << (32 - ones);
}

// The accepted mask octet i (255, 254, ..., 128, 0).
constexpr Address acceptedOctet(std::size_t i) {
    return static_cast<Address>(acceptedMaskOctets[i]);
}

// Every mask that the checks accept: the contiguous ones from 8 bits up, then 255.a.b.0 with
// 255 > a >= b > 0.
constexpr std::array<Address, 53> acceptedMasks = [] {
    std::array<Address, 53> masks{};
    std::size_t i = 0;
    for (int ones = 8; ones <= 32; ++ones)
        masks[i++] = ones == 32 ? ~Address{0} : ~Address{0} << (32 - ones);
    for (std::size_t a = 1; a < 8; ++a)
        for (std::size_t b = a; b < 8; ++b)
            masks[i++] = 0xFF000000U | acceptedOctet(a) << 16 | acceptedOctet(b) << 8;
    return masks;
}();

// A class by its letter, one of A, B and C.
const AddressClass& classOf(char letter) {
    return *std::find_if(addressClasses.begin(), addressClasses.end(),
                         [letter](const AddressClass& c) { return c.letter == letter; });
}

std::array<std::string, 4> octetTexts(Address value) {
    std::array<std::string, 4> texts;
    for (std::size_t k = 0; k < 4; ++k)
        texts[k] = std::to_string((value >> (24 - 8 * k)) & 0xFFU);
    return texts;
}

// The address with the `width` bits that end `shift` bits before its last bit set to `field`.
Address withField(Address address, int shift, int width, std::uint64_t field) {
    const Address ones = width == 0 ? 0 : static_cast<Address>((std::uint64_t{1} << width) - 1);
    return (address & ~(ones << shift)) | (static_cast<Address>(field) << shift);
}

std::uint64_t allOnes(int width) {
    return (std::uint64_t{1} << width) - 1;
}

}  // namespace

std::string_view levelName(PracticeLevel level) {
    return levels[static_cast<std::size_t>(level)].name;
}

std::string_view levelDescription(PracticeLevel level) {
    return levels[static_cast<std::size_t>(level)].description;
}

std::optional<PracticeLevel> levelFromName(std::string_view name) {
    const std::string key = reading::folded(name);
    for (const auto& info : levels)
        if (info.name == key) return info.level;
    return std::nullopt;
}

std::optional<std::string> readClasses(std::string_view text) {
    std::string classes;
    for (const char letter : {'A', 'B', 'C'})
        if (text.find(letter) != std::string_view::npos ||
            text.find(static_cast<char>(letter - 'A' + 'a')) != std::string_view::npos)
            classes += letter;
    const bool onlyLetters = std::all_of(text.begin(), text.end(), [](char c) {
        return std::string_view("ABCabc").find(c) != std::string_view::npos;
    });
    if (classes.empty() || !onlyLetters) return std::nullopt;
    return classes;
}

std::string Problem::address() const {
    return inputs.address[0] + '.' + inputs.address[1] + '.' + inputs.address[2] + '.' +
           inputs.address[3];
}

std::string Problem::mask() const {
    const auto m = inputs.maskOrNatural();
    return m[0] + '.' + m[1] + '.' + m[2] + '.' + m[3];
}

ProblemGenerator::ProblemGenerator(std::uint64_t seed, PracticeOptions options)
    : m_random(seed), m_options(std::move(options)) {
    if (m_options.classes.empty()) m_options.classes = "ABC";
}

Problem ProblemGenerator::next() {
    // The draws are made one statement at a time, in this order, so that no order of evaluation
    // of a compiler can change them: the class, the first octet, the other three octets, then
    // what the level draws.
    auto& r = m_random;
    const char letter = m_options.classes[r.below(m_options.classes.size())];
    const AddressClass& c = classOf(letter);
    Address address = static_cast<Address>(r.between(c.firstOctet, c.lastOctet)) << 24;
    address |= static_cast<Address>(r.below(Address{1} << 24));
    const int classBits = c.classBits;
    Address mask = c.naturalMask;
    std::optional<std::array<std::string, 4>> addressTexts;

    // A contiguous mask of `ones` bits, its subnet field set to `subnet` and its host field to
    // `host` (each left as drawn when not given).
    const auto shape = [&](int ones, std::optional<std::uint64_t> subnet,
                           std::optional<std::uint64_t> host) {
        mask = prefixMask(ones);
        if (subnet) address = withField(address, 32 - ones, ones - classBits, *subnet);
        if (host) address = withField(address, 0, 32 - ones, *host);
    };
    switch (m_options.level) {
        case PracticeLevel::natural:
            break;
        case PracticeLevel::contiguous:
            mask = prefixMask(static_cast<int>(r.between(classBits, 30)));
            break;
        case PracticeLevel::any:
            mask = acceptedMasks[r.below(acceptedMasks.size())];
            break;
        case PracticeLevel::faults: {
            const auto target = status::all[r.below(status::all.size())];
            if (target == status::ok || target == status::subnetAllZeros ||
                target == status::subnetAllOnes) {
                // OK needs two subnet bits, so that a subnet field can be neither all zeros nor
                // all ones; every host field has at least two bits.
                const int ones =
                    static_cast<int>(r.between(classBits + (target == status::ok ? 2 : 1), 30));
                const int subnetBits = ones - classBits;
                const std::uint64_t subnet = target == status::subnetAllZeros ? 0
                                             : target == status::subnetAllOnes
                                                 ? allOnes(subnetBits)
                                                 : r.between(1, allOnes(subnetBits) - 1);
                const std::uint64_t host = r.between(1, allOnes(32 - ones) - 1);
                shape(ones, subnet, host);
            } else if (target == status::hostAllZeros || target == status::hostAllOnes) {
                const int ones = static_cast<int>(r.between(classBits, 30));
                shape(ones, std::nullopt, target == status::hostAllZeros ? 0 : allOnes(32 - ones));
            } else if (target == status::noHosts) {
                mask = ~Address{0};
            } else if (target == status::illegalIpAddress) {
                // A first octet of 0, or another octet beyond 255 (three digits, as a box holds).
                const auto octet = r.below(4);
                addressTexts = octetTexts(address);
                (*addressTexts)[octet] = octet == 0 ? "0" : std::to_string(r.between(256, 999));
            } else if (target == status::illegalSubnetMask) {
                if (r.below(2) == 0) {
                    // One octet after the first that is none of the accepted values.
                    const auto octet = r.between(1, 3);
                    Address value = static_cast<Address>(r.below(256 - acceptedMaskOctets.size()));
                    // Past each accepted value, from the smallest up (255 is beyond every draw).
                    for (auto v = acceptedMaskOctets.rbegin(); v != acceptedMaskOctets.rend(); ++v)
                        if (value >= static_cast<Address>(*v)) ++value;
                    const auto shift = 24 - 8 * static_cast<int>(octet);
                    mask = (mask & ~(0xFFU << shift)) | value << shift;
                } else {
                    // 255.0.x.0: the octets do not fall from left to right.
                    mask = 0xFF000000U | acceptedOctet(r.below(8)) << 8;
                }
            } else {
                // A first mask octet below 255: no 255 within the class's network octets.
                mask = acceptedOctet(r.between(1, 8)) << 24;
            }
            break;
        }
    }
    Problem problem;
    problem.inputs.address = addressTexts ? *addressTexts : octetTexts(address);
    problem.inputs.mask = octetTexts(mask);
    return problem;
}

}  // namespace octaval
