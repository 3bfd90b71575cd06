// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the working quotes what it shows: numbers as the boxes read them, addresses, rows of
// boxes, bits, lists of clauses and the texts people typed.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calculator.h"
#include "engine/subnets.h"
#include "report/phrasebook.h"

namespace octaval::working {

std::string number(std::uint64_t n);

/// A number read from a box, as the steps quote it: whole numbers as digits, others in the
/// shortest form that reads back as the same number.
std::string shown(double v);

/// An address as dotted decimals.
std::string dotted(Address a);

/// The four texts of a row of boxes joined by dots, control characters escaped.
std::string rowText(const MemoryBoxes& boxes, Box first);

/// A row of four output boxes that the press filled, or nothing when it left them blank.
std::string shownRow(const MemoryBoxes& boxes, Box first);

/// Entries first..last of a bit vector as ones and zeros.
std::string entries(const BitVector& bits, int first, int last);

/// Items of a list, each a clause of its own: "octet 1, ..., is above 255; octet 2, ...".
std::string listed(const std::vector<std::string>& items, std::string_view separator = "; ");

/// A text in the reader's quotation marks.
std::string quoted(const Phrasebook& book, std::string_view text);

/// The quoted text of a box as typed, and the number it reads as when that differs.
std::string typed(const Phrasebook& book, const MemoryBoxes& boxes, Box box, double value);

}  // namespace octaval::working
