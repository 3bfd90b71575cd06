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

class CliLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installTranslations(); }

    void workingAsTheWindowWordsIt_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("mask");
        QTest::newRow("every step") << "192.168.1.70"
                                    << "/27";
        QTest::newRow("a refused mask") << "10.1.2.3"
                                        << "255.0.255.0";
        // "0 bits": French counts 0 in the singular, German and Spanish in the plural.
        QTest::newRow("no subnet bits") << "10.1.2.3"
                                        << "/8";
    }
    void workingAsTheWindowWordsIt() {
        QFETCH(QString, address);
        QFETCH(QString, mask);
        QProcess cli;
        cli.start(QStringLiteral(OCTAVAL_CLI),
                  {QStringLiteral("--explain"), QStringLiteral("--language"),
                   QLocale().name().left(2), address, mask});
        QVERIFY(cli.waitForFinished());
        const auto inputs = readAddress(address.toStdString(), mask.toStdString());
        QCOMPARE(cli.readAllStandardOutput().toStdString(),
                 workingText(explain(press(std::get<AddressTexts>(inputs)), windowPhrasebook())));
    }
};

QTEST_MAIN(CliLanguageTest)
#include "cli_language_test.moc"
