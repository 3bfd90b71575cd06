// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "practice/exercise.h"
#include "practice/session.h"
#include "report/address_text.h"
#include "ui/cut_text.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPagedPaintDevice;
class QPushButton;
class QScrollArea;
class QTimer;

namespace octaval {

class AddressEdit;

/// The Practice window: a session of problems drawn from a seed, one input per question, "Check"
/// (Ctrl+Enter, or Enter on the last stop), "Next problem" (which skips an unchecked one), "Show
/// the working" and the session's score. Every answer is marked in words against a press of the
/// engine, a wrong one with the reason where it matches a known mistake. Enter in an answer
/// moves on to the next. Not modal: the main window stays usable beside it.
class frmPractice final : public QDialog {
    Q_OBJECT

public:
    explicit frmPractice(std::uint64_t seed, QWidget* parent = nullptr);

    /// The problem on show, with its questions and expected answers.
    const Exercise& exercise() const { return m_session->exercise(); }
    /// The inputs of a question: four octet boxes for an address, else one line edit (none for
    /// the status, which is chosen in statusChoice()).
    const std::vector<QLineEdit*>& inputs(Question q) const { return row(q).inputs; }
    QComboBox* statusChoice() const { return m_status; }
    /// The mark of a question: empty until checked or after its answer is edited, then "right",
    /// "wrong, expected ...", "not answered" or "cannot read ...".
    CutLabel* mark(Question q) const { return row(q).mark; }
    /// "Score at the first check of each problem: R of N answers right", over the session.
    QLabel* score() const { return m_score; }
    /// "Problem 3 of 10".
    QLabel* progress() const { return m_progress; }
    /// Why the wrong answers are wrong, one line each; at the end of a session, its summary.
    QLabel* reasons() const { return m_reasons; }

signals:
    /// "Show the working": the problem's address and mask, for the window that works it out.
    void workingRequested(const octaval::AddressTexts& inputs);

public slots:
    /// "Check" (also Ctrl+Enter): marks every answer; the first check of a problem counts in the
    /// score.
    void check();
    /// "Next problem": the next problem of the seed, under the options as they are set, drawn
    /// where it can be to ask the kinds of question answered wrong in this session. After the
    /// last problem of a session, the session's summary and a new session.
    void nextProblem();
    /// "Show the working".
    void showWorking();
    /// "Print worksheet…": asks whether to add the answer key, then prints through the print
    /// dialog, which also saves as PDF.
    void printWorksheet();

public:
    /// The worksheet that "Print worksheet…" prints, on a printer as it is set up: a session's
    /// problems from the window's seed under its classes and level, every question asked, as
    /// octaval-cli --practice --html gives them for the same options.
    void printWorksheet(QPagedPaintDevice& device, bool answers) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

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
    void showProblem();
    void showScore();
    void showReasons(const QString& text);
    void fitReasons();
    void clearMark(Question q);
    QString answer(Question q) const;

    std::optional<PracticeSession> m_session;  // made once the options can be read
    QTimer* m_levelChange = nullptr;  // a level chosen by arrows takes effect once they rest

    std::array<QCheckBox*, 3> m_classes{};
    QComboBox* m_level = nullptr;
    QLineEdit* m_address = nullptr;
    QLineEdit* m_mask = nullptr;
    std::array<Row, allQuestions.size()> m_rows{};
    QComboBox* m_status = nullptr;
    QLabel* m_score = nullptr;
    QLabel* m_progress = nullptr;
    QLabel* m_reasons = nullptr;
    QScrollArea* m_reasonsArea = nullptr;  // scrolls them where the screen is too small
    QPushButton* m_check = nullptr;
    bool m_placed = false;  // placed beside the main window on its first showing
};

}  // namespace octaval
