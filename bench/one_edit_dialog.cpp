// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the window's start-up: the least a Qt text-entry window costs, a dialog of the
// main window's size holding one line edit (the first line edit brings in the input method and
// text layout).
#include <QApplication>
#include <QDialog>
#include <QLineEdit>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Octaval"));
    dialog.setFixedSize(231, 388);
    QLineEdit edit(QStringLiteral("0"), &dialog);
    edit.setGeometry(96, 8, 25, 19);
    dialog.show();
    return QApplication::exec();
}
