// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frm_about.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "report/version.h"
#include "resources/icons.h"
#include "ui/controls.h"
#include "ui/qt_text.h"

namespace octaval {
namespace {

// Titled as the main window's button that opens it, and translated there (below).
constexpr Form form = {"frmAbout",
                       "About",
                       Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint,
                       SystemColour::inactiveBorder,
                       3810,
                       3675};

// In focus order.
constexpr Control controls[] = {
    {"Picture1", ControlKind::picture, "", 120, 120, 975, 855, SystemColour::windowBackground},
    // Worded below, apart from the status "OK", which means something else.
    {"Command1", ControlKind::button, "OK", 1560, 3120, 735, 375},
    // The notice of ownership: the licence, where its terms are installed and where to read more.
    {"Label1", ControlKind::note,
#ifdef Q_OS_WIN
     QT_TRANSLATE_NOOP("octaval::frmAbout",
                       "\u00a9 2026 the Octaval developers. Licence GPL-3.0-or-later, terms in "
                       "LICENSE beside the program. More in README.md."),
#else
     QT_TRANSLATE_NOOP("octaval::frmAbout",
                       "\u00a9 2026 the Octaval developers. Licence GPL-3.0-or-later, terms in\n"
                       "/usr/share/doc/octaval/copyright\nMore in octaval(1) and the README."),
#endif
     120, 1200, 3615, 855, SystemColour::inactiveBorder},
    // The description with the name and version (aboutDescription).
    {"Label3", ControlKind::note, "", 1200, 120, 2415, 855, SystemColour::inactiveBorder},
    {"Label2", ControlKind::note,
     QT_TRANSLATE_NOOP("octaval::frmAbout",
                       "Free to share and use. The author accepts no responsibility for any "
                       "damage or loss of data it may cause."),
     120, 2280, 3615, 615, SystemColour::buttonFace},
};

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    const std::vector<QWidget*> widgets = buildForm(form, controls, this);
    setWindowTitle(QCoreApplication::translate("octaval::frmMain", "About"));
    setAccessibleName(windowTitle());
    static_cast<QPushButton*>(widgets[controlIndex(controls, "Command1")])
        ->setText(tr("OK", "the button that closes the window"));
    static_cast<QLabel*>(widgets[controlIndex(controls, "Picture1")])
        ->setPixmap(aboutPicture(devicePixelRatioF()));
    static_cast<QLabel*>(widgets[controlIndex(controls, "Label3")])
        ->setText(tr("%1 %2 calculates subnet and broadcast address via given IP address and "
                     "subnet mask.")
                      .arg(toQString(version::name), toQString(version::majorMinor)));
    connect(static_cast<QPushButton*>(widgets[controlIndex(controls, "Command1")]),
            &QPushButton::clicked, this, &frmAbout::Command1_Click);
}

void frmAbout::Command1_Click() {
    accept();
}

}  // namespace octaval
