// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The windows under the keyboard and the mouse, with real events through the window system layer
// (so that modality, focus and default buttons work as for a user): presses and Enter, the focus
// cycle, the output boxes, copy and paste of whole addresses, long status messages and About. A
// window that nobody expected to open fails the test instead of hanging it. The end-to-end test
// on a real desktop covers the natural mask, the input limit, the roles screen readers hear,
// typing under About, and Exit.
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

#include "report/text_report.h"
#include "tests/ui/main_window_test.h"
#include "ui/qt_text.h"

using namespace octaval;
using namespace Qt::StringLiterals;

class WindowTest : public MainWindowTest {
    Q_OBJECT

    QString m_clipboard;  // what was last put on the clipboard

    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
        octaval::key(m_main.get(), k, modifiers);
    }
    /// Types the characters one by one into whichever box has the focus; "<" is the Left key.
    void type(const QString& text) {
        for (QChar c : text)
            key(c == u'<' ? Qt::Key_Left : Qt::Key(c.unicode()));
    }
    QLineEdit* box(int n) const { return m_main->box(boxNumber(n)); }
    QWidget* child(const char* n) { return m_main->findChild<QWidget*>(QString::fromLatin1(n)); }
    /// What the last copy put on the clipboard, once its notice came (on Windows, a message).
    QString copied() {
        if (!QTest::qWaitFor([this] { return !m_clipboard.isEmpty(); })) return {};
        return std::exchange(m_clipboard, {});
    }
    /// The address and the mask as the boxes show them, "0.0.0.0 255.255.255.0".
    QString inputs() const {
        QStringList octets;
        for (int n = 1; n <= 8; ++n)
            octets << box(n)->text();
        return octets.mid(0, 4).join(u'.') + u' ' + octets.mid(4).join(u'.');
    }
    static QString report(const QString& inputs) {
        return QString::fromStdString(pressReport(pressOf(inputs).boxes, false));
    }

private slots:
    void initTestCase() {
        connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
                [this] { m_clipboard = QGuiApplication::clipboard()->text(); });
        watchModalWindows();
    }
    void init() { showMain(); }
    void cleanup() { QVERIFY(!m_expected); }

    // A press through the window shows the engine's answer: the whole result that Ctrl+C (with
    // nothing selected), Ctrl+Shift+C and the context menu copy is what octaval-cli prints.
    void pressAndCopy() {
        pressIn(u"192.168.1.70/27"_s);
        const QString cli = report(u"192.168.1.70/27"_s);
        key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);  // on the focused button
        QCOMPARE(copied(), cli);
        click(box(4));
        key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(copied(), cli);
        QCOMPARE(m_main->actions().value(0)->text(), u"Copy results");  // the context menu
        m_main->actions().value(0)->trigger();
        QCOMPARE(copied(), cli);
        key(Qt::Key_A, Qt::ControlModifier);  // a selection copies as usual
        key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(copied(), u"70");
    }

    // The result copied after the inputs have changed is still the last press's, whole.
    void copyIsOneCalculation() {
        pressIn(u"10.1.2.3/31"_s);
        click(box(1));
        key(Qt::Key_A, Qt::ControlModifier);
        type(u"150"_s);
        key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(copied(), report(u"10.1.2.3/31"_s));
    }

    // An address or mask that goes in whole, by any way of pasting or dropping, fills its rows,
    // the address first, and presses nothing; anything else goes in as usual, three characters
    // at most. Row: box | pasted | inputs after.
    void paste() {
        const QString rows[] = {
            u"2|192.168.1.70|192.168.1.70 255.255.255.0"_s,
            u"4| 10.1.2.3\t255.255.0.0\n|10.1.2.3 255.255.0.0"_s,
            u"5|/20|0.0.0.0 255.255.240.0"_s,
            u"8|abcde|0.0.0.0 255.255.255.0ab"_s,
            u"1|1000.1.1.1|010.0.0.0 255.0.0.0"_s,
        };
        const std::function<void(QLineEdit*)> ways[] = {
            [this](QLineEdit*) { key(Qt::Key_V, Qt::ControlModifier); },
            [this](QLineEdit*) { key(Qt::Key_Insert, Qt::ShiftModifier); },
            [](QLineEdit* box) {
                const std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
                for (QAction* action : menu->actions())
                    if (action->text().startsWith(u"&Paste")) action->trigger();
            },
            [](QLineEdit* box) {  // dragged in and dropped at the end of the box's text
                QMimeData data;
                data.setText(QGuiApplication::clipboard()->text());
                const QPoint end(box->width() - 3, box->height() / 2);
                QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, {});
                QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, {});
                QApplication::sendEvent(box, &enter);
                QApplication::sendEvent(box, &drop);
            },
        };
        for (const QString& row : rows)
            for (const auto& paste : ways) {
                const QStringList fields = row.split(u'|');
                init();
                QGuiApplication::clipboard()->setText(fields[1]);
                click(box(fields[0].toInt()));
                key(Qt::Key_End);
                paste(box(fields[0].toInt()));
                QTRY_COMPARE(inputs(), fields[2]);
                QCOMPARE(box(9)->text(), QString());  // nothing pressed
            }
    }

    // A dot typed after a box's digits moves on to the next box; elsewhere it is a character.
    // Row: typed into the first box ("<": Left) | inputs after.
    void dotMovesOn() {
        for (const QString& row : {u"192.168.1.1|192.168.1.1 255.255.255.0"_s,
                                   u"10.1|10.1.0.0 255.0.0.0"_s, u"15<.|1.5.0.0.0 255.0.0.0"_s}) {
            init();
            key(Qt::Key_A, Qt::ControlModifier);
            type(row.section(u'|', 0, 0));
            QCOMPARE(inputs(), row.section(u'|', 1));
        }
    }

    // A message longer than the status box reads from its first word, and is there whole for the
    // mouse and for screen readers.
    void longStatus() {
        for (const QString& given :
             {u"200.1.2.0/24"_s, u"150.1.1.1 0.0.0.0"_s, u"172.16.5.9/20"_s}) {
            pressIn(given);
            QLineEdit* status = m_main->box(Box::Text21);
            const QString message = toQString(pressOf(given).boxes.text(Box::Text21));
            QCOMPARE(status->text(), message);
            QCOMPARE(status->cursorPositionAt(QPoint(0, status->height() / 2)), 0);
            QCOMPARE(status->toolTip(), message);
            QCOMPARE(status->accessibleDescription(), message);
        }
    }

    // Tab walks the input boxes, the buttons and the status box; Enter in a box presses
    // "Recalculate".
    void keyboard() {
        setInputs(*m_main, {"10", "1", "2", "3"}, {"255", "0", "0", "0"});
        for (auto name :
             u"Text1 Text2 Text3 Text4 Text5 Text6 Text7 Text8 Command2 Command3 "
             u"Command1 Text21 Text1"_s.split(u' ')) {
            QCOMPARE(QApplication::focusWidget()->objectName(), name);
            if (name.startsWith(u"Text")) {
                box(18)->clear();
                key(name == u"Text8" ? Qt::Key_Enter : Qt::Key_Return);
                QCOMPARE(box(18)->text(), u"8 bits, Class A");
            }
            key(Qt::Key_Tab);
        }
    }

    void outputBoxesTakeNothing() {
        for (Box b : allBoxes) {
            if (numberOf(b) <= 8 || b == Box::Text21) continue;
            click(m_main->box(b), true);
            key(Qt::Key_5);
            QCOMPARE(QApplication::focusWidget(), box(1));
            QCOMPARE(m_main->box(b)->text(), QString());
            QVERIFY(!m_main->box(b)->hasSelectedText());
        }
    }

    // About opens modal (the watch sees only modal windows), closes by OK and by Escape, and looks
    // the same the second time.
    void about() {
        QImage first;
        for (auto close : {+[](QWidget* about) { click(about->findChild<QPushButton*>()); },
                           +[](QWidget* about) { QTest::keyClick(about, Qt::Key_Escape); }}) {
            m_expected = [&](QWidget* about) {
                if (first.isNull()) first = about->grab().toImage();
                QCOMPARE(about->grab().toImage(), first);
                close(about);
            };
            click(child("Command3"));
            QVERIFY(!m_expected);
        }
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
