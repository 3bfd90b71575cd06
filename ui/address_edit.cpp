// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/address_edit.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>

#include "ui/qt_text.h"

namespace octaval {
namespace {

std::u16string_view view(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size())};
}

QString fromView(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()), qsizetype(text.size()));
}

// The selection of a box, or its cursor where nothing is selected, as [from, to).
std::pair<std::size_t, std::size_t> selectionOf(const QLineEdit* box) {
    if (box->hasSelectedText())
        return {std::size_t(box->selectionStart()), std::size_t(box->selectionEnd())};
    return {std::size_t(box->cursorPosition()), std::size_t(box->cursorPosition())};
}

// The row as a screen reader meets it: a group of four boxes, named by the row's caption where
// its window names it. The focus given to the row goes to its first box, which makes
// QWidget::hasFocus() true for the row too: the row is never reported as focused itself, beside
// the box that is.
class RowInterface final : public QAccessibleWidget {
public:
    explicit RowInterface(QWidget* row) : QAccessibleWidget(row, QAccessible::Grouping) {}
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = state.focused = false;
        return state;
    }
};

QAccessibleInterface* rowInterface(const QString& key, QObject* object) {
    if (key == QLatin1StringView(AddressEdit::staticMetaObject.className()))
        return new RowInterface(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

// The gate of one box. A line edit hands its validator only the text after a change; the text and
// the selection before it are kept here from the box's signals, which come after every change of
// either, so that the gate knows what the change replaced: a paste over a selected "192" replaced
// all of it, even where the pasted text also begins with "1".
class OctetGate final : public QValidator {
public:
    OctetGate(AddressEdit* row, std::size_t k) : QValidator(row->box(k)), m_row(row), m_k(k) {
        QLineEdit* box = row->box(k);
        const auto remember = [this, box] {
            m_before = box->text();
            std::tie(m_from, m_to) = selectionOf(box);
        };
        remember();
        connect(box, &QLineEdit::textChanged, this, remember);
        // An input method's commit moves the cursor before the new text is validated: a move
        // within a change that is still under way says nothing about what it replaced.
        const auto moved = [this, box] {
            if (box->text() == m_before) std::tie(m_from, m_to) = selectionOf(box);
        };
        connect(box, &QLineEdit::selectionChanged, this, moved);
        connect(box, &QLineEdit::cursorPositionChanged, this, moved);
    }

    State validate(QString& input, int& pos) const override {
        if (input == m_before || m_row->m_writing) return Acceptable;
        const RowEntry entry =
            enterText(m_row->m_kind, m_k, changeBetween(view(m_before), m_from, m_to, view(input)));
        switch (entry.kind) {
            case RowEntry::Kind::refused:
            case RowEntry::Kind::nextBox:
                return Invalid;
            case RowEntry::Kind::rows:
                // The box is in the middle of its change: the rows are written once it is over.
                QMetaObject::invokeMethod(
                    m_row, [row = m_row, entry] { row->fillRows(entry); }, Qt::QueuedConnection);
                return Invalid;
            case RowEntry::Kind::box:
                break;
        }
        if (view(input) != entry.text) {
            input = fromView(entry.text);
            // The line edit checks the text it is given once more; it is the box's next text.
            m_before = input;
        }
        pos = int(entry.cursor);
        return Acceptable;
    }

private:
    AddressEdit* m_row;
    std::size_t m_k;
    mutable QString m_before;
    std::size_t m_from = 0, m_to = 0;
};

AddressEdit::AddressEdit(RowKind kind, QWidget* parent) : QWidget(parent), m_kind(kind) {
    static const bool accessible = (QAccessible::installFactory(rowInterface), true);
    Q_UNUSED(accessible);
    for (std::size_t k = 0; k < 4; ++k) {
        if (k > 0) {
            m_dots[k - 1] = new QLabel(QStringLiteral("."), this);
            m_dots[k - 1]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        }
        // No maximum length: the gate holds the box to three characters, and must see a pasted
        // address whole.
        m_boxes[k] = new QLineEdit(this);
        m_boxes[k]->setAlignment(Qt::AlignRight);
        m_boxes[k]->setValidator(new OctetGate(this, k));
        m_boxes[k]->installEventFilter(this);
    }
    // The row is its boxes: Tab goes from box to box, and the focus given to the row goes to the
    // first.
    setFocusProxy(m_boxes[0]);
    // As a line edit, the row keeps its height where a layout is short of room: squeezed, its boxes
    // would cut their digits.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void AddressEdit::setText(std::size_t k, const QString& text) {
    const bool writing = std::exchange(m_writing, true);
    m_boxes[k]->setText(text);
    m_writing = writing;
}

void AddressEdit::setTexts(const std::array<std::string, 4>& texts) {
    for (std::size_t k = 0; k < 4; ++k)
        setText(k, toQString(texts[k]));
}

QString AddressEdit::text() const {
    QStringList octets;
    bool blank = true;
    for (const QLineEdit* box : m_boxes) {
        octets << box->text();
        blank = blank && box->text().trimmed().isEmpty();
    }
    return blank ? QString() : octets.join(u'.');
}

void AddressEdit::fillRows(const RowEntry& entry) {
    if (m_kind == RowKind::mask) {
        setTexts(*entry.mask);
        return;
    }
    setTexts(*entry.address);
    emit addressEntered(entry.mask);
}

bool AddressEdit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* box = static_cast<QLineEdit*>(watched);
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        const std::size_t k =
            std::size_t(std::find(m_boxes.begin(), m_boxes.end(), box) - m_boxes.begin());
        if (typed.size() == 1 && k < 4) {
            const auto [from, to] = selectionOf(box);
            const QString before = box->text();
            if (enterText(m_kind, k, {view(before), from, to, view(typed), true}).kind ==
                RowEntry::Kind::nextBox) {
                m_boxes[k + 1]->setFocus(Qt::TabFocusReason);
                m_boxes[k + 1]->selectAll();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void AddressEdit::setColumns(int gap, int dotWidth, int dotHeight) {
    m_gap = gap;
    m_dotWidth = dotWidth;
    m_dotHeight = dotHeight;
    updateGeometry();
}

QSize AddressEdit::sizeHint() const {
    // Room for three digits in each box, beside the dots.
    const QSize box = m_boxes[0]->minimumSizeHint();
    const int digits = m_boxes[0]->fontMetrics().horizontalAdvance(QStringLiteral("255"));
    const int gap = m_gap >= 0 ? m_gap : m_dots[0]->sizeHint().width();
    return {4 * (box.width() + digits) + 3 * gap, box.height()};
}

void AddressEdit::resizeEvent(QResizeEvent*) {
    placeBoxes();
}

void AddressEdit::placeBoxes() {
    const int gap = m_gap >= 0 ? m_gap : m_dots[0]->sizeHint().width();
    const int dotWidth = m_dotWidth >= 0 ? m_dotWidth : gap;
    const int dotHeight = m_dotHeight >= 0 ? m_dotHeight : height();
    const int boxWidth = (width() - 3 * gap) / 4;
    for (std::size_t k = 0; k < 4; ++k) {
        const int left = int(k) * (boxWidth + gap);
        m_boxes[k]->setGeometry(left, 0, boxWidth, height());
        if (k < 3)
            m_dots[k]->setGeometry(left + boxWidth - (dotWidth - gap) / 2, 0, dotWidth, dotHeight);
    }
}

}  // namespace octaval
