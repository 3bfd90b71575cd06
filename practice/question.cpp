// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/question.h"

namespace octaval {
namespace {

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
