// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json_writer.h"

#include <array>
#include <charconv>
#include <cstring>
#include <utility>

namespace octaval {
namespace {

// The result object is its 21 box texts between fixed pieces of text: piece i stands before box
// i, and the last piece closes the object.
constexpr std::array<Box, 21> resultBoxes = {
    Box::Text9,  Box::Text10, Box::Text11, Box::Text12,  // network
    Box::Text13, Box::Text14, Box::Text15, Box::Text16,  // broadcast
    Box::Text17, Box::Text18, Box::Text19, Box::Text20,  // class and the three lines
    Box::Text26, Box::Text27, Box::Text28, Box::Text29,  // first subnet
    Box::Text30, Box::Text31, Box::Text32, Box::Text33,  // last subnet
    Box::Text21,                                         // status
};
constexpr std::array<std::string_view, resultBoxes.size() + 1> resultPieces = {
    R"({"network":[")",
    R"(",")",
    R"(",")",
    R"(",")",
    R"("],"broadcast":[")",
    R"(",")",
    R"(",")",
    R"(",")",
    R"("],"class":")",
    R"(","networkLine":")",
    R"(","subnetLine":")",
    R"(","hostLine":")",
    R"(","firstSubnet":[")",
    R"(",")",
    R"(",")",
    R"(",")",
    R"("],"lastSubnet":[")",
    R"(",")",
    R"(",")",
    R"(",")",
    R"("],"status":")",
    R"("})",
};

constexpr std::size_t piecesSize() {
    std::size_t size = 0;
    for (const auto piece : resultPieces)
        size += piece.size();
    return size;
}

bool needsEscape(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == '"' || c == '\\';
}

// Appends text inside a JSON string, escaping quotes, backslashes and control characters.
void appendEscaped(std::string& out, std::string_view text) {
    std::size_t copied = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!needsEscape(c)) continue;
        out.append(text, copied, i - copied);
        copied = i + 1;
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else {
            static constexpr std::string_view hex = "0123456789abcdef";
            const auto byte = static_cast<unsigned char>(c);
            out += "\\u00";
            out += hex[byte >> 4];
            out += hex[byte & 0xF];
        }
    }
    out.append(text, copied);
}

template <std::size_t I>
char* putPiece(char* out) {
    constexpr std::string_view piece = resultPieces[I];
    std::memcpy(out, piece.data(), piece.size());  // of a constant size: a few moves, no call
    return out + piece.size();
}

// Copies a box text as it stands; `plain` turns false when it holds a byte that needs an escape.
char* putText(char* out, std::string_view text, bool& plain) {
    for (const char c : text) {
        plain &= !needsEscape(c);  // no branch: the copy goes on regardless
        *out++ = c;
    }
    return out;
}

// Writes the object into memory of exactly its size; false when a text needs an escape.
bool placeResult(char* out, const MemoryBoxes& boxes) {
    bool plain = true;
    // Unrolled over the boxes, so that every piece is copied with its size known.
    [&]<std::size_t... I>(std::index_sequence<I...>) {
        ((out = putPiece<I>(out), out = putText(out, boxes[resultBoxes[I]], plain)), ...);
    }
    (std::make_index_sequence<resultBoxes.size()>{});
    putPiece<resultBoxes.size()>(out);
    return plain;
}

}  // namespace

void appendJsonString(std::string& out, std::string_view text) {
    out += '"';
    appendEscaped(out, text);
    out += '"';
}

void appendResultJson(std::string& out, const MemoryBoxes& boxes) {
    // Box texts never need an escape in practice: the batch mode's answers are written in one
    // piece of memory sized beforehand, and only otherwise piece by piece.
    std::size_t size = piecesSize();
    for (const Box box : resultBoxes)
        size += boxes[box].size();
    const std::size_t start = out.size();
    out.resize(start + size);
    if (placeResult(out.data() + start, boxes)) return;

    out.resize(start);
    for (std::size_t i = 0; i < resultBoxes.size(); ++i) {
        out += resultPieces[i];
        appendEscaped(out, boxes[resultBoxes[i]]);
    }
    out += resultPieces.back();
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
