// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The windows under the keyboard and the mouse, with real events through the window system layer
// (so that modality, focus and default buttons work as for a user): presses and Enter, the focus
// cycle, the input limit, the output boxes, the natural mask, copy and paste of whole addresses,
// long status messages, what screen readers are told, About and Exit. A window that nobody expected
// to open fails the test instead of hanging it.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <memory>

#include "report/press.h"
#include "ui/frm_main.h"
#include "ui/qt_text.h"

using namespace octaval;
using namespace Qt::StringLiterals;

static void click(QWidget* widget, bool twice = false) {
    const QPoint centre = widget->mapTo(widget->window(), widget->rect().center());
    QTest::mouseClick(widget->window()->windowHandle(), Qt::LeftButton, {}, centre);
    if (twice) QTest::mouseDClick(widget->window()->windowHandle(), Qt::LeftButton, {}, centre);
}

class WindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmMain> m_window;
    std::function<void(QWidget*)> m_expected;  // the next window to open over the main window
    QTimer m_watch;
    QString m_clipboard;  // what was last put on the clipboard

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(m_window->windowHandle(), key, modifiers);
    }
    /// Types the characters one by one into whichever box has the focus; "<" is the Left key.
    void type(const QString& text) {
        for (QChar c : text)
            QTest::keyClick(m_window->windowHandle(),
                            c == u'<' ? Qt::Key_Left : Qt::Key(c.unicode()));
    }
    QLineEdit* box(int n) const { return m_window->box(boxNumber(n)); }
    QWidget* child(const char* n) { return m_window->findChild<QWidget*>(QString::fromLatin1(n)); }
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
        // A modal window goes to the handler that the test expects; one that nobody expected, or
        // that its handler leaves open, is closed and fails the test.
        connect(&m_watch, &QTimer::timeout, this, [this] {
            QWidget* window = QApplication::activeModalWidget();
            if (!window) return;
            m_watch.stop();  // a handler runs nested event loops
            const auto handler = std::exchange(m_expected, nullptr);
            if (handler) handler(window);
            const bool leftOpen = window->isVisible();
            window->close();
            m_watch.start();
            QVERIFY2(handler && !leftOpen, qPrintable(window->objectName()));
        });
        m_watch.start(10);
    }
    void init() {
        m_window = std::make_unique<frmMain>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup() { QVERIFY(!m_expected); }

    // A press through the window shows the engine's answer: the whole result that Ctrl+C (with
    // nothing selected), Ctrl+Shift+C and the context menu copy is what octaval-cli prints.
    void pressAndCopy() {
        setInputs(*m_window, {"192", "168", "1", "70"}, {"255", "255", "255", "224"});
        click(child("Command1"));
        const QString cli = QString::fromStdString(
            pressReport(press(*parseAddressText("192.168.1.70 255.255.255.224")).boxes, false));
        key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);  // on the focused button
        QCOMPARE(copied(), cli);
        click(box(4));
        key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(copied(), cli);
        QCOMPARE(m_window->actions().value(0)->text(), u"Copy results");  // the context menu
        m_window->actions().value(0)->trigger();
        QCOMPARE(copied(), cli);
        key(Qt::Key_A, Qt::ControlModifier);  // a selection copies as usual
        key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(copied(), u"70");
    }

    // The result copied after the inputs have changed is still the last press's, whole.
    void copyIsOneCalculation() {
        setInputs(*m_window, {"10", "1", "2", "3"}, {"255", "255", "255", "254"});
        key(Qt::Key_Return);
        click(box(1));
        key(Qt::Key_A, Qt::ControlModifier);
        type(u"150"_s);
        key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(copied(), QString::fromStdString(pressReport(
                               press(*parseAddressText("10.1.2.3 255.255.255.254")).boxes, false)));
    }

    // An address or mask that goes in whole, by any way of pasting or dropping, fills its rows,
    // the address first, and presses nothing; anything else goes in as usual, three characters
    // at most. Row: box | pasted | inputs after.
    void paste() {
        const QString rows[] = {
            u"2|192.168.1.70|192.168.1.70 255.255.255.0"_s,
            u"1|172.31.1.1/16|172.31.1.1 255.255.0.0"_s,
            u"4| 10.1.2.3\t255.255.0.0\n|10.1.2.3 255.255.0.0"_s,
            u"7|255.255.255.252|0.0.0.0 255.255.255.252"_s,
            u"5|/20|0.0.0.0 255.255.240.0"_s,
            u"8|abcde|0.0.0.0 255.255.255.0ab"_s,
            u"1|1000.1.1.1|010.0.0.0 255.0.0.0"_s,
            u"3|98765|0.0.098.0 255.255.255.0"_s,
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
        for (const char* given :
             {"200.1.2.0 255.255.255.0", "150.1.1.1 0.0.0.0", "172.16.5.9 255.255.240.0"}) {
            const AddressTexts inputs = *parseAddressText(given);
            for (int k = 1; k <= 4; ++k) {
                m_window->setText(octetBox(Box::Text1, k), inputs.address[std::size_t(k - 1)]);
                m_window->setText(octetBox(Box::Text5, k), (*inputs.mask)[std::size_t(k - 1)]);
            }
            key(Qt::Key_Return);
            QLineEdit* status = m_window->box(Box::Text21);
            const QString message = toQString(press(inputs).boxes.text(Box::Text21));
            QCOMPARE(status->text(), message);
            QCOMPARE(status->cursorPositionAt(QPoint(0, status->height() / 2)), 0);
            QCOMPARE(status->toolTip(), message);
            QCOMPARE(status->accessibleDescription(), message);
        }
    }

    // Screen readers hear an application's window, and editable text only where it is taken.
    void accessibleRoles() {
        QCOMPARE(QAccessible::queryAccessibleInterface(m_window.get())->role(),
                 QAccessible::Window);
        for (Box b : allBoxes) {
            const bool takesText = numberOf(b) <= 8 || b == Box::Text21;
            const QAccessible::State state =
                QAccessible::queryAccessibleInterface(m_window->box(b))->state();
            QCOMPARE(bool(state.readOnly), !takesText);
        }
    }

    // Tab walks the input boxes, the buttons and the status box; Enter in a box presses
    // "Recalculate".
    void keyboard() {
        setInputs(*m_window, {"10", "1", "2", "3"}, {"255", "0", "0", "0"});
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
            click(m_window->box(b), true);
            key(Qt::Key_5);
            QCOMPARE(QApplication::focusWidget(), box(1));
            QCOMPARE(m_window->box(b)->text(), QString());
            QVERIFY(!m_window->box(b)->hasSelectedText());
        }
    }

    // The mask follows each change of the first octet; a fourth character is refused.
    void maskFollowsFirstOctet() {
        key(Qt::Key_Backspace);
        QString steps;  // the first octet and the mask's second octet after each key
        for (auto k : {Qt::Key_1, Qt::Key_9, Qt::Key_2, Qt::Key_3, Qt::Key_Backspace}) {
            key(k);
            steps += box(1)->text() + u'/' + box(6)->text() + u' ';
        }
        QCOMPARE(steps, u"1/0 19/0 192/255 192/255 19/0 ");
    }

    // About opens modal (the watch sees only modal windows) over an inert main window, closes by
    // OK and by Escape, and looks the same the second time; the main window's boxes stay as they
    // were.
    void about() {
        QImage first;
        for (auto close : {+[](QWidget* about) { click(about->findChild<QPushButton*>()); },
                           +[](QWidget* about) { QTest::keyClick(about, Qt::Key_Escape); }}) {
            m_expected = [&](QWidget* about) {
                if (first.isNull()) first = about->grab().toImage();
                QCOMPARE(about->grab().toImage(), first);
                click(child("Command2"));  // the main window takes neither clicks nor keys
                key(Qt::Key_9);
                close(about);
            };
            click(child("Command3"));
            QVERIFY(!m_expected);
            QCOMPARE(inputs(), u"0.0.0.0 255.255.255.0");
        }
    }

    void exitEndsEventLoop() {
        QTimer::singleShot(0, this, [this] { click(child("Command2")); });
        QTimer::singleShot(5000, this, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
