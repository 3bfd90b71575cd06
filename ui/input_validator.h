// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QValidator>
#include <functional>

class QLineEdit;

namespace octaval {

/// The one gate of an input box for text that comes in, whichever way it comes: typed, pasted by
/// the keyboard or the context menu, the X11 primary selection (middle button), dropped, from an
/// input method or from assistive technology. The box holds at most `limit` characters: an
/// insertion is cut to the room that is left, as a line edit's maximum length would cut it (the
/// box has none, so that the gate sees the whole text). An inserted text that `whole` takes, such
/// as an address for its whole row, stays out of the box: `whole` has it instead.
class InputValidator final : public QValidator {
public:
    /// Takes an inserted text that is more than one box's worth; true when it did.
    using Whole = std::function<bool(const QString& inserted)>;

    InputValidator(QLineEdit* box, int limit, Whole whole);

    State validate(QString& input, int& pos) const override;

private:
    mutable QString m_before;  // the box's text before the change under validation
    int m_limit;
    Whole m_whole;
};

}  // namespace octaval
