// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Practice window under the keyboard: answers typed and pasted, marked in words against the
// engine, the session's score, the options, the working requested, and its opening from the main
// window by Ctrl+P beside a main window that stays usable.
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "ui/frm_main.h"
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

    // Right, wrong and unanswered, each marked in words (the end-to-end test hears a mark as its
    // box's description); only the first check of a problem counts in the score, and the next
    // problem starts afresh.
    void marksAndScore() {
        QCOMPARE(m_window->windowTitle(), u"Practice");
        const auto& asked = m_window->exercise().questions();
        QVERIFY(asked.size() > 3);
        type(m_window->inputs(Question::classLetter)[0], expected(Question::classLetter).toLower());
        type(m_window->inputs(Question::hosts)[0], u"12345"_s);
        // A whole address pasted into one octet box, blanks around it, fills the four.
        QGuiApplication::clipboard()->setText(u" "_s + expected(Question::network) + u"\n"_s);
        m_window->inputs(Question::network)[2]->setFocus();
        QTest::keySequence(m_window->inputs(Question::network)[2], QKeySequence::Paste);
        QTRY_COMPARE(m_window->inputs(Question::network)[0]->text(),
                     expected(Question::network).section(u'.', 0, 0));
        // An octet box takes three characters of what is typed into it, as of anything else.
        type(m_window->inputs(Question::broadcast)[0], u"2555"_s);
        QCOMPARE(m_window->inputs(Question::broadcast)[0]->text(), u"255");
        QTest::keyClick(m_window.get(), Qt::Key_Return);  // Check
        QCOMPARE(mark(Question::classLetter), u"right");
        QCOMPARE(mark(Question::network), u"right");
        QCOMPARE(mark(Question::hosts), u"wrong, expected "_s + expected(Question::hosts));
        QCOMPARE(mark(Question::status), u"wrong, expected "_s + expected(Question::status));
        const QString score = u"Score: 2 of %1 right"_s.arg(asked.size());
        QCOMPARE(m_window->score()->text(), score);

        m_window->inputs(Question::hosts)[0]->clear();
        type(m_window->inputs(Question::hosts)[0], expected(Question::hosts));
        m_window->statusChoice()->setCurrentText(expected(Question::status));
        QTest::keyClick(m_window.get(), Qt::Key_Return);
        QCOMPARE(mark(Question::hosts), u"right");
        QCOMPARE(mark(Question::status), u"right");
        QCOMPARE(m_window->score()->text(), score);

        const QString before = QString::fromStdString(m_window->exercise().problem().address());
        button(u"Next problem"_s)->click();
        QVERIFY(QString::fromStdString(m_window->exercise().problem().address()) != before);
        QCOMPARE(mark(Question::classLetter), QString());
        QCOMPARE(m_window->inputs(Question::classLetter)[0]->text(), QString());
        QCOMPARE(m_window->score()->text(), score);
    }

    // The octet boxes are the main window's (AddressEdit): a whole address pasted over a full box,
    // selected, fills the four, even where it begins like the box's text.
    void pasteOverSelection() {
        const auto& boxes = m_window->inputs(Question::network);
        type(boxes[0], u"192"_s);
        QTest::keyClick(boxes[0], Qt::Key_A, Qt::ControlModifier);
        QGuiApplication::clipboard()->setText(u"192.168.5.9"_s);
        QTest::keySequence(boxes[0], QKeySequence::Paste);
        QTRY_COMPARE(boxes[3]->text(), u"9");
        QCOMPARE(boxes[0]->text() + boxes[1]->text() + boxes[2]->text(), u"1921685");
    }

    // Only the classes chosen; the last one cannot be unchecked. Questions the press does not
    // answer are hidden.
    void options() {
        auto boxes = m_window->findChildren<QCheckBox*>();
        QCOMPARE(boxes.size(), 3);
        boxes[0]->click();
        boxes[1]->click();
        boxes[2]->click();  // refused: no class would be left
        QVERIFY(boxes[2]->isChecked());
        for (int i = 0; i < 20; ++i, button(u"Next problem"_s)->click())
            QCOMPARE(expected(Question::classLetter), u"C");
        m_window->findChild<QComboBox*>()->setCurrentIndex(3);  // spot the fault
        bool hidden = false;
        for (int i = 0; i < 30; ++i, button(u"Next problem"_s)->click()) {
            const auto& asked = m_window->exercise().questions();
            const bool network =
                std::find(asked.begin(), asked.end(), Question::network) != asked.end();
            QCOMPARE(m_window->inputs(Question::network)[0]->isVisible(), network);
            hidden = hidden || !network;
        }
        QVERIFY(hidden);
    }

    void workingRequested() {
        AddressTexts requested;
        connect(m_window.get(), &frmPractice::workingRequested, this,
                [&](const AddressTexts& inputs) { requested = inputs; });
        button(u"Show the working"_s)->click();
        QCOMPARE(requested.address, m_window->exercise().problem().inputs.address);
        QCOMPARE(requested.mask, m_window->exercise().problem().inputs.mask);
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
    }

    // Ctrl+P opens the window beside the main window, not modal over it; a second Ctrl+P brings
    // back the same window.
    void openedByCtrlP() {
        m_window.reset();
        frmMain main;
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QTest::keyClick(main.windowHandle(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(main.practice() && main.practice()->isVisible());
        QVERIFY(!main.practice()->isModal());
        frmPractice* first = main.practice();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QTest::keyClick(main.windowHandle(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(main.practice(), first);
    }
};

QTEST_MAIN(PracticeTest)
#include "practice_test.moc"
