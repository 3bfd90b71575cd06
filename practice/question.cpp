// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/question.h"

#include "report/captions.h"

namespace octaval {
namespace {

const QuestionCaption& infoOf(Question q) {
    return questionCaptions[static_cast<std::size_t>(q)];
}

}  // namespace

std::string_view questionKey(Question q) {
    return infoOf(q).key;
}

std::optional<Question> questionFromKey(std::string_view key) {
    for (const Question q : allQuestions)
        if (infoOf(q).key == key) return q;
    return std::nullopt;
}

std::string_view questionPrompt(Question q) {
    return infoOf(q).prompt;
}

bool isAddressQuestion(Question q) {
    return q == Question::network || q == Question::broadcast || q == Question::firstSubnet ||
           q == Question::lastSubnet;
}

}  // namespace octaval
