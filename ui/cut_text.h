// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Texts that may be longer than the room they get, in any language and at any scale: they show
// where they are cut ("…"), and their widgets keep them whole for screen readers and tooltips.

#include <QLabel>
#include <QLineEdit>

namespace octaval {

/// A result box: a read-only line whose text gets a smaller font, in this box only, where it would
/// not fit at the box's own; where even the smallest legible size is too large, it is drawn cut
/// with "…". Its text() stays whole.
class ResultBox final : public QLineEdit {
    Q_OBJECT

public:
    explicit ResultBox(QWidget* parent) : QLineEdit(parent) {}

    /// Shows `text`, fitted; false when it shows cut.
    bool showFitted(const QString& text);

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textRoom() const;
    void fit();

    QFont m_own;  // the box's font, before a text needed a smaller one
    bool m_fitting = false;
};

/// A label of one line that shows a text longer than its width cut with "…", and whole in its
/// tooltip and accessible description. Its text() stays whole, and the layout may make it
/// narrower than its text.
class CutLabel final : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    void setText(const QString& text);
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool isCut() const;
    void describe();
};

}  // namespace octaval
