// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frm_working.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QTextTable>
#include <QVBoxLayout>
#include <functional>
#include <vector>

#include "engine/subnets.h"
#include "report/binary_report.h"
#include "report/working/text.h"
#include "ui/controls.h"
#include "ui/palette.h"
#include "ui/qt_text.h"
#include "ui/translation.h"

namespace octaval {
namespace {

QString noPress() {
    return QCoreApplication::translate(
        "octaval::frmWorking", "No working yet: press Recalculate in the main window first.");
}

// How a field of the bits is drawn: on a tint of its own (blue, yellow, green), in black or white
// text, whichever reads better on it, the subnet bits also bold; and a '|' wherever two fields
// meet, so that the fields stay apart in grey scale and without telling the hues apart. Light
// tints under a light palette, dark ones under a dark palette.
struct FieldLook {
    QColor background;
    QColor text;
    bool bold;
};

FieldLook fieldLook(BitField field, const QPalette& palette) {
    const bool dark = palette.color(QPalette::Base).lightnessF() < 0.5;
    QColor tint;
    switch (field) {
        case BitField::network:
            tint = dark ? QColor(0x1e, 0x3f, 0x66) : QColor(0xcf, 0xe3, 0xff);
            break;
        case BitField::subnet:
            tint = dark ? QColor(0x5c, 0x4b, 0x00) : QColor(0xff, 0xef, 0x9e);
            break;
        case BitField::host:
            tint = dark ? QColor(0x1c, 0x4d, 0x24) : QColor(0xc6, 0xef, 0xc6);
            break;
        case BitField::none:
            return {palette.color(QPalette::Window), palette.color(QPalette::WindowText), false};
    }
    return {tint, tint.lightnessF() > 0.5 ? QColor(Qt::black) : QColor(Qt::white),
            field == BitField::subnet};
}

QString fieldWords(BitField field) {
    switch (field) {
        case BitField::network:
            return QCoreApplication::translate("octaval::frmWorking", "the class's network bits");
        case BitField::subnet:
            return QCoreApplication::translate("octaval::frmWorking", "the subnet bits");
        case BitField::host:
            return QCoreApplication::translate("octaval::frmWorking", "the host bits");
        case BitField::none:
            break;
    }
    return QCoreApplication::translate("octaval::frmWorking", "no fields");
}

QString span(const QString& text, const FieldLook& look) {
    return QStringLiteral("<span style=\"background-color:%1;color:%2;%3\">%4</span>")
        .arg(look.background.name(), look.text.name(),
             look.bold ? QStringLiteral("font-weight:bold") : QString(), text.toHtmlEscaped());
}

// The bits that the chosen step speaks of: on a colour of their own, far from the fields' tints
// and legible at 7:1 and more, and underlined, so that they stand out in grey scale too.
FieldLook markedLook(const QPalette& palette) {
    const bool dark = palette.color(QPalette::Base).lightnessF() < 0.5;
    return dark ? FieldLook{QColor(0xff, 0xd5, 0x4f), QColor(Qt::black), true}
                : FieldLook{QColor(0x1a, 0x23, 0x7e), QColor(Qt::white), true};
}

QString markedSpan(const QString& text, const QPalette& palette) {
    const FieldLook look = markedLook(palette);
    return QStringLiteral(
               "<span style=\"background-color:%1;color:%2;font-weight:bold;"
               "text-decoration:underline\">%3</span>")
        .arg(look.background.name(), look.text.name(), text.toHtmlEscaped());
}

// The fields of a bit row one after the other, as their runs of bits stand in the row.
std::vector<BitField> fieldRuns(const BitFields& fields) {
    std::vector<BitField> runs;
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (i == 0 || fields[i] != fields[i - 1]) runs.push_back(fields[i]);
    return runs;
}

}  // namespace

// The steps, one under the other, each with its number hanging beside its title and text; one
// of them is chosen, by a click or the arrow keys, and the list reports it. A single stop for
// Tab, so that the keys walk the steps and Tab goes on to the buttons.
class StepList final : public QTextBrowser {
public:
    explicit StepList(QWidget* parent) : QTextBrowser(parent) {
        setTextInteractionFlags(Qt::NoTextInteraction);
        setFocusPolicy(Qt::StrongFocus);
        setTabChangesFocus(true);
        setOpenLinks(false);
        viewport()->setCursor(Qt::PointingHandCursor);
    }

    std::function<void(int)> chosen;

    void setSteps(const QList<std::pair<QString, QString>>& steps) {
        m_steps = steps;
        m_current = -1;
        choose(steps.isEmpty() ? -1 : 0);
    }

    int current() const { return m_current; }
    int count() const { return int(m_steps.size()); }
    // A step in words, as a screen reader reads it in the list.
    QString stepText(int step) const {
        return QStringLiteral("%1. %2. %3")
            .arg(step + 1)
            .arg(m_steps[step].first, m_steps[step].second);
    }
    // Where a step stands in the view, in the list's coordinates.
    QRect stepRect(int step) const {
        const QTextTable* table = steps();
        if (!table || step >= table->rows()) return {};
        const int top = cursorRect(table->cellAt(step, 0).firstCursorPosition()).top();
        const int bottom = cursorRect(table->cellAt(step, 1).lastCursorPosition()).bottom();
        return QRect(viewport()->pos() + QPoint(0, top),
                     QSize(viewport()->width(), bottom - top + 1));
    }

    void choose(int step) {
        if (step < -1 || step >= int(m_steps.size())) return;
        m_current = step;
        const int scrolled = verticalScrollBar()->value();
        QString html = QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"4\">");
        const QString chosenColours = QStringLiteral(" bgcolor=\"%1\" style=\"color:%2\"")
                                          .arg(palette().color(QPalette::Highlight).name(),
                                               palette().color(QPalette::HighlightedText).name());
        // Room for a number of two digits and its point, so that the numbers hang beside the text.
        const int numberWidth = fontMetrics().horizontalAdvance(QStringLiteral("000.")) + 8;
        for (qsizetype i = 0; i < m_steps.size(); ++i) {
            const QString colours = i == step ? chosenColours : QString();
            html += QStringLiteral(
                        "<tr><td align=\"right\" valign=\"top\" width=\"%5\"%1>"
                        "%2.</td><td%1><b>%3</b><br>%4</td></tr>")
                        .arg(colours)
                        .arg(i + 1)
                        .arg(m_steps[i].first.toHtmlEscaped(), m_steps[i].second.toHtmlEscaped())
                        .arg(numberWidth);
        }
        setHtml(html + QStringLiteral("</table>"));
        verticalScrollBar()->setValue(scrolled);
        if (step >= 0) scrollTo(step);
        // A screen reader hears the chosen step whole.
        setAccessibleDescription(
            step < 0 ? QString()
                     : QCoreApplication::translate("octaval::frmWorking", "Step %1 of %2: %3. %4")
                           .arg(step + 1)
                           .arg(m_steps.size())
                           .arg(m_steps[step].first, m_steps[step].second));
        if (chosen) chosen(step);
    }

    // The height that shows every step without scrolling at the list's width.
    int wholeHeight() const { return int(document()->size().height()) + 2 * frameWidth() + 2; }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        const QTextCursor at = cursorForPosition(event->position().toPoint());
        if (const QTextTable* table = at.currentTable()) {
            setFocus(Qt::MouseFocusReason);
            choose(table->cellAt(at).row());
            return;
        }
        QTextBrowser::mousePressEvent(event);
    }

    void keyPressEvent(QKeyEvent* event) override {
        const int last = int(m_steps.size()) - 1;
        int step = m_current;
        switch (event->key()) {
            case Qt::Key_Up:
                step = std::max(0, m_current - 1);
                break;
            case Qt::Key_Down:
                step = std::min(last, m_current + 1);
                break;
            case Qt::Key_Home:
                step = 0;
                break;
            case Qt::Key_End:
                step = last;
                break;
            default:
                QTextBrowser::keyPressEvent(event);
                return;
        }
        if (step != m_current) choose(step);
    }

    void changeEvent(QEvent* event) override {
        // The chosen step's colours follow the palette.
        if (event->type() == QEvent::PaletteChange && m_current >= 0) choose(m_current);
        QTextBrowser::changeEvent(event);
    }

private:
    // Brings the whole of a step into view, its top where it is taller than the view.
    // The table of the steps, a row each.
    const QTextTable* steps() const {
        const QList<QTextFrame*> frames = document()->rootFrame()->childFrames();
        return frames.isEmpty() ? nullptr : qobject_cast<const QTextTable*>(frames.front());
    }

    void scrollTo(int step) {
        const QTextTable* table = steps();
        if (!table) return;
        QScrollBar* bar = verticalScrollBar();
        const int bottom = cursorRect(table->cellAt(step, 1).lastCursorPosition()).bottom();
        if (bottom > viewport()->height())
            bar->setValue(bar->value() + bottom - viewport()->height());
        const int top = cursorRect(table->cellAt(step, 0).firstCursorPosition()).top();
        if (top < 0) bar->setValue(bar->value() + top);
    }

    QList<std::pair<QString, QString>> m_steps;
    int m_current = -1;
};

// The steps as a screen reader meets them: a list of items, each a step's number, title and
// text, the chosen one selected. Qt's own interface of a text browser is a label whose text
// carries the document's marks of its table cells.
class StepItem final : public QAccessibleInterface {
public:
    StepItem(StepList* list, int step) : m_list(list), m_step(step) {}
    bool isValid() const override { return m_list && m_step < m_list->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_list ? m_list->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return m_list ? QAccessible::queryAccessibleInterface(m_list) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? m_list->stepText(m_step) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QRect r = isValid() ? m_list->stepRect(m_step) : QRect();
        return r.isValid() ? QRect(m_list->mapToGlobal(r.topLeft()), r.size()) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) return state;
        state.selectable = true;
        state.selected = m_step == m_list->current();
        state.focused = state.selected && m_list->hasFocus();
        return state;
    }

private:
    QPointer<StepList> m_list;
    int m_step;
};

class StepListInterface final : public QAccessibleWidget {
public:
    explicit StepListInterface(StepList* list) : QAccessibleWidget(list, QAccessible::List) {}
    ~StepListInterface() override {
        for (const QAccessible::Id id : m_items)
            QAccessible::deleteAccessibleInterface(id);
    }
    int childCount() const override { return list()->isVisible() ? list()->count() : 0; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        // One interface a step, made once and registered, as Qt keeps them for an id.
        while (int(m_items.size()) <= index)
            m_items.push_back(QAccessible::registerAccessibleInterface(
                new StepItem(list(), int(m_items.size()))));
        return QAccessible::accessibleInterface(m_items[std::size_t(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < m_items.size(); ++i)
            if (QAccessible::accessibleInterface(m_items[i]) == child) return int(i);
        return -1;
    }
    QAccessibleInterface* focusChild() const override {
        return list()->hasFocus() ? child(list()->current()) : nullptr;
    }

private:
    StepList* list() const { return static_cast<StepList*>(widget()); }
    mutable std::vector<QAccessible::Id> m_items;
};

QAccessibleInterface* stepListInterface(const QString& key, QObject* object) {
    auto* list = key == u"QTextBrowser" ? dynamic_cast<StepList*>(object) : nullptr;
    return list ? new StepListInterface(list) : nullptr;
}

frmWorking::frmWorking(QWidget* parent) : QWidget(parent, Qt::Window) {
    static const bool accessible = (QAccessible::installFactory(stepListInterface), true);
    Q_UNUSED(accessible);
    setObjectName(QStringLiteral("frmWorking"));
    setWindowTitle(tr("Working"));
    setAccessibleName(windowTitle());

    auto* layout = new QVBoxLayout(this);
    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("heading"));
    m_heading->setWordWrap(true);
    layout->addWidget(m_heading);

    // The bit rows, each focusable so that the keyboard reaches it and a screen reader reads its
    // fields in words.
    m_bits = new QWidget(this);
    auto* grid = new QGridLayout(m_bits);
    grid->setContentsMargins(0, 0, 0, 0);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (std::size_t r = 0; r < m_bitRows.size(); ++r) {
        auto* caption = new QLabel(m_bits);
        auto* row = new QLabel(m_bits);
        caption->setBuddy(row);
        row->setObjectName(QStringLiteral("bits%1").arg(r + 1));
        row->setFont(fixed);
        row->setTextFormat(Qt::RichText);
        row->setFocusPolicy(Qt::TabFocus);
        // A frame that shows the focus; transparent, and so the same size, without it.
        row->setStyleSheet(
            QStringLiteral("QLabel { border: 2px solid transparent; padding: 1px } "
                           "QLabel:focus { border-color: palette(highlight) }"));
        grid->addWidget(caption, int(r), 0);
        grid->addWidget(row, int(r), 1);
        m_bitRows[r] = row;
    }
    m_legend = new QLabel(m_bits);
    m_legend->setObjectName(QStringLiteral("legend"));
    m_legend->setTextFormat(Qt::RichText);
    m_legend->setWordWrap(true);
    grid->addWidget(m_legend, int(m_bitRows.size()), 0, 1, 2);
    grid->setColumnStretch(1, 1);
    layout->addWidget(m_bits);

    m_steps = new StepList(this);
    m_steps->setObjectName(QStringLiteral("steps"));
    m_steps->setAccessibleName(tr("Steps"));
    m_steps->chosen = [this](int) { drawBits(); };
    layout->addWidget(m_steps, 1);

    auto* buttons = new QHBoxLayout;
    m_copy = new QPushButton(tr("Copy"), this);
    m_copy->setObjectName(QStringLiteral("copy"));
    m_copy->setAccessibleDescription(tr("Copies the whole working as text (Ctrl+C)"));
    auto* close = newCloseButton(this);
    buttons->addStretch(1);
    buttons->addWidget(m_copy);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(m_copy, &QPushButton::clicked, this, &frmWorking::copyWorking);
    // Ctrl+C copies the working from anywhere in the window.
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &frmWorking::copyWorking);

    // From the top of the window to its bottom.
    QWidget* previous = m_bitRows[0];
    for (QWidget* next : {static_cast<QWidget*>(m_bitRows[1]), static_cast<QWidget*>(m_bitRows[2]),
                          static_cast<QWidget*>(m_bitRows[3]), static_cast<QWidget*>(m_steps),
                          static_cast<QWidget*>(m_copy), static_cast<QWidget*>(close)}) {
        setTabOrder(previous, next);
        previous = next;
    }

    // Room for the bit rows and some lines of steps, in the font's own measure, so that the
    // window grows with the scale and the font; the first working makes it as large as it needs.
    const QFontMetrics metrics(fixed);
    resize(metrics.horizontalAdvance(QLatin1Char('0')) * 88 + 24, fontMetrics().lineSpacing() * 30);
    followPalette(this);
    m_steps->setFocus();
}

QStringList frmWorking::steps() const {
    QStringList lines;
    if (m_stale || !m_press) return lines;
    const Explanation e = explain(*m_press, windowPhrasebook());
    for (const QString& line : toQString(stepsText(e)).split(u'\n', Qt::SkipEmptyParts))
        lines << line;
    return lines;
}

int frmWorking::currentStep() const {
    return m_steps->current();
}

void frmWorking::setCurrentStep(int step) {
    m_steps->choose(step);
}

void frmWorking::showWorking(std::shared_ptr<const Press> press) {
    setPress(std::move(press));
    show();
    raise();
    activateWindow();
}

void frmWorking::setPress(std::shared_ptr<const Press> press) {
    m_press = std::move(press);
    m_stale = true;
    if (isVisible()) redraw();
}

void frmWorking::showEvent(QShowEvent* event) {
    if (m_stale) redraw();
    if (!m_placed) {
        m_placed = true;
        placeBeside(this, parentWidget() ? parentWidget()->window() : nullptr);
    }
    QWidget::showEvent(event);
}

void frmWorking::redraw() {
    m_stale = false;
    if (!m_press) {
        m_text = noPress();
        m_heading->setText(noPress());
        m_bits->hide();
        m_steps->hide();
        m_copy->setEnabled(false);
        return;
    }
    const Press& p = *m_press;
    // In the user's language, the same texts as octaval-cli --explain prints.
    const Explanation e = explain(p, windowPhrasebook());
    m_text = toQString(workingText(e));
    m_heading->setText(toQString(workingHeading(e)));
    m_marks.clear();
    QList<std::pair<QString, QString>> steps;
    for (const WorkingStep& step : e.steps) {
        steps.append({toQString(step.title), toQString(step.text)});
        m_marks.push_back(step.marks);
    }
    m_steps->show();
    m_copy->setEnabled(true);
    m_bits->setVisible(p.outcome.passed());
    m_steps->setSteps(steps);  // draws the bits of the first step
    if (!m_sized) {
        // Large enough for every step of the press without scrolling, where the screen allows.
        m_sized = true;
        layout()->activate();
        const int missing = m_steps->wholeHeight() - m_steps->height();
        const QRect room = screen() ? screen()->availableGeometry() : QRect();
        if (missing > 0)
            resize(width(), room.isValid() ? std::min(height() + missing, room.height() * 9 / 10)
                                           : height() + missing);
    }
}

void frmWorking::drawBits() {
    if (!m_press || !m_press->outcome.passed()) return;
    const Press& p = *m_press;
    const Explanation e = explain(p, windowPhrasebook());
    const int step = m_steps->current();
    const std::array<quint32, 4> marks = step >= 0 && std::size_t(step) < m_marks.size()
                                             ? m_marks[std::size_t(step)]
                                             : std::array<quint32, 4>{};

    const auto list = SubnetList::of(p.state);
    const std::vector<BitField> runs = fieldRuns(bitFields(list));
    const auto rows = bitRows(p.state);
    auto* grid = static_cast<QGridLayout*>(m_bits->layout());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        // The row as the binary report writes it, cut at its '|' into the runs of its fields; in
        // each run, the bits the chosen step speaks of drawn apart.
        const QStringList pieces = toQString(e.bits[r]).split(u'|');
        QString html, words;
        quint32 bit = quint32{1} << 31;
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            const BitField field = runs[std::size_t(i)];
            if (i > 0) html += u'|';
            QString run;
            bool marked = false;
            const auto flush = [&] {
                if (run.isEmpty()) return;
                html +=
                    marked ? markedSpan(run, palette()) : span(run, fieldLook(field, palette()));
                run.clear();
            };
            for (const QChar c : pieces[i]) {
                const bool isBit = c == u'0' || c == u'1';
                const bool m = isBit && (marks[r] & bit);
                if (isBit && m != marked) {
                    flush();
                    marked = m;
                }
                run += c;
                if (isBit) bit >>= 1;
            }
            flush();
            QString bits = pieces[i];
            bits.remove(u'.');
            words += (i > 0 ? QStringLiteral(", ") : QString()) + fieldWords(field) + u' ' + bits;
        }
        const QString caption = toQString(windowPhrasebook().caption(rows[r].caption));
        static_cast<QLabel*>(grid->itemAtPosition(int(r), 0)->widget())->setText(caption);
        m_bitRows[r]->setText(html);
        m_bitRows[r]->setAccessibleName(tr("%1 in binary").arg(caption));
        m_bitRows[r]->setAccessibleDescription(words);
    }
    QString legend = tr("Legend: ");
    if (list) {
        const std::pair<BitField, int> items[] = {
            {BitField::network, 32 - list->subnetBits() - list->hostBits()},
            {BitField::subnet, list->subnetBits()},
            {BitField::host, list->hostBits()}};
        for (const auto& [field, bits] : items)
            legend += (field == BitField::network ? QString() : QStringLiteral(" | ")) +
                      span(QStringLiteral("%1 (%2)").arg(fieldWords(field)).arg(bits),
                           fieldLook(field, palette()));
    } else {
        legend += toQString(noFieldsLegend(windowPhrasebook(), e.classLetter));
    }
    m_legend->setText(legend);
    m_legend->setAccessibleName(QTextDocumentFragment::fromHtml(legend).toPlainText());
}

void frmWorking::copyWorking() {
    QGuiApplication::clipboard()->setText(m_text);
}

void frmWorking::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmWorking::changeEvent(QEvent* event) {
    // The fields' tints follow a switch between a light and a dark palette (a closed window's
    // once it is opened).
    if (event->type() == QEvent::PaletteChange) {
        m_stale = true;
        if (isVisible()) redraw();
    }
    QWidget::changeEvent(event);
}

}  // namespace octaval
