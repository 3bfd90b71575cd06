// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one JSON reader, beside the writer: a strict reader of one value, sized to the lines that
// people and their tools send in (a class's answers). It throws nothing, so that the page can
// link it.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace octaval {

/// A JSON value as read. Strings are UTF-8 with their escapes resolved; a number keeps the text
/// it was written as, so that nothing is lost to rounding.
struct JsonValue {
    enum class Kind : unsigned char { null, boolean, number, string, array, object };
    Kind kind = Kind::null;
    std::string text;               // a string's text, a number as written, "true" or "false"
    std::vector<std::string> keys;  // an object's keys, in order, each once
    std::vector<JsonValue> values;  // an array's items, or the values of the object's keys

    /// The value of an object's key; null for any other key or value.
    const JsonValue* member(std::string_view key) const;
};

/// The deepest nesting of arrays and objects that readJson takes.
inline constexpr int maxJsonDepth = 64;

/// Reads a text that is exactly one JSON value (RFC 8259), blanks around it allowed: the value,
/// or the message that says what is wrong with it and where. Strings must be valid UTF-8, an
/// object's keys distinct.
std::variant<JsonValue, std::string> readJson(std::string_view text);

/// Whether the text is valid UTF-8 (no overlong forms, no surrogates, nothing beyond U+10FFFF).
bool isUtf8(std::string_view text);

}  // namespace octaval
