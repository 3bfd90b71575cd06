// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one JSON writer of octaval-cli. Every value it writes is one of the program's own texts
// (box texts the engine wrote, fixed messages), so a writer of its fixed keys is all it needs.

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/boxes.h"

namespace octaval {

/// Appends text as a JSON string, quotes included; quotes, backslashes and control characters
/// are escaped, other bytes are copied.
void appendJsonString(std::string& out, std::string_view text);

/// Appends the result of a press as one compact JSON object (no line feed): every row of boxRows
/// that has a JSON key, in order, a row of four boxes as an array of their four texts, a row of
/// one box as its text, each text exactly as it stands: it must hold no byte that needs an
/// escape in JSON (no text the engine writes does).
void appendResultJson(std::string& out, const MemoryBoxes& boxes);

/// The texts of one row of the subnet list (octaval-cli --list); none needs a JSON escape.
struct SubnetRowTexts {
    std::string_view number;     // decimal digits
    std::string_view network;    // dotted addresses ...
    std::string_view firstHost;  // ... the two hosts empty for a subnet without usable hosts
    std::string_view lastHost;
    std::string_view broadcast;
    std::string_view reserved;  // "all zeros", "all ones" or empty
    bool holdsAddress;
};

/// Appends one row of the subnet list as one compact JSON object (no line feed), with the keys
/// subnet (a number), network, firstHost, lastHost, broadcast (strings; the hosts null when the
/// subnet has none), reserved ("all zeros", "all ones" or null) and holdsAddress (a boolean).
void appendSubnetJson(std::string& out, const SubnetRowTexts& row);

/// Appends {"error":"message"} (no line feed).
void appendErrorJson(std::string& out, std::string_view message);

/// Appends {"line":N,"error":"message"} (no line feed).
void appendLineErrorJson(std::string& out, std::uint64_t line, std::string_view message);

}  // namespace octaval
