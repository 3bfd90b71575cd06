// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Octaval: the desktop calculator for classful IPv4 subnetting.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include "report/version.h"
#include "ui/frm_main.h"
#include "ui/qt_text.h"

int main(int argc, char* argv[]) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Without a display Qt would abort (status 134) after several lines about plugins; a platform
    // chosen by hand (offscreen, vnc, ...) needs none.
    const auto unset = [](const char* name) {
        const char* value = std::getenv(name);
        return !value || !*value;
    };
    if (unset("DISPLAY") && unset("WAYLAND_DISPLAY") && unset("QT_QPA_PLATFORM")) {
        std::fputs("octaval: no display: set DISPLAY or WAYLAND_DISPLAY\n", stderr);
        return 1;
    }
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(octaval::toQString(octaval::version::name));
    QApplication::setApplicationVersion(octaval::toQString(octaval::version::display));
    // Wayland compositors and docks find the icon and the name through the desktop entry.
    QGuiApplication::setDesktopFileName(octaval::toQString(octaval::version::appId));
    octaval::frmMain window;
    window.show();
    return QApplication::exec();
}
