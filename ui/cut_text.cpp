// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cut_text.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <cmath>

namespace octaval {
namespace {

// Below this size, in points at 100 %, a result line is cut rather than made smaller.
constexpr qreal smallestPoints = 6.5;

// A line edit keeps this many pixels between its contents' edges and its text.
constexpr int lineEditMargin = 2;

}  // namespace

bool ResultBox::showFitted(const QString& text) {
    setText(text);
    fit();
    setCursorPosition(0);
    return fontMetrics().horizontalAdvance(text) <= textRoom().width();
}

void ResultBox::changeEvent(QEvent* event) {
    // A font set from outside (the window's table, a change of the application's font) is the
    // box's own, from which a text is fitted.
    if (event->type() == QEvent::FontChange && !m_fitting) {
        m_own = font();
        fit();
    }
    QLineEdit::changeEvent(event);
}

void ResultBox::fit() {
    m_fitting = true;
    QFont font = m_own;
    const int room = textRoom().width();
    const qreal points = m_own.pointSizeF() > 0 ? m_own.pointSizeF() : -1;
    if (points > 0 && QFontMetricsF(font).horizontalAdvance(text()) > room) {
        // The largest tenth of a point at which it fits, not below the smallest legible size.
        qreal size =
            std::floor(points * room / QFontMetricsF(font).horizontalAdvance(text()) * 10) / 10;
        font.setPointSizeF(std::max(size, smallestPoints));
        while (size > smallestPoints && QFontMetrics(font).horizontalAdvance(text()) > room) {
            size = std::round(size * 10 - 1) / 10;
            font.setPointSizeF(std::max(size, smallestPoints));
        }
    }
    setFont(font);
    m_fitting = false;
}

QRect ResultBox::textRoom() const {
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
        .marginsRemoved(textMargins())
        .adjusted(lineEditMargin, 0, -lineEditMargin, 0);
}

void ResultBox::paintEvent(QPaintEvent* event) {
    const QRect room = textRoom();
    if (fontMetrics().horizontalAdvance(text()) <= room.width())
        return QLineEdit::paintEvent(event);
    // Drawn as the line edit draws its text, cut with "…".
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    painter.setPen(palette().text().color());
    painter.drawText(room, Qt::AlignVCenter | Qt::AlignLeft,
                     fontMetrics().elidedText(text(), Qt::ElideRight, room.width()));
}

void CutLabel::setText(const QString& text) {
    QLabel::setText(text);
    describe();
}

QSize CutLabel::minimumSizeHint() const {
    return {minimumWidth(), QLabel::minimumSizeHint().height()};
}

bool CutLabel::isCut() const {
    return fontMetrics().horizontalAdvance(text()) > contentsRect().width();
}

void CutLabel::describe() {
    const QString whole = isCut() ? text() : QString();
    setToolTip(whole);
    setAccessibleDescription(whole);
}

void CutLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    describe();
}

void CutLabel::paintEvent(QPaintEvent* event) {
    if (!isCut()) return QLabel::paintEvent(event);
    QPainter painter(this);
    const QRect room = contentsRect();
    style()->drawItemText(&painter, room, int(alignment()), palette(), isEnabled(),
                          fontMetrics().elidedText(text(), Qt::ElideRight, room.width()),
                          foregroundRole());
}

}  // namespace octaval
