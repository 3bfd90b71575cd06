// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading and writing a double as std::from_chars and std::to_chars do. Some C++ libraries lack
// them for floating point (libc++ 14, which the WebAssembly build uses, has only the integer
// ones), and a C library's strtod cannot stand in: some misround long hexadecimal texts. So the
// program carries its own, correctly rounded reader and shortest writer, and uses the standard
// library's where it has them.

#include <charconv>
#include <system_error>

namespace octaval {

// Always built, so that the tests can hold them against the standard library's.
namespace portable {

/// As std::from_chars for double with chars_format general, fixed, scientific or hex: an
/// optional "-", digits with at most one point, an exponent ("e" or, for hex, "p"); correctly
/// rounded, ties to even. A value beyond the range, or a non-zero one that rounds to zero, gives
/// result_out_of_range and leaves value as it was. "inf" and "nan" are not read.
std::from_chars_result fromChars(const char* first, const char* last, double& value,
                                 std::chars_format format = std::chars_format::general);

/// As std::to_chars for double: the shortest text that reads back as value, either the shorter
/// of fixed and scientific notation (fixed in a tie) or, given chars_format::fixed, fixed
/// notation. A whole number in fixed notation is written with its exact digits.
std::to_chars_result toChars(char* first, char* last, double value);
std::to_chars_result toChars(char* first, char* last, double value, std::chars_format format);

}  // namespace portable

#if defined(__cpp_lib_to_chars) && !defined(OCTAVAL_PORTABLE_DOUBLE_CHARS)
inline std::from_chars_result fromChars(const char* first, const char* last, double& value,
                                        std::chars_format format = std::chars_format::general) {
    return std::from_chars(first, last, value, format);
}
inline std::to_chars_result toChars(char* first, char* last, double value) {
    return std::to_chars(first, last, value);
}
inline std::to_chars_result toChars(char* first, char* last, double value,
                                    std::chars_format format) {
    return std::to_chars(first, last, value, format);
}
#else
using portable::fromChars;
using portable::toChars;
#endif

}  // namespace octaval
