// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frm_practice.h"

#include <QAbstractItemView>
#include <QAbstractTextDocumentLayout>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLibrary>
#include <QLineEdit>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QTimer>
#include <algorithm>

#include "engine/calculator.h"
#include "practice/worksheet_html.h"
#include "report/captions.h"
#include "ui/address_edit.h"
#include "ui/controls.h"
#include "ui/cut_text.h"
#include "ui/palette.h"
#include "ui/print_dialog.h"
#include "ui/qt_text.h"
#include "ui/translation.h"

namespace octaval {
namespace {

// The exercises' levels, marked in the practice under this context.
QString practiceText(std::string_view source) {
    return toQString(windowPhrasebook().say(Phrase{"Practice", source}));
}

QString captionText(std::string_view caption) {
    return toQString(windowPhrasebook().caption(caption));
}

QLabel* caption(const QString& text, QWidget* window) {
    auto* label = new QLabel(text, window);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    return label;
}

// A list of choices as a screen reader names it: by its caption ("Level"), with the choice as its
// value. Qt's own names a list on Linux by its current choice and leaves the caption to a label
// relation, which screen readers read only on entering the list.
class NamedList final : public QAccessibleWidget {
public:
    explicit NamedList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}
    QString text(QAccessible::Text t) const override {
        const auto* list = static_cast<const QComboBox*>(object());
        if (t == QAccessible::Name) return list->accessibleName();
        if (t == QAccessible::Value) return list->currentText();
        return QAccessibleWidget::text(t);
    }
};

constexpr char namedList[] = "octavalNamedList";

QAccessibleInterface* namedLists(const QString& key, QObject* object) {
    if (key == u"QComboBox" && object->property(namedList).toBool())
        return new NamedList(static_cast<QComboBox*>(object));
    return nullptr;
}

void nameByCaption(QComboBox* list) {
    static const bool installed = (QAccessible::installFactory(namedLists), true);
    (void)installed;
    list->setProperty(namedList, true);
}

// Qt's rich text breaks pages anywhere and reads no break-inside: a problem, its heading and the
// table of its questions, that would run over the foot of a page starts on the next one instead.
void keepProblemsWhole(QTextDocument& page) {
    const qreal height = page.pageSize().height();
    auto* layout = page.documentLayout();
    for (QTextFrame* frame : page.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table) continue;
        const QTextBlock heading = page.findBlock(table->firstPosition() - 1);
        const int first = int(layout->blockBoundingRect(heading).top() / height);
        const int last = int((layout->frameBoundingRect(table).bottom() - 1) / height);
        if (first == last) continue;
        QTextBlockFormat format = heading.blockFormat();
        format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(heading).setBlockFormat(format);
    }
}

// The print dialog from its module, which is loaded at the first use; null where the build has
// no print support or the module does not load.
PrintDialogFunction* printDialog() {
#ifdef OCTAVAL_PRINT_MODULE
    static PrintDialogFunction* const function = [] {
        // QLibrary leaves the module loaded when it goes out of scope.
        QLibrary module(QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                        QStringLiteral("/" OCTAVAL_PRINT_MODULE)));
        auto* found = reinterpret_cast<PrintDialogFunction*>(module.resolve(printDialogSymbol));
        if (!found)
            qWarning("octaval: no print dialog, the worksheet is saved as PDF: %s",
                     qPrintable(module.errorString()));
        return found;
    }();
    return function;
#else
    return nullptr;
#endif
}

// The area of the reasons asks for the height that showReasons gives it, not for the height of
// its label's lines at some width of its own.
class ReasonsArea final : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override { return {QScrollArea::sizeHint().width(), minimumHeight()}; }
};

}  // namespace

frmPractice::frmPractice(std::uint64_t seed, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmPractice"));
    setWindowTitle(tr("Practice"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // Every widget is a direct child of the window, so that followPalette reaches it; only the
    // reasons' label, which needs no colours of its own, stands in its scroll area.
    auto* grid = new QGridLayout(this);
    int line = 0;

    // The options: classes and level.
    auto* classes = new QHBoxLayout;
    // The caption leads to the class boxes; Alt+C stays Check's.
    auto* classesCaption = caption(tr("Cla&sses"), this);
    classes->addWidget(classesCaption);
    for (std::size_t i = 0; i < m_classes.size(); ++i) {
        const QChar letter(u'A' + char16_t(i));
        m_classes[i] = new QCheckBox(letter, this);
        m_classes[i]->setChecked(true);
        m_classes[i]->setAccessibleName(tr("Class %1").arg(letter));
        classes->addWidget(m_classes[i]);
        connect(m_classes[i], &QCheckBox::toggled, this, [this, i](bool on) {
            // At least one class stays chosen.
            if (!on && std::none_of(m_classes.begin(), m_classes.end(),
                                    [](QCheckBox* box) { return box->isChecked(); })) {
                m_classes[i]->setChecked(true);
                return;
            }
            optionsChanged();
        });
    }
    classesCaption->setBuddy(m_classes[0]);
    classes->addStretch();
    auto* levelCaption = caption(tr("&Level"), this);
    m_level = new QComboBox(this);
    nameByCaption(m_level);
    for (const PracticeLevel level : allLevels)
        m_level->addItem(practiceText(levelDescription(level)));
    m_level->setAccessibleName(tr("Level"));
    levelCaption->setBuddy(m_level);
    classes->addWidget(levelCaption);
    classes->addWidget(m_level);
    grid->addLayout(classes, line++, 0, 1, 3);
    // Arrowing through the levels draws one problem, under the level the arrows rest on.
    m_levelChange = new QTimer(this);
    m_levelChange->setSingleShot(true);
    m_levelChange->setInterval(600);
    connect(m_levelChange, &QTimer::timeout, this, &frmPractice::optionsChanged);
    connect(m_level, &QComboBox::currentIndexChanged, m_levelChange, qOverload<>(&QTimer::start));
    m_level->installEventFilter(this);

    // The problem.
    const auto problemBox = [this](const QString& name) {
        auto* box = new QLineEdit(this);
        box->setReadOnly(true);
        box->setAccessibleName(name);
        return box;
    };
    m_address = problemBox(tr("Problem IP address"));
    m_mask = problemBox(tr("Problem subnet mask"));
    for (auto [text, box] : {std::pair{captionText(rowCaption(Box::Text1)), m_address},
                             std::pair{captionText(rowCaption(Box::Text5)), m_mask}}) {
        auto* label = caption(text, this);
        label->setBuddy(box);
        grid->addWidget(label, line, 0);
        grid->addWidget(box, line++, 1);
    }

    // One row a question: caption, input, mark.
    for (const Question q : allQuestions) {
        Row& r = m_rows[static_cast<std::size_t>(q)];
        const std::string promptText = windowPhrasebook().caption(questionPrompt(q));
        const QString prompt = toQString(promptText);
        r.caption = caption(prompt, this);
        auto* inputs = new QHBoxLayout;
        if (isAddressQuestion(q)) {
            r.octets = new AddressEdit(RowKind::address, this);
            r.octets->setAccessibleName(prompt);
            for (std::size_t k = 0; k < 4; ++k) {
                QLineEdit* box = r.octets->box(k);
                box->setAccessibleName(toQString(
                    windowPhrasebook().say(octetCaption, {promptText, std::to_string(k + 1)})));
                r.inputs.push_back(box);
            }
            inputs->addWidget(r.octets);
            inputs->addStretch();
        } else if (q == Question::status) {
            m_status = new QComboBox(this);
            nameByCaption(m_status);
            m_status->addItem(QString());  // not answered
            for (const auto message : status::all)
                m_status->addItem(toQString(windowPhrasebook().status(message)),
                                  toQString(message));
            m_status->setAccessibleName(prompt);
            // The longest messages would make the window wider than a small screen in some
            // languages: the list is as wide as 30 characters, and a message that is longer
            // shows whole in the open list and in the tooltip.
            m_status->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            m_status->setMinimumContentsLength(30);
            connect(m_status, &QComboBox::currentTextChanged, m_status, &QWidget::setToolTip);
            m_status->installEventFilter(this);
            connect(m_status, &QComboBox::activated, this, [this] { clearMark(Question::status); });
            inputs->addWidget(m_status);
            r.caption->setBuddy(m_status);
        } else {
            auto* box = new QLineEdit(this);
            box->setAccessibleName(prompt);
            inputs->addWidget(box);
            r.inputs.push_back(box);
        }
        if (!r.inputs.empty()) r.caption->setBuddy(r.inputs.front());
        for (QLineEdit* box : r.inputs) {
            box->installEventFilter(this);
            connect(box, &QLineEdit::textEdited, this, [this, q] { clearMark(q); });
        }
        r.mark = new CutLabel(this);
        r.mark->setAccessibleName(tr("%1, mark").arg(prompt));
        r.mark->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // Room for the mark of an address; a longer one (a status message) shows cut where the
        // window is narrower, and whole in its tooltip.
        r.mark->setMinimumWidth(fontMetrics().horizontalAdvance(
            toQString(Mark{false, "255.255.255.255"}.text(windowPhrasebook()))));
        grid->addWidget(r.caption, line, 0);
        grid->addLayout(inputs, line, 1);
        grid->addWidget(r.mark, line++, 2);
    }

    // Why the wrong answers are wrong, in sentences that need the window's width; the window
    // grows to show them whole (fitReasons), and where the screen is too small they scroll.
    m_reasonsArea = new ReasonsArea(this);
    m_reasonsArea->setFrameShape(QFrame::NoFrame);
    m_reasonsArea->setWidgetResizable(true);
    m_reasonsArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The reasons themselves take the focus, and their keys scroll the area (eventFilter).
    m_reasonsArea->setFocusPolicy(Qt::NoFocus);
    m_reasons = new QLabel(m_reasonsArea);
    m_reasons->setObjectName(QStringLiteral("reasons"));
    m_reasons->setWordWrap(true);
    m_reasons->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_reasons->setTextFormat(Qt::PlainText);
    m_reasons->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_reasons->setFocusPolicy(Qt::TabFocus);
    m_reasons->installEventFilter(this);
    m_reasonsArea->setWidget(m_reasons);
    m_reasonsArea->hide();
    grid->addWidget(m_reasonsArea, line++, 0, 1, 3);

    // The buttons, the session and the score.
    auto* buttons = new QHBoxLayout;
    m_check = new QPushButton(tr("&Check"), this);
    auto* next = new QPushButton(tr("&Next problem"), this);
    auto* working = new QPushButton(tr("Show the &working"), this);
    auto* print = new QPushButton(tr("&Print worksheet…"), this);
    for (auto* button : {m_check, next, working, print})
        buttons->addWidget(button);
    buttons->addStretch();
    grid->addLayout(buttons, line++, 0, 1, 3);
    // On a line of their own, where a long score wraps rather than widen the window.
    auto* session = new QHBoxLayout;
    m_progress = caption(QString(), this);
    m_progress->setObjectName(QStringLiteral("progress"));
    session->addWidget(m_progress, 0, Qt::AlignTop);
    m_score = caption(QString(), this);
    m_score->setObjectName(QStringLiteral("score"));
    m_score->setWordWrap(true);
    session->addWidget(m_score, 1);
    grid->addLayout(session, line++, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    for (const auto keys : {Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Enter})
        connect(new QShortcut(QKeySequence(keys), this), &QShortcut::activated, this,
                &frmPractice::check);
    connect(m_check, &QPushButton::clicked, this, &frmPractice::check);
    connect(next, &QPushButton::clicked, this, &frmPractice::nextProblem);
    connect(working, &QPushButton::clicked, this, &frmPractice::showWorking);
    connect(print, &QPushButton::clicked, this, qOverload<>(&frmPractice::printWorksheet));

    followPalette(this);
    m_session.emplace(seed, options());
    showProblem();
}

PracticeOptions frmPractice::options() const {
    PracticeOptions chosen;
    chosen.classes.clear();
    for (std::size_t i = 0; i < m_classes.size(); ++i)
        if (m_classes[i]->isChecked()) chosen.classes += char('A' + i);
    chosen.level = allLevels[std::size_t(std::max(0, m_level->currentIndex()))];
    return chosen;
}

void frmPractice::optionsChanged() {
    // The problems go on from the seed under the new options; the problem on show is replaced.
    m_levelChange->stop();
    m_session->changeOptions(options());
    showProblem();
}

void frmPractice::nextProblem() {
    if (m_levelChange->isActive()) {
        optionsChanged();
        return;
    }
    // The session's summary stays on show until the next check.
    const QString summary = toQString(m_session->next(windowPhrasebook()));
    showProblem();
    showReasons(summary);
}

void frmPractice::showProblem() {
    m_address->setText(toQString(exercise().problem().address()));
    m_mask->setText(toQString(exercise().problem().mask()));
    const auto& asked = exercise().questions();
    QWidget* first = nullptr;
    for (const Question q : allQuestions) {
        const Row& r = row(q);
        const bool shown = std::find(asked.begin(), asked.end(), q) != asked.end();
        r.caption->setVisible(shown);
        r.mark->setVisible(shown);
        r.mark->setText(QString());
        for (QLineEdit* box : r.inputs) {
            box->clear();
            if (!r.octets) box->setVisible(shown);
            box->setAccessibleDescription(QString());
            if (shown && !first) first = box;
        }
        if (r.octets) r.octets->setVisible(shown);
    }
    m_status->setCurrentIndex(0);
    m_status->setAccessibleDescription(QString());
    m_progress->setText(toQString(m_session->progress(windowPhrasebook())));
    showScore();
    showReasons(QString());
    if (first) first->setFocus();
}

void frmPractice::showScore() {
    const SessionScore& score = m_session->score();
    const QString text = score.right() + score.wrong() + score.notAnswered() == 0
                             ? QString()
                             : toQString(score.text(windowPhrasebook()));
    m_score->setText(text);
    m_score->setToolTip(tr("Counted at the first check of each problem"));
    // A screen reader hears the score itself, not only the word "Score".
    m_score->setAccessibleName(text.isEmpty() ? tr("Score") : text);
    m_score->setAccessibleDescription(m_score->toolTip());
}

void frmPractice::clearMark(Question q) {
    const Row& r = row(q);
    r.mark->setText(QString());
    r.mark->setToolTip(QString());
    for (QLineEdit* box : r.inputs)
        box->setAccessibleDescription(QString());
    if (q == Question::status) m_status->setAccessibleDescription(QString());
}

QString frmPractice::answer(Question q) const {
    // The engine's own text of the chosen message, whatever the language shown.
    if (q == Question::status) return m_status->currentData().toString();
    const Row& r = row(q);
    return r.octets ? r.octets->text() : r.inputs.front()->text();
}

void frmPractice::check() {
    const auto& asked = exercise().questions();
    std::vector<std::string> answers;
    for (const Question q : asked)
        answers.push_back(answer(q).toStdString());
    const std::vector<Mark> marks = m_session->check(answers, windowPhrasebook());
    QStringList reasons;
    for (std::size_t i = 0; i < asked.size(); ++i) {
        const Mark& mark = marks[i];
        const QString text = toQString(mark.text(windowPhrasebook()));
        const QString why = toQString(mark.why);
        const Row& r = row(asked[i]);
        r.mark->setText(text);
        // The whole reason in the mark's tooltip and, with the mark, in the answer's description.
        r.mark->setToolTip(why.isEmpty() ? QString() : text + u'\n' + why);
        const QString description = why.isEmpty() ? text : text + u' ' + why;
        for (QLineEdit* box : r.inputs)
            box->setAccessibleDescription(description);
        if (asked[i] == Question::status) m_status->setAccessibleDescription(description);
        if (!why.isEmpty()) reasons += r.caption->text() + QStringLiteral(": ") + why;
    }
    showScore();
    showReasons(reasons.join(u'\n'));
}

void frmPractice::showReasons(const QString& text) {
    m_reasons->setText(text);
    m_reasonsArea->setVisible(!text.isEmpty());
    fitReasons();
}

void frmPractice::fitReasons() {
    // A top-level window's layout sizes it for its wrapped lines at its narrowest, not at its
    // width: the reasons (and a score that wraps) get the height they need at the width they
    // have, and the window grows with them, as far as the free area of the screen allows.
    m_reasonsArea->setMinimumHeight(m_reasonsArea->isHidden() ? 0 : 1);
    if (!isVisible()) return;  // until the window is laid out at its width (showEvent)
    layout()->activate();
    m_score->setMinimumHeight(m_score->heightForWidth(m_score->width()));
    if (m_reasonsArea->isHidden()) return;
    const QRect free = screen()->availableGeometry();
    const int others =
        layout()->totalMinimumSize().height() - 1 + frameGeometry().height() - height();
    const int whole = m_reasons->heightForWidth(m_reasonsArea->viewport()->width());
    const int room = free.height() - others;
    m_reasonsArea->setMinimumHeight(
        whole <= room ? whole : std::max(room, 3 * m_reasons->fontMetrics().lineSpacing()));
    layout()->activate();
    const QRect placed = frameGeometry();
    if (placed.bottom() > free.bottom())
        move(placed.left(), std::max(free.top(), free.bottom() + 1 - placed.height()));
}

void frmPractice::showEvent(QShowEvent* event) {
    if (!m_placed) {
        m_placed = true;
        placeBeside(this, parentWidget() ? parentWidget()->window() : nullptr);
    }
    QDialog::showEvent(event);
    fitReasons();
}

bool frmPractice::eventFilter(QObject* watched, QEvent* event) {
    // The keys that move through lines scroll the reasons where they scroll; with Shift they
    // select, as in any text.
    if (watched == m_reasons && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!(key->modifiers() & Qt::ShiftModifier) &&
            (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down ||
             key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown)) {
            QCoreApplication::sendEvent(m_reasonsArea->verticalScrollBar(), event);
            return true;
        }
    }
    if (watched == m_level && event->type() == QEvent::FocusOut && m_levelChange->isActive())
        optionsChanged();
    // Enter in an answer moves on to the next question's answer, and from the last to Check.
    if (event->type() == QEvent::KeyPress && watched != m_level) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            !(key->modifiers() & Qt::ControlModifier) &&
            !(watched == m_status && m_status->view()->isVisible())) {
            const auto& asked = exercise().questions();
            auto at = std::find_if(asked.begin(), asked.end(), [&](Question q) {
                const Row& r = row(q);
                return watched == m_status
                           ? q == Question::status
                           : std::find(r.inputs.begin(), r.inputs.end(), watched) != r.inputs.end();
            });
            if (at != asked.end()) ++at;
            if (at == asked.end())
                m_check->setFocus(Qt::TabFocusReason);
            else if (*at == Question::status)
                m_status->setFocus(Qt::TabFocusReason);
            else
                row(*at).inputs.front()->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmPractice::showWorking() {
    emit workingRequested(exercise().problem().inputs);
}

void frmPractice::printWorksheet() {
    const auto key = QMessageBox::question(
        this, tr("Print worksheet"),
        tr("Add the answer key, on a page of its own after the problems?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No);
    if (key == QMessageBox::Cancel) return;
    // Margins that suit A4 and Letter alike, until the dialog sets others.
    const QMarginsF margins(16, 18, 16, 18);
    const auto print = [&](QPagedPaintDevice& device) {
        printWorksheet(device, key == QMessageBox::Yes);
    };
    if (PrintDialogFunction* dialog = printDialog()) {
        dialog(this, margins, print);
        return;
    }
    // Without Qt's print support the worksheet becomes a PDF, which any reader prints.
    const QString path = QFileDialog::getSaveFileName(this, tr("Save the worksheet as PDF"),
                                                      tr("worksheet.pdf", "the file name offered"),
                                                      tr("PDF files (*.pdf)"));
    if (path.isEmpty()) return;
    QPdfWriter pdf(path);
    pdf.setPageMargins(margins, QPageLayout::Millimeter);
    print(pdf);
}

void frmPractice::printWorksheet(QPagedPaintDevice& device, bool answers) const {
    WorksheetRequest request = m_session->worksheet();
    request.options = options();  // also while a level chosen by arrows waits to take effect
    request.answers = answers;
    request.book = &windowPhrasebook();
    QTextDocument page;
    page.documentLayout()->setPaintDevice(&device);
    page.setPageSize(device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
    page.setHtml(toQString(worksheetHtml(
        request, tr("en", "the language tag of this translation, for the printed worksheet")
                     .toStdString())));
    keepProblemsWhole(page);
    page.print(&device);
}

}  // namespace octaval
