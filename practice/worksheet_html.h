// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A worksheet as one self-contained HTML page to print: the problems with room to write, and with
// answers the key on a page of its own.

#include <string>
#include <string_view>

#include "practice/worksheet.h"
#include "report/phrasebook.h"

namespace octaval {

/// The worksheet of the request (its format is not looked at) as an HTML page in the words of
/// its phrasebook, whose language's tag ("en", "de") is `language`. The page needs no other
/// file, and prints in black on white: the problems first, none split across two pages, then
/// (with answers) the key after a page break. Qt's rich text reads it as well as a browser does.
std::string worksheetHtml(const WorksheetRequest& request, std::string_view language = "en");

}  // namespace octaval
