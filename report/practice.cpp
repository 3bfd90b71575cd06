// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/practice.h"

#include <algorithm>
#include <utility>

#include "engine/subnets.h"
#include "report/json_writer.h"

namespace octaval {

std::uint64_t PracticeRandom::next() {
    m_state += 0x9E3779B97F4A7C15U;
    std::uint64_t z = m_state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9U;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBU;
    return z ^ (z >> 31);
}

std::uint64_t PracticeRandom::below(std::uint64_t bound) {
    // The values below 2^64 mod bound would make the low remainders likelier: they are drawn
    // again.
    const std::uint64_t threshold = (0 - bound) % bound;
    for (;;) {
        const std::uint64_t r = next();
        if (r >= threshold) return r % bound;
    }
}

namespace {

struct LevelInfo {
    PracticeLevel level;
    std::string_view name;
    std::string_view description;
};
constexpr std::array<LevelInfo, 4> levels = {{
    {PracticeLevel::natural, "natural", "Natural masks only"},
    {PracticeLevel::contiguous, "contiguous", "Contiguous masks"},
    {PracticeLevel::any, "any", "Any mask the checks accept"},
    {PracticeLevel::faults, "faults", "Spot the fault"},
}};

struct QuestionInfo {
    Question question;
    std::string_view key;
    std::string_view prompt;
};
constexpr std::array<QuestionInfo, 11> questionInfo = {{
    {Question::network, "network", "Network (subnet) address"},
    {Question::broadcast, "broadcast", "Broadcast address"},
    {Question::classLetter, "class", "Class"},
    {Question::networkBits, "networkBits", "Network bits of the class"},
    {Question::subnetBits, "subnetBits", "Subnet bits"},
    {Question::hostBits, "hostBits", "Host bits"},
    {Question::subnets, "subnets", "Usable subnets"},
    {Question::hosts, "hosts", "Usable hosts per subnet"},
    {Question::firstSubnet, "firstSubnet", "First usable subnet (Subnet 1)"},
    {Question::lastSubnet, "lastSubnet", "Last usable subnet (Subnet N)"},
    {Question::status, "status", "Status message"},
}};

const QuestionInfo& infoOf(Question q) {
    return questionInfo[static_cast<std::size_t>(q)];
}

constexpr std::string_view blanks = " \t\r\n\f\v";

std::string_view trimmed(std::string_view text) {
    const auto start = text.find_first_not_of(blanks);
    if (start == std::string_view::npos) return {};
    return text.substr(start, text.find_last_not_of(blanks) + 1 - start);
}

// Lower case, blanks around removed, runs of blanks inside made one blank.
std::string folded(std::string_view text) {
    std::string out;
    bool gap = false;
    for (const char c : trimmed(text)) {
        if (blanks.find(c) != std::string_view::npos) {
            gap = true;
            continue;
        }
        if (gap) out += ' ';
        gap = false;
        out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return out;
}

// A count as people write it: digits, perhaps in groups of three after the first, joined by
// commas, blanks or underscores ("16,777,214"), and a unit word after it ("6 subnets", "5 bits").
std::optional<std::uint64_t> readCount(std::string_view answer, std::string_view unit) {
    std::string text = folded(answer);
    for (const std::string_view word : {unit, unit.substr(0, unit.size() - 1)})
        if (text.ends_with(word) && text.size() > word.size()) {
            text = folded(text.substr(0, text.size() - word.size()));
            break;
        }
    std::string digits;
    std::size_t group = 0;  // digits since the last separator
    bool grouped = false;
    for (const char c : text) {
        if (c == ',' || c == ' ' || c == '_') {
            if (group == 0 || group > 3 || (grouped && group != 3)) return std::nullopt;
            grouped = true;
            group = 0;
            continue;
        }
        digits += c;
        ++group;
    }
    if (grouped && group != 3) return std::nullopt;
    return readDecimal(digits);
}

bool blank(std::string_view text) {
    return trimmed(text).empty();
}

std::string dotted(const MemoryBoxes& boxes, Box first) {
    std::string text;
    for (int k = 1; k <= 4; ++k) {
        if (k > 1) text += '.';
        text += boxes[octetBox(first, k)];
    }
    return text;
}

// The parts of a result line "N bits, M things" or "N bits, no things": N, and M or "no things".
std::pair<std::string_view, std::string_view> lineParts(std::string_view line) {
    static constexpr std::string_view middle = " bits, ";
    const auto at = line.find(middle);
    if (at == std::string_view::npos) return {line, {}};
    std::string_view count = line.substr(at + middle.size());
    if (!count.starts_with("no ")) count = count.substr(0, count.find(' '));
    return {line.substr(0, at), count};
}

Box boxOf(Question q) {
    switch (q) {
        case Question::network:
            return Box::Text9;
        case Question::broadcast:
            return Box::Text13;
        case Question::classLetter:
            return Box::Text17;
        case Question::networkBits:
            return Box::Text18;
        case Question::subnetBits:
        case Question::subnets:
            return Box::Text19;
        case Question::hostBits:
        case Question::hosts:
            return Box::Text20;
        case Question::firstSubnet:
            return Box::Text26;
        case Question::lastSubnet:
            return Box::Text30;
        case Question::status:
            break;
    }
    return Box::Text21;
}

// ---- Drawing the problems ----

constexpr std::array<Address, 9> acceptedOctets = {255, 254, 252, 248, 240, 224, 192, 128, 0};

Address prefixMask(int ones) {
    return ones == 0 ? 0 : ~Address{0} << (32 - ones);
}

// Every mask that the checks accept: the contiguous ones from 8 bits up, then 255.a.b.0 with
// 255 > a >= b > 0.
constexpr std::array<Address, 53> acceptedMasks = [] {
    std::array<Address, 53> masks{};
    std::size_t i = 0;
    for (int ones = 8; ones <= 32; ++ones)
        masks[i++] = ones == 32 ? ~Address{0} : ~Address{0} << (32 - ones);
    for (std::size_t a = 1; a < 8; ++a)
        for (std::size_t b = a; b < 8; ++b)
            masks[i++] = 0xFF000000U | acceptedOctets[a] << 16 | acceptedOctets[b] << 8;
    return masks;
}();

struct ClassRange {
    Address first, last;
    int bits;
};
ClassRange rangeOf(char letter) {
    switch (letter) {
        case 'A':
            return {1, 127, 8};
        case 'B':
            return {128, 191, 16};
        default:
            return {192, 223, 24};
    }
}

std::array<std::string, 4> octetTexts(Address value) {
    std::array<std::string, 4> texts;
    for (std::size_t k = 0; k < 4; ++k)
        texts[k] = std::to_string((value >> (24 - 8 * k)) & 0xFFU);
    return texts;
}

// The address with the `width` bits that end `shift` bits before its last bit set to `field`.
Address withField(Address address, int shift, int width, std::uint64_t field) {
    const Address ones = width == 0 ? 0 : static_cast<Address>((std::uint64_t{1} << width) - 1);
    return (address & ~(ones << shift)) | (static_cast<Address>(field) << shift);
}

std::uint64_t allOnes(int width) {
    return (std::uint64_t{1} << width) - 1;
}

}  // namespace

std::string_view levelName(PracticeLevel level) {
    return levels[static_cast<std::size_t>(level)].name;
}

std::string_view levelDescription(PracticeLevel level) {
    return levels[static_cast<std::size_t>(level)].description;
}

std::optional<PracticeLevel> levelFromName(std::string_view name) {
    const std::string key = folded(name);
    for (const auto& info : levels)
        if (info.name == key) return info.level;
    return std::nullopt;
}

std::string_view questionKey(Question q) {
    return infoOf(q).key;
}

std::optional<Question> questionFromKey(std::string_view key) {
    for (const auto& info : questionInfo)
        if (info.key == key) return info.question;
    return std::nullopt;
}

std::string_view questionPrompt(Question q) {
    return infoOf(q).prompt;
}

bool isAddressQuestion(Question q) {
    return q == Question::network || q == Question::broadcast || q == Question::firstSubnet ||
           q == Question::lastSubnet;
}

std::optional<std::string> readClasses(std::string_view text) {
    std::string classes;
    for (const char letter : {'A', 'B', 'C'})
        if (text.find(letter) != std::string_view::npos ||
            text.find(static_cast<char>(letter - 'A' + 'a')) != std::string_view::npos)
            classes += letter;
    const bool onlyLetters = std::all_of(text.begin(), text.end(), [](char c) {
        return std::string_view("ABCabc").find(c) != std::string_view::npos;
    });
    if (classes.empty() || !onlyLetters) return std::nullopt;
    return classes;
}

std::string Problem::address() const {
    return inputs.address[0] + '.' + inputs.address[1] + '.' + inputs.address[2] + '.' +
           inputs.address[3];
}

std::string Problem::mask() const {
    const auto m = inputs.maskOrNatural();
    return m[0] + '.' + m[1] + '.' + m[2] + '.' + m[3];
}

ProblemGenerator::ProblemGenerator(std::uint64_t seed, PracticeOptions options)
    : m_random(seed), m_options(std::move(options)) {
    if (m_options.classes.empty()) m_options.classes = "ABC";
}

Problem ProblemGenerator::next() {
    // The draws are made one statement at a time, in this order, so that no order of evaluation
    // of a compiler can change them: the class, the first octet, the other three octets, then
    // what the level draws.
    auto& r = m_random;
    const char letter = m_options.classes[r.below(m_options.classes.size())];
    const ClassRange range = rangeOf(letter);
    Address address = static_cast<Address>(r.between(range.first, range.last)) << 24;
    address |= static_cast<Address>(r.below(Address{1} << 24));
    const int classBits = range.bits;
    Address mask = prefixMask(classBits);
    std::optional<std::array<std::string, 4>> addressTexts;

    // A contiguous mask of `ones` bits, its subnet field set to `subnet` and its host field to
    // `host` (each left as drawn when not given).
    const auto shape = [&](int ones, std::optional<std::uint64_t> subnet,
                           std::optional<std::uint64_t> host) {
        mask = prefixMask(ones);
        if (subnet) address = withField(address, 32 - ones, ones - classBits, *subnet);
        if (host) address = withField(address, 0, 32 - ones, *host);
    };
    switch (m_options.level) {
        case PracticeLevel::natural:
            break;
        case PracticeLevel::contiguous:
            mask = prefixMask(static_cast<int>(r.between(classBits, 30)));
            break;
        case PracticeLevel::any:
            mask = acceptedMasks[r.below(acceptedMasks.size())];
            break;
        case PracticeLevel::faults: {
            const auto target = status::all[r.below(status::all.size())];
            if (target == status::ok || target == status::subnetAllZeros ||
                target == status::subnetAllOnes) {
                // OK needs two subnet bits, so that a subnet field can be neither all zeros nor
                // all ones; every host field has at least two bits.
                const int ones =
                    static_cast<int>(r.between(classBits + (target == status::ok ? 2 : 1), 30));
                const int subnetBits = ones - classBits;
                const std::uint64_t subnet = target == status::subnetAllZeros ? 0
                                             : target == status::subnetAllOnes
                                                 ? allOnes(subnetBits)
                                                 : r.between(1, allOnes(subnetBits) - 1);
                const std::uint64_t host = r.between(1, allOnes(32 - ones) - 1);
                shape(ones, subnet, host);
            } else if (target == status::hostAllZeros || target == status::hostAllOnes) {
                const int ones = static_cast<int>(r.between(classBits, 30));
                shape(ones, std::nullopt, target == status::hostAllZeros ? 0 : allOnes(32 - ones));
            } else if (target == status::noHosts) {
                mask = ~Address{0};
            } else if (target == status::illegalIpAddress) {
                // A first octet of 0, or another octet beyond 255 (three digits, as a box holds).
                const auto octet = r.below(4);
                addressTexts = octetTexts(address);
                (*addressTexts)[octet] = octet == 0 ? "0" : std::to_string(r.between(256, 999));
            } else if (target == status::illegalSubnetMask) {
                if (r.below(2) == 0) {
                    // One octet after the first that is none of the accepted values.
                    const auto octet = r.between(1, 3);
                    Address value = static_cast<Address>(r.below(256 - acceptedOctets.size()));
                    for (const Address accepted : {0U, 128U, 192U, 224U, 240U, 248U, 252U, 254U})
                        if (value >= accepted) ++value;
                    const auto shift = 24 - 8 * static_cast<int>(octet);
                    mask = (mask & ~(0xFFU << shift)) | value << shift;
                } else {
                    // 255.0.x.0: the octets do not fall from left to right.
                    mask = 0xFF000000U | acceptedOctets[r.below(8)] << 8;
                }
            } else {
                // A first mask octet below 255: no 255 within the class's network octets.
                mask = acceptedOctets[r.between(1, 8)] << 24;
            }
            break;
        }
    }
    Problem problem;
    problem.inputs.address = addressTexts ? *addressTexts : octetTexts(address);
    problem.inputs.mask = octetTexts(mask);
    return problem;
}

std::string Mark::text() const {
    return right ? std::string("right") : "wrong, expected " + expected;
}

Exercise::Exercise(Problem problem, std::span<const Question> questions)
    : m_problem(std::move(problem)), m_press(octaval::press(m_problem.inputs)) {
    for (const Question q : allQuestions)
        if (std::find(questions.begin(), questions.end(), q) != questions.end() &&
            !blank(m_press.boxes[boxOf(q)]))
            m_questions.push_back(q);
}

std::string Exercise::expected(Question q) const {
    const std::string& box = m_press.boxes[boxOf(q)];
    switch (q) {
        case Question::network:
        case Question::broadcast:
        case Question::firstSubnet:
        case Question::lastSubnet:
            return dotted(m_press.boxes, boxOf(q));
        case Question::networkBits:
        case Question::subnetBits:
        case Question::hostBits:
            return std::string(lineParts(box).first);
        case Question::subnets:
        case Question::hosts:
            return std::string(lineParts(box).second);
        case Question::classLetter:
        case Question::status:
            break;
    }
    return box;
}

Mark Exercise::check(Question q, std::string_view answer) const {
    Mark mark;
    mark.expected = expected(q);
    switch (q) {
        case Question::network:
        case Question::broadcast:
        case Question::firstSubnet:
        case Question::lastSubnet: {
            const auto given = readDottedQuadLoosely(answer);
            mark.right = given && given == readDottedQuadLoosely(mark.expected);
            break;
        }
        case Question::classLetter: {
            std::string text = folded(answer);
            if (text.starts_with("class ")) text.erase(0, 6);
            mark.right = text == folded(mark.expected);
            break;
        }
        case Question::networkBits:
        case Question::subnetBits:
        case Question::hostBits:
        case Question::subnets:
        case Question::hosts: {
            const std::string_view unit = q == Question::subnets ? "subnets"
                                          : q == Question::hosts ? "hosts"
                                                                 : "bits";
            const auto given = readCount(answer, unit);
            if (mark.expected.starts_with("no ")) {
                const std::string text = folded(answer);
                mark.right = (given && *given == 0) || text == "none" || text == "no" ||
                             text == mark.expected;
            } else {
                mark.right = given && given == readDecimal(mark.expected);
            }
            break;
        }
        case Question::status: {
            const std::string text = folded(answer);
            const auto number = readDecimal(text);
            const auto position = std::find(status::all.begin(), status::all.end(), mark.expected) -
                                  status::all.begin();
            mark.right = text == folded(mark.expected) ||
                         (number && *number == static_cast<std::uint64_t>(position) + 1);
            break;
        }
    }
    return mark;
}

namespace {

// A CSV field, quoted when it holds a comma, a quote or a line break.
void appendCsvField(std::string& out, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

std::string questionKeys(const Exercise& e, std::string_view separator) {
    std::string keys;
    for (const Question q : e.questions()) {
        if (!keys.empty()) keys += separator;
        keys += questionKey(q);
    }
    return keys;
}

void appendTextProblem(std::string& out, std::uint32_t number, const Exercise& e, bool answers) {
    out += "\nProblem " + std::to_string(number) + ": IP address " + e.problem().address() +
           ", subnet mask " + e.problem().mask() + '\n';
    std::size_t width = 0;
    for (const Question q : e.questions())
        width = std::max(width, questionPrompt(q).size());
    for (const Question q : e.questions()) {
        out += "  ";
        out += questionPrompt(q);
        out += ':';
        if (answers) {
            out.append(width - questionPrompt(q).size() + 2, ' ');
            out += e.expected(q);
        } else {
            out.append(width - questionPrompt(q).size() + 2, ' ');
            out += "________________";
        }
        out += '\n';
    }
}

}  // namespace

std::string practiceHeading(std::uint64_t seed, const PracticeOptions& options) {
    return "Octaval practice: seed " + std::to_string(seed) + ", classes " + options.classes +
           ", level " + std::string(levelName(options.level)) + " (" +
           std::string(levelDescription(options.level)) + ")";
}

std::string worksheet(const WorksheetRequest& request) {
    // Each problem is pressed as it is written, so that memory does not grow with the count;
    // the answer key of a text worksheet draws the same problems again.
    const auto eachExercise = [&request](auto&& write) {
        ProblemGenerator generator(request.seed, request.options);
        for (std::uint32_t number = 1; number <= request.count; ++number)
            write(number, Exercise(generator.next(), request.options.questions));
    };
    std::string out;
    switch (request.format) {
        case WorksheetFormat::text:
            out += practiceHeading(request.seed, request.options) + '\n';
            eachExercise([&](std::uint32_t number, const Exercise& e) {
                appendTextProblem(out, number, e, false);
            });
            if (!request.answers) break;
            out += "\nAnswer key\n";
            eachExercise([&](std::uint32_t number, const Exercise& e) {
                appendTextProblem(out, number, e, true);
            });
            break;
        case WorksheetFormat::jsonLines:
            eachExercise([&](std::uint32_t, const Exercise& e) {
                out += R"({"address":)";
                appendJsonString(out, e.problem().address());
                out += R"(,"mask":)";
                appendJsonString(out, e.problem().mask());
                out += R"(,"questions":[)";
                for (std::size_t i = 0; i < e.questions().size(); ++i) {
                    if (i > 0) out += ',';
                    appendJsonString(out, questionKey(e.questions()[i]));
                }
                out += ']';
                if (request.answers) {
                    out += R"(,"answers":)";
                    appendResultJson(out, e.press().boxes);
                }
                out += "}\n";
            });
            break;
        case WorksheetFormat::csv:
            out += "problem,address,mask,questions";
            if (request.answers)
                for (const Question q : allQuestions) {
                    out += ',';
                    out += questionKey(q);
                }
            out += "\r\n";
            eachExercise([&](std::uint32_t number, const Exercise& e) {
                out += std::to_string(number) + ',' + e.problem().address() + ',' +
                       e.problem().mask() + ',';
                appendCsvField(out, questionKeys(e, " "));
                const auto& asked = e.questions();
                if (request.answers)
                    for (const Question q : allQuestions) {
                        out += ',';
                        if (std::find(asked.begin(), asked.end(), q) != asked.end())
                            appendCsvField(out, e.expected(q));
                    }
                out += "\r\n";
            });
            break;
    }
    return out;
}

}  // namespace octaval
