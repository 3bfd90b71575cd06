// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the tests of windows over the main window share: a fresh main window for each test, a
// watch that hands each modal window to the handler the test expects, presses typed as address
// text, and real clicks and keys through the window system layer.
#pragma once

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "report/press.h"
#include "ui/frm_main.h"

namespace octaval {

inline void click(QWidget* widget) {
    const QPoint centre = widget->mapTo(widget->window(), widget->rect().center());
    QTest::mouseClick(widget->window()->windowHandle(), Qt::LeftButton, {}, centre);
}

inline void key(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(window->windowHandle(), key, modifiers);
}

/// The press of "192.168.1.70/27" or "10.1.2.3 255.0.0.0" as the report layer makes it.
inline Press pressOf(const QString& inputs) {
    return press(*parseAddressText(inputs.toStdString()));
}

class MainWindowTest : public QObject {
protected:
    std::unique_ptr<frmMain> m_main;
    std::function<void(QWidget*)> m_expected;  // the next modal window
    QTimer m_watch;

    /// A modal window goes to the handler that the test expects, which closes it; one that nobody
    /// expected is closed and fails the test (so does one that its handler left open, next time).
    void watchModalWindows() {
        connect(&m_watch, &QTimer::timeout, this, [this] {
            QWidget* window = QApplication::activeModalWidget();
            if (!window) return;
            m_watch.stop();  // a handler runs nested event loops
            const auto handler = std::exchange(m_expected, nullptr);
            if (handler)
                handler(window);
            else
                window->close();
            m_watch.start();
            QVERIFY2(handler, qPrintable(window->objectName()));
        });
        m_watch.start(10);
    }
    void showMain() {
        m_main = std::make_unique<frmMain>();
        m_main->show();
        QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    }
    /// Types the inputs into the main window's boxes, the natural mask if none.
    void typeIn(const QString& inputs) {
        const AddressTexts t = *parseAddressText(inputs.toStdString());
        const auto m = t.maskOrNatural();
        setInputs(*m_main, {t.address[0], t.address[1], t.address[2], t.address[3]},
                  {m[0], m[1], m[2], m[3]});
    }
    /// Types the inputs and clicks "Recalculate".
    void pressIn(const QString& inputs) {
        typeIn(inputs);
        click(m_main->findChild<QPushButton*>(QStringLiteral("Command1")));
    }
    /// Triggers the main window's context menu action of that text.
    void trigger(const QString& text) {
        for (QAction* action : m_main->actions())
            if (action->text() == text) return action->trigger();
        QFAIL(qPrintable(text));
    }
};

}  // namespace octaval
