// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frm_main.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "ui/controls.h"
#include "ui/frm_about.h"

namespace octaval {
namespace {

// A normal top-level window with minimize and close buttons; its fixed size rules out
// maximizing.
constexpr Form form = {"frmMain",
                       "Octaval",
                       Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint,
                       SystemColour::buttonFace,
                       3465,
                       5820};

constexpr SystemColour window = SystemColour::windowBackground;
constexpr SystemColour plain = SystemColour::none;

// Every control of the window in focus order, row by row, left to right.
constexpr Control controls[] = {
    {"Label7", ControlKind::caption, "IP address", 120, 120, 1215, 255},
    {"Text1", ControlKind::inputBox, "0", 1440, 120, 375, 285, window, "IP address, octet 1"},
    {"Label1", ControlKind::dot, ".", 1800, 120, 135, 255},
    {"Text2", ControlKind::inputBox, "0", 1920, 120, 375, 285, window, "IP address, octet 2"},
    {"Label2", ControlKind::dot, ".", 2280, 120, 135, 255},
    {"Text3", ControlKind::inputBox, "0", 2400, 120, 375, 285, window, "IP address, octet 3"},
    {"Label5", ControlKind::dot, ".", 2760, 120, 135, 255},
    {"Text4", ControlKind::inputBox, "0", 2880, 120, 375, 285, window, "IP address, octet 4"},
    {"Label8", ControlKind::caption, "Subnet mask", 120, 600, 1215, 255},
    {"Text5", ControlKind::inputBox, "255", 1440, 600, 375, 285, window, "Subnet mask, octet 1"},
    {"Label3", ControlKind::dot, ".", 1800, 600, 135, 255},
    {"Text6", ControlKind::inputBox, "255", 1920, 600, 375, 285, window, "Subnet mask, octet 2"},
    {"Label4", ControlKind::dot, ".", 2280, 600, 135, 255},
    {"Text7", ControlKind::inputBox, "255", 2400, 600, 375, 285, window, "Subnet mask, octet 3"},
    {"Label6", ControlKind::dot, ".", 2760, 600, 135, 255},
    {"Text8", ControlKind::inputBox, "0", 2880, 600, 375, 285, window, "Subnet mask, octet 4"},
    {"Label12", ControlKind::caption, "Subnet", 120, 1080, 1215, 255},
    {"Text9", ControlKind::octetBox, "", 1440, 1080, 375, 285, plain, "Subnet, octet 1"},
    {"Label9", ControlKind::dot, ".", 1800, 1080, 135, 255},
    {"Text10", ControlKind::octetBox, "", 1920, 1080, 375, 285, plain, "Subnet, octet 2"},
    {"Label10", ControlKind::dot, ".", 2280, 1080, 135, 255},
    {"Text11", ControlKind::octetBox, "", 2400, 1080, 375, 285, plain, "Subnet, octet 3"},
    {"Label11", ControlKind::dot, ".", 2760, 1080, 135, 255},
    {"Text12", ControlKind::octetBox, "", 2880, 1080, 375, 285, plain, "Subnet, octet 4"},
    {"Label13", ControlKind::caption, "Broadcast", 120, 1560, 1215, 255},
    {"Text13", ControlKind::octetBox, "", 1440, 1560, 375, 285, plain, "Broadcast, octet 1"},
    {"Label14", ControlKind::dot, ".", 1800, 1560, 135, 255},
    {"Text14", ControlKind::octetBox, "", 1920, 1560, 375, 285, plain, "Broadcast, octet 2"},
    {"Label15", ControlKind::dot, ".", 2280, 1560, 135, 255},
    {"Text15", ControlKind::octetBox, "", 2400, 1560, 375, 285, plain, "Broadcast, octet 3"},
    {"Label16", ControlKind::dot, ".", 2760, 1560, 135, 255},
    {"Text16", ControlKind::octetBox, "", 2880, 1560, 375, 285, plain, "Broadcast, octet 4"},
    {"Label17", ControlKind::caption, "Class", 120, 2040, 1215, 255},
    {"Text17", ControlKind::octetBox, "", 1440, 2040, 375, 285, plain, "Class"},
    {"Line1", ControlKind::line, "", 0, 2520, 7680, 0},
    {"Label18", ControlKind::caption, "Network", 120, 2760, 1215, 255},
    {"Text18", ControlKind::resultBox, "", 1440, 2760, 1815, 285, plain, "Network"},
    {"Label19", ControlKind::caption, "Subnet", 120, 3240, 1215, 255},
    {"Text19", ControlKind::resultBox, "", 1440, 3240, 1815, 285, plain, "Subnet"},
    {"Label20", ControlKind::caption, "Host", 120, 3720, 1215, 255},
    {"Text20", ControlKind::resultBox, "", 1440, 3720, 1815, 285, plain, "Host"},
    {"Label21", ControlKind::caption, "Subnet 1", 120, 4200, 975, 255},
    {"Text26", ControlKind::octetBox, "", 1440, 4200, 375, 285, plain, "Subnet 1, octet 1"},
    {"Text27", ControlKind::octetBox, "", 1920, 4200, 375, 285, plain, "Subnet 1, octet 2"},
    {"Text28", ControlKind::octetBox, "", 2400, 4200, 375, 285, plain, "Subnet 1, octet 3"},
    {"Text29", ControlKind::octetBox, "", 2880, 4200, 375, 285, plain, "Subnet 1, octet 4"},
    {"Label22", ControlKind::caption, "Subnet N", 120, 4680, 975, 255},
    {"Text30", ControlKind::octetBox, "", 1440, 4680, 375, 285, plain, "Subnet N, octet 1"},
    {"Text31", ControlKind::octetBox, "", 1920, 4680, 375, 285, plain, "Subnet N, octet 2"},
    {"Text32", ControlKind::octetBox, "", 2400, 4680, 375, 285, plain, "Subnet N, octet 3"},
    {"Text33", ControlKind::octetBox, "", 2880, 4680, 375, 285, plain, "Subnet N, octet 4"},
    {"Command2", ControlKind::button, "Exit", 0, 5160, 975, 375},
    {"Command3", ControlKind::button, "About", 960, 5160, 975, 375},
    {"Command1", ControlKind::button, "Recalculate", 1920, 5160, 1575, 375},
    {"Text21", ControlKind::statusBox, "OK", 0, 5520, 7695, 285, SystemColour::activeBorder,
     "Status"},
};

QPushButton* button(const QWidget* window, const char* name) {
    return window->findChild<QPushButton*>(QLatin1StringView(name), Qt::FindDirectChildrenOnly);
}

}  // namespace

frmMain::frmMain(QWidget* parent) : QDialog(parent) {
    buildForm(form, controls, this);
    for (Box b : allBoxes) {
        const std::string_view name = boxName(b);
        m_boxes[std::size_t(numberOf(b))] = findChild<QLineEdit*>(
            QLatin1StringView(name.data(), qsizetype(name.size())), Qt::FindDirectChildrenOnly);
    }

    QPushButton* recalculate = button(this, "Command1");
    recalculate->setDefault(true);
    connect(recalculate, &QPushButton::clicked, this, &frmMain::Command1_Click);
    connect(button(this, "Command2"), &QPushButton::clicked, this, &frmMain::Command2_Click);
    connect(button(this, "Command3"), &QPushButton::clicked, this, &frmMain::Command3_Click);
    // Connected only now, so that the initial texts do not count as a change of Text1; and to
    // textChanged, which, unlike textEdited, also reports changes made by assistive technology.
    connect(box(Box::Text1), &QLineEdit::textChanged, this, &frmMain::Text1_Change);

    box(Box::Text1)->setFocus();
}

std::string frmMain::text(Box b) const {
    return box(b)->text().toStdString();
}

void frmMain::setText(Box b, std::string_view text) {
    box(b)->setText(QString::fromUtf8(text.data(), qsizetype(text.size())));
}

void frmMain::Command1_Click() {
    Recalculate(m_state, *this);
}

void frmMain::Command2_Click() {
    QCoreApplication::quit();
}

void frmMain::Command3_Click() {
    frmAbout about(this);
    about.exec();
}

void frmMain::Text1_Change() {
    ApplyNaturalMask(*this);
}

void frmMain::keyPressEvent(QKeyEvent* event) {
    // The window has no cancel button: Escape must not reach QDialog, which would close it.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace octaval
