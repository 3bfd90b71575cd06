// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/input_validator.h"

#include <QLineEdit>
#include <algorithm>

namespace octaval {

InputValidator::InputValidator(QLineEdit* box, int limit, Whole whole)
    : QValidator(box), m_before(box->text()), m_limit(limit), m_whole(std::move(whole)) {
    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { m_before = text; });
}

QValidator::State InputValidator::validate(QString& input, int& pos) const {
    if (input == m_before) return Acceptable;
    // The change is one insertion, which may have replaced a selection: the text after the cursor
    // is the old text's end, and what the two share at the start was kept. Where the inserted
    // text begins like the replaced one, either reading gives the same result.
    const qsizetype size = input.size(), old = m_before.size();
    qsizetype tail = std::clamp<qsizetype>(size - pos, 0, old);
    while (tail > 0 && QStringView(input).right(tail) != QStringView(m_before).right(tail))
        --tail;
    qsizetype head = 0;
    while (head < std::min(size, old) - tail && input[head] == m_before[head])
        ++head;
    const QString inserted = input.mid(head, size - head - tail);
    if (!inserted.isEmpty() && m_whole(inserted)) return Invalid;
    if (size <= m_limit) return Acceptable;
    const qsizetype room = std::max<qsizetype>(0, m_limit - head - tail);
    if (room == 0 && head + tail == old) return Invalid;  // nothing fits: as if nothing was typed
    input = m_before.left(head) + inserted.left(room) + m_before.right(tail);
    pos = int(head + std::min(room, inserted.size()));
    // The line edit checks the text it is given once more; it is the box's next text.
    m_before = input;
    return Acceptable;
}

}  // namespace octaval
