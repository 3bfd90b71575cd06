// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "report/address_text.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace octaval {

/// The Working window: how a press came to its answer, the address, mask, network and broadcast
/// bit by bit with their fields drawn apart, and the steps in words and numbers, as
/// octaval-cli --explain prints them. Not modal: it stays open beside the main window and
/// follows its presses.
class frmWorking final : public QWidget {
    Q_OBJECT

public:
    explicit frmWorking(QWidget* parent = nullptr);

    /// Shows the working of a press with these inputs on a fresh calculator, and brings the
    /// window up.
    void showWorking(const AddressTexts& inputs);

    /// Shows the working of a press with these inputs, or the line that there is none yet,
    /// without bringing the window up.
    void setWorking(const std::optional<AddressTexts>& inputs);

    /// The whole working as text, as it is copied.
    const QString& text() const { return m_text; }

public slots:
    /// Puts the whole working on the clipboard as plain text.
    void copyWorking();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void redraw();

    std::optional<AddressTexts> m_inputs;
    QString m_text;
    QLabel* m_heading;
    QWidget* m_bits;
    std::array<QLabel*, 4> m_bitRows{};
    QLabel* m_legend;
    QPlainTextEdit* m_steps;
    QPushButton* m_copy;
};

}  // namespace octaval
