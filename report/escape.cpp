// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/escape.h"

namespace octaval {

void appendEscaped(std::string& out, std::string_view text, Escape style) {
    static constexpr std::string_view hex = "0123456789abcdef";
    std::size_t copied = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!needsEscape(c, style)) continue;
        out.append(text, copied, i - copied);
        copied = i + 1;
        const auto byte = static_cast<unsigned char>(c);
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
            out += style == Escape::json ? "\\u00" : "\\x";
            out += hex[byte >> 4];
            out += hex[byte & 0xF];
        }
    }
    out.append(text, copied);
}

}  // namespace octaval
