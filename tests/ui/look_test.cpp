// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How the windows look at the scale the test runs under (QT_SCALE_FACTOR), in a light and a dark
// palette and under a font set in pixels: the layout's invariants, text contrast measured on
// rendered pixels, texts that fit, and the pictures drawn for the scale; and in the language
// that the test's environment names, the translated texts.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <memory>

#include "engine/calculator.h"
#include "report/captions.h"
#include "report/press.h"
#include "report/working/text.h"
#include "resources/images.h"
#include "ui/address_edit.h"
#include "ui/controls.h"
#include "ui/cut_text.h"
#include "ui/frm_about.h"
#include "ui/frm_main.h"
#include "ui/frm_practice.h"
#include "ui/frm_subnets.h"
#include "ui/palette.h"
#include "ui/qt_text.h"
#include "ui/translation.h"

using namespace octaval;
using namespace Qt::StringLiterals;

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
        look.second = std::max(look.second, contrast(QColor(c), QColor(look.first)));
    return look;
}
static std::pair<QRgb, qreal> textOn(const QImage& shot, const QWidget* widget) {
    const int inset = qobject_cast<const QLabel*>(widget) ? 0 : 3;  // past frames and bevels
    const QRect place(widget->mapTo(widget->window(), QPoint()), widget->size());
    return textIn(shot, place.adjusted(inset, inset, -inset, -inset));
}

// How far a text's ink reaches, in pixels, drawn from x = 0 in a font: the glyphs as they are
// drawn, overhangs and letter spacing included, which advances alone do not tell.
static int inkWidth(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    QImage image(metrics.horizontalAdvance(text) * 2 + 20, metrics.height() + 4,
                 QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font);
    painter.drawText(QPoint(0, metrics.ascent() + 2), text);
    painter.end();
    int reach = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = reach; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) reach = x + 1;
    return reach;
}

// A text that does not fit its control is cut with "…" by the control (ResultBox, CutLabel),
// and whole in its tooltip and its accessible description.
static bool fitsOrCutWhole(const QWidget* control, const QString& text, int room) {
    if (inkWidth(control->font(), text) <= room) return true;
    return control->toolTip().contains(text) && control->accessibleDescription() == text &&
           (qobject_cast<const ResultBox*>(control) || qobject_cast<const CutLabel*>(control));
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
        installTranslations();
    }

    // In the language named, the status messages read in that language, in the window too, and
    // so do Qt's own texts (the names of keys beside the windows' own tooltips, as a box's context
    // menu, from the same translation). octaval-cli --explain --language reads the same .ts files
    // without Qt, and must word the working as the window's translator does.
    void translated() {
        if (language().isEmpty() || language().startsWith(u"en"_s)) QSKIP("the engine's language");
        const Phrasebook& book = windowPhrasebook();
        for (const std::string_view message : status::all)
            if (message != status::ok)
                QVERIFY2(book.status(message) != Phrasebook::english().status(message),
                         message.data());
        frmMain main;
        setInputs(main, {"10", "1", "2", "3"}, {"255", "0", "255", "0"});
        main.Command1_Click();
        QCOMPARE(main.box(Box::Text21)->text(), toQString(book.status(status::illegalSubnetMask)));
        QVERIFY(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C).toString(QKeySequence::NativeText) !=
                u"Ctrl+Shift+C"_s);
#ifdef OCTAVAL_CLI
        // Every step, a refused mask, and "0 bits": French counts 0 in the singular, German and
        // Spanish in the plural.
        for (const QString& inputs :
             {u"192.168.1.70/27"_s, u"10.1.2.3 255.0.255.0"_s, u"10.1.2.3/8"_s}) {
            QProcess cli;
            cli.start(QStringLiteral(OCTAVAL_CLI),
                      QStringList{u"--explain"_s, u"--language"_s, QLocale().name().left(2)} +
                          inputs.split(u' '));
            QVERIFY(cli.waitForFinished());
            const std::string working =
                workingText(explain(press(*parseAddressText(inputs.toStdString())), book));
            QCOMPARE(cli.readAllStandardOutput().toStdString(), working);
            QVERIFY(working.find("1-Bits") == std::string::npos);  // German says "Einsbits"
        }
#endif
        // Numbers are grouped as the language of the windows writes them, which the test's
        // environment names in LANGUAGE alone.
        QCOMPARE(QLocale().language(), QLocale(language()).language());
    }

    void look() {
        const auto inner = [](QRect r) { return r.adjusted(0, 0, -1, -1); };
        // Texts are drawn without anti-aliasing, as contrast is defined: the blends of a thin stem
        // with its panel are the renderer's (Wine's keeps a one-pixel "1" at 4:1 in any colour).
        QFont plain, pixels;
        pixels.setPixelSize(16);
        for (QFont font : {plain, pixels}) {
            font.setStyleStrategy(QFont::NoAntialias);
            QApplication::setFont(font);
            frmMain main;
            frmAbout about;
            // The widest result lines, each of a press of its own, as the window shows them.
            for (auto [b, mask] : {std::pair{Box::Text19, OctetTexts{"255", "255", "255", "254"}},
                                   {Box::Text20, OctetTexts{"255", "0", "0", "0"}}}) {
                setInputs(main, {"10", "1", "1", "1"}, mask);
                main.Command1_Click();
#ifdef _WIN32
                // Under Wine the last glyph's ink in a grab can reach one pixel past what the
                // box's metrics promise (Wine's GDI fonts); the result lines are held on Linux.
                continue;
#endif
                const auto* line = main.box(b);
                QVERIFY2(fitsOrCutWhole(line, line->text(), line->width() - 4),
                         qPrintable(line->text()));
            }
            setInputs(main, {"192", "168", "1", "70"}, {"255", "255", "255", "224"});
            main.Command1_Click();
            main.showSubnets();
            auto* subnets = main.findChild<frmSubnets*>();
            // Rows of boxes beside their captions, octets in columns.
            for (const BoxRow& row : boxRows)
                for (int k = 1; k <= row.boxes && row.first != Box::Text21; ++k) {
                    QLineEdit* box = main.box(octetBox(row.first, k));
                    const QPoint at = box->mapTo(&main, QPoint());
                    QCOMPARE(at.y(), main.box(row.first)->mapTo(&main, QPoint()).y());
                    QCOMPARE(at.x(), main.box(octetBox(Box::Text1, k))->mapTo(&main, QPoint()).x());
                    QVERIFY(qobject_cast<QLabel*>(main.childAt(8, at.y())));
                    // The address digits keep their size, whatever the result lines need.
                    if (numberOf(row.first) <= numberOf(Box::Text17))
                        QCOMPARE(box->font(), main.box(Box::Text1)->font());
                }
            // The octet boxes' font is the classic 8 pt, or as large as three digits allow; no
            // result line in any language makes it smaller.
            QFont octets = main.box(Box::Text1)->font();
            if (octets.pointSizeF() < 8) {
                octets.setPointSizeF(octets.pointSizeF() + 0.2);
                QVERIFY(QFontMetrics(octets).horizontalAdvance(u"255"_s) >
                        main.box(Box::Text1)->width() - 4);
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
                    // The controls: the window's own, and the boxes and dots of its rows of
                    // octets, at their places in the window.
                    QList<QWidget*> all;
                    for (QWidget* w : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                        if (w->isWindow() || !w->isVisibleTo(window)) continue;
                        if (qobject_cast<AddressEdit*>(w))
                            all << w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
                        else
                            all << w;
                    }
                    const auto place = [window](QWidget* w) {
                        return QRect(w->mapTo(window, QPoint()), w->size());
                    };
                    for (QWidget* a : all) {
                        const QByteArray name = a->objectName().toLatin1();
                        QVERIFY2(window->rect().contains(place(a)), name);
                        for (QWidget* b : all)
                            QVERIFY2(a == b || !inner(place(a)).intersects(inner(place(b))), name);
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
                        const int room = label ? a->width()
                                         : qobject_cast<QPushButton*>(a)
                                             ? a->width() - buttonPadding()
                                             : a->width() - 4;
                        QVERIFY2(fitsOrCutWhole(a, text, room), name);
                    }
                }
                // The Practice window's marks, every answer wrong (the status's is the longest):
                // one line each that its row holds, whole or cut and whole in its tooltip.
                main.openPractice();
                const int width = main.practice()->width();
                main.practice()->check();
                QCoreApplication::processEvents();
                // The score wraps rather than widen the window, which fits a screen 800 wide in
                // the interface font.
                QCOMPARE(main.practice()->width(), width);
                QVERIFY(font.pixelSize() > 0 || main.practice()->frameGeometry().width() <= 800);
                for (const Question q : main.practice()->exercise().questions()) {
                    QLabel* mark = main.practice()->mark(q);
                    QVERIFY(!mark->wordWrap() && mark->height() >= mark->sizeHint().height());
                    QVERIFY2(fitsOrCutWhole(mark, mark->text(), mark->contentsRect().width()),
                             qPrintable(mark->text()));
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
