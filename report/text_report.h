// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "engine/boxes.h"

namespace octaval {

/// The window's rows with their captions, less the rows that hold only blanks, then the status
/// message on a line of its own; control characters in a box show escaped (\n, \t, \xhh).
/// octaval-cli prints it, and the window copies it. `captions`, when given, holds one caption for
/// each row of boxRows, in their order (UTF-8; the window's, in the user's language); without them
/// the rows carry their own.
std::string textReport(const BoxAccess& boxes, std::span<const std::string> captions = {});

/// The width of the report's caption column: the longest of the captions in characters (of the
/// window's row captions when none are given) and two blanks.
std::size_t captionColumn(std::span<const std::string> captions = {});

/// Appends a row's caption and the blanks that bring it to the caption column's width.
void appendCaption(std::string& report, std::string_view caption, std::size_t width);

/// The window's rows of a press as text (textReport), or its result object as one line of JSON.
std::string pressReport(const MemoryBoxes& boxes, bool json);

}  // namespace octaval
