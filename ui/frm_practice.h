// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "practice/exercise.h"
#include "report/address_text.h"
#include "ui/cut_text.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace octaval {

class AddressEdit;

/// The Practice window: a problem drawn from a seed, one input per question, "Check" (Enter),
/// "Next problem", "Show the working" and the session's score. Every answer is marked in words
/// against a press of the engine. Not modal: the main window stays usable beside it.
// A dialog, so that Enter in an input clicks the default button, "Check".
class frmPractice final : public QDialog {
    Q_OBJECT

public:
    explicit frmPractice(std::uint64_t seed, QWidget* parent = nullptr);

    /// The problem on show, with its questions and expected answers.
    const Exercise& exercise() const { return *m_exercise; }
    /// The inputs of a question: four octet boxes for an address, else one line edit (none for
    /// the status, which is chosen in statusChoice()).
    const std::vector<QLineEdit*>& inputs(Question q) const { return row(q).inputs; }
    QComboBox* statusChoice() const { return m_status; }
    /// The mark of a question: empty until checked, then "right" or "wrong, expected ...".
    CutLabel* mark(Question q) const { return row(q).mark; }
    /// "Score: R of N right", over the first check of each problem.
    QLabel* score() const { return m_score; }

signals:
    /// "Show the working": the problem's address and mask, for the window that works it out.
    void workingRequested(const octaval::AddressTexts& inputs);

public slots:
    /// "Check" (also Enter): marks every answer; the first check of a problem counts in the score.
    void check();
    /// "Next problem": the next problem of the seed, under the options as they are set.
    void nextProblem();
    /// "Show the working".
    void showWorking();

private:
    struct Row {
        QLabel* caption = nullptr;
        std::vector<QLineEdit*> inputs;
        AddressEdit* octets = nullptr;  // the row of an address's four boxes
        CutLabel* mark = nullptr;
    };
    const Row& row(Question q) const { return m_rows[static_cast<std::size_t>(q)]; }
    // The options as the window sets them; a change draws a new problem under them.
    PracticeOptions options() const;
    void optionsChanged();
    void showProblem(Problem problem);
    QString answer(Question q) const;

    std::uint64_t m_seed;
    std::uint64_t m_drawn = 0;  // problems drawn so far
    std::optional<ProblemGenerator> m_generator;
    std::optional<Exercise> m_exercise;
    bool m_counted = false;  // the problem on show has been checked once
    std::uint64_t m_right = 0;
    std::uint64_t m_asked = 0;

    std::array<QCheckBox*, 3> m_classes{};
    QComboBox* m_level = nullptr;
    QLineEdit* m_address = nullptr;
    QLineEdit* m_mask = nullptr;
    std::array<Row, allQuestions.size()> m_rows{};
    QComboBox* m_status = nullptr;
    QLabel* m_score = nullptr;
};

}  // namespace octaval
