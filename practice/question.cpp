// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/question.h"

#include "engine/phrase.h"

namespace octaval {
namespace {

struct QuestionInfo {
    Question question;
    std::string_view key;
    std::string_view prompt;
};
constexpr std::array<QuestionInfo, 11> questionInfo = {{
    {Question::network, "network", phrase("Practice", "Network (subnet) address").source},
    {Question::broadcast, "broadcast", phrase("Practice", "Broadcast address").source},
    {Question::classLetter, "class", phrase("Practice", "Class").source},
    {Question::networkBits, "networkBits", phrase("Practice", "Network bits of the class").source},
    {Question::subnetBits, "subnetBits", phrase("Practice", "Subnet bits").source},
    {Question::hostBits, "hostBits", phrase("Practice", "Host bits").source},
    {Question::subnets, "subnets", phrase("Practice", "Usable subnets").source},
    {Question::hosts, "hosts", phrase("Practice", "Usable hosts per subnet").source},
    {Question::firstSubnet, "firstSubnet",
     phrase("Practice", "First usable subnet (Subnet 1)").source},
    {Question::lastSubnet, "lastSubnet",
     phrase("Practice", "Last usable subnet (Subnet N)").source},
    {Question::status, "status", phrase("Practice", "Status message").source},
}};

const QuestionInfo& infoOf(Question q) {
    return questionInfo[static_cast<std::size_t>(q)];
}

}  // namespace

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

}  // namespace octaval
