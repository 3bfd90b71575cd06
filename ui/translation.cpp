// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <string>

namespace octaval {
namespace {

class WindowPhrasebook final : public Phrasebook {
public:
    std::string translated(Phrase p, std::int64_t count) const override {
        // A counted phrase is found by its English singular too, which lupdate keeps as the
        // message's comment.
        const std::string context(p.context), source(p.source), singular(p.singular);
        std::string text =
            QCoreApplication::translate(context.c_str(), source.c_str(),
                                        p.counted && !singular.empty() ? singular.c_str() : nullptr,
                                        p.counted ? int(count) : -1)
                .toStdString();
        // Not translated: the English sources, with the English singular where it differs.
        if (p.counted && count == 1 && !singular.empty() &&
            text == Phrasebook::translated(counted(p.context, p.source), count))
            return Phrasebook::translated(p, count);
        return text;
    }
    // In the language that the windows speak (installTranslations), by the rule that the page
    // and the command line follow too: Qt 6.4 writes a Spanish 4194304 as "4194.304".
    std::string grouped(std::uint64_t count) const override {
        return groupedDigits(QLocale().name().left(2).toStdString(), count);
    }
};

bool load(QTranslator& translator, const QString& name, const QString& folder) {
    return translator.load(QLocale(), name, QStringLiteral("_"), folder);
}

}  // namespace

void installTranslations() {
    static QTranslator own, qt;
    // Ours are resources of the window library (ui/translations): ":/i18n/octaval_de.qm".
    const QString resources = QStringLiteral(":/i18n");
    if (load(own, QStringLiteral("octaval"), resources)) QCoreApplication::installTranslator(&own);
    // Numbers are grouped as the language that the windows speak writes them: the translation is
    // found through the languages that the user prefers (LANGUAGE), which the system's locale for
    // numbers (LC_NUMERIC, LANG) need not follow. A locale of that language keeps its own ways.
    const QLocale spoken = own.isEmpty() ? QLocale(QLocale::English) : QLocale(own.language());
    if (QLocale().language() != spoken.language()) QLocale::setDefault(spoken);
    // Qt's own texts only in a language that the windows speak, so that a window never mixes
    // two languages besides English.
    if (own.isEmpty()) return;
    const QString qtbase = QStringLiteral("qtbase");
    if (load(qt, qtbase, resources) ||
        load(qt, qtbase, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
}

const Phrasebook& windowPhrasebook() {
    static const WindowPhrasebook book;
    return book;
}

}  // namespace octaval
