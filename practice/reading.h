// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Answers and option values as people write them, read leniently where their meaning is clear.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace octaval::reading {

/// Lower case, blanks around removed, runs of blanks inside made one blank.
std::string folded(std::string_view text);

/// A count as people write it: digits, perhaps in groups of three after the first, joined by
/// commas, points, blanks (no-break ones too) or underscores ("16,777,214", "65.534"), in any
/// language's grouping, and the unit word or its singular after it ("6 subnets", "5 bits").
std::optional<std::uint64_t> readCount(std::string_view answer, std::string_view unit);

}  // namespace octaval::reading
