// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>
#include <optional>
#include <string>

#include "report/address_entry.h"

class QLabel;
class QLineEdit;

namespace octaval {

/// A row of four octet boxes with dots between them, for an address or a mask. Whatever comes
/// into a box passes one gate, whichever way it comes: typed, pasted by the keyboard or the
/// context menu, the X11 primary selection (middle button), dropped, from an input method or from
/// assistive technology. What it does is enterText's decision (report/address_entry.h): a box
/// holds at most three characters, a dot typed after a box's digits moves on to the next box, and
/// a whole address or mask fills its row.
class AddressEdit final : public QWidget {
    Q_OBJECT

public:
    AddressEdit(RowKind kind, QWidget* parent = nullptr);

    /// Box k, 0 to 3.
    QLineEdit* box(std::size_t k) const { return m_boxes[k]; }
    QLabel* dot(std::size_t k) const { return m_dots[k]; }

    /// Writes box k as the program does: the gate lets it through as it is.
    void setText(std::size_t k, const QString& text);
    void setTexts(const std::array<std::string, 4>& texts);
    /// The four texts joined by dots; empty when every box is blank.
    QString text() const;

    /// Places the boxes `boxWidth` apart by `gap`, each dot `dotWidth` wide centred on its gap and
    /// `dotHeight` high; by default they follow the font.
    void setColumns(int gap, int dotWidth, int dotHeight);

    QSize sizeHint() const override;
    /// Places the boxes and dots in the row's width; a row that is not shown yet gets no resize
    /// event until it is.
    void placeBoxes();

signals:
    /// A whole address came into an address row, which took it; with its mask when one was given,
    /// for the row that shows it.
    void addressEntered(const std::optional<std::array<std::string, 4>>& mask);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class OctetGate;
    // Carries out what the gate decided for the rows, once the box's change is over.
    void fillRows(const RowEntry& entry);

    RowKind m_kind;
    std::array<QLineEdit*, 4> m_boxes{};
    std::array<QLabel*, 3> m_dots{};
    bool m_writing = false;  // the program is writing a box
    int m_gap = -1, m_dotWidth = -1, m_dotHeight = -1;
};

}  // namespace octaval
