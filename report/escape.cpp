// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/escape.h"

namespace octaval {

void appendEscaped(std::string& out, std::string_view text, Escape style) {
    static constexpr std::string_view hex = "0123456789abcdef";
    const auto appendHex = [&out](unsigned char byte, std::string_view before) {
        out += before;
        out += hex[byte >> 4];
        out += hex[byte & 0xF];
    };
    std::size_t copied = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && style != Escape::ascii) {
            const std::size_t length = utf8SequenceLength(text.substr(i));
            // On a line, a C1 control character (U+0080 to U+009F) too: a terminal may obey it.
            const bool c1 = style != Escape::json && length == 2 && byte == 0xC2 &&
                            static_cast<unsigned char>(text[i + 1]) < 0xA0;
            if (length != 0 && !c1) {
                i += length - 1;
                continue;
            }
            const std::size_t escaped = c1 ? 2 : 1;
            out.append(text, copied, i - copied);
            // In JSON the escape is text of the string: a backslash, then x and the digits.
            for (std::size_t k = 0; k < escaped; ++k)
                appendHex(static_cast<unsigned char>(text[i + k]),
                          style == Escape::json ? "\\\\x" : "\\x");
            i += escaped - 1;
            copied = i + 1;
            continue;
        }
        if (!needsEscape(c, style)) continue;
        out.append(text, copied, i - copied);
        copied = i + 1;
        if (style == Escape::html && byte >= 0x20 && byte != 0x7f) {
            out += c == '&'   ? "&amp;"
                   : c == '<' ? "&lt;"
                   : c == '>' ? "&gt;"
                   : c == '"' ? "&quot;"
                              : "&#39;";
        } else if (style == Escape::json && (c == '"' || c == '\\')) {
            out += '\\';
            out += c;
        } else if (style != Escape::json && (c == '\n' || c == '\t' || c == '\r')) {
            out += c == '\n' ? "\\n" : c == '\t' ? "\\t" : "\\r";
        } else {
            appendHex(byte, style == Escape::json ? "\\u00" : "\\x");
        }
    }
    out.append(text, copied);
}

std::size_t utf8SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || text.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((byte(i) & 0xC0) != 0x80) return 0;
    // The second byte's range rules out overlong forms, surrogates and code points beyond U+10FFFF.
    const unsigned char second = byte(1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
        return 0;
    return length;
}

}  // namespace octaval
