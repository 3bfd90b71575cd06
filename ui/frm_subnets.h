// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <utility>

#include "engine/subnets.h"
#include "report/press.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace octaval {

class SubnetTableModel;

/// The Subnets window: every subnet of the classful network of a press, in the rows of
/// octaval-cli --list, computed as they are shown. It follows each new press; a press that did
/// not pass the validation chain, or a class without subnets, gets one line instead.
class frmSubnets final : public QWidget {
    Q_OBJECT

public:
    explicit frmSubnets(QWidget* parent = nullptr);

    QTableView* table() const { return m_table; }

public slots:
    /// Takes the press whose subnets the window lists (nothing before the first press). A closed
    /// window only keeps it, and lists its subnets once it is opened.
    void setPress(std::shared_ptr<const Press> press);
    /// Selects the row that holds the address, or has the number, typed into the search field.
    void find();
    /// Puts the selected rows on the clipboard as the text list writes them, under its header.
    void copyRows();
    /// Asks for a file and writes the whole list into it as CSV.
    void saveAsCsv();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refresh();
    void selectRow(int row);
    void setMessage(const QString& message);
    void fitOnScreen();

    std::shared_ptr<const Press> m_press;
    bool m_stale = true;                                  // the list is not yet that of m_press
    bool m_placed = false;                                // sized and placed on its first showing
    std::optional<std::pair<Address, Address>> m_listed;  // the network and mask listed
    SubnetTableModel* m_model;
    QLabel* m_caption;  // what is listed, or why nothing is
    QLineEdit* m_search;
    QLabel* m_searchLabel;
    QLabel* m_message;  // what the last search or copy found
    QTableView* m_table;
    QPushButton* m_save;
};

}  // namespace octaval
