// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one JSON writer of octaval-cli. Every value it writes is one of the program's own texts
// (box texts the engine wrote, fixed messages), so a writer of these fixed keys is all it needs.

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/boxes.h"

namespace octaval {

/// Appends text as a JSON string, quotes included; quotes, backslashes and control characters
/// are escaped, other bytes are copied.
void appendJsonString(std::string& out, std::string_view text);

/// Appends the result of a press as one compact JSON object (no line feed): network, broadcast,
/// class, networkLine, subnetLine, hostLine, firstSubnet, lastSubnet and status, each value the
/// exact text of its box.
void appendResultJson(std::string& out, const MemoryBoxes& boxes);

/// Appends {"line":N,"error":"message"} (no line feed).
void appendLineErrorJson(std::string& out, std::uint64_t line, std::string_view message);

}  // namespace octaval
