// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace octaval {

class frmMain;
class SubnetTableModel;

/// The Subnets window: every subnet of the classful network of the main window's last press, in
/// the rows of octaval-cli --list, computed as they are shown. It follows each new press; a press
/// that did not pass the validation chain, or a class without subnets, gets one line instead.
class frmSubnets final : public QWidget {
    Q_OBJECT

public:
    explicit frmSubnets(frmMain* main);

    QTableView* table() const { return m_table; }

public slots:
    /// Lists the subnets of the main window's last press and selects the row of its address.
    void refresh();
    /// Selects the row that holds the address, or has the number, typed into the search field.
    void find();
    /// Puts the selected rows on the clipboard as the text list writes them, under its header.
    void copyRows();
    /// Asks for a file and writes the whole list into it as CSV.
    void saveAsCsv();

private:
    void selectRow(int row);
    void setMessage(const QString& message);

    frmMain* m_main;
    SubnetTableModel* m_model;
    QLabel* m_caption;  // what is listed, or why nothing is
    QLineEdit* m_search;
    QLabel* m_searchLabel;
    QLabel* m_message;  // what the last search or copy found
    QTableView* m_table;
    QPushButton* m_save;
};

}  // namespace octaval
