// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/json_reader.h"

#include "report/escape.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace octaval {

namespace {

void appendUtf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

class Reader {
public:
    explicit Reader(std::string_view text) : m_text(text) {}

    std::variant<JsonValue, std::string> document() {
        JsonValue value;
        if (read(value, 0) && (skipBlanks(), m_at == m_text.size() || fail("more after the value")))
            return value;
        return std::move(m_error);
    }

private:
    bool fail(std::string_view what) {
        m_error = std::string(what) + " at byte " + std::to_string(m_at + 1);
        return false;
    }
    void skipBlanks() {
        while (m_at < m_text.size() &&
               std::string_view(" \t\r\n").find(m_text[m_at]) != std::string_view::npos)
            ++m_at;
    }
    bool take(char c) {
        skipBlanks();
        if (m_at < m_text.size() && m_text[m_at] == c) return ++m_at, true;
        return false;
    }
    bool word(std::string_view w) {
        if (m_text.substr(m_at, w.size()) != w) return false;
        m_at += w.size();
        return true;
    }

    bool read(JsonValue& value, int depth) {
        skipBlanks();
        if (m_at == m_text.size()) return fail("a value expected");
        const char c = m_text[m_at];
        if (c == '{' || c == '[') {
            if (depth == maxJsonDepth) return fail("nested too deep");
            ++m_at;
            const bool object = c == '{';
            value.kind = object ? JsonValue::Kind::object : JsonValue::Kind::array;
            if (take(object ? '}' : ']')) return true;
            do {
                if (object) {
                    skipBlanks();
                    std::string key;
                    if (m_at == m_text.size() || m_text[m_at] != '"') return fail("a key expected");
                    if (!string(key)) return false;
                    if (std::find(value.keys.begin(), value.keys.end(), key) != value.keys.end())
                        return fail("a key given twice");
                    value.keys.push_back(std::move(key));
                    if (!take(':')) return fail("':' expected");
                }
                value.values.emplace_back();
                if (!read(value.values.back(), depth + 1)) return false;
            } while (take(','));
            return take(object ? '}' : ']') ||
                   fail(object ? "',' or '}' expected" : "',' or ']' expected");
        }
        if (c == '"') {
            value.kind = JsonValue::Kind::string;
            return string(value.text);
        }
        for (const std::string_view w : {"null", "true", "false"})
            if (word(w)) {
                value.kind = w == "null" ? JsonValue::Kind::null : JsonValue::Kind::boolean;
                if (w != "null") value.text = w;
                return true;
            }
        return number(value);
    }

    bool number(JsonValue& value) {
        const std::size_t start = m_at;
        const auto digits = [&] {
            const std::size_t from = m_at;
            while (m_at < m_text.size() && m_text[m_at] >= '0' && m_text[m_at] <= '9')
                ++m_at;
            return m_at - from;
        };
        word("-");
        const std::size_t first = m_at;
        const std::size_t whole = digits();
        if (whole == 0) return fail("a value expected");
        if (whole > 1 && m_text[first] == '0') return fail("a leading zero");
        if (word(".") && digits() == 0) return fail("digits expected");
        if (word("e") || word("E")) {
            if (!word("+")) word("-");
            if (digits() == 0) return fail("digits expected");
        }
        value.kind = JsonValue::Kind::number;
        value.text = m_text.substr(start, m_at - start);
        return true;
    }

    std::optional<std::uint32_t> hex4() {
        std::uint32_t code = 0;
        for (int i = 0; i < 4; ++i, ++m_at) {
            if (m_at == m_text.size()) return std::nullopt;
            const char h = m_text[m_at];
            const int digit = h >= '0' && h <= '9'   ? h - '0'
                              : h >= 'a' && h <= 'f' ? h - 'a' + 10
                              : h >= 'A' && h <= 'F' ? h - 'A' + 10
                                                     : -1;
            if (digit < 0) return std::nullopt;
            code = code << 4 | std::uint32_t(digit);
        }
        return code;
    }

    // A string from its opening quote on.
    bool string(std::string& out) {
        ++m_at;
        for (;;) {
            if (m_at == m_text.size()) return fail("an unterminated string");
            const char c = m_text[m_at];
            if (c == '"') return ++m_at, true;
            if (static_cast<unsigned char>(c) < 0x20)
                return fail("a control character in a string");
            if (c != '\\') {
                const std::size_t length = utf8SequenceLength(m_text.substr(m_at));
                if (length == 0) return fail("not UTF-8");
                out += m_text.substr(m_at, length);
                m_at += length;
                continue;
            }
            if (++m_at == m_text.size()) return fail("an unterminated string");
            const char e = m_text[m_at++];
            const std::string_view plain = "\"\\/bfnrt", meaning = "\"\\/\b\f\n\r\t";
            if (const auto i = plain.find(e); i != std::string_view::npos) {
                out += meaning[i];
                continue;
            }
            if (e != 'u') return fail("an unknown escape");
            auto code = hex4();
            if (!code) return fail("four hex digits expected");
            if (*code >= 0xDC00 && *code <= 0xDFFF) return fail("a lone surrogate");
            if (*code >= 0xD800 && *code <= 0xDBFF) {
                const auto low = word("\\u") ? hex4() : std::nullopt;
                if (!low || *low < 0xDC00 || *low > 0xDFFF) return fail("a lone surrogate");
                code = 0x10000 + ((*code - 0xD800) << 10) + (*low - 0xDC00);
            }
            appendUtf8(out, *code);
        }
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    std::string m_error;
};

}  // namespace

const JsonValue* JsonValue::member(std::string_view key) const {
    if (kind != Kind::object) return nullptr;
    const auto at = std::find(keys.begin(), keys.end(), key);
    return at == keys.end() ? nullptr : &values[std::size_t(at - keys.begin())];
}

std::variant<JsonValue, std::string> readJson(std::string_view text) {
    return Reader(text).document();
}

bool isUtf8(std::string_view text) {
    while (!text.empty()) {
        const std::size_t length = utf8SequenceLength(text);
        if (length == 0) return false;
        text.remove_prefix(length);
    }
    return true;
}

}  // namespace octaval
