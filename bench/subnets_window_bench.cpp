// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Subnets window at its largest: a class A address under 255.255.255.252 (4,194,304 rows)
// or the mask given as the first argument. Prints the time from Ctrl+L to the first frame of the
// window, the time a scroll by a page takes with its repaint, and the memory the program holds
// (resident set) before and after, and after a press of the largest list with the window closed
// again, which must cost it nothing. Run with QT_QPA_PLATFORM=offscreen.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTableView>
#include <cstdio>
#include <fstream>
#include <string>

#include "ui/frm_main.h"
#include "ui/frm_subnets.h"

namespace {

// A figure of /proc/self/status in KiB: the resident set now (VmRSS) or at its peak (VmHWM).
long statusKiB(const char* field) {
    std::ifstream status("/proc/self/status");
    const std::string name = std::string(field) + ':';
    for (std::string line; std::getline(status, line);)
        if (line.rfind(name, 0) == 0) return std::stol(line.substr(name.size()));
    return -1;
}
long residentKiB() {
    return statusKiB("VmRSS");
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString mask =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("255.255.255.252");
    const QStringList octets = mask.split(u'.');
    if (octets.size() != 4) {
        std::fprintf(stderr, "usage: subnets_window_bench [MASK]\n");
        return 2;
    }
    octaval::frmMain main;
    main.show();
    octaval::setInputs(main, {"10", "1", "2", "3"},
                       {octets[0].toStdString(), octets[1].toStdString(), octets[2].toStdString(),
                        octets[3].toStdString()});
    main.Command1_Click();
    QCoreApplication::processEvents();
    const long before = residentKiB();

    QElapsedTimer timer;
    timer.start();
    main.showSubnets();
    auto* window = main.findChild<octaval::frmSubnets*>();
    window->repaint();
    QCoreApplication::processEvents();
    const double openMs = double(timer.nsecsElapsed()) / 1e6;
    const long opened = residentKiB();

    QTableView* table = window->table();
    QScrollBar* bar = table->verticalScrollBar();
    constexpr int pages = 2000;
    timer.restart();
    for (int i = 0; i < pages; ++i) {
        bar->setValue(bar->value() + (i % 2 ? -bar->pageStep() : 3 * bar->pageStep()));
        table->viewport()->repaint();
    }
    const double pageMs = double(timer.nsecsElapsed()) / 1e6 / pages;
    timer.restart();
    bar->setValue(bar->maximum());  // a jump to the end
    table->viewport()->repaint();
    const double endMs = double(timer.nsecsElapsed()) / 1e6;
    const long scrolled = residentKiB();
    const int rows = table->model()->rowCount();

    // Closed, the window keeps the press and lists nothing until it is opened again, not even the
    // largest list.
    window->close();
    octaval::setInputs(main, {"10", "9", "8", "7"}, {"255", "255", "255", "252"});
    main.Command1_Click();
    QCoreApplication::processEvents();

    std::printf(
        "rows %d\nopen to first frame %.1f ms\nscroll by a page %.3f ms\n"
        "jump to the end %.3f ms\nresident before %ld KiB, after opening %ld KiB, "
        "after scrolling %ld KiB, after a press of 10.9.8.7/30 with the window closed %ld KiB; "
        "peak %ld KiB\n",
        rows, openMs, pageMs, endMs, before, opened, scrolled, residentKiB(), statusKiB("VmHWM"));
    return 0;
}
