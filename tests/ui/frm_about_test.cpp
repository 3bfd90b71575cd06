// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The About window and the ways out of the program: About, OK, About again; the main window
// inert meanwhile; Exit and closing the main window ending the event loop.
#include <QLabel>
#include <QPushButton>
#include "resources/version.h"

#include "tests/ui/window_test_support.h"
#include "ui/frm_about.h"

using octaval::Box;
using namespace octaval::test;

class FrmAboutTest : public MainWindowFixture {
    Q_OBJECT

private:
    QPushButton* mainButton(const char* name) const {
        return m_window->findChild<QPushButton*>(QString::fromLatin1(name));
    }

    // Runs the event loop until the program would end; false if it had to be stopped.
    bool runUntilQuit(const std::function<void()>& action) {
        QTimer::singleShot(0, m_window.get(), action);
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        guard.start(5000);
        return QCoreApplication::exec() == 0 && guard.isActive();
    }

private slots:
    void aboutOkAboutAgain() {
        fill(m_window->box(Box::Text1), QStringLiteral("10"));
        click(mainButton("Command1"));
        // A press of "Recalculate" would replace this.
        fill(m_window->box(Box::Text21), QStringLiteral("typed"));
        const QStringList before = textsOf(*m_window, octaval::allBoxes);

        QImage first;
        m_watch->expect([&](QWidget* about) {
            QCOMPARE(about->objectName(), QStringLiteral("frmAbout"));
            QCOMPARE(about->windowTitle(), QStringLiteral("About"));
            QCOMPARE(about->size(), QSize(254, 245));
            QCOMPARE(about->minimumSize(), about->maximumSize());
            QVERIFY(!(about->windowFlags() & Qt::WindowMinimizeButtonHint));
            QVERIFY(!(about->windowFlags() & Qt::WindowMaximizeButtonHint));
            QVERIFY(about->isModal());
            QCOMPARE(about->findChild<QLabel*>(QStringLiteral("Label3"))->text(),
                     QStringLiteral("Octaval %1.%2 calculates subnet and broadcast address via "
                                    "given IP address and subnet mask.")
                         .arg(OCTAVAL_VERSION_MAJOR)
                         .arg(OCTAVAL_VERSION_MINOR));
            QVERIFY(!about->findChild<QLabel*>(QStringLiteral("Picture1"))->pixmap().isNull());
            first = about->grab().toImage();
            // The main window takes neither clicks nor keys meanwhile.
            click(mainButton("Command2"));
            click(mainButton("Command1"));
            press(m_window.get(), Qt::Key_Return);
            type(m_window.get(), QStringLiteral("99"));
            QVERIFY(about->isVisible());
            click(about->findChild<QPushButton*>(QStringLiteral("Command1")));
            QVERIFY(!about->isVisible());
        });
        click(mainButton("Command3"));
        QCOMPARE(m_watch->handled(), 1);
        QCOMPARE(textsOf(*m_window, octaval::allBoxes), before);

        m_watch->expect([&](QWidget* about) {
            QCOMPARE(about->grab().toImage(), first);
            click(about->findChild<QPushButton*>(QStringLiteral("Command1")));
        });
        click(mainButton("Command3"));
        QCOMPARE(m_watch->handled(), 2);
        QCOMPARE(textsOf(*m_window, octaval::allBoxes), before);
    }

    void aboutClosedByItsFrame() {
        m_watch->expect([](QWidget* about) { QVERIFY(about->close()); });
        click(mainButton("Command3"));
        QCOMPARE(m_watch->handled(), 1);
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_window->findChildren<octaval::frmAbout*>(), QList<octaval::frmAbout*>());
    }

    void exitEndsEventLoop() {
        fill(m_window->box(Box::Text1), QStringLiteral("10"));
        QVERIFY(runUntilQuit([this] { click(mainButton("Command2")); }));
    }

    void closingMainWindowEndsEventLoop() {
        QVERIFY(runUntilQuit([this] { QVERIFY(m_window->close()); }));
        QVERIFY(!m_window->isVisible());
    }
};

QTEST_MAIN(FrmAboutTest)
#include "frm_about_test.moc"
