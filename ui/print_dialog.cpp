// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The print dialog, in a module that the window program loads when the user prints.
#include "ui/print_dialog.h"

#include <QPrintDialog>
#include <QPrinter>
#include <type_traits>

extern "C" Q_DECL_EXPORT bool octavalPrintDialog(
    QWidget* parent, QMarginsF margins, const std::function<void(QPagedPaintDevice&)>& print) {
    QPrinter printer;
    printer.setPageMargins(margins, QPageLayout::Millimeter);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    print(printer);
    return true;
}

// The function's type as the program expects it: a change to one side fails here, not when the
// user prints.
static_assert(std::is_same_v<decltype(octavalPrintDialog), octaval::PrintDialogFunction>);
