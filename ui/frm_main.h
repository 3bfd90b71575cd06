// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "engine/calculator.h"
#include "report/address_text.h"
#include "report/press.h"

class QLineEdit;
class QPushButton;

namespace octaval {

class AddressEdit;
class frmWorking;
class frmPractice;
class frmSubnets;

/// The main window: the input, output and status boxes and the three buttons. It owns the
/// calculator state; the engine reads and writes its boxes through BoxAccess.
// A dialog rather than a plain window: only a dialog turns Enter in a line edit into a click of
// the default button, and lets a focused button take Enter itself.
class frmMain final : public QDialog, public BoxAccess {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);

    std::string text(Box box) const override;
    void setText(Box box, std::string_view text) override;

    /// The line edit that shows a box.
    QLineEdit* box(Box box) const { return m_boxes[std::size_t(numberOf(box))]; }

signals:
    /// A press of "Recalculate" has shown its results: the press itself, computed once for the
    /// main window and every window that shows more of it.
    void pressed(std::shared_ptr<const Press> press);

public slots:
    /// "Recalculate" (also Enter): one press of the engine.
    void Command1_Click();
    /// "Exit": ends the program.
    void Command2_Click();
    /// "About": shows the About window modally, created afresh.
    void Command3_Click();
    /// Every change of Text1: the mask boxes follow the natural mask.
    void Text1_Change();
    /// Puts the whole result on the clipboard as plain text, as octaval-cli prints it.
    void copyResults();
    /// "Show the working…" (Ctrl+B): opens the Working window, or brings it up, with the working
    /// of the last press; it follows every press after.
    void showWorking();
    /// "Practice…" (Ctrl+P and the context menu): shows the Practice window, created on first
    /// use and kept beside the main window.
    void openPractice();

public:
    /// The Practice window, once opened.
    frmPractice* practice() const { return m_practice; }
    /// "Every subnet…" (Ctrl+L): shows the Subnets window, created on first use.
    void showSubnets();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString m_shortcuts;                       // the output boxes' tooltip
    std::shared_ptr<const Press> m_lastPress;  // nothing before the first press
    // The Working window, created when first asked for.
    frmWorking* workingWindow();

    frmWorking* m_working = nullptr;
    frmPractice* m_practice = nullptr;
    frmSubnets* m_subnets = nullptr;
    std::array<AddressEdit*, 2> m_rows{};  // the address and the mask
    std::array<QLineEdit*, 34> m_boxes{};  // by control number; 22..25 do not exist
};

}  // namespace octaval
