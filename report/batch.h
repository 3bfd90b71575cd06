// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The batch mode: lines of eight TAB-separated input texts (or of addresses as the command line
// takes them) in, one line of JSON out for each, every line one press of "Recalculate" on a
// calculator state that lives for the whole run. Bytes in, bytes out: the command line feeds it
// from a file descriptor, the page from a string.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/calculator.h"

namespace octaval {

/// How a batch line is read.
enum class BatchFormat : unsigned char {
    fields,     // eight TAB-separated input texts, used exactly as they stand
    addresses,  // ADDRESS[/N] [MASK], blank-separated, read as the command line reads its operands
};

/// The fields of one batch line.
struct BatchFields {
    std::array<std::string_view, 8> fields;  // the first min(count, 8) are filled
    std::size_t count = 0;                   // the number of fields the line holds
};

/// Splits a line (without its line feed) at its TABs after dropping one trailing CR.
BatchFields splitBatchFields(std::string_view line);

/// The boxes of the batch mode. A line may be megabytes long, so the input boxes are not given
/// copies of its fields: they keep the texts they are set to as views, which must stay valid
/// until the press is over. The other boxes hold their own texts.
class BatchBoxes final : public BoxAccess {
public:
    std::string text(Box box) const override;
    void setText(Box box, std::string_view text) override;
    /// The boxes the engine writes.
    const MemoryBoxes& outputs() const { return m_outputs; }

private:
    std::array<std::string_view, 8> m_inputs;  // Text1..Text8
    MemoryBoxes m_outputs;
};

/// Puts the address and mask texts into Text1..Text8, presses "Recalculate" and appends the
/// result object and a line feed: the answer of a well-formed batch line. The texts must stay
/// valid until it returns. Returns how the press ended and its numbers.
PressResult appendPressLine(const OctetTexts& address, const OctetTexts& mask,
                            CalculatorState& state, BatchBoxes& boxes, std::string& out);

/// Answers one line (without its line feed; a trailing CR is dropped): with exactly eight fields
/// it puts them into Text1..Text8, presses "Recalculate" and appends the result object; else it
/// appends {"line":lineNumber,"error":...}. Either way exactly one JSON line, line feed
/// included, is appended to out. Any bytes are accepted. Returns false for a malformed line.
bool processBatchLine(std::string_view line, std::uint64_t lineNumber, CalculatorState& state,
                      BatchBoxes& boxes, std::string& out);

/// Answers one line of the form ADDRESS[/N] [MASK] (readAddressLine; without a mask, the natural
/// mask of the address's first part) as processBatchLine answers eight fields; a line that does
/// not read gets {"line":lineNumber,"error":...} with the reading's message, escaped to ASCII.
bool processAddressLine(std::string_view line, std::uint64_t lineNumber, CalculatorState& state,
                        BatchBoxes& boxes, std::string& out);

/// Cuts a byte stream, fed in pieces of any size, into lines and answers each with
/// processBatchLine (or processAddressLine) on one calculator state.
class BatchReader {
public:
    /// The longest line kept whole by default; a longer one is answered with an error line.
    static constexpr std::size_t defaultMaxLineLength = std::size_t{64} << 20;

    explicit BatchReader(BatchFormat format = BatchFormat::fields,
                         std::size_t maxLineLength = defaultMaxLineLength)
        : m_format(format), m_maxLineLength(maxLineLength) {}

    /// Takes the next bytes of the input and appends the answer of every line they complete.
    void feed(std::string_view bytes, std::string& out);
    /// Ends the input: a last line without a line feed is answered too.
    void finish(std::string& out);

    /// Lines answered so far.
    std::uint64_t lines() const { return m_lines; }
    /// Whether any line so far was malformed.
    bool malformedSeen() const { return m_malformed; }

private:
    void answer(std::string_view line, std::string& out);
    void answerOverlong(std::string& out);
    void releasePartial();

    BatchFormat m_format;
    std::size_t m_maxLineLength;
    CalculatorState m_state;
    BatchBoxes m_boxes;
    std::string m_partial;    // the start of a line whose line feed has not come yet
    bool m_overlong = false;  // the current line passed maxLineLength: the rest is skipped
    std::uint64_t m_lines = 0;
    bool m_malformed = false;
};

}  // namespace octaval
