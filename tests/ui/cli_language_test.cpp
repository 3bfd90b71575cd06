// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// octaval-cli --explain --language in the window's language (the test's environment names it in
// LANGUAGE) against the working that the window's own translator words for the same press: the
// command line reads the same .ts files without Qt, and must say the same.
#include <QLocale>
#include <QProcess>
#include <QTest>

#include "report/press.h"
#include "report/working/text.h"
#include "ui/translation.h"

using namespace octaval;
using namespace Qt::StringLiterals;

class CliLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installTranslations(); }

    void workingAsTheWindowWordsIt_data() {
        QTest::addColumn<QString>("inputs");
        QTest::newRow("every step") << u"192.168.1.70/27"_s;
        QTest::newRow("a refused mask") << u"10.1.2.3 255.0.255.0"_s;
        // "0 bits": French counts 0 in the singular, German and Spanish in the plural.
        QTest::newRow("no subnet bits") << u"10.1.2.3/8"_s;
    }
    void workingAsTheWindowWordsIt() {
        QFETCH(QString, inputs);
        QProcess cli;
        cli.start(QStringLiteral(OCTAVAL_CLI),
                  QStringList{u"--explain"_s, u"--language"_s, QLocale().name().left(2)} +
                      inputs.split(u' '));
        QVERIFY(cli.waitForFinished());
        QCOMPARE(cli.readAllStandardOutput().toStdString(),
                 workingText(
                     explain(press(*parseAddressText(inputs.toStdString())), windowPhrasebook())));
    }
};

QTEST_MAIN(CliLanguageTest)
#include "cli_language_test.moc"
