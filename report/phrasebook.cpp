// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/phrasebook.h"

#include <cassert>

#include "report/captions.h"

namespace octaval {
namespace {

// The context under which the engine marks its status messages (engine/calculator.h).
constexpr std::string_view statusContext = "Status";

// 2 ^ n - 2, the usable subnets or hosts of an n-bit field (n at most 24 in a result line).
std::string usable(int bits) {
    return std::to_string((std::int64_t{1} << bits) - 2);
}

}  // namespace

LineNumbers lineNumbers(const PressNumbers& n) {
    assert(n.addressClass && "a rejected press shows no result lines");
    return {n.addressClass->letter, n.networkBits, n.subnetBits, n.hostBits};
}

std::string groupedDigits(std::string_view languageCode, std::uint64_t count) {
    std::string digits = std::to_string(count);
    if (languageCode == "es" && digits.size() <= 4) return digits;
    const std::string_view separator = languageCode == "fr"   ? "\u202f"
                                       : languageCode == "en" ? ","
                                                              : ".";
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), separator);
    return digits;
}

std::string Phrasebook::grouped(std::uint64_t count) const {
    return groupedDigits("en", count);
}

std::string Phrasebook::translated(Phrase p, std::int64_t count) const {
    if (!p.counted) return std::string(p.source);
    const std::string_view form = count == 1 && !p.singular.empty() ? p.singular : p.source;
    std::string text;
    for (std::size_t at = 0; at < form.size(); ++at) {
        if (form.substr(at, 2) == "%n") {
            text += std::to_string(count);
            ++at;
        } else {
            text += form[at];
        }
    }
    return text;
}

std::string Phrasebook::caption(std::string_view caption) const {
    return translated(Phrase{captionContext, caption}, 0);
}

std::string Phrasebook::say(Phrase p, std::initializer_list<std::string_view> arguments) const {
    return filledIn(translated(p, 0), arguments);
}

std::string Phrasebook::say(Phrase p, std::int64_t count,
                            std::initializer_list<std::string_view> arguments) const {
    return filledIn(translated(p, count), arguments);
}

std::string Phrasebook::status(std::string_view message) const {
    return translated(Phrase{statusContext, message}, 0);
}

std::string Phrasebook::resultLine(Box line, const LineNumbers& n) const {
    switch (line) {
        case Box::Text18:
            if (n.classLetter == 'D') return say(phrase("Result", "Multicast, Class D"));
            if (n.classLetter == 'E') return say(phrase("Result", "Research, Class E"));
            return say(counted("Result", "%n bits, Class %1"), n.classBits,
                       {std::string_view(&n.classLetter, 1)});
        case Box::Text19:
            if (n.subnetBits == 0) return say(counted("Result", "%n bits, no subnets"), 0);
            return say(counted("Result", "%n bits, %1 subnets"), n.subnetBits,
                       {usable(n.subnetBits)});
        case Box::Text20:
            return say(counted("Result", "%n bits, %1 hosts"), n.hostBits, {usable(n.hostBits)});
        default:
            assert(false && "a result line is Text18, Text19 or Text20");
            return {};
    }
}

const Phrasebook& Phrasebook::english() {
    static const Phrasebook book;
    return book;
}

std::string filledIn(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t n = next >= '1' && next <= '9' ? std::size_t(next - '0') : 0;
        if (pattern[i] == '%' && n >= 1 && n <= arguments.size()) {
            text += arguments.begin()[n - 1];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace octaval
