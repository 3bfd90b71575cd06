// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// octaval-cli --list: every subnet of the address's classful network under the mask, streamed.

#include <string>

#include "report/address_text.h"
#include "report/subnet_rows.h"

namespace octaval {

/// Outcome of a list.
struct ListResult {
    int exitStatus = 0;
    std::string error;  // for standard error; empty when the list was written or the pipe closed
};

/// Presses "Recalculate" with the inputs and writes to fd, as text with a header, as CSV with a
/// header record or as JSON Lines, one row per subnet. A list that cannot be made writes no rows
/// and exits with 1: when the press does not pass the validation chain, for its status message
/// ("Illegal IP address"), and for a class D or E address, for having no subnets ("Class D has no
/// subnets"). The text list gives that reason as its error; in JSON Lines it is the one line
/// written, as
/// {"error":reason,"status":the press's status}. A reader that closes the pipe ends the list
/// quietly with 0. The memory used does not grow with the number of subnets.
ListResult writeSubnetList(const AddressTexts& inputs, ListFormat format, int fd);

}  // namespace octaval
