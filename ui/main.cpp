// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Octaval: the desktop calculator for classful IPv4 subnetting.
#include <QApplication>
#include "resources/version.h"

#include "ui/frm_main.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(OCTAVAL_NAME));
    QApplication::setApplicationVersion(QStringLiteral(OCTAVAL_VERSION_DISPLAY));
    octaval::frmMain window;
    window.show();
    return QApplication::exec();
}
