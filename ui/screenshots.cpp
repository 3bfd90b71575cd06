// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the README pictures: the main window after a calculation and the About window, into
// the folder given. Run with QT_QPA_PLATFORM=offscreen (scripts/screenshots does).
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>

#include "ui/frm_about.h"
#include "ui/frm_main.h"

namespace {

bool save(QWidget& window, const QDir& folder, const char* file) {
    window.show();
    QCoreApplication::processEvents();
    const QString path = folder.filePath(QString::fromLatin1(file));
    if (window.grab().save(path, "PNG")) return true;
    std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshots FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    octaval::frmMain main;
    const char* address[] = {"192", "168", "1", "70"};
    const char* mask[] = {"255", "255", "255", "224"};
    for (int k = 1; k <= 4; ++k) {
        main.box(octaval::octetBox(octaval::Box::Text1, k))
            ->setText(QString::fromLatin1(address[k - 1]));
        main.box(octaval::octetBox(octaval::Box::Text5, k))
            ->setText(QString::fromLatin1(mask[k - 1]));
    }
    // As after a click of "Recalculate" with the mouse.
    auto* recalculate = main.findChild<QPushButton*>(QStringLiteral("Command1"));
    recalculate->setFocus();
    recalculate->click();
    if (!save(main, folder, "main-window.png")) return 1;

    octaval::frmAbout about;
    return save(about, folder, "about-window.png") ? 0 : 1;
}
