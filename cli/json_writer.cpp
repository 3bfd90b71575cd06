#include "json_writer.h"

#include <array>
#include <charconv>

namespace octaval {
namespace {

// The keys of the result object in their order, each with its box or its row of four boxes.
struct Field {
    std::string_view key;
    Box first;
    int boxes;
};
constexpr std::array<Field, 9> resultFields = {{
    {"network", Box::Text9, 4},
    {"broadcast", Box::Text13, 4},
    {"class", Box::Text17, 1},
    {"networkLine", Box::Text18, 1},
    {"subnetLine", Box::Text19, 1},
    {"hostLine", Box::Text20, 1},
    {"firstSubnet", Box::Text26, 4},
    {"lastSubnet", Box::Text30, 4},
    {"status", Box::Text21, 1},
}};

}  // namespace

void appendJsonString(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            static constexpr std::string_view hex = "0123456789abcdef";
            out += "\\u00";
            out += hex[byte >> 4];
            out += hex[byte & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

void appendResultJson(std::string& out, const MemoryBoxes& boxes) {
    char separator = '{';
    for (const Field& field : resultFields) {
        out += separator;
        separator = ',';
        out += '"';
        out += field.key;
        out += "\":";
        if (field.boxes == 1) {
            appendJsonString(out, boxes[field.first]);
            continue;
        }
        for (int k = 1; k <= field.boxes; ++k) {
            out += k == 1 ? '[' : ',';
            appendJsonString(out, boxes[octetBox(field.first, k)]);
        }
        out += ']';
    }
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
