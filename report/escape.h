// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace octaval {

/// How a text is escaped where it is written.
enum class Escape : unsigned char {
    /// Inside a JSON string: a quote or backslash gets a backslash before it, a control character
    /// (below 0x20) becomes \u00hh, and a byte that is not UTF-8 the text \xhh.
    json,
    /// On a line of text: a line feed, tab or CR becomes \n, \t or \r, any other control
    /// character (C1 ones too), DEL and a byte that is not UTF-8 \xhh, so that no typed text
    /// can break or garble the lines or steer a terminal.
    visible,
    /// As visible, and every byte from 0x80 on as \xhh too: a text that may hold any bytes, on
    /// a line that stays ASCII.
    ascii,
    /// In HTML text or a quoted attribute value: & < > " ' become character references, and
    /// control characters and DEL are escaped as in visible.
    html,
};

/// Whether the byte needs an escape in that style.
constexpr bool needsEscape(char c, Escape style) {
    const auto byte = static_cast<unsigned char>(c);
    if (style == Escape::json) return byte < 0x20 || c == '"' || c == '\\';
    if (style == Escape::html && (c == '&' || c == '<' || c == '>' || c == '"' || c == '\''))
        return true;
    return byte < 0x20 || byte == 0x7f || (style == Escape::ascii && byte > 0x7f);
}

/// Appends text with every byte that needs an escape in that style escaped; others are copied.
void appendEscaped(std::string& out, std::string_view text, Escape style);

/// The length of the UTF-8 sequence at the start of `text`, 0 when it does not start with one
/// (no overlong forms, no surrogates, nothing beyond U+10FFFF).
std::size_t utf8SequenceLength(std::string_view text);

}  // namespace octaval
