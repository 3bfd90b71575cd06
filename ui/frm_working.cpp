// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frm_working.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

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

// The fields of a bit row one after the other, as their runs of bits stand in the row.
std::vector<BitField> fieldRuns(const BitFields& fields) {
    std::vector<BitField> runs;
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (i == 0 || fields[i] != fields[i - 1]) runs.push_back(fields[i]);
    return runs;
}

}  // namespace

frmWorking::frmWorking(QWidget* parent) : QWidget(parent, Qt::Window) {
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

    m_steps = new QPlainTextEdit(this);
    m_steps->setObjectName(QStringLiteral("steps"));
    m_steps->setAccessibleName(tr("Steps"));
    m_steps->setReadOnly(true);
    m_steps->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_steps->setTabChangesFocus(true);
    m_steps->installEventFilter(this);
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

    // Room for the bit rows and some lines of steps, in the font's own measure, so that the
    // window grows with the scale and the font.
    const QFontMetrics metrics(fixed);
    resize(metrics.horizontalAdvance(QLatin1Char('0')) * 64 + 24, fontMetrics().lineSpacing() * 30);
    followPalette(this);
    m_steps->setFocus();
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
    m_steps->setPlainText(toQString(stepsText(e)));
    m_steps->show();
    m_copy->setEnabled(true);
    m_bits->setVisible(p.outcome.passed());
    if (!p.outcome.passed()) return;

    const auto list = SubnetList::of(p.state);
    const std::vector<BitField> runs = fieldRuns(bitFields(list));
    const auto rows = bitRows(p.state);
    auto* grid = static_cast<QGridLayout*>(m_bits->layout());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        // The row as the binary report writes it, cut at its '|' into the runs of its fields.
        const QStringList pieces = toQString(e.bits[r]).split(u'|');
        QString html, words;
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            const BitField field = runs[std::size_t(i)];
            if (i > 0) html += u'|';
            html += span(pieces[i], fieldLook(field, palette()));
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

bool frmWorking::eventFilter(QObject* watched, QEvent* event) {
    // Ctrl+C in the steps copies a selection as usual, and the whole working without one.
    if (watched == m_steps && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) &&
        !m_steps->textCursor().hasSelection()) {
        copyWorking();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmWorking::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copyWorking();
        return;
    }
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
