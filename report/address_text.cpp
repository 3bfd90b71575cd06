// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/address_text.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>

#include "engine/calculator.h"
#include "report/joined.h"

namespace octaval {
namespace {

constexpr std::string_view maskExample =
    "four parts joined by dots, such as 255.255.0.0, or a prefix length /N with N from 0 to 32";

std::string partsMessage(std::string_view what, std::string_view text, std::string_view expected) {
    if (text.empty()) return joined({what, " is empty; expected ", expected});
    const auto parts = std::count(text.begin(), text.end(), '.') + 1;
    return joined({what, " '", text, "' has ", std::to_string(parts),
                   parts == 1 ? " part" : " parts", "; expected ", expected});
}

std::string badPrefix(std::string_view digits) {
    return joined({"prefix length '/", digits, "' is not a whole number from 0 to 32"});
}

using MaskOrMessage = std::variant<std::array<std::string, 4>, std::string>;

MaskOrMessage dottedMask(std::string_view text) {
    const auto parts = splitDotted(text);
    if (!parts) return partsMessage("MASK", text, maskExample);
    std::array<std::string, 4> mask;
    std::copy(parts->begin(), parts->end(), mask.begin());
    return mask;
}

// The text after a slash: a prefix length, or a mask of four dotted parts as many people write
// it there.
MaskOrMessage maskAfterSlash(std::string_view text) {
    if (text.find('.') != std::string_view::npos) return dottedMask(text);
    if (auto mask = prefixMask(text)) return std::move(*mask);
    return badPrefix(text);
}

// The number of words in a text that begins and ends with a word.
std::size_t wordCount(std::string_view text) {
    std::size_t words = 1;
    for (auto gap = text.find_first_of(blanks); gap != std::string_view::npos;
         gap = text.find_first_of(blanks, text.find_first_not_of(blanks, gap)))
        ++words;
    return words;
}

}  // namespace

std::string_view trimmed(std::string_view text) {
    const auto start = std::min(text.find_first_not_of(blanks), text.size());
    return text.substr(start, text.find_last_not_of(blanks) + 1 - start);
}

std::array<std::string, 4> AddressTexts::maskOrNatural() const {
    if (mask) return *mask;
    const auto natural = naturalMask(address[0]);
    return {std::string(natural[0]), std::string(natural[1]), std::string(natural[2]),
            std::string(natural[3])};
}

std::optional<std::array<std::string_view, 4>> splitDotted(std::string_view text) {
    std::array<std::string_view, 4> parts;
    for (std::size_t k = 0; k < 3; ++k) {
        const auto dot = text.find('.');
        if (dot == std::string_view::npos) return std::nullopt;
        parts[k] = text.substr(0, dot);
        text.remove_prefix(dot + 1);
    }
    if (text.find('.') != std::string_view::npos) return std::nullopt;
    parts[3] = text;
    return parts;
}

bool isDecimal(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<std::uint64_t> readDecimal(std::string_view text) {
    // from_chars reads digits only, but would take a leading minus sign for a signed type; it
    // stops before anything else, so a text that it reads to its end is decimal.
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    std::uint64_t value = 0;
    const auto end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (stop != end || error != std::errc{}) return std::nullopt;
    return value;
}

std::optional<std::uint8_t> readOctet(std::string_view text) {
    const auto value = readDecimal(text);
    if (!value || *value > 255) return std::nullopt;
    return static_cast<std::uint8_t>(*value);
}

std::optional<Octets> readDottedQuad(std::string_view text) {
    const auto parts = splitDotted(text);
    if (!parts) return std::nullopt;
    Octets octets{};
    for (std::size_t k = 0; k < 4; ++k) {
        const auto octet = (*parts)[k].size() <= 3 ? readOctet((*parts)[k]) : std::nullopt;
        if (!octet) return std::nullopt;
        octets[k] = *octet;
    }
    return octets;
}

std::optional<Octets> readDottedQuadLoosely(std::string_view text) {
    const auto parts = splitDotted(trimmed(text));
    if (!parts) return std::nullopt;
    Octets octets{};
    for (std::size_t k = 0; k < 4; ++k) {
        const auto octet = readOctet(trimmed((*parts)[k]));
        if (!octet) return std::nullopt;
        octets[k] = *octet;
    }
    return octets;
}

std::optional<int> readPrefixLength(std::string_view digits) {
    // Leading zeros are read like any decimal number's: "/0008" is "/8".
    const auto length = readDecimal(digits);
    if (!length || *length > 32) return std::nullopt;
    return static_cast<int>(*length);
}

std::optional<std::array<std::string, 4>> prefixMask(std::string_view digits) {
    const auto length = readPrefixLength(digits);
    if (!length) return std::nullopt;
    std::array<std::string, 4> mask;
    for (int k = 0; k < 4; ++k) {
        const int ones = std::clamp(*length - 8 * k, 0, 8);
        mask[static_cast<std::size_t>(k)] = std::to_string((0xFF00 >> ones) & 0xFF);
    }
    return mask;
}

std::variant<AddressTexts, std::string> readAddress(std::string_view address,
                                                    std::optional<std::string_view> mask) {
    AddressTexts texts;
    const auto take = [&texts](MaskOrMessage read) -> std::optional<std::string> {
        if (auto* message = std::get_if<std::string>(&read)) return std::move(*message);
        texts.mask = std::move(std::get<0>(read));
        return std::nullopt;
    };
    if (const auto slash = address.find('/'); slash != std::string_view::npos) {
        if (slash == 0 && mask)
            return joined(
                {"the ADDRESS comes first, as in 'octaval-cli ", *mask, " ", address, "'"});
        if (mask)
            return joined(
                {"the mask is given twice: as '", address.substr(slash), "' and as '", *mask, "'"});
        if (auto message = take(maskAfterSlash(address.substr(slash + 1)))) return *message;
        address = address.substr(0, slash);
    }
    const auto parts = splitDotted(address);
    if (!parts) return partsMessage("ADDRESS", address, addressExample);
    std::copy(parts->begin(), parts->end(), texts.address.begin());

    if (!mask) return texts;
    if (auto message = take(readMask(*mask))) return *message;
    return texts;
}

MaskOrMessage readMask(std::string_view text) {
    return text.starts_with('/') ? maskAfterSlash(text.substr(1)) : dottedMask(text);
}

std::variant<AddressTexts, std::string> readAddressLine(std::string_view text) {
    text = trimmed(text);
    const auto gap = text.find_first_of(blanks);
    std::optional<std::string_view> mask;
    if (gap != std::string_view::npos) {
        mask = text.substr(text.find_first_not_of(blanks, gap));
        if (const auto words = wordCount(text); words > 2)
            return joined(
                {"too many words (", std::to_string(words), "): expected ADDRESS[/N] [MASK]"});
    }
    return readAddress(text.substr(0, gap), mask);
}

std::optional<AddressTexts> parseAddressText(std::string_view text) {
    auto read = readAddressLine(text);
    if (auto* texts = std::get_if<AddressTexts>(&read)) return std::move(*texts);
    return std::nullopt;
}

}  // namespace octaval
