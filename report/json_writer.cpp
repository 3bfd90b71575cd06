// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/json_writer.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <utility>

#include "report/captions.h"
#include "report/escape.h"
#include "report/working/explanation.h"

namespace octaval {
namespace {

// The result object holds the rows of boxRows that have a JSON key, in their order: a row of
// four boxes as an array of four strings, a row of one box as a string.
constexpr std::size_t resultBoxCount = [] {
    std::size_t count = 0;
    for (const BoxRow& row : boxRows)
        if (!row.jsonKey.empty()) count += static_cast<std::size_t>(row.boxes);
    return count;
}();

constexpr std::array<Box, resultBoxCount> resultBoxes = [] {
    std::array<Box, resultBoxCount> boxes{};
    std::size_t i = 0;
    for (const BoxRow& row : boxRows)
        if (!row.jsonKey.empty())
            for (int k = 1; k <= row.boxes; ++k)
                boxes[i++] = octetBox(row.first, k);
    return boxes;
}();

// Gives the fixed text between the box texts to sink(i, text): piece i stands before box i,
// and the last piece closes the object.
template <typename Sink>
constexpr void writePieces(Sink&& sink) {
    std::size_t piece = 0;
    // The boxes of the row before, 0 before the first. A count rather than a pointer to the row:
    // GCC's undefined-behaviour sanitizer cannot evaluate a test of that pointer at compile time.
    int previousBoxes = 0;
    for (const BoxRow& row : boxRows) {
        if (row.jsonKey.empty()) continue;
        sink(piece, previousBoxes == 0 ? R"({")" : previousBoxes > 1 ? R"("],")" : R"(",")");
        sink(piece, row.jsonKey);
        sink(piece, row.boxes > 1 ? R"(":[")" : R"(":")");
        for (int k = 2; k <= row.boxes; ++k)
            sink(++piece, R"(",")");
        ++piece;
        previousBoxes = row.boxes;
    }
    sink(piece, previousBoxes > 1 ? R"("]})" : R"("})");
}

constexpr std::size_t piecesSize = [] {
    std::size_t size = 0;
    writePieces([&](std::size_t, std::string_view text) { size += text.size(); });
    return size;
}();

struct PieceTable {
    std::array<char, piecesSize> text{};
    std::array<std::size_t, resultBoxCount + 2> end{};  // piece i is text[end[i], end[i + 1])
};

constexpr PieceTable pieceTable = [] {
    PieceTable table;
    std::size_t at = 0;
    writePieces([&](std::size_t piece, std::string_view text) {
        for (const char c : text)
            table.text[at++] = c;
        table.end[piece + 1] = at;
    });
    return table;
}();

constexpr std::string_view resultPiece(std::size_t i) {
    return {pieceTable.text.data() + pieceTable.end[i], pieceTable.end[i + 1] - pieceTable.end[i]};
}

template <std::size_t I>
char* putPiece(char* out) {
    constexpr std::string_view piece = resultPiece(I);
    std::memcpy(out, piece.data(), piece.size());  // of a constant size: a few moves, no call
    return out + piece.size();
}

// The quotes of the fixed pieces: a result object written as it stands holds these and no more
// exactly when no text holds a quote.
constexpr std::size_t pieceQuotes = [] {
    std::size_t quotes = 0;
    for (const char c : pieceTable.text)
        quotes += c == '"' ? 1 : 0;
    return quotes;
}();

// Copies n bytes, from sizeof(Word) to twice that many, as two words that may overlap.
template <typename Word>
void copyAsTwoWords(char* out, const char* in, std::size_t n) {
    Word head, tail;
    std::memcpy(&head, in, sizeof head);
    std::memcpy(&tail, in + n - sizeof tail, sizeof tail);
    std::memcpy(out, &head, sizeof head);
    std::memcpy(out + n - sizeof tail, &tail, sizeof tail);
}

// Copies a box text as it stands. Box texts are short (an octet, a letter, a result line, a
// message): moved in at most two overlapping words inline rather than by a call per text.
[[gnu::always_inline]] inline char* putText(char* out, std::string_view text) {
    const char* in = text.data();
    const std::size_t n = text.size();
    if (n > 16) {
        std::memcpy(out, in, n);
    } else if (n >= 8) {
        copyAsTwoWords<std::uint64_t>(out, in, n);
    } else if (n >= 4) {
        copyAsTwoWords<std::uint32_t>(out, in, n);
    } else if (n > 0) {
        out[0] = in[0];
        out[n / 2] = in[n / 2];
        out[n - 1] = in[n - 1];
    }
    return out + n;
}

// Whether the object as written needs no escape: no control character or backslash, and the
// pieces' quotes alone. One pass over the whole object without a branch a byte, which the
// compiler turns into whole-register steps; checking each text apart as it is copied cost a
// fifth of every batch answer.
bool needsNoEscape(std::string_view object) {
    std::size_t quotes = 0;
    unsigned char unsafe = 0;
    // In blocks of at most 128 bytes, so that the quotes of a block fit a byte: the compiler then
    // counts 16 bytes a step.
    for (std::size_t at = 0; at < object.size(); at += 128) {
        const std::string_view block = object.substr(at, 128);
        unsigned char blockQuotes = 0;
        for (const char c : block) {
            const auto byte = static_cast<unsigned char>(c);
            blockQuotes = static_cast<unsigned char>(blockQuotes + (byte == '"'));
            unsafe |= static_cast<unsigned char>((byte < 0x20) | (byte == '\\'));
        }
        quotes += blockQuotes;
    }
    return unsafe == 0 && quotes == pieceQuotes;
}

// Writes the object into memory of exactly its size, every text as it stands; false when a text
// would have needed an escape.
bool placeResult(char* out, const MemoryBoxes& boxes) {
    char* const start = out;
    // Unrolled over the boxes, so that every piece is copied with its size known.
    [&]<std::size_t... I>(std::index_sequence<I...>) {
        ((out = putPiece<I>(out), out = putText(out, boxes[resultBoxes[I]])), ...);
    }
    (std::make_index_sequence<resultBoxes.size()>{});
    out = putPiece<resultBoxes.size()>(out);
    return needsNoEscape({start, std::size_t(out - start)});
}

// The result object with every box text escaped, for a text that needs it. Out of line and cold:
// no text the engine writes gets here.
[[gnu::cold, gnu::noinline]] void appendResultEscaped(std::string& out, const MemoryBoxes& boxes) {
    for (std::size_t i = 0; i < resultBoxes.size(); ++i) {
        out += resultPiece(i);
        appendEscaped(out, boxes[resultBoxes[i]], Escape::json);
    }
    out += resultPiece(resultBoxes.size());
}

}  // namespace

void appendJsonString(std::string& out, std::string_view text) {
    out += '"';
    appendEscaped(out, text, Escape::json);
    out += '"';
}

void appendResultJson(std::string& out, const MemoryBoxes& boxes) {
    // The engine writes digits, letters, blanks and its fixed messages, never a quote, backslash
    // or control character, so the object is first written as it stands in one piece of memory
    // sized beforehand, then checked whole. Should a text ever need an escape, the object is
    // written again, escaped.
    std::size_t size = piecesSize;
    for (const Box box : resultBoxes)
        size += boxes[box].size();
    const std::size_t start = out.size();
    out.resize(start + size);
    if (placeResult(out.data() + start, boxes)) return;
    out.resize(start);
    appendResultEscaped(out, boxes);
}

namespace {

// Gives the pieces of a subnet row object to put(text, inString): a text that goes inside a
// string's quotes, or a piece of JSON. Empty host and reserved texts become null.
template <typename Put>
void subnetRowPieces(const SubnetRowTexts& row, Put&& put) {
    const auto member = [&put](std::string_view key, std::string_view text, bool nullable) {
        put(key, false);
        if (nullable && text.empty()) {
            put("null", false);
        } else {
            put("\"", false);
            put(text, true);
            put("\"", false);
        }
    };
    put(R"({"subnet":)", false);
    put(row.number, false);
    member(R"(,"network":)", row.network, false);
    member(R"(,"firstHost":)", row.firstHost, true);
    member(R"(,"lastHost":)", row.lastHost, true);
    member(R"(,"broadcast":)", row.broadcast, false);
    member(R"(,"reserved":)", row.reserved, true);
    put(row.holdsAddress ? R"(,"holdsAddress":true})" : R"(,"holdsAddress":false})", false);
}

}  // namespace

void appendSubnetJson(std::string& out, const SubnetRowTexts& row) {
    // A list writes millions of rows, and their texts are digits, dots and the list's fixed
    // words, which need no escape: each row is copied into memory sized beforehand.
    std::size_t size = 0;
    subnetRowPieces(row, [&size](std::string_view text, [[maybe_unused]] bool inString) {
        size += text.size();
    });
    const std::size_t start = out.size();
    out.resize(start + size);
    char* at = out.data() + start;
    subnetRowPieces(row, [&at](std::string_view text, bool) {
        std::memcpy(at, text.data(), text.size());
        at += text.size();
    });
}

JsonObject::JsonObject(std::string& out) : m_out(out) {
    m_out += '{';
}

JsonObject::~JsonObject() {
    m_out += '}';
}

std::string& JsonObject::key(std::string_view name) {
    if (!m_first) m_out += ',';
    m_first = false;
    appendJsonString(m_out, name);
    m_out += ':';
    return m_out;
}

void JsonObject::text(std::string_view name, std::string_view value, bool nullWhenEmpty) {
    key(name);
    if (nullWhenEmpty && value.empty()) {
        m_out += "null";
    } else {
        appendJsonString(m_out, value);
    }
}

void JsonObject::texts(std::string_view name, std::span<const std::string_view> values) {
    key(name) += '[';
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) m_out += ',';
        appendJsonString(m_out, values[i]);
    }
    m_out += ']';
}

void appendWorkingJson(std::string& out, const Explanation& e) {
    const bool passed = e.rejectedBy.empty();
    JsonObject members(out);
    members.text("address", e.address, false);
    members.text("mask", e.mask, false);
    members.text("status", e.status, false);
    members.text("rejectedBy", e.rejectedBy, true);
    if (passed) {
        JsonObject bits(members.key("bits"));
        for (std::size_t r = 0; r < e.bits.size(); ++r)
            bits.text(std::array{"address", "mask", "network", "broadcast"}[r], e.bits[r], false);
    } else {
        members.key("bits") += "null";
    }
    const auto passedNumber = [&](std::string_view name, int value) {
        members.number(name, passed ? std::optional<int>(value) : std::nullopt);
    };
    members.text("class", e.classLetter, true);
    members.text("leadingBits", e.leadingBits, true);
    passedNumber("classBits", e.classBits);
    passedNumber("subnetBits", e.subnetBits);
    passedNumber("hostBits", e.hostBits);
    members.text("naturalMask", e.naturalMask, true);
    members.number("subnets", e.subnets);
    members.number("subnetsWithZero", e.subnetsWithZero);
    members.number("hosts", e.hosts);
    members.number("blockSize", e.blockSize);
    members.number("blockOctet", e.blockOctet);
    members.number("addressSubnet", e.addressSubnet);
    members.text("reserved", e.reserved, true);
    members.text("network", e.network, true);
    members.text("invertedMask", e.invertedMask, true);
    members.text("broadcast", e.broadcast, true);
    members.text("firstSubnet", e.firstSubnet, true);
    members.text("lastSubnet", e.lastSubnet, true);
    out += R"(,"steps":[)";
    for (std::size_t i = 0; i < e.steps.size(); ++i) {
        if (i > 0) out += ',';
        const WorkingStep& s = e.steps[i];
        JsonObject step(out);
        step.text("key", s.key, false);
        step.text("title", s.title, false);
        step.text("text", s.text, false);
        if (passed) {
            JsonObject marks(step.key("marks"));
            for (std::size_t r = 0; r < s.marks.size(); ++r) {
                std::string bits;
                for (Address bit = Address{1} << 31; bit != 0; bit >>= 1)
                    bits += (s.marks[r] & bit) ? '1' : '0';
                marks.text(std::array{"address", "mask", "network", "broadcast"}[r], bits, false);
            }
        } else {
            step.key("marks") += "null";
        }
    }
    out += ']';
}

void appendErrorJson(std::string& out, std::string_view message, std::string_view status) {
    out += R"({"error":)";
    appendJsonString(out, message);
    out += R"(,"status":)";
    appendJsonString(out, status);
    out += '}';
}

void appendLineErrorJson(std::string& out, std::uint64_t line, std::string_view message) {
    std::array<char, 24> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), line).ptr;
    out += "{\"line\":";
    out.append(digits.data(), end);
    out += ",\"error\":";
    appendJsonString(out, message);
    out += '}';
}

}  // namespace octaval
