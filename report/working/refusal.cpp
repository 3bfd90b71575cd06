// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/working/refusal.h"

#include <optional>
#include <string>
#include <vector>

#include "report/escape.h"
#include "report/working/wording.h"

namespace octaval::working {
namespace {

std::string_view checkName(Rejection r) {
    switch (r) {
        case Rejection::addressUnreadable:
            return "reading the address";
        case Rejection::maskUnreadable:
            return "reading the mask";
        case Rejection::illegalAddress:
            return "the address";
        case Rejection::maskOctetValue:
            return "the mask's octet values";
        case Rejection::maskVersusClass:
            return "the mask versus the class";
        case Rejection::maskShape:
            return "the mask's shape";
        case Rejection::none:
            break;
    }
    return {};
}

// The sentence that names the check that stopped the press.
Phrase stopsAt(Rejection r) {
    switch (r) {
        case Rejection::addressUnreadable:
            return phrase("Working", "The press stops at the check of reading the address.");
        case Rejection::maskUnreadable:
            return phrase("Working", "The press stops at the check of reading the mask.");
        case Rejection::illegalAddress:
            return phrase("Working", "The press stops at the check of the address.");
        case Rejection::maskOctetValue:
            return phrase("Working", "The press stops at the check of the mask's octet values.");
        case Rejection::maskVersusClass:
            return phrase("Working", "The press stops at the check of the mask versus the class.");
        case Rejection::maskShape:
        case Rejection::none:
            break;
    }
    return phrase("Working", "The press stops at the check of the mask's shape.");
}

class Rejected {
public:
    Rejected(const Press& p, const Phrasebook& book) : m_p(p), m_book(book) {}

    std::string text() const {
        switch (m_p.outcome.rejection) {
            case Rejection::addressUnreadable:
                return unreadable(Box::Text1, true);
            case Rejection::maskUnreadable:
                return unreadable(Box::Text5, false);
            case Rejection::illegalAddress:
                return illegalAddress();
            case Rejection::maskOctetValue:
                return maskOctetValue();
            case Rejection::maskVersusClass:
                return maskVersusClass();
            case Rejection::maskShape:
                return maskShape();
            case Rejection::none:
                break;
        }
        return {};
    }

private:
    // The texts of a row that cannot be read as numbers: beyond the number range, or (the fourth
    // octet of the address) beyond the 16-bit range its bits are taken in.
    std::string unreadable(Box first, bool address) const {
        std::vector<std::string> why;
        for (int k = 1; k <= 4; ++k) {
            const Box box = octetBox(first, k);
            const ReadNumber n = textToNumber(m_p.boxes[box]);
            std::string text;
            appendEscaped(text, m_p.boxes[box], Escape::visible);
            if (!n.inRange) {
                why.push_back(
                    m_book.say(phrase("Working", "octet %1, %2, is beyond the number range"),
                               {std::to_string(k), quoted(m_book, text)}));
            } else if (address && k == 4 && !toInt16(n.value)) {
                why.push_back(m_book.say(phrase("Working",
                                                "octet 4, %1, reads as %2, beyond the "
                                                "range -32768 to 32767 in which its "
                                                "bits are taken"),
                                         {quoted(m_book, text), shown(n.value)}));
            }
        }
        return m_book.say(
            phrase("Working", "Every text is read as a number before the checks. Here %1."),
            {listed(why)});
    }

    std::string illegalAddress() const {
        std::vector<std::string> why;
        for (int k = 1; k <= 4; ++k) {
            const double v = m_p.state.ipOctet[static_cast<std::size_t>(k - 1)];
            const std::optional<Phrase> problem =
                v > 255              ? phrase("Working", "octet %1, %2, is above 255")
                : v < 0              ? phrase("Working", "octet %1, %2, is below 0")
                : !isWholeNumber(v)  ? phrase("Working", "octet %1, %2, is not a whole number")
                : (k == 1 && v == 0) ? phrase("Working", "octet %1, %2, is 0")
                                     : std::optional<Phrase>();
            if (problem)
                why.push_back(m_book.say(
                    *problem,
                    {std::to_string(k), typed(m_book, m_p.boxes, octetBox(Box::Text1, k), v)}));
        }
        return m_book.say(phrase("Working",
                                 "Every octet of the address must be a whole number "
                                 "from 0 to 255, and the first must not be 0. Here "
                                 "%1."),
                          {listed(why)});
    }

    std::string maskOctetValue() const {
        std::vector<std::string> why;
        for (int k = 1; k <= 4; ++k) {
            const double v = m_p.state.maskOctet[static_cast<std::size_t>(k - 1)];
            if (!isAcceptedMaskOctet(v))
                why.push_back(m_book.say(
                    phrase("Working", "octet %1, %2, is none of them"),
                    {std::to_string(k), typed(m_book, m_p.boxes, octetBox(Box::Text5, k), v)}));
        }
        return m_book.say(phrase("Working",
                                 "Every octet of the mask must be one of 255, 254, 252, "
                                 "248, 240, 224, 192, 128 and 0, the octets of one bits "
                                 "followed by zero bits. Here %1."),
                          {listed(why)});
    }

    // The rule as checks 6 to 8 apply it: by the first octet's range, some of the mask's first
    // octets must hold a 255. One is enough; they need not cover the class's network bits.
    std::string maskVersusClass() const {
        const double first = m_p.state.ipOctet[0];
        const AddressClass c = addressClass(first);
        const int n = networkMaskOctets(c);
        const std::string above = std::to_string(c.letter == 'A' ? 0 : c.letter == 'B' ? 127 : 191);
        const std::string below = std::to_string(c.letter == 'A'   ? 128
                                                 : c.letter == 'B' ? 192
                                                                   : 240);
        std::string masked;
        for (std::size_t k = 0; k < 4; ++k) {
            if (k > 0) masked += '.';
            masked += shown(m_p.state.maskOctet[k]);
        }
        return m_book.say(
                   counted("Working",
                           "For a first octet above %1 and below %2, as %3 is, the mask must "
                           "have a 255 among its first %n octets. The mask %4 has none.",
                           "For a first octet above %1 and below %2, as %3 is, the mask's "
                           "first octet must be 255. The mask %4 has another."),
                   n, {above, below, shown(first), masked}) +
               ' ' +
               m_book.say(counted("Working",
                                  "A single 255 there is enough: the check does not ask the "
                                  "mask to cover the class's network bits, which the class "
                                  "fixes whatever the mask.",
                                  "That is the whole rule: the check asks nothing of the "
                                  "mask's other octets."),
                          n);
    }

    std::string maskShape() const {
        const auto m = [this](int k) {
            return shown(m_p.state.maskOctet[static_cast<std::size_t>(k - 1)]);
        };
        const auto& v = m_p.state.maskOctet;
        std::string why;
        // In the order of the chain's checks.
        if (v[1] < v[0] && v[2] != 0 && v[3] != 0) {
            why = m_book.say(phrase("Working",
                                    "octet 2 (%1) is below octet 1 (%2), and then "
                                    "octets 3 and 4 must not both be above 0; they "
                                    "are %3 and %4"),
                             {m(2), m(1), m(3), m(4)});
        } else if (v[2] < v[1] && v[3] != 0) {
            why = m_book.say(phrase("Working",
                                    "octet 3 (%1) is below octet 2 (%2), and then "
                                    "octet 4 must be 0; it is %3"),
                             {m(3), m(2), m(4)});
        } else if (v[0] < 255) {
            why = m_book.say(phrase("Working", "octet 1 is %1, not 255"), {m(1)});
        } else {
            for (int k = 2; k <= 4 && why.empty(); ++k)
                if (v[static_cast<std::size_t>(k - 1)] > v[static_cast<std::size_t>(k - 2)])
                    why = m_book.say(phrase("Working", "octet %1 (%2) is above octet %3 (%4)"),
                                     {std::to_string(k), m(k), std::to_string(k - 1), m(k - 1)});
        }
        return m_book.say(phrase("Working",
                                 "A mask starts with 255 and its octets never rise "
                                 "from left to right; below a 255 only the last octet "
                                 "may fall again to 0 (255.a.b.0). Here %1."),
                          {why});
    }

    const Press& m_p;
    const Phrasebook& m_book;
};

}  // namespace

void addRefusal(const Press& p, Explanation& e) {
    const Phrasebook& book = *e.book;
    e.rejectedBy = checkName(p.outcome.rejection);
    e.steps.push_back({"check", book.say(phrase("Working", "Check")),
                       book.say(stopsAt(p.outcome.rejection)) + ' ' + Rejected(p, book).text()});
    e.steps.push_back(
        {"status", book.say(phrase("Caption", "Status")),
         book.say(phrase("Working", "The status is %1, and every output box stays empty."),
                  {quoted(book, book.status(e.status))})});
}

}  // namespace octaval::working
