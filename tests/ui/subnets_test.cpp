// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Subnets window over the main window's last press, with real key and mouse events: it opens
// by Ctrl+L and by the context menu, shows the rows of octaval-cli --list and the row of the
// address, follows new presses, finds rows, copies them and saves the list as CSV.
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <QAccessible>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <csignal>
#include <fstream>
#include <string>

#include "report/subnet_rows.h"
#include "tests/ui/main_window_test.h"
#include "ui/controls.h"
#include "ui/frm_subnets.h"

using namespace octaval;
using namespace Qt::StringLiterals;

// The report layer's list of a press, in one format.
static QString reportList(const QString& inputs, ListFormat format) {
    std::string out;
    writeSubnetRows(*SubnetList::of(pressOf(inputs).state), format, [&out](std::string_view rows) {
        out += rows;
        return true;
    });
    return QString::fromStdString(out);
}

// Memory is measured on Linux, and not under AddressSanitizer, whose quarantine of freed blocks and
// shadow memory grow the resident set whatever the window keeps.
#if defined(__linux__) && !defined(__SANITIZE_ADDRESS__)
#define OCTAVAL_MEASURES_MEMORY
// The resident set of this process in KiB, from /proc.
static long residentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}
#endif

class SubnetsTest : public MainWindowTest {
    Q_OBJECT

    frmSubnets* subnets() const { return m_main->findChild<frmSubnets*>(); }
    QTableView* table() const { return subnets()->table(); }
    template <typename T = QWidget>
    T* child(const char* name) const {
        return subnets()->findChild<T*>(QString::fromLatin1(name));
    }
    void open() {
        QTest::keyClick(m_main->windowHandle(), Qt::Key_L, Qt::ControlModifier);
        QVERIFY(subnets() && QTest::qWaitForWindowActive(subnets()));
    }
    // The window's row as the cells show it, joined as the text list splits them.
    QStringList row(int n) const {
        QStringList cells;
        for (int c = 0; c < table()->model()->columnCount(); ++c)
            cells << table()->model()->index(n, c).data().toString();
        while (!cells.isEmpty() && cells.back().isEmpty())
            cells.removeLast();
        return cells;
    }
    QList<int> selectedRows() const {
        QList<int> rows;
        for (const QModelIndex& index : table()->selectionModel()->selectedRows())
            rows << index.row();
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    void find(const QString& text) {
        table()->setFocus();
        QTest::keyClick(table(), Qt::Key_F, Qt::ControlModifier);  // to the field, all selected
        QCOMPARE(QApplication::focusWidget(), child("search"));
        QTest::keyClicks(QApplication::focusWidget(), text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);  // the file dialog's settings stay out of HOME
        watchModalWindows();
    }
    void init() { showMain(); }
    void cleanup() { QVERIFY(!m_expected); }

    // Opened by Ctrl+L (by the context menu: largestList), it follows each press: a heading that
    // counts the subnets as the list holds them and as the main window counts them, grouped as
    // the reader's language groups digits, over the rows of the text list (split where it puts
    // two blanks or more) with the address's row selected; or one line instead of the table.
    // Row: the language, inputs (none: no press yet), the heading's start, the address's row
    // (-1: no table).
    void listsThePress() {
        // clang-format off
        const std::tuple<QLocale::Language, QString, QString, int> rows[] = {
            {QLocale::English, QString(), u"No subnets to list: press Recalculate in the main window first"_s, -1},
            {QLocale::English, u"192.168.1.70/27"_s, u"8 subnets, 6 usable of the class C network 192.168.1.0 under 255.255.255.224"_s, 2},
            {QLocale::English, u"10.1.2.3 255.0.255.0"_s, u"No subnets to list: Illegal subnet mask"_s, -1},
            {QLocale::Spanish, u"10.200.3.77/30"_s, u"4.194.304 subnets, 4.194.302 usable"_s, 3277011},
            {QLocale::English, u"224.1.2.3"_s, u"Class D has no subnets"_s, -1},
            {QLocale::English, u"10.1.2.3 255.192.192.0"_s, u"16 subnets, 14 usable of the class A network 10.0.0.0"_s, 0},
            {QLocale::English, u"200.1.2.3/31"_s, u"128 subnets, 126 usable"_s, 1},
            {QLocale::English, u"192.168.1.70/25"_s, u"2 subnets, 0 usable of the class C"_s, 0},
            {QLocale::English, u"192.168.1.70/24"_s, u"1 subnet, 0 usable of the class C"_s, 0},
        };
        // clang-format on
        const QLocale before;
        for (const auto& [language, inputs, heading, own] : rows) {
            QLocale::setDefault(QLocale(language));
            if (!inputs.isEmpty()) pressIn(inputs);
            if (!subnets()) open();
            const QString shown = child<QLabel>("caption")->text();
            QVERIFY2(shown.startsWith(heading), qPrintable(shown));
            QCOMPARE(table()->isVisible() && child("search")->isVisible(), own >= 0);
            if (own < 0) {
                QCOMPARE(table()->model()->rowCount(), 0);
                continue;
            }
            QCOMPARE(selectedRows(), QList{own});
            QVERIFY(row(own).back().contains(u"holds "_s +
                                             inputs.section(u' ', 0, 0).section(u'/', 0, 0)));
            if (table()->model()->rowCount() > 1000) {
                // Too many rows to copy, counted as the heading counts them.
                table()->selectAll();
                table()->actions().front()->trigger();  // Copy rows
                QVERIFY(child<QLabel>("message")->text().contains(heading.section(u' ', 0, 0)));
                continue;
            }
            const QStringList lines = reportList(inputs, ListFormat::text).split(u'\n');
            QCOMPARE(table()->model()->rowCount(), lines.size() - 2);  // header, final line feed
            for (int n = 0; n + 2 < lines.size(); ++n)
                QCOMPARE(row(n), lines[n + 1].split(QRegularExpression(u" {2,}"_s)));
        }
        QLocale::setDefault(before);
    }

    // The keys go on from the row that the window or a search selected, and every key that moves
    // to a row selects it, so that Ctrl+C copies the rows in view. Row: what is searched (nothing:
    // the address's row stays selected), the keys, the first row then selected and how many (0:
    // a page, more than one).
    void keys() {
        using Keys = QList<std::pair<Qt::Key, Qt::KeyboardModifiers>>;
        // clang-format off
        const std::tuple<const char*, QString, Keys, int, int> rows[] = {
            {"Ctrl+End", QString(), {{Qt::Key_End, Qt::ControlModifier}}, 4194303, 1},
            {"Ctrl+Shift+End", QString(), {{Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier}}, 4194300, 4},
            {"found, Shift+Down", u"500"_s, {{Qt::Key_Down, Qt::ShiftModifier}}, 500, 2},
            {"found, Shift+Page Down", u"500"_s, {{Qt::Key_PageDown, Qt::ShiftModifier}}, 500, 0},
            {"found, Ctrl+C", u"10.0.7.208"_s, {}, 500, 1},
        };
        // clang-format on
        const QString inputs = u"10.255.255.242/30"_s;  // row 4194300
        open();
        for (const auto& [name, search, keys, first, count] : rows) {
            pressIn(inputs);
            QCOMPARE(selectedRows(), QList{4194300});
            if (search.isEmpty())
                table()->setFocus();
            else
                find(search);
            for (const auto& [k, modifiers] : keys)
                QTest::keyClick(QApplication::focusWidget(), k, modifiers);
            QGuiApplication::clipboard()->clear();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
            const QList<int> selected = selectedRows();
            QVERIFY2(!selected.isEmpty() && selected.front() == first, name);
            QVERIFY2(count ? selected.size() == count : selected.size() > 2, name);
            QCOMPARE(selected.back() - selected.front() + 1, selected.size());  // one run
            // The header and the rows selected, the first of them first (copyAndSave: as the list).
            const QStringList copied = QGuiApplication::clipboard()->text().split(u'\n');
            QCOMPARE(copied.size(), selected.size() + 2);
            QVERIFY2(copied[1].startsWith(QString::number(first) + u' '), name);
        }
    }

    // However near the screen's edge the main window stands, and at 200 % on a small screen
    // (ui_subnets_hidpi), the Subnets window opens whole on the screen. Row: the main window's
    // corner, as a fraction of the free area.
    void onScreen() {
        for (const auto& [x, y] : {std::pair{0.5, 1.0}, {1.0, 1.0}, {0.0, 0.0}}) {
            showMain();  // the Subnets window placed afresh, as on its first opening
            const QRect free = m_main->screen()->availableGeometry();
            m_main->move(free.left() + int(x * (free.width() - m_main->frameGeometry().width())),
                         free.top() + int(y * (free.height() - m_main->frameGeometry().height())));
            open();
            QVERIFY2(free.contains(subnets()->frameGeometry()),
                     qPrintable(u"%1,%2"_s.arg(x).arg(y)));
            // A window that the screen has room for beside the main window leaves it in view.
            const QRect main = m_main->frameGeometry();
            QWidget beside;
            beside.resize(std::max(main.left() - free.left(), free.right() - main.right()), 100);
            placeBeside(&beside, m_main.get());
            QVERIFY(free.contains(beside.frameGeometry()) &&
                    !beside.frameGeometry().intersects(main));
        }
    }

    // Closed, the window does nothing for a press; opened again it lists the last one at once,
    // the largest list at no memory a row, the address's row in view: a screen reader reads it as
    // a table, its columns named, the address's row selected.
    void largestList() {
        pressIn(u"192.168.1.70/27"_s);
        open();
        subnets()->close();
#ifdef OCTAVAL_MEASURES_MEMORY
        const long before = residentKiB();
#endif
        pressIn(u"10.200.3.77/30"_s);
        QCOMPARE(table()->model()->rowCount(), 8);
        trigger(u"Every subnet\u2026"_s);
        QApplication::processEvents();
#ifdef OCTAVAL_MEASURES_MEMORY
        QVERIFY2(residentKiB() - before < 8 * 1024,
                 qPrintable(u"%1 KiB more"_s.arg(residentKiB() - before)));
#endif
        QVERIFY(table()->viewport()->rect().contains(table()->visualRect(
            table()->model()->index(3277011, 1))));  // 200 << 14 | 3 << 6 | 77 >> 2
        QAccessibleInterface* view = QAccessible::queryAccessibleInterface(table());
        QCOMPARE(view->role(), QAccessible::Table);
        QAccessibleTableInterface* cells = view->tableInterface();
        QCOMPARE(cells->rowCount(), 1 << 22);
        QCOMPARE(cells->columnDescription(2), u"First host"_s);
        QCOMPARE(cells->selectedRows(), QList<int>{3277011});
        QCOMPARE(cells->cellAt(3277011, 1)->text(QAccessible::Name), u"10.200.3.76"_s);
    }

    // Ctrl+F reaches the search field. Row: inputs, what is typed, the row it selects (in view) or
    // a part of the message.
    void search() {
        // clang-format off
        const std::tuple<QString, QString, QString> rows[] = {
            {u"10.1.2.3/30"_s, u"10.200.3.77"_s, u"3277011"_s},
            {u"10.1.2.3/30"_s, u"4194304"_s, u"There is no subnet 4194304: they are numbered 0 to 4194303"_s},
            {u"10.1.2.3/30"_s, u"11.0.0.1"_s, u"11.0.0.1 is not in the network 10.0.0.0"_s},
            {u"10.1.2.3/30"_s, u"10.1.2"_s, u"'10.1.2' is neither an address"_s},
            {u"10.1.2.3 255.192.192.0"_s, u"10.64.64.9"_s, u"5"_s},
        };
        // clang-format on
        for (const auto& [inputs, typed, found] : rows) {
            pressIn(inputs);
            if (!subnets()) open();
            const QList<int> before = selectedRows();
            find(typed);
            bool isRow = false;
            const int n = found.toInt(&isRow);
            QCOMPARE(selectedRows(), isRow ? QList{n} : before);
            QVERIFY(table()->viewport()->rect().intersects(
                table()->visualRect(table()->model()->index(selectedRows().value(0), 1))));
            if (!isRow)
                QVERIFY2(child<QLabel>("message")->text().contains(found), qPrintable(typed));
            QCOMPARE(child<QLineEdit>("search")->text(), typed);  // nothing typed is lost
        }
        // The search stays for a new address in the same network, and goes with the network.
        for (const auto& [inputs, kept] :
             {std::pair{u"10.9.9.9 255.192.192.0"_s, true}, {u"11.1.2.3 255.192.192.0"_s, false}}) {
            pressIn(inputs);
            QCOMPARE(child<QLineEdit>("search")->text(), kept ? u"10.64.64.9"_s : QString());
        }
    }

    // Ctrl+C copies the selected rows as the text list writes them; "Save as CSV…" writes the
    // list of octaval-cli --list --csv, and a file that cannot be written gets a message.
    void copyAndSave() {
        const QString inputs = u"192.168.1.70/27"_s;
        pressIn(inputs);
        open();
        table()->setFocus();
        QTest::keyClick(table(), Qt::Key_Up);
        QTest::keyClick(table(), Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(table(), Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(table(), Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = reportList(inputs, ListFormat::text).split(u'\n');
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringList(lines.mid(0, 1) + lines.mid(2, 3)).join(u'\n') + u'\n');

#ifdef _WIN32
        // On Windows the save dialog is the system's own, which a test cannot fill in.
        QSKIP("the system's save dialog");
#else
        // The second save meets a file size limit: its write fails, and the file stays as it was.
        QTemporaryDir folder;
        const QString path = QDir(folder.path()).absoluteFilePath(u"subnets.csv"_s);
        const QString csv = reportList(inputs, ListFormat::csv);
        rlimit unlimited{};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        const rlimit half{rlim_t(csv.size() / 2), unlimited.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        for (const bool good : {true, false}) {
            m_expected = [&](QWidget* dialog) {
                qobject_cast<QFileDialog*>(dialog)->selectFile(path);
                // The second time the dialog asks whether to replace the file: yes; then the
                // failure gets its message.
                if (!good)
                    m_expected = [&](QWidget* replace) {
                        qobject_cast<QMessageBox*>(replace)->button(QMessageBox::Yes)->click();
                        m_expected = [&](QWidget* box) {
                            QVERIFY(qobject_cast<QMessageBox*>(box)->text().startsWith(
                                u"Cannot save the list to "_s + path + u": "_s));
                            box->close();
                        };
                    };
                // As the Save button does, after the handler: the question runs a loop of its own.
                QTimer::singleShot(0, dialog,
                                   [dialog] { static_cast<QDialog*>(dialog)->accept(); });
            };
            setrlimit(RLIMIT_FSIZE, good ? &unlimited : &half);
            QTest::mouseClick(child<QPushButton>("save"), Qt::LeftButton);
            setrlimit(RLIMIT_FSIZE, &unlimited);
            QVERIFY(!m_expected);
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromLatin1(file.readAll()), csv);
        }
#endif
    }
};

QTEST_MAIN(SubnetsTest)
#include "subnets_test.moc"
