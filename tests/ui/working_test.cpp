// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Working window under the keyboard: opened from the main window by Ctrl+B and by its
// context menu, showing what the report layer explains for the same press and following each
// press, copied whole, walked by Tab and closed by Escape, its field colours legible in a light
// and a dark palette.
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>

#include "report/working/text.h"
#include "tests/ui/main_window_test.h"
#include "ui/frm_working.h"
#include "ui/palette.h"
#include "ui/translation.h"

using namespace octaval;
using namespace Qt::StringLiterals;

// The lowest contrast of the text of a label drawn without anti-aliasing: each pixel of its
// text against the pixel there when the label's fields are drawn in their background colour.
static qreal lowestContrast(QLabel* label) {
    const QString html = label->text();
    const QImage shot = label->grab().toImage();
    static const QRegularExpression text(QStringLiteral("background-color:(#\\w+);color:#\\w+"));
    label->setText(QString(html).replace(text, QStringLiteral("background-color:\\1;color:\\1")));
    const QImage blank = label->grab().toImage();
    label->setText(html);
    qreal lowest = 21;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixel(x, y) != blank.pixel(x, y))
                lowest =
                    std::min(lowest, contrast(QColor(shot.pixel(x, y)), QColor(blank.pixel(x, y))));
    return lowest;
}

class WorkingTest : public MainWindowTest {
    Q_OBJECT

    frmWorking* working() const { return m_main->findChild<frmWorking*>(); }
    QString steps() const { return working()->steps().join(u'\n') + u'\n'; }

private slots:
    void init() { showMain(); }

    // Before any press the window says so in one line; Ctrl+B opens it, every press refreshes
    // it, and it shows and copies what the report layer explains for the same press, in the
    // user's language.
    void opensAndFollowsThePresses() {
        key(m_main.get(), Qt::Key_B, Qt::ControlModifier);
        QVERIFY(QTest::qWaitForWindowActive(working()));
        QCOMPARE(working()->windowTitle(), u"Working");
        QVERIFY(!working()->findChild<QWidget*>(u"steps"_s)->isVisible());
        QVERIFY(!working()->text().contains(u'\n'));
        for (const QString& inputs : {u"192.168.1.70/27"_s, u"150.1.1.1 254.0.0.0"_s}) {
            pressIn(inputs);
            const Explanation e = explain(pressOf(inputs), windowPhrasebook());
            QCOMPARE(steps(), QString::fromStdString(stepsText(e)));
            QCOMPARE(working()->text(), QString::fromStdString(workingText(e)));
        }
        // Copied by Ctrl+C anywhere in it, and by the button.
        for (const char* focus : {"copy", "steps", "bits2"}) {
            QGuiApplication::clipboard()->clear();
            working()->findChild<QWidget*>(QString::fromLatin1(focus))->setFocus();
            key(working(), Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QGuiApplication::clipboard()->text(), working()->text());
        }
        QGuiApplication::clipboard()->clear();
        working()->findChild<QPushButton*>(QStringLiteral("copy"))->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), working()->text());
        // Closed by Escape, it does nothing for a press; the context menu opens it again on the
        // last one, and Tab walks the steps, the buttons and the bit rows.
        const QString shown = working()->text();
        key(working(), Qt::Key_Escape);
        QVERIFY(!working()->isVisible());
        pressIn(u"10.1.2.3/30"_s);
        QCOMPARE(working()->text(), shown);
        trigger(u"Show the working\u2026"_s);
        QVERIFY(QTest::qWaitForWindowActive(working()));
        QCOMPARE(working()->text(), QString::fromStdString(workingText(
                                        explain(pressOf(u"10.1.2.3/30"_s), windowPhrasebook()))));
        QTRY_VERIFY(working()->isAncestorOf(QApplication::focusWidget()));
        QStringList order;
        for (int i = 0; i < 7; ++i) {
            order << QApplication::focusWidget()->objectName();
            key(working(), Qt::Key_Tab);
        }
        const auto first = order.indexOf(u"steps"_s);  // the focus comes back where it was
        QCOMPARE((order.mid(first) + order.mid(0, first)).join(u' '),
                 u"steps copy close bits1 bits2 bits3 bits4");
    }

    // Each step shows its title and text beside its number, and the window opens large enough
    // for all of them; choosing a step by the keys marks in the bit rows the bits it speaks of,
    // legibly.
    void stepsMarkTheirBits() {
        pressIn(u"192.168.1.70/27"_s);
        m_main->showWorking();
        QVERIFY(QTest::qWaitForWindowActive(working()));
        // (Where the screen is too small for them, the window takes nine tenths of its height.)
        QVERIFY(!working()->findChild<QAbstractScrollArea*>()->verticalScrollBar()->isVisible() ||
                working()->height() >= working()->screen()->availableGeometry().height() * 9 / 10);
        QCOMPARE(
            working()->findChild<QLabel*>(u"bits1"_s)->accessibleDescription(),
            u"the class's network bits 110000001010100000000001, the subnet bits 010, the host "
            u"bits 00110");
        const Explanation e = explain(pressOf(u"192.168.1.70/27"_s), windowPhrasebook());
        auto* steps = working()->findChild<QWidget*>(u"steps"_s);
        steps->setFocus();
        const auto marked = [this](const char* row) {
            static const QRegularExpression span(u"#1a237e;[^>]*>([01.]+)<"_s);
            QString bits;
            for (const auto& m :
                 span.globalMatch(working()->findChild<QLabel*>(QString::fromLatin1(row))->text()))
                bits += m.captured(1);
            return bits;
        };
        // Step, row, the bits marked there: the class's leading bits, the subnet field of the
        // network and the host field of the address.
        const std::vector<std::tuple<std::string_view, const char*, QString>> rows = {
            {"class", "bits1", u"110"_s},
            {"range", "bits3", u"010"_s},
            {"status", "bits1", u"00110"_s}};
        for (const auto& [stepKey, row, bits] : rows) {
            const auto at = std::find_if(e.steps.begin(), e.steps.end(),
                                         [&](const WorkingStep& s) { return s.key == stepKey; });
            QVERIFY(at != e.steps.end());
            key(steps, Qt::Key_Home);
            for (auto i = e.steps.begin(); i != at; ++i)
                key(steps, Qt::Key_Down);
            QCOMPARE(working()->currentStep(), int(at - e.steps.begin()));
            QCOMPARE(marked(row), bits);
            QVERIFY(steps->accessibleDescription().contains(QString::fromStdString(at->text)));
        }
        // A screen reader meets a list of the steps, the chosen one selected.
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(steps);
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->childCount(), int(e.steps.size()));
        const QAccessibleInterface* chosen = list->child(working()->currentStep());
        QCOMPARE(chosen->text(QAccessible::Name),
                 u"%1. %2. %3"_s.arg(working()->currentStep() + 1)
                     .arg(QString::fromStdString(e.steps.back().title),
                          QString::fromStdString(e.steps.back().text)));
        QVERIFY(chosen->state().selected && !list->child(0)->state().selected);
        // The fields' colours, of a press with many fields, read at 4.5:1 or better in a light
        // and a dark palette.
        pressIn(u"10.1.2.3 255.192.192.0"_s);
        for (const QPalette& palette :
             {QPalette(QColor(0x30, 0x30, 0x30)), QPalette(QColor(0xef, 0xef, 0xef))}) {
            QApplication::setPalette(palette);
            QCoreApplication::processEvents();
            // The chosen step marks bits of a row too.
            for (const char* name : {"bits1", "bits2", "legend"}) {
                auto* label = working()->findChild<QLabel*>(QString::fromLatin1(name));
                QFont fixed = label->font();
                fixed.setStyleStrategy(QFont::NoAntialias);
                label->setFont(fixed);
                QVERIFY2(lowestContrast(label) >= 4.5, name);
            }
        }
    }
};

QTEST_MAIN(WorkingTest)
#include "working_test.moc"
