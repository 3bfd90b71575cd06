// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The windows against their stored layout: every control's geometry (twips at 15 per pixel,
// cut to the client width), accessible names, label fonts, colours and the resources.
#include <QAccessible>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <memory>

#include "resources/images.h"
#include "tests/ui/window_test_support.h"
#include "ui/frm_about.h"

using octaval::Box;

namespace {

struct Stored {
    const char* name;
    int left, top, width, height;
};

// As stored with the main window, in twips.
constexpr Stored mainLayout[] = {
    {"Text1", 1440, 120, 375, 285},    {"Text2", 1920, 120, 375, 285},
    {"Text3", 2400, 120, 375, 285},    {"Text4", 2880, 120, 375, 285},
    {"Text5", 1440, 600, 375, 285},    {"Text6", 1920, 600, 375, 285},
    {"Text7", 2400, 600, 375, 285},    {"Text8", 2880, 600, 375, 285},
    {"Text9", 1440, 1080, 375, 285},   {"Text10", 1920, 1080, 375, 285},
    {"Text11", 2400, 1080, 375, 285},  {"Text12", 2880, 1080, 375, 285},
    {"Text13", 1440, 1560, 375, 285},  {"Text14", 1920, 1560, 375, 285},
    {"Text15", 2400, 1560, 375, 285},  {"Text16", 2880, 1560, 375, 285},
    {"Text17", 1440, 2040, 375, 285},  {"Text18", 1440, 2760, 1815, 285},
    {"Text19", 1440, 3240, 1815, 285}, {"Text20", 1440, 3720, 1815, 285},
    {"Text26", 1440, 4200, 375, 285},  {"Text27", 1920, 4200, 375, 285},
    {"Text28", 2400, 4200, 375, 285},  {"Text29", 2880, 4200, 375, 285},
    {"Text30", 1440, 4680, 375, 285},  {"Text31", 1920, 4680, 375, 285},
    {"Text32", 2400, 4680, 375, 285},  {"Text33", 2880, 4680, 375, 285},
    {"Text21", 0, 5520, 7695, 285},    {"Label7", 120, 120, 1215, 255},
    {"Label8", 120, 600, 1215, 255},   {"Label12", 120, 1080, 1215, 255},
    {"Label13", 120, 1560, 1215, 255}, {"Label17", 120, 2040, 1215, 255},
    {"Label18", 120, 2760, 1215, 255}, {"Label19", 120, 3240, 1215, 255},
    {"Label20", 120, 3720, 1215, 255}, {"Label21", 120, 4200, 975, 255},
    {"Label22", 120, 4680, 975, 255},  {"Label1", 1800, 120, 135, 255},
    {"Label2", 2280, 120, 135, 255},   {"Label5", 2760, 120, 135, 255},
    {"Label3", 1800, 600, 135, 255},   {"Label4", 2280, 600, 135, 255},
    {"Label6", 2760, 600, 135, 255},   {"Label9", 1800, 1080, 135, 255},
    {"Label10", 2280, 1080, 135, 255}, {"Label11", 2760, 1080, 135, 255},
    {"Label14", 1800, 1560, 135, 255}, {"Label15", 2280, 1560, 135, 255},
    {"Label16", 2760, 1560, 135, 255}, {"Command2", 0, 5160, 975, 375},
    {"Command3", 960, 5160, 975, 375}, {"Command1", 1920, 5160, 1575, 375},
    {"Line1", 0, 2520, 7680, 0},
};

constexpr Stored aboutLayout[] = {
    {"Picture1", 120, 120, 975, 855}, {"Command1", 1560, 3120, 735, 375},
    {"Label1", 120, 1200, 3615, 855}, {"Label3", 1200, 120, 2415, 855},
    {"Label2", 120, 2280, 3615, 615},
};

void addLayoutRows(const char* window, std::span<const Stored> layout, int clientWidth) {
    for (const Stored& c : layout) {
        QRect expected(c.left / 15, c.top / 15, c.width / 15, c.height / 15);
        expected.setRight(std::min(expected.right(), clientWidth - 1));
        expected.setHeight(std::max(expected.height(), 1));  // a line is drawn one pixel thick
        QTest::addRow("%s.%s", window, c.name)
            << QString::fromLatin1(window) << QString::fromLatin1(c.name) << expected;
    }
}

QString accessibleName(QObject* object) {
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<octaval::frmMain> m_main;
    std::unique_ptr<octaval::frmAbout> m_about;

    QWidget* windowNamed(const QString& name) const {
        return name == QLatin1StringView("frmMain") ? static_cast<QWidget*>(m_main.get())
                                                    : m_about.get();
    }

private slots:
    void initTestCase() {
        m_main = std::make_unique<octaval::frmMain>();
        m_about = std::make_unique<octaval::frmAbout>();
    }

    void cleanupTestCase() {
        m_about.reset();
        m_main.reset();
    }

    void geometry_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("expected");
        addLayoutRows("frmMain", mainLayout, 231);
        addLayoutRows("frmAbout", aboutLayout, 254);
    }

    void geometry() {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QRect, expected);
        QWidget* widget =
            windowNamed(window)->findChild<QWidget*>(control, Qt::FindDirectChildrenOnly);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), expected);
        if (auto* line = qobject_cast<QFrame*>(widget); line && control.startsWith(u"Line"))
            QCOMPARE(line->frameShape(), QFrame::HLine);
    }

    void everyControlIsStored() {
        // Nothing beyond the stored controls: 29 boxes, 22 labels, 3 buttons and the line.
        QCOMPARE(m_main->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(),
                 qsizetype(std::size(mainLayout)));
        QCOMPARE(m_about->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(),
                 qsizetype(std::size(aboutLayout)));
    }

    void accessibleNames_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        const char* rows[][2] = {{"IP address", "Text1"}, {"Subnet mask", "Text5"},
                                 {"Subnet", "Text9"},     {"Broadcast", "Text13"},
                                 {"Subnet 1", "Text26"},  {"Subnet N", "Text30"}};
        for (const auto& row : rows) {
            const int first = QString::fromLatin1(row[1]).mid(4).toInt();
            for (int k = 1; k <= 4; ++k)
                QTest::addRow("Text%d", first + k - 1)
                    << QStringLiteral("Text%1").arg(first + k - 1)
                    << QStringLiteral("%1, octet %2").arg(QLatin1StringView(row[0])).arg(k);
        }
        const char* singles[][2] = {{"Text17", "Class"},  {"Text18", "Network"},
                                    {"Text19", "Subnet"}, {"Text20", "Host"},
                                    {"Text21", "Status"}, {"Command1", "Recalculate"},
                                    {"Command2", "Exit"}, {"Command3", "About"}};
        for (const auto& single : singles)
            QTest::addRow("%s", single[0])
                << QString::fromLatin1(single[0]) << QString::fromLatin1(single[1]);
    }

    void accessibleNames() {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QCOMPARE(accessibleName(m_main->findChild<QWidget*>(control)), name);
    }

    void windowAccessibleNames() {
        QCOMPARE(accessibleName(m_main.get()), QStringLiteral("Octaval"));
        QCOMPARE(accessibleName(m_about->findChild<QPushButton*>(QStringLiteral("Command1"))),
                 QStringLiteral("OK"));
    }

    void labelFonts_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("centred");
        for (int n : {7, 8, 12, 13, 17, 18, 19, 20, 21, 22})
            QTest::addRow("Label%d", n)
                << QStringLiteral("Label%1").arg(n) << 9.75 << false << false;
        for (int n : {1, 2, 3, 4, 5, 6, 9, 10, 11, 14, 15, 16})
            QTest::addRow("Label%d", n) << QStringLiteral("Label%1").arg(n) << 12.0 << true << true;
    }

    void labelFonts() {
        QFETCH(QString, label);
        QFETCH(qreal, points);
        QFETCH(bool, bold);
        QFETCH(bool, centred);
        auto* widget = m_main->findChild<QLabel*>(label);
        QCOMPARE(widget->font().pointSizeF(), points);
        QCOMPARE(widget->font().bold(), bold);
        QCOMPARE(bool(widget->alignment() & Qt::AlignHCenter), centred);
        if (centred) QCOMPARE(widget->text(), QStringLiteral("."));
        // Whatever face stands in, the widest caption still fits its label.
        QVERIFY(widget->fontMetrics().horizontalAdvance(widget->text()) <= widget->width());
    }

    void resultsFitTheirBoxes_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::addRow("octet") << 9 << QStringLiteral("255");
        QTest::addRow("longest subnet line") << 19 << QStringLiteral("23 bits, 8388606 subnets");
        QTest::addRow("longest host line") << 20 << QStringLiteral("24 bits, 16777214 hosts");
    }

    void resultsFitTheirBoxes() {
        QFETCH(int, number);
        QFETCH(QString, text);
        QLineEdit* box = m_main->box(octaval::boxNumber(number));
        QVERIFY(box->fontMetrics().horizontalAdvance(text) <= box->width() - 4);
    }

    void colours() {
        const QPalette& palette = m_main->palette();
        QCOMPARE(m_main->backgroundRole(), QPalette::Button);
        QCOMPARE(m_main->box(Box::Text1)->palette().color(QPalette::Base),
                 palette.color(QPalette::Base));
        QCOMPARE(m_main->box(Box::Text21)->palette().color(QPalette::Base),
                 palette.color(QPalette::Window));
        QCOMPARE(m_about->backgroundRole(), QPalette::Window);
        QCOMPARE(m_about->findChild<QLabel*>(QStringLiteral("Label2"))->backgroundRole(),
                 QPalette::Button);
        QCOMPARE(m_about->findChild<QLabel*>(QStringLiteral("Picture1"))->backgroundRole(),
                 QPalette::Base);
    }

    void resourcesMatchTheirCode_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QImage>("drawn");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("colours");
        const QString folder = QStringLiteral(OCTAVAL_RESOURCES_DIR "/");
        QTest::addRow("icon in the program")
            << QStringLiteral(":/octaval/icon.xpm") << octaval::makeIcon() << QSize(32, 32) << 16;
        QTest::addRow("icon for the desktop")
            << folder + QStringLiteral("icon.png") << octaval::makeIcon() << QSize(32, 32) << 16;
        QTest::addRow("About picture") << QStringLiteral(":/octaval/about.png")
                                       << octaval::makeAboutPicture() << QSize(72, 61) << 256;
    }

    void resourcesMatchTheirCode() {
        QFETCH(QString, path);
        QFETCH(QImage, drawn);
        QFETCH(QSize, size);
        QFETCH(int, colours);
        const QImage stored(path);
        QCOMPARE(stored.size(), size);
        QCOMPARE(stored.format(), QImage::Format_Indexed8);
        QVERIFY(stored.colorCount() <= colours);
        // Redraw with `cmake --build <dir> --target octaval_images` when this fails.
        QCOMPARE(stored.convertToFormat(QImage::Format_RGB32),
                 drawn.convertToFormat(QImage::Format_RGB32));
    }

    void windowIcons() {
        const QImage icon = octaval::makeIcon().convertToFormat(QImage::Format_RGB32);
        for (QWidget* window :
             {static_cast<QWidget*>(m_main.get()), static_cast<QWidget*>(m_about.get())})
            QCOMPARE(
                window->windowIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_RGB32),
                icon);
    }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
