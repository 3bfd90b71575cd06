// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frm_practice.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "engine/calculator.h"
#include "report/captions.h"
#include "ui/address_edit.h"
#include "ui/cut_text.h"
#include "ui/palette.h"
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

}  // namespace

frmPractice::frmPractice(std::uint64_t seed, QWidget* parent) : QDialog(parent), m_seed(seed) {
    setObjectName(QStringLiteral("frmPractice"));
    setWindowTitle(tr("Practice"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // Every widget is a direct child of the window, so that followPalette reaches it.
    auto* grid = new QGridLayout(this);
    int line = 0;

    // The options: classes and level.
    auto* classes = new QHBoxLayout;
    auto* classesCaption = caption(tr("Classes"), this);
    classes->addWidget(classesCaption);
    for (std::size_t i = 0; i < m_classes.size(); ++i) {
        const QChar letter(u'A' + char16_t(i));
        m_classes[i] = new QCheckBox(QStringLiteral("&") + letter, this);
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
    classes->addStretch();
    auto* levelCaption = caption(tr("&Level"), this);
    m_level = new QComboBox(this);
    for (const PracticeLevel level : allLevels)
        m_level->addItem(practiceText(levelDescription(level)));
    m_level->setAccessibleName(tr("Level"));
    levelCaption->setBuddy(m_level);
    classes->addWidget(levelCaption);
    classes->addWidget(m_level);
    grid->addLayout(classes, line++, 0, 1, 3);
    connect(m_level, &QComboBox::currentIndexChanged, this, &frmPractice::optionsChanged);

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
            m_status->addItem(QString());  // not answered
            for (const auto message : status::all)
                m_status->addItem(toQString(windowPhrasebook().status(message)),
                                  toQString(message));
            m_status->setAccessibleName(prompt);
            inputs->addWidget(m_status);
            r.caption->setBuddy(m_status);
        } else {
            auto* box = new QLineEdit(this);
            box->setAccessibleName(prompt);
            inputs->addWidget(box);
            r.inputs.push_back(box);
        }
        if (!r.inputs.empty()) r.caption->setBuddy(r.inputs.front());
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

    // The buttons and the score.
    auto* buttons = new QHBoxLayout;
    auto* checkButton = new QPushButton(tr("&Check"), this);
    checkButton->setDefault(true);
    auto* next = new QPushButton(tr("&Next problem"), this);
    auto* working = new QPushButton(tr("Show the &working"), this);
    for (auto* button : {checkButton, next, working})
        buttons->addWidget(button);
    buttons->addStretch();
    m_score = caption(QString(), this);
    m_score->setAccessibleName(tr("Score"));
    buttons->addWidget(m_score);
    grid->addLayout(buttons, line++, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    connect(checkButton, &QPushButton::clicked, this, &frmPractice::check);
    connect(next, &QPushButton::clicked, this, &frmPractice::nextProblem);
    connect(working, &QPushButton::clicked, this, &frmPractice::showWorking);

    followPalette(this);
    m_generator.emplace(m_seed, options());
    nextProblem();
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
    // The problems go on from the seed under the new options.
    m_generator.emplace(m_seed + m_drawn, options());
    nextProblem();
}

void frmPractice::nextProblem() {
    ++m_drawn;
    showProblem(m_generator->next());
}

void frmPractice::showProblem(Problem problem) {
    m_exercise.emplace(std::move(problem), allQuestions);
    m_counted = false;
    m_address->setText(toQString(m_exercise->problem().address()));
    m_mask->setText(toQString(m_exercise->problem().mask()));
    const auto& asked = m_exercise->questions();
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
    m_score->setText(tr("Score: %1 of %2 right").arg(m_right).arg(m_asked));
    if (first) first->setFocus();
}

QString frmPractice::answer(Question q) const {
    // The engine's own text of the chosen message, whatever the language shown.
    if (q == Question::status) return m_status->currentData().toString();
    const Row& r = row(q);
    return r.octets ? r.octets->text() : r.inputs.front()->text();
}

void frmPractice::check() {
    for (const Question q : m_exercise->questions()) {
        const Mark mark = m_exercise->check(q, answer(q).toStdString());
        const QString text = toQString(mark.text(windowPhrasebook()));
        row(q).mark->setText(text);
        for (QLineEdit* box : row(q).inputs)
            box->setAccessibleDescription(text);
        if (q == Question::status) m_status->setAccessibleDescription(text);
        if (!m_counted) {
            ++m_asked;
            m_right += mark.right ? 1 : 0;
        }
    }
    m_counted = true;
    m_score->setText(tr("Score: %1 of %2 right").arg(m_right).arg(m_asked));
}

void frmPractice::showWorking() {
    emit workingRequested(m_exercise->problem().inputs);
}

}  // namespace octaval
