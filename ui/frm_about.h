// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace octaval {

/// The About window: picture, description with the version, ownership notice, disclaimer and
/// "OK". Created afresh for each showing.
class frmAbout final : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);

public slots:
    /// "OK": closes the window.
    void Command1_Click();
};

}  // namespace octaval
