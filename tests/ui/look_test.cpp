// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How the windows look at the scale the test runs under (QT_SCALE_FACTOR), in a light and a dark
// palette and under a font set in pixels: the layout's invariants, text contrast measured on
// rendered pixels, texts that fit, and the pictures drawn for the scale.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include "engine/calculator.h"
#include "report/address_text.h"
#include "report/captions.h"
#include "report/working/text.h"
#include "resources/images.h"
#include "ui/frm_about.h"
#include "ui/frm_main.h"
#include "ui/frm_subnets.h"
#include "ui/qt_text.h"
#include "ui/translation.h"

using namespace octaval;
using namespace Qt::StringLiterals;

// WCAG's relative luminance, plus 0.05 (without the linear toe below 0.04, which moves no ratio
// here by more than 2 %).
static qreal luminance(QRgb c) {
    qreal sum = 0.05;
    for (auto [v, weight] : {std::pair{qRed(c), 0.2126}, {qGreen(c), 0.7152}, {qBlue(c), 0.0722}})
        sum += weight * std::pow((v / 255.0 + 0.055) / 1.055, 2.4);
    return sum;
}

// The background (commonest colour) inside a widget and the contrast of its text (the pixel
// farthest from the background), in a grab of its window.
static std::pair<QRgb, qreal> textIn(const QImage& shot, QRect inside) {
    const qreal scale = shot.devicePixelRatio();
    QHash<QRgb, int> counts;
    for (int y = int(inside.top() * scale); y < (inside.bottom() + 1) * scale; ++y)
        for (int x = int(inside.left() * scale); x < (inside.right() + 1) * scale; ++x)
            ++counts[shot.pixel(x, y)];
    std::pair<QRgb, qreal> look{counts.begin().key(), 1};
    for (auto [colour, count] : counts.asKeyValueRange())
        if (count > counts[look.first]) look.first = colour;
    for (QRgb c : counts.keys())
        look.second = std::max({look.second, luminance(c) / luminance(look.first),
                                luminance(look.first) / luminance(c)});
    return look;
}
static std::pair<QRgb, qreal> textOn(const QImage& shot, const QWidget* widget) {
    const int inset = qobject_cast<const QLabel*>(widget) ? 0 : 3;  // past frames and bevels
    return textIn(shot, widget->geometry().adjusted(inset, inset, -inset, -inset));
}

// The language that the test's environment asks for, if any.
static QString language() {
    return qEnvironmentVariable("LANGUAGE");
}

class LookTest : public QObject {
    Q_OBJECT

private slots:
    // The windows in the language of the system, which the test's environment names in LANGUAGE.
    void initTestCase() {
#ifdef _WIN32
        // Wine takes the system's language from the host's installed locales, which a build
        // machine may lack: there the test sets it itself.
        if (!language().isEmpty()) QLocale::setDefault(QLocale(language()));
#endif
        installTranslation();
    }

    // In the language named, every text of the engine that the window shows reads in that
    // language: the status messages and the forms of the result lines.
    void engineTexts() {
        if (language().isEmpty() || language().startsWith(u"en"_s))
            QSKIP("the engine's own language");
        QCOMPARE(QLocale().language(), QLocale(language()).language());
        for (const std::string_view message : status::all)
            if (message != status::ok)
                QVERIFY2(shownText(Box::Text21, message) != toQString(message), message.data());
        for (auto [b, line] : {std::pair{Box::Text18, "8 bits, Class A"},
                               {Box::Text18, "Multicast, Class D"},
                               {Box::Text18, "Research, Class E"},
                               {Box::Text19, "0 bits, no subnets"},
                               {Box::Text19, "2 bits, 2 subnets"},
                               {Box::Text20, "6 bits, 62 hosts"}})
            QVERIFY2(shownText(b, line) != QString::fromLatin1(line), line);
        // And the Practice window's prompts, levels and marks.
        for (const Question q : allQuestions)
            QVERIFY2(shownPrompt(q) != toQString(questionPrompt(q)), questionPrompt(q).data());
        for (const PracticeLevel level : allLevels)
            QVERIFY2(shownLevel(level) != toQString(levelDescription(level)),
                     levelDescription(level).data());
        for (const Mark& mark : {Mark{true, "A"}, Mark{false, "no subnets"}})
            QVERIFY2(shownMark(Question::subnets, mark) != toQString(mark.text()),
                     mark.text().c_str());
        // And the Working window's: every step, the heading and the bit rows.
        for (const char* inputs : {"192.168.1.70/27", "130.1.1.1 255.254.252.0", "224.0.0.1",
                                   "10.1.2.3 255.0.255.0", "0.1.2.3 255.1.0.0"}) {
            const Press p = press(*parseAddressText(inputs));
            const Explanation english = explain(p), shown = explain(p, windowPhrasebook());
            QCOMPARE(shown.steps.size(), english.steps.size());
            for (std::size_t i = 0; i < shown.steps.size(); ++i)
                QVERIFY2(shown.steps[i].text != english.steps[i].text,
                         english.steps[i].text.c_str());
            QVERIFY2(workingHeading(shown) != workingHeading(english), inputs);
            QVERIFY2(shown.bitRows != english.bitRows || english.bitRows.empty(), inputs);
        }
    }

    void look() {
        const auto inner = [](QWidget* w) { return w->geometry().adjusted(0, 0, -1, -1); };
        // Texts are drawn without anti-aliasing, as contrast is defined: the blends of a thin stem
        // with its panel are the renderer's (Wine's keeps a one-pixel "1" at 4:1 in any colour).
        QFont plain, pixels;
        pixels.setPixelSize(16);
        for (QFont font : {plain, pixels}) {
            font.setStyleStrategy(QFont::NoAntialias);
            QApplication::setFont(font);
            frmMain main;
            frmAbout about;
            setInputs(main, {"192", "168", "1", "70"}, {"255", "255", "255", "224"});
            main.Command1_Click();
            main.setText(Box::Text19, "23 bits, 8388606 subnets");
            main.setText(Box::Text20, "24 bits, 16777214 hosts");
            main.showSubnets();
            auto* subnets = main.findChild<frmSubnets*>();
            // Rows of boxes beside their captions, octets in columns.
            for (const BoxRow& row : boxRows)
                for (int k = 1; k <= row.boxes && row.first != Box::Text21; ++k) {
                    QLineEdit* box = main.box(octetBox(row.first, k));
                    QCOMPARE(box->y(), main.box(row.first)->y());
                    QCOMPARE(box->x(), main.box(octetBox(Box::Text1, k))->x());
                    QVERIFY(qobject_cast<QLabel*>(main.childAt(8, box->y())));
                }
            // At 200 % the window is twice its size, and the pictures are drawn for the scale.
            const qreal scale = main.devicePixelRatioF();
            QCOMPARE(scale, qreal(std::max(1, qEnvironmentVariableIntValue("QT_SCALE_FACTOR"))));
            QCOMPARE(main.grab().size(), QSize(231, 388) * scale);
            QVERIFY(main.windowIcon().pixmap(QSize(32, 32), scale).toImage() == makeIcon(scale));
            const QPixmap picture = about.findChild<QLabel*>(QStringLiteral("Picture1"))->pixmap();
            QVERIFY(picture.toImage() == makeAboutPicture(scale) &&
                    picture.devicePixelRatio() == scale);
            // The desktop switching between a dark and a light palette with the windows open.
            for (const QPalette& palette :
                 {QPalette(QColor(0x30, 0x30, 0x30)), QPalette(QColor(0xef, 0xef, 0xef))}) {
                QApplication::setPalette(palette);
                QCoreApplication::processEvents();  // the windows take the change
                // Inside the client area, no overlaps (controls are stored up to 15 twips, a pixel,
                // over their neighbours), every text at 4.5:1 or better and fitting its control.
                for (QWidget* window : {static_cast<QWidget*>(&main), static_cast<QWidget*>(&about),
                                        static_cast<QWidget*>(subnets)}) {
                    const QImage shot = window->grab().toImage();
                    auto all = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
                    all.removeIf([](QWidget* w) { return w->isWindow() || !w->isVisible(); });
                    for (QWidget* a : all) {
                        const QByteArray name = a->objectName().toLatin1();
                        QVERIFY2(window->rect().contains(a->geometry()), name);
                        for (QWidget* b : all)
                            QVERIFY2(a == b || !inner(a).intersects(inner(b)), name);
                        const QString text = a->property("text").toString();
                        const auto* label = qobject_cast<QLabel*>(a);
                        // No placeholder of a contact (RFC 2606's reserved names).
                        QVERIFY2(!text.contains(u".invalid"_s) && !text.contains(u"example."_s),
                                 name);
                        if (label && label->wordWrap()) {  // its lines fit its height
                            QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                                     name);
                            continue;
                        }
                        if (text.isEmpty()) continue;
                        QVERIFY2(textOn(shot, a).second >= 4.5, name);
                        const int room = label ? a->width() : a->width() - 4;
                        QVERIFY2(a->fontMetrics().horizontalAdvance(text) <= room, name);
                    }
                }
                // The Subnets window's rows, the selected one (the address's) and the next.
                const QImage shot = subnets->grab().toImage();
                for (int row : {2, 3}) {
                    QTableView* table = subnets->table();
                    const QRect cell = table->visualRect(table->model()->index(row, 1));
                    QVERIFY(
                        textIn(shot, cell.translated(table->viewport()->mapTo(subnets, QPoint())))
                            .second >= 4.5);
                }
                // Input, output and status boxes look different. Not under Wine, whose Windows
                // style draws the input and status panels alike in this test (seen with Wine 8.0).
#ifndef _WIN32
                const QImage mainShot = main.grab().toImage();
                const auto look = [&](Box b) { return textOn(mainShot, main.box(b)); };
                QCOMPARE(QSet({look(Box::Text1), look(Box::Text9), look(Box::Text21)}).size(), 3);
#endif
            }
        }
        // The stored pictures still match the code (`cmake --build <dir> --target octaval_images`
        // redraws them).
        for (auto [file, drawn] : {std::pair{"icon", makeIcon()}, {"about", makeAboutPicture()}}) {
            const QImage stored(
                QStringLiteral(OCTAVAL_RESOURCES_DIR "/%1.png").arg(QLatin1StringView(file)));
            QCOMPARE(stored.format(), QImage::Format_Indexed8);
            QCOMPARE(stored.convertToFormat(QImage::Format_RGB32), drawn);
        }
    }
};

QTEST_MAIN(LookTest)
#include "look_test.moc"
