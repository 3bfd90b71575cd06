// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/worksheet_html.h"

#include "report/escape.h"

namespace octaval {
namespace {

// Black on white with rules rather than shades, so that a black-and-white printer loses nothing.
// Both spellings of the page breaks: browsers read break-*, Qt's rich text page-break-*. The
// margins fit A4 and Letter alike.
constexpr std::string_view style = R"(@page { margin: 18mm 16mm; }
body { color: #000; background: #fff; font-family: sans-serif; font-size: 11pt; }
h1 { font-size: 15pt; margin: 0 0 6pt; }
h2 { font-size: 12pt; margin-top: 14pt; margin-bottom: 4pt; }
div.problem { break-inside: avoid; page-break-inside: avoid; }
div.key { break-before: page; page-break-before: always; }
th, td { padding-top: 7pt; padding-bottom: 5pt; padding-left: 0; }
th { text-align: left; font-weight: normal; padding-right: 12pt; }
td { width: 22em; }
td.blank { border-bottom: 1px solid #000; border-bottom-style: solid; border-bottom-width: 1px; border-bottom-color: #000; }
)";

void appendText(std::string& out, std::string_view text) {
    appendEscaped(out, text, Escape::html);
}

void appendProblem(std::string& out, const Phrasebook& book, std::uint32_t number,
                   const Exercise& e, bool answers) {
    out += "<div class=\"problem\">\n<h2>";
    appendText(out, problemHeading(book, number, 0, e.problem()));
    out += "</h2>\n<table width=\"100%\" cellspacing=\"0\">\n";
    for (const Question q : e.questions()) {
        out += "<tr><th scope=\"row\">";
        appendText(out, book.caption(questionPrompt(q)));
        if (answers) {
            out += "</th><td width=\"60%\">";
            appendText(out, answerInWords(book, e.expected(q)));
        } else {
            out += "</th><td width=\"60%\" class=\"blank\">&nbsp;";
        }
        out += "</td></tr>\n";
    }
    out += "</table>\n</div>\n";
}

}  // namespace

std::string worksheetHtml(const WorksheetRequest& request, std::string_view language) {
    const Phrasebook& book = *request.book;
    const std::string title = practiceHeading(request.seed, request.options, book);
    std::string out = "<!DOCTYPE html>\n<html lang=\"";
    appendText(out, language);
    out += "\">\n<head>\n<meta charset=\"utf-8\">\n<title>";
    appendText(out, title);
    out += "</title>\n<style>\n";
    out += style;
    out += "</style>\n</head>\n<body>\n<h1>";
    appendText(out, title);
    out += "</h1>\n<p class=\"name\">";
    appendText(out, book.say(phrase("Worksheet", "Name:")));
    out += " ______________________________</p>\n";
    eachWorksheetExercise(request, [&](std::uint32_t number, const Exercise& e) {
        appendProblem(out, book, number, e, false);
    });
    if (request.answers) {
        out += "<div class=\"key\">\n<h1>";
        appendText(out, book.say(phrase("Practice", "Answer key")));
        out += "</h1>\n";
        eachWorksheetExercise(request, [&](std::uint32_t number, const Exercise& e) {
            appendProblem(out, book, number, e, true);
        });
        out += "</div>\n";
    }
    out += "</body>\n</html>\n";
    return out;
}

}  // namespace octaval
