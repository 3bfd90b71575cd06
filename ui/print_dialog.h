// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMarginsF>
#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace octaval {

/// Qt's print support is a module of its own (print_dialog.cpp), loaded when the user first
/// prints: linked to the program, its library would be loaded, and its pages resident, at every
/// start. The module exports one function of this type under the name printDialogSymbol: it shows
/// the print dialog for a printer with the given margins and, when the user accepts, has `print`
/// print on that printer. It returns whether the user accepted.
using PrintDialogFunction = bool(QWidget* parent, QMarginsF margins,
                                 const std::function<void(QPagedPaintDevice&)>& print);
inline constexpr char printDialogSymbol[] = "octavalPrintDialog";

}  // namespace octaval
