// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers for the window tests: real mouse and key events through the window system layer (so
// that modality, focus and default buttons work as for a user), and a watch that fails a test
// instead of letting it hang when a modal window appears.

#include <QApplication>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <deque>
#include <functional>
#include <memory>

#include "ui/frm_main.h"

namespace octaval::test {

/// Clicks the middle of a widget, as the mouse does, through its top-level window.
inline void click(QWidget* widget) {
    QWidget* window = widget->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      widget->mapTo(window, widget->rect().center()));
}

/// Presses and releases a key in a window; the window's focus widget receives it.
inline void press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(window->windowHandle(), key, modifiers);
}

/// Types plain ASCII text, one key at a time, into a window's focus widget.
inline void type(QWidget* window, const QString& text) {
    for (QChar c : text)
        QTest::keyClick(window->windowHandle(), c.toLatin1());
}

/// Clicks into a box, selects everything and types `text` over it (an empty text deletes).
inline void fill(QLineEdit* box, const QString& text) {
    QWidget* window = box->window();
    click(box);
    press(window, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        press(window, Qt::Key_Backspace);
    else
        type(window, text);
}

/// The objectName of the focus widget, or "(none)".
inline QString focusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("(none)");
}

/// Runs a handler on each window that a test expects to open over the window under test (a
/// modal one, or any other new top-level window). A window that no test expected, or one that its
/// handler leaves open, is closed and reported, so that nothing hangs.
class ModalWatch final : public QObject {
public:
    using Handler = std::function<void(QWidget* modal)>;

    /// Watches for windows other than `known`.
    explicit ModalWatch(const QWidget* known) : m_known(known) {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, &ModalWatch::poll);
        m_timer.start();
    }

    /// The next modal window goes to `handler`.
    void expect(Handler handler) { m_handlers.push_back(std::move(handler)); }

    int handled() const { return m_handled; }
    /// Names of modal windows nobody expected or that stayed open after their handler.
    const QStringList& problems() const { return m_problems; }

private:
    QWidget* newWindow() const {
        if (QWidget* modal = QApplication::activeModalWidget()) return modal;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window != m_known && window->isVisible()) return window;
        return nullptr;
    }

    void poll() {
        if (m_busy) return;
        QWidget* modal = newWindow();
        if (!modal) return;
        m_busy = true;  // a handler may run nested event loops
        if (m_handlers.empty()) {
            m_problems << QStringLiteral("unexpected ") + modal->objectName();
        } else {
            Handler handler = std::move(m_handlers.front());
            m_handlers.pop_front();
            handler(modal);
            ++m_handled;
        }
        if (newWindow() == modal) {
            m_problems << QStringLiteral("left open ") + modal->objectName();
            modal->close();
        }
        m_busy = false;
    }

    const QWidget* m_known;
    QTimer m_timer;
    std::deque<Handler> m_handlers;
    int m_handled = 0;
    QStringList m_problems;
    bool m_busy = false;
};

/// A fresh, active main window for each test function, watched for windows that open over it.
/// Test classes derive from it; its init() and cleanup() run around each of their tests.
class MainWindowFixture : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<frmMain> m_window;
    std::unique_ptr<ModalWatch> m_watch;

private Q_SLOTS:
    void init() {
        m_window = std::make_unique<frmMain>();
        m_watch = std::make_unique<ModalWatch>(m_window.get());
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void cleanup() {
        QCOMPARE(m_watch->problems(), QStringList());
        m_watch.reset();
        m_window.reset();
    }
};

/// The output and status boxes in the order that tables of expected texts use.
inline constexpr Box outputBoxes[] = {
    Box::Text9,  Box::Text10, Box::Text11, Box::Text12, Box::Text13, Box::Text14, Box::Text15,
    Box::Text16, Box::Text17, Box::Text18, Box::Text19, Box::Text20, Box::Text21, Box::Text26,
    Box::Text27, Box::Text28, Box::Text29, Box::Text30, Box::Text31, Box::Text32, Box::Text33};

/// The texts of a list of boxes.
template <typename Boxes>
QStringList textsOf(const frmMain& window, const Boxes& boxes) {
    QStringList texts;
    for (Box b : boxes)
        texts << window.box(b)->text();
    return texts;
}

inline QStringList inputTexts(const frmMain& window) {
    return textsOf(window,
                   std::initializer_list<Box>{Box::Text1, Box::Text2, Box::Text3, Box::Text4,
                                              Box::Text5, Box::Text6, Box::Text7, Box::Text8});
}

inline QStringList maskTexts(const frmMain& window) {
    return textsOf(window,
                   std::initializer_list<Box>{Box::Text5, Box::Text6, Box::Text7, Box::Text8});
}

}  // namespace octaval::test
