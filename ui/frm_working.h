// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <vector>

#include "report/press.h"

class QLabel;
class QPushButton;

namespace octaval {

class StepList;

/// The Working window: how a press came to its answer, the address, mask, network and broadcast
/// bit by bit with their fields drawn apart, and the steps in words and numbers, as
/// octaval-cli --explain prints them, each with its title and a hanging number. Choosing a step
/// (a click, or the arrow keys) marks in the bit rows the bits it speaks of. Not modal: it stays
/// open beside the main window and follows its presses.
class frmWorking final : public QWidget {
    Q_OBJECT

public:
    explicit frmWorking(QWidget* parent = nullptr);

    /// Shows the working of a press (the line that there is none yet for nothing), and brings
    /// the window up.
    void showWorking(std::shared_ptr<const Press> press);

    /// The whole working as text, as it is copied.
    const QString& text() const { return m_text; }
    /// The steps as --explain numbers them, one a line ("1. Class: ...").
    QStringList steps() const;
    /// The chosen step, from 0; -1 without steps.
    int currentStep() const;
    void setCurrentStep(int step);

public slots:
    /// Takes the press whose working the window shows, without bringing the window up; a closed
    /// window only keeps it, and shows its working once it is opened.
    void setPress(std::shared_ptr<const Press> press);
    /// Puts the whole working on the clipboard as plain text.
    void copyWorking();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void redraw();
    void drawBits();

    std::shared_ptr<const Press> m_press;
    bool m_stale = true;  // the texts are not yet those of m_press
    QString m_text;
    QLabel* m_heading;
    QWidget* m_bits;
    std::array<QLabel*, 4> m_bitRows{};
    QLabel* m_legend;
    StepList* m_steps;
    QPushButton* m_copy;
    std::vector<std::array<quint32, 4>> m_marks;  // each step's bits, by row
    bool m_placed = false;  // placed beside the main window on its first showing
    bool m_sized = false;   // the window has been made large enough for its first working
};

}  // namespace octaval
