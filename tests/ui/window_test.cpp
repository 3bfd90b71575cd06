// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The windows under the keyboard and the mouse, with real events through the window system layer
// (so that modality, focus and default buttons work as for a user): presses and Enter, the focus
// cycle, the output boxes, copy and paste of whole addresses, long status messages and the other
// windows. A window that nobody expected to open fails the test instead of hanging it. The
// end-to-end test on a real desktop covers the input limit, the roles screen readers hear, About
// (modal, closed by OK) and Exit.
#include <QAccessible>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>

#include "report/text_report.h"
#include "tests/ui/main_window_test.h"

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

private slots:
    void initTestCase() {
        connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
                [this] { m_clipboard = QGuiApplication::clipboard()->text(); });
        watchModalWindows();
    }
    void init() { showMain(); }

    // A press through the window shows the engine's answer: the whole result that Ctrl+C (with
    // nothing selected), Ctrl+Shift+C and the context menu copy is what octaval-cli prints, of
    // the last press even when the inputs have changed since.
    void pressAndCopy() {
        pressIn(u"192.168.1.70/27"_s);
        const QString cli =
            QString::fromStdString(pressReport(pressOf(u"192.168.1.70/27"_s).boxes, false));
        key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);  // on the focused button
        QCOMPARE(copied(), cli);
        click(box(4));
        key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(copied(), cli);
        trigger(u"Copy results"_s);  // the context menu
        QCOMPARE(copied(), cli);
        key(Qt::Key_A, Qt::ControlModifier);  // a selection copies as usual
        key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(copied(), u"70");
        // After the inputs have changed, the result copied is still the last press's, whole.
        type(u"150"_s);
        key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(copied(), cli);
    }

    // An address or mask that goes in whole, by any way of pasting or dropping, fills its rows,
    // the address first, and presses nothing; anything else goes in as usual, three characters
    // at most. Pasted over a box's whole text, selected, or at its end.
    void paste_data() {
        QTest::addColumn<QString>("start");  // the inputs before
        QTest::addColumn<int>("box");
        QTest::addColumn<bool>("selected");  // the box's text, else the cursor at its end
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("inputs");  // after
        // clang-format off
        const QString fresh = u"0.0.0.0 255.255.255.0"_s, full = u"192.168.1.70 255.255.255.224"_s;
        QTest::newRow("address") << fresh << 2 << false << u"192.168.1.70"_s << u"192.168.1.70 255.255.255.0"_s;
        QTest::newRow("address and mask in blanks") << fresh << 4 << false << u"\u00a010.1.2.3\t255.255.0.0\n"_s << u"10.1.2.3 255.255.0.0"_s;
        QTest::newRow("prefix") << fresh << 5 << false << u"/20"_s << u"0.0.0.0 255.255.240.0"_s;
        QTest::newRow("letters") << fresh << 8 << false << u"abcde"_s << u"0.0.0.0 255.255.255.0ab"_s;
        QTest::newRow("part too long") << fresh << 1 << false << u"1000.1.1.1"_s << u"010.0.0.0 255.0.0.0"_s;
        // Over a selected box of three characters, whatever the pasted text begins with.
        QTest::newRow("over 192, address beginning with 192") << full << 1 << true << u"192.168.5.9"_s << u"192.168.5.9 255.255.255.0"_s;
        QTest::newRow("over 255, mask beginning with 255") << full << 7 << true << u"255.255.252.0"_s << u"192.168.1.70 255.255.252.0"_s;
        // clang-format on
    }
    void paste() {
        QFETCH(QString, start);
        QFETCH(int, box);
        QFETCH(bool, selected);
        QFETCH(QString, pasted);
        QFETCH(QString, inputs);
        // Each way inserts the clipboard's text where a user's paste would: over the selection,
        // or (a drop, which first lets go of the selection) where it is dropped, here before the
        // box's text or after it. Shift+Insert and the box's menu paste as Ctrl+V does.
        const std::function<void(QLineEdit*)> ways[] = {
            [this](QLineEdit*) { key(Qt::Key_V, Qt::ControlModifier); },
            [selected](QLineEdit* edit) {
                QMimeData data;
                data.setText(QGuiApplication::clipboard()->text());
                const QPoint at(selected ? 1 : edit->width() - 3, edit->height() / 2);
                QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
                QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
                QApplication::sendEvent(edit, &enter);
                QApplication::sendEvent(edit, &drop);
            },
            [](QLineEdit* edit) {  // an input method's commit
                QInputMethodEvent commit;
                commit.setCommitString(QGuiApplication::clipboard()->text());
                QApplication::sendEvent(edit, &commit);
            },
        };
        for (const auto& way : ways) {
            init();
            typeIn(start);
            QGuiApplication::clipboard()->setText(pasted);
            click(this->box(box));
            key(selected ? Qt::Key_A : Qt::Key_End,
                selected ? Qt::ControlModifier : Qt::NoModifier);
            way(this->box(box));
            QTRY_COMPARE(this->inputs(), inputs);
            QCOMPARE(this->box(9)->text(), QString());  // nothing pressed
        }
    }

    // A dot typed after a box's digits moves on to the next box; elsewhere it is a character.
    void dotMovesOn_data() {
        QTest::addColumn<QString>("typed");  // into the first box; "<": Left
        QTest::addColumn<QString>("inputs");
        QTest::newRow("address") << u"192.168.1.1"_s << u"192.168.1.1 255.255.255.0"_s;
        QTest::newRow("two octets") << u"10.1"_s << u"10.1.0.0 255.0.0.0"_s;
        QTest::newRow("dot inside the digits") << u"15<."_s << u"1.5.0.0.0 255.0.0.0"_s;
    }
    void dotMovesOn() {
        QFETCH(QString, typed);
        QFETCH(QString, inputs);
        key(Qt::Key_A, Qt::ControlModifier);
        type(typed);
        QCOMPARE(this->inputs(), inputs);
    }

    // A message longer than the status box reads from its first word, and is there whole for the
    // mouse and for screen readers.
    void longStatus() {
        QLineEdit* status = m_main->box(Box::Text21);
        // Narrower than the message with any platform's fonts, as it is at the window's size with
        // some of them.
        const QSize size = status->size();
        status->resize(status->fontMetrics().averageCharWidth() * 12, size.height());
        pressIn(u"200.1.2.0/24"_s);
        QCOMPARE(status->cursorPositionAt(QPoint(0, status->height() / 2)), 0);
        QCOMPARE(status->toolTip(), status->text());
        QCOMPARE(status->accessibleDescription(), status->text());
        status->resize(size);
    }

    // Tab walks the input boxes, the buttons and the status box (the output boxes, disabled, take
    // neither the focus nor keys, and look apart: ui_look); Enter in a box presses "Recalculate".
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

    // Each of the program's windows opens beside the main window, not modal over it, and is
    // announced as a window (the accessibility bus's frame); opened again it is the same window.
    // The output boxes name the shortcuts of the windows that they open.
    void windowsAnnounced() {
        for (QAction* action : m_main->actions()) {
            if (!action->text().endsWith(u'\u2026')) continue;  // the actions that open a window
            QVERIFY2(box(9)->toolTip().contains(action->shortcut().toString()),
                     qPrintable(action->text()));
            QWidget* window = nullptr;
            for (int time = 0; time < 2; ++time) {
                action->trigger();
                QTRY_VERIFY(QApplication::activeWindow() != m_main.get());
                QVERIFY(!window || QApplication::activeWindow() == window);
                window = QApplication::activeWindow();
                QVERIFY(!window->isModal());
                m_main->activateWindow();
                QTRY_COMPARE(QApplication::activeWindow(), m_main.get());
            }
            QCOMPARE(QAccessible::queryAccessibleInterface(window)->role(), QAccessible::Window);
        }
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
