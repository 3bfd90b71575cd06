// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page's calculator as a WebAssembly module: the page writes its texts into the module's
// input area, calls one of the functions below, and reads the answer from the output area. The
// page's one calculator lives as long as the module, as the window's lives as long as the window.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/calculator.h"
#include "engine/subnets.h"
#include "practice/session.h"
#include "practice/worksheet_html.h"
#include "report/address_entry.h"
#include "report/address_text.h"
#include "report/batch.h"
#include "report/binary_report.h"
#include "report/captions.h"
#include "report/list_heading.h"
#include "report/phrasebook.h"
#include "report/phrases/phrases.h"
#include "report/press.h"
#include "report/subnet_rows.h"
#include "report/working/text.h"

namespace {

std::vector<unsigned char> input;
std::string output;
std::u16string output16;

octaval::CalculatorState pageState;
octaval::BatchBoxes pageBoxes;
octaval::PressResult pageResult;
bool pressed = false;  // a press was made: before one, the list has nothing to list

// The subnet list of the page's last press that passed, and its writer.
std::optional<octaval::SubnetList> pageList;
std::optional<octaval::SubnetListWriter> listWriter;

// The working last written, and the fields of its bits, for octaval_working_bits.
std::optional<octaval::Explanation> pageWorking;
octaval::BitFields workingFields{};

// The page's language; English until the page chooses another.
std::optional<octaval::TablePhrasebook> pageBook;

const octaval::Phrasebook& book() {
    if (pageBook) return *pageBook;
    return octaval::Phrasebook::english();
}

// One of the subnet list window's own texts in the page's language.
std::string subnetsWords(std::string_view source) {
    return std::string(pageBook ? pageBook->lookUp("octaval::frmSubnets", source) : source);
}

// The practice: problems drawn from the chosen seed, the one on show, and the session's score.
std::optional<octaval::PracticeSession> practice;
// The answers last checked and the words they were read in, so that another
// language words the marks anew without reading the answers in its own words: "aucun sous-réseau"
// stays right when the page turns German.
std::optional<std::vector<std::string>> checkedAnswers;
const octaval::Phrasebook* checkedIn = &octaval::Phrasebook::english();

// The page's own texts, which no window shows. lupdate reads them here into the translations, and
// the page looks them up by their context as it does the window's texts.
using octaval::phrase;
[[maybe_unused]] constexpr octaval::Phrase pageTexts[] = {
    phrase("octaval::web", "No working yet: press Recalculate first."),
    phrase("octaval::web", "Seed"),
    phrase("octaval::web", "with the answer key on a page of its own"),
    phrase("octaval::web", "No subnets to list: press Recalculate first"),
    phrase("octaval::web", "The link #%1 names no press: %2"),
    phrase("octaval::web", "The seed is a whole number from 0 to 18446744073709551615, not “%1”"),
};

std::string_view inputBytes(std::size_t offset, std::size_t length) {
    return {reinterpret_cast<const char*>(input.data()) + offset, length};
}

// UTF-16 texts come in as code units, in the machine's (little-endian) order.
std::u16string inputUnits(std::size_t offset, std::size_t count) {
    std::u16string units(count, u'\0');
    std::memcpy(units.data(), input.data() + offset, 2 * count);
    return units;
}

void putUnits(std::u16string_view text) {
    output16 += static_cast<char16_t>(text.size());
    output16 += text;
}

void putAscii(const std::optional<std::array<std::string, 4>>& row) {
    output16 += row ? u'\1' : u'\0';
    if (!row) return;
    for (const std::string& part : *row) {
        output16 += static_cast<char16_t>(part.size());
        for (const char c : part)
            output16 += static_cast<char16_t>(static_cast<unsigned char>(c));
    }
}

// A row entry as code units: kind, cursor, the box's text (its length first), then the address
// row and the mask row, each a flag and, when set, four texts with their lengths.
std::uint32_t putEntry(const octaval::RowEntry& entry) {
    output16.clear();
    output16 += static_cast<char16_t>(entry.kind);
    output16 += static_cast<char16_t>(entry.cursor);
    putUnits(entry.text);
    putAscii(entry.address);
    putAscii(entry.mask);
    return static_cast<std::uint32_t>(output16.size());
}

// The eight box texts in the input: eight lengths (32 bits each), then the texts.
std::array<std::string_view, 8> inputTexts() {
    std::array<std::uint32_t, 8> lengths{};
    std::memcpy(lengths.data(), input.data(), sizeof lengths);
    std::array<std::string_view, 8> texts;
    std::size_t at = sizeof lengths;
    for (std::size_t k = 0; k < texts.size(); ++k) {
        texts[k] = inputBytes(at, lengths[k]);
        at += lengths[k];
    }
    return texts;
}

}  // namespace

// The functions the page calls, exported by name (web/CMakeLists.txt).

/// The input area, at least `bytes` long; valid until the next call of this function.
extern "C" unsigned char* octaval_input(std::uint32_t bytes) {
    if (input.size() < bytes) input.resize(bytes);
    return input.data();
}

/// The answer of the last call that writes bytes.
extern "C" const char* octaval_output() {
    return output.data();
}

/// The answer of the last call that writes UTF-16 code units.
extern "C" const char16_t* octaval_output16() {
    return output16.data();
}

/// One press on the page's calculator: the input holds eight lengths (32 bits each), then the
/// eight box texts; the answer is the JSON line of the batch mode. Returns its length.
extern "C" std::uint32_t octaval_press() {
    const auto texts = inputTexts();
    output.clear();
    pageResult = octaval::appendPressLine({texts[0], texts[1], texts[2], texts[3]},
                                          {texts[4], texts[5], texts[6], texts[7]}, pageState,
                                          pageBoxes, output);
    pressed = true;
    return static_cast<std::uint32_t>(output.size());
}

/// The batch mode on a calculator of its own: the input's first `length` bytes are the whole
/// input, the answer its whole output. Returns its length.
extern "C" std::uint32_t octaval_batch(std::uint32_t length) {
    output.clear();
    octaval::BatchReader reader;
    reader.feed(inputBytes(0, length), output);
    reader.finish(output);
    return static_cast<std::uint32_t>(output.size());
}

/// The natural mask of the first octet's text (the input's first `length` bytes), as the four
/// mask texts joined by dots. Returns its length.
extern "C" std::uint32_t octaval_natural_mask(std::uint32_t length) {
    output.clear();
    for (const std::string_view part : octaval::naturalMask(inputBytes(0, length))) {
        if (!output.empty()) output += '.';
        output += part;
    }
    return static_cast<std::uint32_t>(output.size());
}

/// What comes into box `box` (0 to 3) of a row (0 address, 1 mask), where [from, to) was the
/// selection: the input holds the box's text (`beforeLength` code units), then `length` more. With
/// `typed`, those are one key typed; otherwise they are the box's text after a change of any kind.
/// Returns the length of the row entry in the UTF-16 output.
extern "C" std::uint32_t octaval_enter(std::uint32_t row, std::uint32_t box, std::uint32_t from,
                                       std::uint32_t to, std::uint32_t beforeLength,
                                       std::uint32_t length, std::uint32_t typed) {
    if (row > 1 || box > 3) return putEntry({});
    const std::u16string before = inputUnits(0, beforeLength);
    const std::u16string text = inputUnits(2 * beforeLength, length);
    const auto kind = static_cast<octaval::RowKind>(row);
    return putEntry(octaval::enterText(kind, box,
                                       typed ? octaval::BoxChange{before, from, to, text, true}
                                             : octaval::changeBetween(before, from, to, text)));
}

/// The window's rows, one a line: caption, JSON key, the number of the first box, the number of
/// boxes, TAB-separated. Returns the length.
extern "C" std::uint32_t octaval_rows() {
    output.clear();
    for (const octaval::BoxRow& row : octaval::boxRows) {
        output.append(row.caption).append("\t").append(row.jsonKey).append("\t");
        output.append(std::to_string(octaval::numberOf(row.first))).append("\t");
        output.append(std::to_string(row.boxes)).append("\n");
    }
    return static_cast<std::uint32_t>(output.size());
}

/// The address of a press for the page's address bar: the input holds the eight box texts as a
/// batch line; the answer is the address and "/N" where the mask is the one of a prefix length,
/// else the dotted mask ("192.168.1.70/27", "10.1.2.3/255.0.255.0"), as a paste reads it back.
extern "C" std::uint32_t octaval_link(std::uint32_t length) {
    const octaval::BatchFields split = octaval::splitBatchFields(inputBytes(0, length));
    output.clear();
    if (split.count != split.fields.size()) return 0;
    const auto& f = split.fields;
    const auto joined = [](auto first) {
        return std::string(first[0]) + '.' + std::string(first[1]) + '.' + std::string(first[2]) +
               '.' + std::string(first[3]);
    };
    output = joined(f.begin()) + '/';
    const auto prefix = [&f] {
        for (int n = 0; n <= 32; ++n) {
            const auto mask = octaval::prefixMask(std::to_string(n));
            if (mask && std::equal(mask->begin(), mask->end(), f.begin() + 4))
                return std::to_string(n);
        }
        return std::string();
    }();
    output += prefix.empty() ? joined(f.begin() + 4) : prefix;
    // Only a link that the page reads back to the same eight texts (pasted into the address row
    // as it follows a link): boxes such as "1 2", "1.5" or "/8" make a link that reads otherwise,
    // or not at all.
    std::u16string link;
    for (const char c : output) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            output.clear();
            return 0;
        }
        link += static_cast<char16_t>(c);
    }
    const octaval::RowEntry read =
        octaval::enterText(octaval::RowKind::address, 0, octaval::changeBetween(u"", 0, 0, link));
    const auto same = [&f](const auto& row, std::size_t first) {
        return row && std::equal(row->begin(), row->end(), f.begin() + first);
    };
    if (read.kind != octaval::RowEntry::Kind::rows || !same(read.address, 0) || !same(read.mask, 4))
        output.clear();
    return static_cast<std::uint32_t>(output.size());
}

/// Why the page cannot follow a link (the input's first `length` bytes, without its '#'), in
/// octaval-cli's words for the same text. Returns the length.
extern "C" std::uint32_t octaval_link_error(std::uint32_t length) {
    auto read = octaval::readAddressLine(inputBytes(0, length));
    output = std::holds_alternative<std::string>(read)
                 ? std::move(std::get<std::string>(read))
                 : book().say(phrase("octaval::web", "a part has more than three characters"));
    return static_cast<std::uint32_t>(output.size());
}

/// The working of a press of the eight box texts in the input (laid out as for octaval_press), as
/// octaval-cli --explain writes it. Returns its length.
extern "C" std::uint32_t octaval_working() {
    const auto texts = inputTexts();
    octaval::Press p;
    octaval::setInputs(p.boxes, {texts[0], texts[1], texts[2], texts[3]},
                       {texts[4], texts[5], texts[6], texts[7]});
    const octaval::PressResult result = octaval::Recalculate(p.state, p.boxes);
    p.outcome = result.outcome;
    p.numbers = result.numbers;
    pageWorking = octaval::explain(p, book());
    workingFields = octaval::bitFields(octaval::SubnetList::of(p.state));
    output = octaval::workingText(*pageWorking);
    return static_cast<std::uint32_t>(output.size());
}

/// The bit rows of the last working, for drawing its fields and the bits each step speaks of:
/// a line for each row (address, mask, network, broadcast) as the working writes it, with each
/// bit replaced by its field's letter (n network, s subnet, h host, - none); then a line for each
/// step, its title and its marks of the four rows (bit 31 a row's first), TAB-separated. Nothing
/// for a press that did not pass the checks. Returns the length.
extern "C" std::uint32_t octaval_working_bits() {
    output.clear();
    if (!pageWorking || pageWorking->bits[0].empty()) return 0;
    for (const std::string& row : pageWorking->bits) {
        std::size_t bit = 0;
        for (const char c : row)
            output += c != '0' && c != '1' ? c : "-nsh"[static_cast<int>(workingFields[bit++])];
        output += '\n';
    }
    for (const octaval::WorkingStep& step : pageWorking->steps) {
        output += step.title;
        for (const octaval::Address marks : step.marks)
            output += '\t' + std::to_string(marks);
        output += '\n';
    }
    return static_cast<std::uint32_t>(output.size());
}

/// Chooses the language of the texts below by its code (the input's first `length` bytes, "de");
/// English for a code without a translation. Returns whether the code has one.
extern "C" std::uint32_t octaval_language(std::uint32_t length) {
    pageBook.reset();
    for (const octaval::PhraseTable& table : octaval::languages)
        if (table.code == inputBytes(0, length)) pageBook.emplace(table);
    return pageBook ? 1 : 0;
}

/// One of the window's texts in the page's language: the input holds its context
/// (`contextLength` bytes), then its English source (`sourceLength` bytes). Returns the length.
extern "C" std::uint32_t octaval_translate(std::uint32_t contextLength,
                                           std::uint32_t sourceLength) {
    const std::string_view context = inputBytes(0, contextLength);
    const std::string_view source = inputBytes(contextLength, sourceLength);
    output = pageBook ? std::string(pageBook->lookUp(context, source)) : std::string(source);
    return static_cast<std::uint32_t>(output.size());
}

/// The texts of the last press that the page shows in its language, as the window shows them:
/// the three result lines (Text18 to Text20; a blank one stays blank) and the status, one a line.
/// Returns the length.
extern "C" std::uint32_t octaval_shown() {
    output.clear();
    for (const octaval::Box line :
         {octaval::Box::Text18, octaval::Box::Text19, octaval::Box::Text20}) {
        const std::string text = pageBoxes.outputs().text(line);
        output += pageResult.outcome.passed() && text != " "
                      ? book().resultLine(line, octaval::lineNumbers(pageResult.numbers))
                      : text;
        output += '\n';
    }
    output += book().status(pageBoxes.outputs().text(octaval::Box::Text21));
    return static_cast<std::uint32_t>(output.size());
}

/// Makes the subnet list of the last press, for the calls below. Returns its number of rows, and
/// writes the window's heading of the list, the number of the row that holds the press's address
/// and the network and mask listed (a search of one list means nothing in another),
/// TAB-separated; 0 for a press without subnets, with the reason in the output.
extern "C" std::uint32_t octaval_list() {
    listWriter.reset();
    pageList.reset();
    if (pressed && pageResult.outcome.passed()) pageList = octaval::SubnetList::of(pageState);
    if (!pressed) {
        output = book().say(phrase("octaval::web", "No subnets to list: press Recalculate first"));
        return 0;
    }
    output = octaval::listHeading(book(), pageResult.outcome, pageState,
                                  pageBoxes.outputs().text(octaval::Box::Text17));
    if (!pageList) return 0;
    listWriter.emplace(*pageList, octaval::ListFormat::csv);
    std::array<char, 16> network{}, mask{};
    const std::string networkText(
        octaval::addressText(pageList->address() & pageList->classField(), network));
    const std::string maskText(octaval::addressText(octaval::pressAddresses(pageState).mask, mask));
    output +=
        '\t' + std::to_string(pageList->addressNumber()) + '\t' + networkText + '/' + maskText;
    return static_cast<std::uint32_t>(pageList->count());
}

/// The captions of the list's columns in the page's language, TAB-separated. Returns the length.
extern "C" std::uint32_t octaval_list_columns() {
    output.clear();
    for (const std::string_view caption : octaval::subnetColumnCaptions)
        output += (output.empty() ? "" : "\t") + book().caption(caption);
    return static_cast<std::uint32_t>(output.size());
}

/// The cells of `count` rows of the list from row `first` on, as the window's table shows
/// them: TAB between the cells, a line feed after each row. Returns the length.
extern "C" std::uint32_t octaval_list_rows(std::uint32_t first, std::uint32_t count) {
    output.clear();
    if (!listWriter) return 0;
    const std::uint64_t end =
        std::min<std::uint64_t>(pageList->count(), std::uint64_t{first} + count);
    std::array<char, 16> address{};
    for (std::uint64_t number = first; number < end; ++number) {
        const auto n = static_cast<std::uint32_t>(number);
        for (std::size_t column = 0; column + 1 < octaval::subnetColumnCaptions.size(); ++column)
            output += listWriter->cellText(n, static_cast<octaval::SubnetColumn>(column)) + '\t';
        // The marks in the window's words.
        const octaval::SubnetRowTexts row = listWriter->rowTexts(n);
        std::string marks;
        if (!row.reserved.empty())
            marks = subnetsWords(row.reserved == "all zeros" ? "reserved, all zeros"
                                                             : "reserved, all ones");
        if (row.holdsAddress)
            marks += (marks.empty() ? "" : "; ") +
                     octaval::filledIn(subnetsWords("holds %1"),
                                       {octaval::addressText(pageList->address(), address)});
        output += marks + '\n';
    }
    return static_cast<std::uint32_t>(output.size());
}

/// The list as octaval-cli --list --csv writes it, in pieces: about `size` bytes of rows from
/// row `first` on, the header before row 0. Returns the number of the next row, the list's
/// count after the last; the piece is in the output, its length from octaval_output_length.
extern "C" std::uint32_t octaval_list_csv(std::uint32_t first, std::uint32_t size) {
    output.clear();
    if (!listWriter) return 0;
    if (first == 0) listWriter->appendHeader(output);
    return static_cast<std::uint32_t>(listWriter->appendRows(output, first, size));
}

/// The length of the output.
extern "C" std::uint32_t octaval_output_length() {
    return static_cast<std::uint32_t>(output.size());
}

/// The row that a search names (the input's first `length` bytes): its number, or 2^32 - 1 with
/// the reason it names none in the output, in the window's words.
extern "C" std::uint32_t octaval_list_find(std::uint32_t length) {
    output.clear();
    if (!pageList) return UINT32_MAX;
    const auto found = octaval::findSubnet(*pageList, inputBytes(0, length));
    if (const auto* number = std::get_if<std::uint32_t>(&found)) {
        output = octaval::filledIn(subnetsWords("Subnet %1"), {std::to_string(*number)});
        return *number;
    }
    const auto& miss = std::get<octaval::SubnetMiss>(found);
    std::array<char, 16> network{};
    switch (miss.why) {
        case octaval::SubnetMiss::Why::empty:
            output = subnetsWords("Type an address or a subnet number");
            break;
        case octaval::SubnetMiss::Why::pastLast:
            output =
                octaval::filledIn(subnetsWords("There is no subnet %1: they are numbered 0 to %2"),
                                  {miss.text, std::to_string(pageList->count() - 1)});
            break;
        case octaval::SubnetMiss::Why::notAnAddress:
            output = octaval::filledIn(
                subnetsWords("'%1' is neither an address (such as 10.1.2.3) nor a subnet number"),
                {miss.text});
            break;
        case octaval::SubnetMiss::Why::outside:
            output = octaval::filledIn(
                subnetsWords("%1 is not in the network %2"),
                {miss.text,
                 octaval::addressText(pageList->address() & pageList->classField(), network)});
            break;
    }
    return UINT32_MAX;
}

/// The practice's choices in the page's language, one a line, TAB-separated: "level", a level's
/// name and its description for each level, then "status", a message as the engine words it (the
/// answer that names it, whatever the language) and as the page shows it. Returns the length.
extern "C" std::uint32_t octaval_practice_choices() {
    output.clear();
    for (const octaval::PracticeLevel level : octaval::allLevels)
        output.append("level\t")
            .append(octaval::levelName(level))
            .append("\t")
            .append(book().say(octaval::Phrase{"Practice", octaval::levelDescription(level)}))
            .append("\n");
    for (const std::string_view message : octaval::status::all)
        output.append("status\t")
            .append(message)
            .append("\t")
            .append(book().status(message))
            .append("\n");
    return static_cast<std::uint32_t>(output.size());
}

/// A new practice session from a seed (its high and low 32 bits), a level (by its number in
/// allLevels) and classes (the input's first `length` bytes, "ABC"). Returns whether the options
/// are ones the practice takes.
extern "C" std::uint32_t octaval_practice_start(std::uint32_t seedHigh, std::uint32_t seedLow,
                                                std::uint32_t level, std::uint32_t length) {
    octaval::PracticeOptions options;
    const auto classes = octaval::readClasses(inputBytes(0, length));
    if (!classes || level >= octaval::allLevels.size()) return 0;
    options.classes = *classes;
    options.level = octaval::allLevels[level];
    practice.emplace((std::uint64_t{seedHigh} << 32) | seedLow, options);
    checkedAnswers.reset();
    return 1;
}

/// The next problem of the session, more of those that ask what was answered wrong, as in the
/// window; with `again`, the problem on show (again in another language, or the first of a session
/// just started). The output holds fields split by RS (0x1E): the address, the mask, the problem's
/// place in the session, the last session's summary after its tenth problem (else nothing), then
/// for each question asked its key, its prompt and 1 for an address, TAB-separated. Returns the
/// length.
extern "C" std::uint32_t octaval_practice_next(std::uint32_t again) {
    output.clear();
    if (!practice) return 0;
    // Again: the same problem, marked and counted as it was.
    const std::string summary = again ? std::string() : practice->next(book());
    if (!again) checkedAnswers.reset();
    const octaval::Exercise& exercise = practice->exercise();
    output = exercise.problem().address() + '\x1e' + exercise.problem().mask() + '\x1e' +
             practice->progress(book()) + '\x1e' + summary;
    for (const octaval::Question q : exercise.questions())
        output.append("\x1e")
            .append(octaval::questionKey(q))
            .append("\t")
            .append(book().caption(octaval::questionPrompt(q)))
            .append(octaval::isAddressQuestion(q) ? "\t1" : "\t0");
    return static_cast<std::uint32_t>(output.size());
}

/// Marks the answers in the input (its first `length` bytes, one a line, for the questions in
/// the order asked), read in the page's language and English; with `again`, words the marks of
/// the last check anew in the page's language, the answers read as they were then. The output has
/// a line for each: R (right), W (wrong or unreadable) or N (not answered), the mark and the reason
/// of a known mistake, TAB-separated; then the session's score. Returns the length.
extern "C" std::uint32_t octaval_practice_check(std::uint32_t length, std::uint32_t again) {
    output.clear();
    if (!practice || (again && !checkedAnswers)) return 0;
    std::vector<octaval::Mark> marks;
    if (again) {
        const octaval::Phrasebook* const readers[] = {checkedIn};
        const auto& asked = practice->exercise().questions();
        for (std::size_t i = 0; i < asked.size(); ++i)
            marks.push_back(practice->exercise().check(
                asked[i], i < checkedAnswers->size() ? (*checkedAnswers)[i] : "", readers, book()));
    } else {
        std::vector<std::string> answers;
        std::string_view rest = inputBytes(0, length);
        while (!rest.empty()) {
            const auto end = std::min(rest.find('\n'), rest.size());
            answers.emplace_back(rest.substr(0, end));
            rest.remove_prefix(std::min(end + 1, rest.size()));
        }
        marks = practice->check(answers, book());
        checkedAnswers = std::move(answers);
        checkedIn = octaval::phrasebookFor(pageBook ? pageBook->code() : "en");
    }
    for (const octaval::Mark& mark : marks) {
        output += mark.right                                            ? 'R'
                  : mark.verdict == octaval::Mark::Verdict::notAnswered ? 'N'
                                                                        : 'W';
        output.append("\t").append(mark.text(book())).append("\t").append(mark.why).append("\n");
    }
    output += practice->score().text(book());
    return static_cast<std::uint32_t>(output.size());
}

/// The session's worksheet (seed, classes and level, as many problems as a session) as an HTML
/// page in the page's language, with its key after the problems when `answers`: the worksheet
/// that octaval-cli --practice --worksheet --html writes. Returns the length.
extern "C" std::uint32_t octaval_practice_worksheet(std::uint32_t answers) {
    output.clear();
    if (!practice) return 0;
    octaval::WorksheetRequest sheet = practice->worksheet();
    sheet.answers = answers != 0;
    sheet.book = &book();
    output = octaval::worksheetHtml(sheet, pageBook ? pageBook->code() : "en");
    return static_cast<std::uint32_t>(output.size());
}
