// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Working window under the keyboard: opened from the main window by Ctrl+B and by its
// context menu, showing what the report layer explains for the same press and following each
// press, copied whole, walked by Tab and closed by Escape, its field colours legible in a light
// and a dark palette.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <memory>

#include "report/explain.h"
#include "ui/frm_main.h"
#include "ui/frm_working.h"

using namespace octaval;

// WCAG's contrast of two colours.
static qreal contrast(QRgb a, QRgb b) {
    const auto luminance = [](QRgb c) {
        qreal sum = 0.05;
        for (auto [v, w] : {std::pair{qRed(c), 0.2126}, {qGreen(c), 0.7152}, {qBlue(c), 0.0722}}) {
            const qreal s = v / 255.0;
            sum += w * (s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4));
        }
        return sum;
    };
    return std::max(luminance(a), luminance(b)) / std::min(luminance(a), luminance(b));
}

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
                lowest = std::min(lowest, contrast(shot.pixel(x, y), blank.pixel(x, y)));
    return lowest;
}

class WorkingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmMain> m_main;

    void key(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window->windowHandle(), key, modifiers);
    }
    frmWorking* working() const { return m_main->findChild<frmWorking*>(); }
    QString steps() const { return working()->findChild<QPlainTextEdit*>()->toPlainText(); }
    void pressWith(const char* address, const char* mask) {
        const auto inputs =
            *parseAddressText(QString::fromLatin1(address).toStdString() + ' ' + mask);
        setInputs(*m_main,
                  {inputs.address[0], inputs.address[1], inputs.address[2], inputs.address[3]},
                  {(*inputs.mask)[0], (*inputs.mask)[1], (*inputs.mask)[2], (*inputs.mask)[3]});
        m_main->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    }
    static Explanation expected(const char* address, const char* mask) {
        return explain(press(*parseAddressText(std::string(address) + ' ' + mask)));
    }

private slots:
    void init() {
        m_main = std::make_unique<frmMain>();
        m_main->show();
        QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    }

    // Before any press the window says so in one line; Ctrl+B opens it, every press refreshes
    // it, and it shows and copies what the report layer explains for the same press.
    void opensAndFollowsThePresses() {
        key(m_main.get(), Qt::Key_B, Qt::ControlModifier);
        QVERIFY(QTest::qWaitForWindowActive(working()));
        QCOMPARE(working()->windowTitle(), u"Working");
        QVERIFY(!working()->findChild<QPlainTextEdit*>()->isVisible());
        QVERIFY(!working()->text().contains(u'\n'));
        for (auto [address, mask] : {std::pair{"192.168.1.70", "255.255.255.224"},
                                     {"10.1.2.3", "255.192.192.0"},
                                     {"150.1.1.1", "254.0.0.0"}}) {
            pressWith(address, mask);
            const Explanation e = expected(address, mask);
            QCOMPARE(steps(), QString::fromStdString(stepsText(e)));
            QCOMPARE(working()->text(), QString::fromStdString(workingText(e)));
        }
        // Copied by Ctrl+C anywhere in it, in the steps without a selection, and by the button.
        for (const char* focus : {"copy", "steps"}) {
            QGuiApplication::clipboard()->clear();
            working()->findChild<QWidget*>(QString::fromLatin1(focus))->setFocus();
            key(working(), Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QGuiApplication::clipboard()->text(), working()->text());
        }
        QGuiApplication::clipboard()->clear();
        working()->findChild<QPushButton*>(QStringLiteral("copy"))->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), working()->text());
        key(working(), Qt::Key_Escape);
        QVERIFY(!working()->isVisible());
    }

    // The context menu's action after "Copy results"; the bit rows and the steps are reached by
    // Tab and name their fields in words.
    void contextMenuAndKeyboard() {
        pressWith("192.168.1.70", "255.255.255.224");
        const auto menu = m_main->actions();
        const auto action = std::find_if(menu.begin(), menu.end(), [](QAction* a) {
            return a->text() == u"Show the working\u2026";
        });
        QVERIFY(action != menu.end());
        (*action)->trigger();
        QVERIFY(QTest::qWaitForWindowActive(working()));
        QTRY_VERIFY(working()->isAncestorOf(QApplication::focusWidget()));
        QStringList order;
        for (int i = 0; i < 7; ++i) {
            order << QApplication::focusWidget()->objectName();
            key(working(), Qt::Key_Tab);
        }
        QCOMPARE(order.join(u' '), u"steps copy close bits1 bits2 bits3 bits4");
        auto* address = working()->findChild<QLabel*>(QStringLiteral("bits1"));
        QCOMPARE(address->accessibleName(), u"IP address in binary");
        QCOMPARE(address->accessibleDescription(),
                 u"the class's network bits 110000001010100000000001, the subnet bits 010, the "
                 u"host bits 00110");
        QVERIFY(!m_main->box(Box::Text19)->toolTip().isEmpty());
    }

    // The fields' colours read at 4.5:1 or better in a light and a dark palette.
    void legibleFields() {
        QFont font = QApplication::font();
        font.setStyleStrategy(QFont::NoAntialias);
        QApplication::setFont(font);
        pressWith("10.1.2.3", "255.192.192.0");
        m_main->showWorking();
        for (const QPalette& palette :
             {QPalette(QColor(0x30, 0x30, 0x30)), QPalette(QColor(0xef, 0xef, 0xef))}) {
            QApplication::setPalette(palette);
            QCoreApplication::processEvents();
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
