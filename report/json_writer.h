// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one JSON writer: the result object of a press, a row of the subnet list, the working and
// the error objects, each with its fixed keys, and an object written member by member for the
// layers above (the practice's worksheets). Every string it writes is escaped.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/boxes.h"
#include "report/subnet_rows.h"

namespace octaval {

/// Appends text as a JSON string, quotes included; quotes, backslashes and control characters
/// are escaped as Escape::json says, other bytes are copied.
void appendJsonString(std::string& out, std::string_view text);

/// Writes one compact JSON object member by member into `out`: "{" when made, "}" when
/// destroyed, a comma before every member but the first. Keys and texts are escaped.
class JsonObject {
public:
    explicit JsonObject(std::string& out);
    ~JsonObject();
    JsonObject(const JsonObject&) = delete;
    JsonObject& operator=(const JsonObject&) = delete;

    /// Appends the next member's key and returns `out`, for the caller to append its value.
    std::string& key(std::string_view name);
    /// A string member; with `nullWhenEmpty`, an empty text is null.
    void text(std::string_view name, std::string_view value, bool nullWhenEmpty = false);
    /// An array of strings.
    void texts(std::string_view name, std::span<const std::string_view> values);
    /// A number, or null.
    template <typename Number>
    void number(std::string_view name, const std::optional<Number>& value) {
        key(name);
        m_out += value ? std::to_string(*value) : std::string("null");
    }

private:
    std::string& m_out;
    bool m_first = true;
};

/// Appends the result of a press as one compact JSON object (no line feed): every row of boxRows
/// that has a JSON key, in order, a row of four boxes as an array of their four texts, a row of
/// one box as its text.
void appendResultJson(std::string& out, const MemoryBoxes& boxes);

/// Appends one row of the subnet list as one compact JSON object (no line feed), with the keys
/// subnet (a number), network, firstHost, lastHost, broadcast (strings; the hosts null when the
/// subnet has none), reserved ("all zeros", "all ones" or null) and holdsAddress (a boolean).
void appendSubnetJson(std::string& out, const SubnetRowTexts& row);

struct Explanation;

/// Appends the working of a press as one compact JSON object (no line feed): address, mask,
/// status and rejectedBy (null when the press passed the validation chain); bits (an object of
/// the address, mask, network and broadcast rows, null for a rejected press); class,
/// leadingBits, classBits, subnetBits, hostBits, naturalMask, subnets, subnetsWithZero, hosts,
/// blockSize, blockOctet, addressSubnet, reserved, network, invertedMask, broadcast,
/// firstSubnet and lastSubnet (numbers and strings, null where the press has none); and steps,
/// an array of objects with a key, a title, a text and marks (the bits of each row the step
/// speaks of, as 32 ones and zeros; null for a rejected press).
void appendWorkingJson(std::string& out, const Explanation& e);

/// Appends {"error":"message","status":"status"} (no line feed): why a press gave no answer of
/// its kind, and the status message it left.
void appendErrorJson(std::string& out, std::string_view message, std::string_view status);

/// Appends {"line":N,"error":"message"} (no line feed).
void appendLineErrorJson(std::string& out, std::uint64_t line, std::string_view message);

}  // namespace octaval
