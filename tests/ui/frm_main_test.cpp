// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window under the keyboard and the mouse: start state, presses, input limits, Enter,
// the focus cycle, the natural mask while typing.
#include <QClipboard>
#include <QPushButton>
#include <QSignalSpy>

#include "tests/ui/window_test_support.h"

using octaval::Box;
using namespace octaval::test;

namespace {

const QStringList allBlank(21, QStringLiteral(" "));

QStringList blankWithStatus(const QString& status) {
    QStringList texts = allBlank;
    texts[12] = status;
    return texts;
}

}  // namespace

class FrmMainTest : public MainWindowFixture {
    Q_OBJECT

private:
    QLineEdit* box(Box b) const { return m_window->box(b); }
    QPushButton* button(const char* name) const {
        return m_window->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    void fillInputs(const QStringList& address, const QStringList& mask) {
        // The address first: its first octet rewrites the mask.
        for (int k = 1; k <= 4; ++k)
            fill(box(octaval::octetBox(Box::Text1, k)), address[k - 1]);
        for (int k = 1; k <= 4; ++k)
            fill(box(octaval::octetBox(Box::Text5, k)), mask[k - 1]);
    }

private slots:
    void startState() {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Octaval"));
        QCOMPARE(m_window->size(), QSize(231, 388));
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        const Qt::WindowFlags flags = m_window->windowFlags();
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QCOMPARE(inputTexts(*m_window),
                 QStringList({"0", "0", "0", "0", "255", "255", "255", "0"}));
        QStringList empty(21, QString());
        empty[12] = QStringLiteral("OK");
        QCOMPARE(textsOf(*m_window, outputBoxes), empty);
        QCOMPARE(focusName(), QStringLiteral("Text1"));
        QVERIFY(button("Command1")->isDefault());
    }

    void boxAttributes_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("right");
        QTest::addColumn<int>("maxLength");
        const int unlimited = QLineEdit().maxLength();
        for (int n = 1; n <= 8; ++n)
            QTest::addRow("Text%d", n) << n << true << true << 3;
        for (int n : {9, 10, 11, 12, 13, 14, 15, 16, 17, 26, 27, 28, 29, 30, 31, 32, 33})
            QTest::addRow("Text%d", n) << n << false << true << unlimited;
        for (int n : {18, 19, 20})
            QTest::addRow("Text%d", n) << n << false << false << unlimited;
        QTest::addRow("Text21") << 21 << true << false << unlimited;
    }

    void boxAttributes() {
        QFETCH(int, number);
        QFETCH(bool, enabled);
        QFETCH(bool, right);
        QFETCH(int, maxLength);
        QLineEdit* b = box(octaval::boxNumber(number));
        QCOMPARE(b->isEnabled(), enabled);
        QCOMPARE(bool(b->alignment() & Qt::AlignRight), right);
        QCOMPARE(b->maxLength(), maxLength);
        QCOMPARE(b->focusPolicy() != Qt::NoFocus && b->isEnabled(), enabled);
    }

    void press_data() {
        QTest::addColumn<QStringList>("address");
        QTest::addColumn<QStringList>("mask");
        QTest::addColumn<QStringList>("outputs");  // Text9..Text21, Text26..Text33
        QTest::addRow("class C with subnets")
            << QStringList{"192", "168", "1", "70"} << QStringList{"255", "255", "255", "224"}
            << QStringList{"192",
                           "168",
                           "1",
                           "64",
                           "192",
                           "168",
                           "1",
                           "95",
                           "C",
                           "24 bits, Class C",
                           "3 bits, 6 subnets",
                           "5 bits, 30 hosts",
                           "OK",
                           "192",
                           "168",
                           "1",
                           "32",
                           "192",
                           "168",
                           "1",
                           "192"};
        QTest::addRow("class B, subnet all ones")
            << QStringList{"130", "1", "255", "1"} << QStringList{"255", "255", "255", "0"}
            << QStringList{"130",
                           "1",
                           "255",
                           "0",
                           "130",
                           "1",
                           "255",
                           "255",
                           "B",
                           "16 bits, Class B",
                           "8 bits, 254 subnets",
                           "8 bits, 254 hosts",
                           "Illegal subnet (all ones)",
                           "130",
                           "1",
                           "1",
                           "0",
                           "130",
                           "1",
                           "254",
                           "0"};
        QTest::addRow("class A without subnets")
            << QStringList{"10", "1", "2", "3"} << QStringList{"255", "0", "0", "0"}
            << QStringList{"10",
                           "0",
                           "0",
                           "0",
                           "10",
                           "255",
                           "255",
                           "255",
                           "A",
                           "8 bits, Class A",
                           "0 bits, no subnets",
                           "24 bits, 16777214 hosts",
                           "OK",
                           " ",
                           " ",
                           " ",
                           " ",
                           " ",
                           " ",
                           " ",
                           " "};
        QStringList noHosts = blankWithStatus(QStringLiteral("No host(s)"));
        const QStringList address{"200", "1", "2", "3"};
        for (int k = 0; k < 4; ++k)
            noHosts[k] = noHosts[4 + k] = address[k];
        noHosts[8] = QStringLiteral("C");
        QTest::addRow("no hosts") << address << QStringList{"255", "255", "255", "255"} << noHosts;
        QTest::addRow("illegal address")
            << QStringList{"0", "1", "1", "1"} << QStringList{"255", "255", "255", "0"}
            << blankWithStatus(QStringLiteral("Illegal IP address"));
        QTest::addRow("mask versus class")
            << QStringList{"150", "1", "1", "1"} << QStringList{"254", "0", "0", "0"}
            << blankWithStatus(QStringLiteral("Illegal subnet mask versus network class"));
    }

    void press() {
        QFETCH(QStringList, address);
        QFETCH(QStringList, mask);
        QFETCH(QStringList, outputs);
        fillInputs(address, mask);
        click(button("Command1"));
        QCOMPARE(textsOf(*m_window, outputBoxes), outputs);
        QCOMPARE(inputTexts(*m_window), address + mask);
    }

    void threeCharacters() {
        fill(box(Box::Text2), QStringLiteral("1234"));
        QCOMPARE(box(Box::Text2)->text(), QStringLiteral("123"));
        // Pasting after the "0" of Text3 keeps only what fits.
        QGuiApplication::clipboard()->setText(QStringLiteral("98765"));
        click(box(Box::Text3));
        octaval::test::press(m_window.get(), Qt::Key_End);
        octaval::test::press(m_window.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box(Box::Text3)->text(), QStringLiteral("098"));
        // A fourth character typed into a full mask box is refused.
        click(box(Box::Text6));
        octaval::test::press(m_window.get(), Qt::Key_End);
        type(m_window.get(), QStringLiteral("7"));
        QCOMPARE(box(Box::Text6)->text(), QStringLiteral("255"));
    }

    void enterPresses_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addRow("Return in Text4") << 4 << int(Qt::Key_Return);
        QTest::addRow("Enter in Text4") << 4 << int(Qt::Key_Enter);
        QTest::addRow("Return in Text8") << 8 << int(Qt::Key_Return);
        QTest::addRow("Return in Text21") << 21 << int(Qt::Key_Return);
    }

    void enterPresses() {
        QFETCH(int, from);
        QFETCH(int, key);
        fillInputs({"10", "1", "2", "3"}, {"255", "255", "0", "0"});
        click(box(octaval::boxNumber(from)));
        QSignalSpy clicks(button("Command1"), &QPushButton::clicked);
        octaval::test::press(m_window.get(), Qt::Key(key));
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(box(Box::Text18)->text(), QStringLiteral("8 bits, Class A"));
        QCOMPARE(box(Box::Text21)->text(), QStringLiteral("OK"));
    }

    void focusedButtonTakesEnterAndSpace_data() {
        QTest::addColumn<int>("key");
        QTest::addRow("Return") << int(Qt::Key_Return);
        QTest::addRow("Space") << int(Qt::Key_Space);
    }

    void focusedButtonTakesEnterAndSpace() {
        QFETCH(int, key);
        QPushButton* about = button("Command3");
        about->setFocus(Qt::TabFocusReason);
        QSignalSpy recalculations(button("Command1"), &QPushButton::clicked);
        m_watch->expect([](QWidget* modal) {
            QCOMPARE(modal->objectName(), QStringLiteral("frmAbout"));
            modal->close();
        });
        octaval::test::press(m_window.get(), Qt::Key(key));
        QCOMPARE(m_watch->handled(), 1);
        QCOMPARE(recalculations.count(), 0);
    }

    void escapeDoesNothing() {
        fill(box(Box::Text4), QStringLiteral("9"));
        octaval::test::press(m_window.get(), Qt::Key_Escape);
        QCoreApplication::processEvents();
        QVERIFY(m_window->isVisible());
        QCOMPARE(box(Box::Text4)->text(), QStringLiteral("9"));
        QCOMPARE(focusName(), QStringLiteral("Text4"));
    }

    void tabCycle() {
        const QStringList forward{"Text2", "Text3",    "Text4",    "Text5",    "Text6",  "Text7",
                                  "Text8", "Command2", "Command3", "Command1", "Text21", "Text1"};
        QStringList seen;
        for (qsizetype i = 0; i < forward.size(); ++i) {
            octaval::test::press(m_window.get(), Qt::Key_Tab);
            seen << focusName();
        }
        QCOMPARE(seen, forward);
        seen.clear();
        for (qsizetype i = 0; i < forward.size(); ++i) {
            octaval::test::press(m_window.get(), Qt::Key_Backtab, Qt::ShiftModifier);
            seen << focusName();
        }
        QStringList backward(forward.rbegin() + 1, forward.rend());
        backward << forward.last();
        QCOMPARE(seen, backward);
    }

    void outputBoxesTakeNothing_data() {
        QTest::addColumn<int>("number");
        for (Box b : outputBoxes)
            if (b != Box::Text21)
                QTest::addRow("Text%d", octaval::numberOf(b)) << octaval::numberOf(b);
    }

    void outputBoxesTakeNothing() {
        QFETCH(int, number);
        click(box(Box::Text1));  // the focus is somewhere known
        QLineEdit* output = box(octaval::boxNumber(number));
        const QString before = output->text();
        click(output);
        QCOMPARE(focusName(), QStringLiteral("Text1"));
        QTest::mouseDClick(m_window->windowHandle(), Qt::LeftButton, {},
                           output->mapTo(m_window.get(), output->rect().center()));
        type(m_window.get(), QStringLiteral("5"));
        QCOMPARE(output->text(), before);
        QVERIFY(!output->hasSelectedText());
    }

    void maskFollowsTyping() {
        fill(box(Box::Text1), QString());
        QCOMPARE(maskTexts(*m_window), QStringList({"255", "0", "0", "0"}));
        const struct {
            char key;
            QStringList mask;
        } steps[] = {{'1', {"255", "0", "0", "0"}},
                     {'9', {"255", "0", "0", "0"}},
                     {'2', {"255", "255", "255", "0"}}};
        for (const auto& step : steps) {
            type(m_window.get(), QString(QLatin1Char(step.key)));
            QCOMPARE(maskTexts(*m_window), step.mask);
        }
        octaval::test::press(m_window.get(), Qt::Key_Backspace);
        QCOMPARE(box(Box::Text1)->text(), QStringLiteral("19"));
        QCOMPARE(maskTexts(*m_window), QStringList({"255", "0", "0", "0"}));
        // Undo brings the 2 back, and the class C mask with it.
        octaval::test::press(m_window.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box(Box::Text1)->text(), QStringLiteral("192"));
        QCOMPARE(maskTexts(*m_window), QStringList({"255", "255", "255", "0"}));
    }

    void userMaskOverwritten() {
        fill(box(Box::Text1), QStringLiteral("10"));
        fillInputs({"10", "0", "0", "0"}, {"255", "255", "255", "252"});
        QCOMPARE(maskTexts(*m_window), QStringList({"255", "255", "255", "252"}));
        fill(box(Box::Text1), QStringLiteral("11"));
        QCOMPARE(maskTexts(*m_window), QStringList({"255", "0", "0", "0"}));
    }

    void otherInputsLeaveMask_data() {
        QTest::addColumn<int>("number");
        for (int n = 2; n <= 8; ++n)
            QTest::addRow("Text%d", n) << n;
    }

    void otherInputsLeaveMask() {
        QFETCH(int, number);
        for (int k = 1; k <= 4; ++k)
            fill(box(octaval::octetBox(Box::Text5, k)),
                 QStringList{"255", "255", "255", "252"}[k - 1]);
        QStringList expected = maskTexts(*m_window);
        fill(box(octaval::boxNumber(number)), QStringLiteral("7"));
        if (number >= 5) expected[number - 5] = QStringLiteral("7");
        QCOMPARE(maskTexts(*m_window), expected);
    }

    void programmaticChangeOfText1() {
        // Assistive technology sets the text without key events; the mask follows all the same.
        box(Box::Text1)->setText(QStringLiteral("130"));
        QCOMPARE(maskTexts(*m_window), QStringList({"255", "255", "0", "0"}));
    }

    void outOfRangeOctetLeavesWindowUsable() {
        fillInputs({"1", "2", "3", "4e4"}, {"255", "0", "0", "0"});
        octaval::test::press(m_window.get(), Qt::Key_Return);
        QCOMPARE(textsOf(*m_window, outputBoxes),
                 blankWithStatus(QStringLiteral("Illegal IP address")));
        fill(box(Box::Text4), QStringLiteral("4"));
        octaval::test::press(m_window.get(), Qt::Key_Return);
        QCOMPARE(box(Box::Text9)->text(), QStringLiteral("1"));
        QCOMPARE(box(Box::Text18)->text(), QStringLiteral("8 bits, Class A"));
    }

    void statusTextReplacedByNextPress() {
        fill(box(Box::Text21), QStringLiteral("typed by the user"));
        fillInputs({"10", "1", "2", "3"}, {"255", "0", "0", "0"});
        click(button("Command1"));
        QCOMPARE(box(Box::Text21)->text(), QStringLiteral("OK"));
    }
};

QTEST_MAIN(FrmMainTest)
#include "frm_main_test.moc"
