// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Practice window under the keyboard: answers typed, marked in words against the engine, the
// session's score, the options, the printed worksheet and the working requested (its opening from
// the main window: ui_window).
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>

#include "ui/frm_practice.h"

using namespace octaval;
using namespace Qt::StringLiterals;

class PracticeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmPractice> m_window;

    void type(QWidget* widget, const QString& text) {
        widget->setFocus();
        QTest::keyClicks(widget, text);
    }
    QString expected(Question q) const {
        return QString::fromStdString(m_window->exercise().expected(q));
    }
    QString mark(Question q) const { return m_window->mark(q)->text(); }
    bool asks(Question q) const {
        const auto& asked = m_window->exercise().questions();
        return std::find(asked.begin(), asked.end(), q) != asked.end();
    }
    QPushButton* button(const QString& text) {
        for (auto* b : m_window->findChildren<QPushButton*>())
            if (b->text().remove(u'&') == text) return b;
        return nullptr;
    }

private slots:
    void init() {
        m_window = std::make_unique<frmPractice>(42);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    // Right, wrong and unanswered, each marked in words, which a screen reader hears as the answer
    // box's description; a wrong answer that matches a known mistake says why. Only the first
    // check of a problem counts in the score, and the next problem starts afresh; after the
    // session's last problem, its summary by kind of question. Enter moves from answer to
    // answer; Ctrl+Enter checks.
    void marksAndScore() {
        QCOMPARE(m_window->windowTitle(), u"Practice");
        const auto& asked = m_window->exercise().questions();
        QVERIFY(asked.size() > 3 && asks(Question::hosts));
        type(m_window->inputs(Question::classLetter)[0], expected(Question::classLetter).toLower());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), m_window->inputs(asked[3])[0]);  // next to class
        QCOMPARE(mark(Question::classLetter), QString());                      // not checked
        const quint64 hosts = expected(Question::hosts).toULongLong();
        type(m_window->inputs(Question::hosts)[0], QString::number(hosts + 2));  // 2^n
        // The last usable host for the broadcast.
        QStringList broadcast = expected(Question::broadcast).split(u'.');
        broadcast[3] = QString::number(broadcast[3].toInt() - 1);
        for (int k = 0; k < 4; ++k)
            m_window->inputs(Question::broadcast)[k]->setText(broadcast[k]);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(mark(Question::classLetter), u"right");
        QCOMPARE(mark(Question::hosts), u"wrong, expected "_s + expected(Question::hosts));
        QCOMPARE(mark(Question::status), u"not answered");
        QCOMPARE(m_window->inputs(Question::classLetter)[0]->accessibleDescription(), u"right");
        QVERIFY(m_window->inputs(Question::hosts)[0]->accessibleDescription().contains(u"Step "));
        // Every reason in full view.
        QLabel* reasons = m_window->reasons();
        QVERIFY2(reasons->isVisible() &&
                     reasons->text().contains(u"which counts the network and the broadcast") &&
                     reasons->text().contains(u"is the last usable host"),
                 qPrintable(reasons->text()));
        QVERIFY(reasons->visibleRegion().boundingRect().height() >=
                reasons->heightForWidth(reasons->width()));
        const QString score =
            u"Score: 1 of 3 answers right, %1 not answered"_s.arg(asked.size() - 3);
        QCOMPARE(m_window->score()->text(), score);
        // A screen reader hears the score, not only its name.
        QCOMPARE(m_window->score()->accessibleName(), score);
        // The working asked for is the problem's.
        AddressTexts requested;
        connect(m_window.get(), &frmPractice::workingRequested, this,
                [&](const AddressTexts& inputs) { requested = inputs; });
        button(u"Show the working"_s)->click();
        QCOMPARE(requested.address, m_window->exercise().problem().inputs.address);
        QCOMPARE(requested.mask, m_window->exercise().problem().inputs.mask);

        // Editing an answer takes its old mark away.
        m_window->inputs(Question::hosts)[0]->clear();
        type(m_window->inputs(Question::hosts)[0], expected(Question::hosts));
        QCOMPARE(mark(Question::hosts), QString());
        m_window->statusChoice()->setCurrentText(expected(Question::status));
        QTest::keyClick(m_window->windowHandle(), Qt::Key_C, Qt::AltModifier);  // Check
        QTRY_COMPARE(mark(Question::hosts), u"right");  // a mnemonic clicks in a moment
        QCOMPARE(mark(Question::status), u"right");
        QCOMPARE(m_window->score()->text(), score);

        const QString before = QString::fromStdString(m_window->exercise().problem().address());
        QCOMPARE(m_window->progress()->text(), u"Problem 1 of 10");
        button(u"Next problem"_s)->click();
        QCOMPARE(m_window->progress()->text(), u"Problem 2 of 10");
        QVERIFY(QString::fromStdString(m_window->exercise().problem().address()) != before);
        QCOMPARE(mark(Question::classLetter), QString());
        QCOMPARE(m_window->inputs(Question::classLetter)[0]->text(), QString());
        QCOMPARE(m_window->score()->text(), score);
        for (int n = 2; n <= sessionLength; ++n)
            button(u"Next problem"_s)->click();
        QCOMPARE(m_window->progress()->text(), u"Problem 1 of 10");
        const QString summary = m_window->reasons()->text();
        QVERIFY2(summary.startsWith(u"The last session: "_s + score) &&
                     summary.contains(u"\nUsable hosts per subnet: 0 of 1 right"),
                 qPrintable(summary));
        // The summary's lines make room for themselves: no row of boxes is squeezed.
        const QLineEdit* octet = m_window->inputs(Question::network)[0];
        QTRY_VERIFY(octet->height() >= octet->minimumSizeHint().height());
    }

    // A kind of question answered wrong is asked again: the next problems are drawn to ask it.
    void drawsAgainWhatWasWrong() {
        auto* level = m_window->findChild<QComboBox*>();
        // A level chosen anew replaces the first problem of the session (any mask, 255.a.b.0
        // too) until one asks for the first subnet.
        for (int i = 0; i < 30 && (i == 0 || !asks(Question::firstSubnet)); ++i) {
            level->setCurrentIndex(1);
            level->setCurrentIndex(2);
            button(u"Next problem"_s)->click();
        }
        QCOMPARE(m_window->progress()->text(), u"Problem 1 of 10");
        QVERIFY(asks(Question::firstSubnet));
        for (QLineEdit* box : m_window->inputs(Question::firstSubnet))
            box->setText(u"1"_s);
        m_window->check();
        QVERIFY(mark(Question::firstSubnet).startsWith(u"wrong"));
        for (int i = 0; i < 8; ++i) {
            button(u"Next problem"_s)->click();
            QVERIFY(asks(Question::firstSubnet));
        }
    }

    // Only the classes chosen; the last one cannot be unchecked. Questions the press does not
    // answer are hidden.
    void options() {
        auto boxes = m_window->findChildren<QCheckBox*>();
        QCOMPARE(boxes.size(), 3);
        for (QCheckBox* box : boxes)
            box->click();  // the last refused: no class would be left
        QVERIFY(boxes[2]->isChecked());
        for (int i = 0; i < 20; ++i, button(u"Next problem"_s)->click())
            QCOMPARE(expected(Question::classLetter), u"C");
        // Arrowing through the levels draws no problem for each level passed.
        auto* level = m_window->findChild<QComboBox*>();
        level->setFocus();
        const std::string before = m_window->exercise().problem().address();
        QTest::keyClick(level, Qt::Key_Down);
        QTest::keyClick(level, Qt::Key_Down);
        QCOMPARE(m_window->exercise().problem().address(), before);
        QTest::keyClick(level, Qt::Key_Down);  // spot the fault
        QCOMPARE(level->currentIndex(), 3);
        QTRY_VERIFY(m_window->exercise().problem().address() != before);
        bool hidden = false;
        for (int i = 0; i < 30; ++i, button(u"Next problem"_s)->click()) {
            QCOMPARE(m_window->inputs(Question::network)[0]->isVisible(), asks(Question::network));
            hidden = hidden || !asks(Question::network);
        }
        QVERIFY(hidden);
    }

    // "Print worksheet…" to a PDF file, read back by pdftotext: the seed's problems under the
    // window's classes, each whole on its page (its heading, then a line a question), then the key.
    void printWorksheet() {
        const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
        if (pdftotext.isEmpty()) QSKIP("pdftotext is missing");
        m_window->findChildren<QCheckBox*>()[0]->click();  // classes B and C
        QTemporaryDir folder;
        const QString pdf = folder.filePath(u"sheet.pdf"_s);
        QPdfWriter writer(pdf);
        m_window->printWorksheet(writer, true);
        QProcess reader;
        reader.start(pdftotext, {pdf, u"-"_s});
        QVERIFY(reader.waitForFinished());
        const QString text = QString::fromUtf8(reader.readAllStandardOutput());
        const qsizetype key = text.indexOf(u"\fAnswer key"_s);
        QVERIFY(key > 0);
        const QRegularExpression problem(
            u"(Problem \\d+: IP address \\S+, subnet mask\\s+\\S+)\n((?:[^\f\n]*\n)*?)(?=Problem|\f|$)"_s);
        auto found = problem.globalMatch(text.left(key));
        ProblemGenerator drawn(42, PracticeOptions{"BC"});
        for (int number = 1; number <= sessionLength; ++number) {
            const auto match = found.next();
            const Problem p = drawn.next();
            QCOMPARE(match.captured(1).simplified(),
                     u"Problem %1: IP address %2, subnet mask %3"_s.arg(number).arg(
                         QString::fromStdString(p.address()), QString::fromStdString(p.mask())));
            QCOMPARE(match.captured(2).split(u'\n', Qt::SkipEmptyParts).size(),
                     qsizetype(Exercise(p, allQuestions).questions().size()));
        }
    }

    // Every control that takes focus, and every mark, has a name that a screen reader speaks.
    void namesForScreenReaders() {
        for (auto* widget : m_window->findChildren<QWidget*>()) {
            if (!widget->isVisible() || widget->focusPolicy() == Qt::NoFocus) continue;
            auto* accessible = QAccessible::queryAccessibleInterface(widget);
            QVERIFY2(accessible && !accessible->text(QAccessible::Name).isEmpty(),
                     qPrintable(widget->metaObject()->className()));
        }
        for (const Question q : allQuestions)
            QVERIFY(!m_window->mark(q)->accessibleName().isEmpty());
        // In a row of octets only the box with the focus is focused, not the row around it.
        QVERIFY(asks(Question::network));
        m_window->inputs(Question::network)[0]->setFocus();
        for (auto* widget : m_window->findChildren<QWidget*>())
            QVERIFY2(QAccessible::queryAccessibleInterface(widget)->state().focused ==
                         (widget == QApplication::focusWidget()),
                     qPrintable(widget->metaObject()->className()));
        // The lists are named by their captions, whatever they show; the choice is their value.
        for (auto* list : m_window->findChildren<QComboBox*>()) {
            list->setCurrentIndex(1);
            auto* accessible = QAccessible::queryAccessibleInterface(list);
            QCOMPARE(accessible->text(QAccessible::Name), list->accessibleName());
            QCOMPARE(accessible->text(QAccessible::Value), list->currentText());
            QCOMPARE(accessible->role(), QAccessible::ComboBox);
        }
    }
};

QTEST_MAIN(PracticeTest)
#include "practice_test.moc"
