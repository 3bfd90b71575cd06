// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/translation.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include "ui/qt_text.h"

namespace octaval {
namespace {

// The engine's texts, which stay English in the engine and in every report; the window looks
// them up here. The status messages:
[[maybe_unused]] constexpr const char* statusTexts[] = {
    QT_TRANSLATE_NOOP("Status", "OK"),
    QT_TRANSLATE_NOOP("Status", "Illegal IP address"),
    QT_TRANSLATE_NOOP("Status", "Illegal subnet mask"),
    QT_TRANSLATE_NOOP("Status", "Illegal subnet mask versus network class"),
    QT_TRANSLATE_NOOP("Status", "Illegal subnet (all zeros) or use subnet-zero"),
    QT_TRANSLATE_NOOP("Status", "Illegal subnet (all ones)"),
    QT_TRANSLATE_NOOP("Status", "No host(s)"),
    QT_TRANSLATE_NOOP("Status", "Illegal host ip address (all zeros = network)"),
    QT_TRANSLATE_NOOP("Status", "Illegal host ip address (all ones = broadcast)"),
};

// The result lines: two fixed ones, and forms with the numbers and the class letter as %1, %2.
[[maybe_unused]] constexpr const char* resultTexts[] = {
    QT_TRANSLATE_NOOP("Result", "Multicast, Class D"),
    QT_TRANSLATE_NOOP("Result", "Research, Class E"),
};
struct ResultForm {
    const char* pattern;
    const char* source;
};
constexpr ResultForm resultForms[] = {
    {R"(^(\d+) bits, Class ([A-E])$)", QT_TRANSLATE_NOOP("Result", "%1 bits, Class %2")},
    {R"(^(\d+) bits, no subnets$)", QT_TRANSLATE_NOOP("Result", "%1 bits, no subnets")},
    {R"(^(\d+) bits, (\d+) subnets$)", QT_TRANSLATE_NOOP("Result", "%1 bits, %2 subnets")},
    {R"(^(\d+) bits, (\d+) hosts$)", QT_TRANSLATE_NOOP("Result", "%1 bits, %2 hosts")},
};

// The exercises' prompts and level descriptions, which the worksheet of octaval-cli shows in
// English:
[[maybe_unused]] constexpr const char* practiceTexts[] = {
    QT_TRANSLATE_NOOP("Practice", "Network (subnet) address"),
    QT_TRANSLATE_NOOP("Practice", "Broadcast address"),
    QT_TRANSLATE_NOOP("Practice", "Class"),
    QT_TRANSLATE_NOOP("Practice", "Network bits of the class"),
    QT_TRANSLATE_NOOP("Practice", "Subnet bits"),
    QT_TRANSLATE_NOOP("Practice", "Host bits"),
    QT_TRANSLATE_NOOP("Practice", "Usable subnets"),
    QT_TRANSLATE_NOOP("Practice", "Usable hosts per subnet"),
    QT_TRANSLATE_NOOP("Practice", "First usable subnet (Subnet 1)"),
    QT_TRANSLATE_NOOP("Practice", "Last usable subnet (Subnet N)"),
    QT_TRANSLATE_NOOP("Practice", "Status message"),
    QT_TRANSLATE_NOOP("Practice", "Natural masks only"),
    QT_TRANSLATE_NOOP("Practice", "Contiguous masks"),
    QT_TRANSLATE_NOOP("Practice", "Any mask the checks accept"),
    QT_TRANSLATE_NOOP("Practice", "Spot the fault"),
    QT_TRANSLATE_NOOP("Practice", "no subnets"),
    QT_TRANSLATE_NOOP("Practice", "no hosts"),
};

QString practiceText(std::string_view text) {
    return QCoreApplication::translate("Practice", std::string(text).c_str());
}

class WindowPhrasebook final : public Phrasebook {
public:
    std::string translated(Phrase p) const override {
        return QCoreApplication::translate(std::string(p.context).c_str(),
                                           std::string(p.source).c_str())
            .toStdString();
    }
    std::string boxText(Box box, std::string_view text) const override {
        return shownText(box, text).toStdString();
    }
    std::string caption(std::string_view caption) const override {
        return shownCaption(caption).toStdString();
    }
};

QString resultLine(const QString& text) {
    for (const ResultForm& form : resultForms) {
        const QRegularExpression pattern(QString::fromLatin1(form.pattern));
        const QRegularExpressionMatch match = pattern.match(text);
        if (!match.hasMatch()) continue;
        QString line = QCoreApplication::translate("Result", form.source);
        for (int i = 1; i <= pattern.captureCount(); ++i)
            line = line.arg(match.captured(i));
        return line;
    }
    return QCoreApplication::translate("Result", text.toUtf8().constData());
}

}  // namespace

void installTranslation() {
    static QTranslator translator;
    // The translations are resources of the window library (ui/translations):
    // ":/i18n/octaval_de.qm".
    if (translator.load(QLocale(), QStringLiteral("octaval"), QStringLiteral("_"),
                        QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(&translator);
}

QString shownText(Box box, std::string_view text) {
    const QString source = toQString(text);
    switch (box) {
        case Box::Text21:
            return QCoreApplication::translate("Status", source.toUtf8().constData());
        case Box::Text18:
        case Box::Text19:
        case Box::Text20:
            return resultLine(source);
        default:
            return source;
    }
}

QString shownPrompt(Question q) {
    return practiceText(questionPrompt(q));
}

QString shownLevel(PracticeLevel level) {
    return practiceText(levelDescription(level));
}

QString shownMark(Question q, const Mark& mark) {
    if (mark.right) return QCoreApplication::translate("Practice", "right");
    const QString expected =
        q == Question::status ? shownText(Box::Text21, mark.expected) : practiceText(mark.expected);
    return QCoreApplication::translate("Practice", "wrong, expected %1").arg(expected);
}

QString shownCaption(std::string_view caption) {
    return QCoreApplication::translate("octaval::frmMain", std::string(caption).c_str());
}

const Phrasebook& windowPhrasebook() {
    static const WindowPhrasebook book;
    return book;
}

}  // namespace octaval
