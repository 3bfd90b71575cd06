// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frm_main.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <random>
#include <utility>

#include "report/address_text.h"
#include "report/captions.h"
#include "report/press.h"
#include "report/text_report.h"
#include "ui/address_edit.h"
#include "ui/controls.h"
#include "ui/cut_text.h"
#include "ui/frm_about.h"
#include "ui/frm_practice.h"
#include "ui/frm_subnets.h"
#include "ui/frm_working.h"
#include "ui/qt_text.h"
#include "ui/translation.h"

namespace octaval {
namespace {

// A normal top-level window with minimize and close buttons; its fixed size rules out
// maximizing.
constexpr Form form = {"frmMain",
                       "Octaval",
                       Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint,
                       SystemColour::buttonFace,
                       3465,
                       5820};

constexpr SystemColour window = SystemColour::windowBackground;

// Every control of the window in focus order, row by row, left to right. The rows' captions are
// those of the caption table, whose texts are literals (ending in a null).
constexpr Control controls[] = {
    {"Label7", ControlKind::caption, rowCaption(Box::Text1).data(), 120, 120, 1215, 255},
    {"AddressRow", ControlKind::addressRow, "0.0.0.0", 1440, 120, 1815, 285, window},
    {"Label8", ControlKind::caption, rowCaption(Box::Text5).data(), 120, 600, 1215, 255},
    {"MaskRow", ControlKind::maskRow, "255.255.255.0", 1440, 600, 1815, 285, window},
    {"Label12", ControlKind::caption, rowCaption(Box::Text9).data(), 120, 1080, 1215, 255},
    {"Text9", ControlKind::octetBox, "", 1440, 1080, 375, 285},
    {"Label9", ControlKind::dot, ".", 1800, 1080, 135, 255},
    {"Text10", ControlKind::octetBox, "", 1920, 1080, 375, 285},
    {"Label10", ControlKind::dot, ".", 2280, 1080, 135, 255},
    {"Text11", ControlKind::octetBox, "", 2400, 1080, 375, 285},
    {"Label11", ControlKind::dot, ".", 2760, 1080, 135, 255},
    {"Text12", ControlKind::octetBox, "", 2880, 1080, 375, 285},
    {"Label13", ControlKind::caption, rowCaption(Box::Text13).data(), 120, 1560, 1215, 255},
    {"Text13", ControlKind::octetBox, "", 1440, 1560, 375, 285},
    {"Label14", ControlKind::dot, ".", 1800, 1560, 135, 255},
    {"Text14", ControlKind::octetBox, "", 1920, 1560, 375, 285},
    {"Label15", ControlKind::dot, ".", 2280, 1560, 135, 255},
    {"Text15", ControlKind::octetBox, "", 2400, 1560, 375, 285},
    {"Label16", ControlKind::dot, ".", 2760, 1560, 135, 255},
    {"Text16", ControlKind::octetBox, "", 2880, 1560, 375, 285},
    {"Label17", ControlKind::caption, rowCaption(Box::Text17).data(), 120, 2040, 1215, 255},
    {"Text17", ControlKind::octetBox, "", 1440, 2040, 375, 285},
    {"Line1", ControlKind::line, "", 0, 2520, 7680, 0},
    {"Label18", ControlKind::caption, rowCaption(Box::Text18).data(), 120, 2760, 1215, 255},
    {"Text18", ControlKind::resultBox, "", 1440, 2760, 1815, 285},
    {"Label19", ControlKind::caption, rowCaption(Box::Text19).data(), 120, 3240, 1215, 255},
    {"Text19", ControlKind::resultBox, "", 1440, 3240, 1815, 285},
    {"Label20", ControlKind::caption, rowCaption(Box::Text20).data(), 120, 3720, 1215, 255},
    {"Text20", ControlKind::resultBox, "", 1440, 3720, 1815, 285},
    {"Label21", ControlKind::caption, rowCaption(Box::Text26).data(), 120, 4200, 975, 255},
    {"Text26", ControlKind::octetBox, "", 1440, 4200, 375, 285},
    {"Text27", ControlKind::octetBox, "", 1920, 4200, 375, 285},
    {"Text28", ControlKind::octetBox, "", 2400, 4200, 375, 285},
    {"Text29", ControlKind::octetBox, "", 2880, 4200, 375, 285},
    {"Label22", ControlKind::caption, rowCaption(Box::Text30).data(), 120, 4680, 975, 255},
    {"Text30", ControlKind::octetBox, "", 1440, 4680, 375, 285},
    {"Text31", ControlKind::octetBox, "", 1920, 4680, 375, 285},
    {"Text32", ControlKind::octetBox, "", 2400, 4680, 375, 285},
    {"Text33", ControlKind::octetBox, "", 2880, 4680, 375, 285},
    {"Command2", ControlKind::button, QT_TRANSLATE_NOOP("octaval::frmMain", "Exit"), 0, 5160, 975,
     375},
    {"Command3", ControlKind::button, QT_TRANSLATE_NOOP("octaval::frmMain", "About"), 960, 5160,
     975, 375},
    {"Command1", ControlKind::button, QT_TRANSLATE_NOOP("octaval::frmMain", "Recalculate"), 1920,
     5160, 1575, 375},
    {"Text21", ControlKind::statusBox, "OK", 0, 5520, 7695, 285, SystemColour::activeBorder},
};

constexpr std::size_t command1 = controlIndex(controls, "Command1");
constexpr std::size_t command2 = controlIndex(controls, "Command2");
constexpr std::size_t command3 = controlIndex(controls, "Command3");

// The names of the input rows' boxes and dots, as the window stores them.
constexpr std::array<std::array<const char*, 4>, 2> rowBoxes = {
    {{"Text1", "Text2", "Text3", "Text4"}, {"Text5", "Text6", "Text7", "Text8"}}};
constexpr std::array<std::array<const char*, 3>, 2> rowDots = {
    {{"Label1", "Label2", "Label5"}, {"Label3", "Label4", "Label6"}}};

bool isResultLine(Box b) {
    return b == Box::Text18 || b == Box::Text19 || b == Box::Text20;
}

// A text that the engine writes into a box, in the user's words: the status message, and a result
// line formed from the numbers of the press that writes it; every other text is a number or a
// letter.
std::string shownText(Box b, std::string_view text, const Press* press) {
    if (b == Box::Text21) return windowPhrasebook().status(text);
    if (isResultLine(b) && text != " " && press)
        return windowPhrasebook().resultLine(b, lineNumbers(press->numbers));
    return std::string(text);
}

// The boxes of a press as the window shows them.
class ShownBoxes final : public BoxAccess {
public:
    explicit ShownBoxes(const Press& p) : m_press(p) {}
    std::string text(Box b) const override { return shownText(b, m_press.boxes.text(b), &m_press); }
    void setText(Box, std::string_view) override {}

private:
    const Press& m_press;
};

// Screen readers announce each of the program's own windows as an application's window, not as
// the dialog that some of them are only for the keyboard's sake (see frmMain), nor as the filler
// that a plain widget would be. About, which is modal, stays a dialog.
QAccessibleInterface* windowInterface(const QString& className, QObject* object) {
    if (!object->isWidgetType() || !static_cast<QWidget*>(object)->isWindow()) return nullptr;
    for (const QMetaObject* window :
         {&frmMain::staticMetaObject, &frmWorking::staticMetaObject, &frmSubnets::staticMetaObject,
          &frmPractice::staticMetaObject})
        if (className == QLatin1StringView(window->className()))
            return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

}  // namespace

frmMain::frmMain(QWidget* parent) : QDialog(parent) {
    static const bool accessible = (QAccessible::installFactory(windowInterface), true);
    Q_UNUSED(accessible);
    const std::vector<QWidget*> widgets = buildForm(form, controls, this);
    m_rows = {static_cast<AddressEdit*>(widgets[controlIndex(controls, "AddressRow")]),
              static_cast<AddressEdit*>(widgets[controlIndex(controls, "MaskRow")])};
    for (std::size_t r = 0; r < 2; ++r) {
        m_rows[r]->setAccessibleName(
            toQString(windowPhrasebook().caption(rowCaption(r ? Box::Text5 : Box::Text1))));
        for (std::size_t k = 0; k < 4; ++k) {
            m_rows[r]->box(k)->setObjectName(QString::fromLatin1(rowBoxes[r][k]));
            if (k < 3) m_rows[r]->dot(k)->setObjectName(QString::fromLatin1(rowDots[r][k]));
        }
    }
    for (Box b : allBoxes)
        m_boxes[std::size_t(numberOf(b))] =
            numberOf(b) <= numberOf(Box::Text8)
                ? m_rows[numberOf(b) > 4]->box(std::size_t(numberOf(b) - 1) % 4)
                : static_cast<QLineEdit*>(widgets[controlIndex(controls, boxName(b))]);
    // A whole address sets the mask as if it had been typed: the natural mask of its first octet
    // (even where that octet stays as it was), then the mask that comes with it.
    connect(m_rows[0], &AddressEdit::addressEntered, this,
            [this](const std::optional<std::array<std::string, 4>>& mask) {
                Text1_Change();
                if (mask) m_rows[1]->setTexts(*mask);
            });
    // Screen readers and test clients find every box by its row's caption.
    for (const BoxRow& row : boxRows)
        for (int k = 1; k <= row.boxes; ++k) {
            std::string name = windowPhrasebook().caption(row.caption);
            if (row.boxes > 1)
                name = windowPhrasebook().say(octetCaption, {name, std::to_string(k)});
            box(octetBox(row.first, k))->setAccessibleName(toQString(name));
        }

    auto* recalculate = static_cast<QPushButton*>(widgets[command1]);
    recalculate->setDefault(true);
    connect(recalculate, &QPushButton::clicked, this, &frmMain::Command1_Click);
    connect(static_cast<QPushButton*>(widgets[command2]), &QPushButton::clicked, this,
            &frmMain::Command2_Click);
    connect(static_cast<QPushButton*>(widgets[command3]), &QPushButton::clicked, this,
            &frmMain::Command3_Click);
    // Connected only now, so that the initial texts do not count as a change of Text1; and to
    // textChanged, which, unlike textEdited, also reports changes made by assistive technology.
    connect(box(Box::Text1), &QLineEdit::textChanged, this, &frmMain::Text1_Change);

    // Copy of the whole result: Ctrl+C in a box with nothing selected (the boxes' own copy would
    // copy nothing), Ctrl+Shift+C and the window's context menu.
    for (int n = 1; n <= 8; ++n)
        box(boxNumber(n))->installEventFilter(this);
    box(Box::Text21)->installEventFilter(this);
    // A message longer than the status box shows from its first word (setText), and whole in its
    // tooltip and accessible description, whatever the language, font and scale.
    connect(box(Box::Text21), &QLineEdit::textChanged, this, [this](const QString& text) {
        box(Box::Text21)->setToolTip(text);
        box(Box::Text21)->setAccessibleDescription(text);
    });
    box(Box::Text21)->setToolTip(box(Box::Text21)->text());
    box(Box::Text21)->setAccessibleDescription(box(Box::Text21)->text());
    auto* copy = new QAction(tr("Copy results"), this);
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(copy, &QAction::triggered, this, &frmMain::copyResults);
    addAction(copy);
    auto* subnets = new QAction(tr("Every subnet\u2026"), this);
    subnets->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(subnets, &QAction::triggered, this, &frmMain::showSubnets);
    addAction(subnets);
    auto* working = new QAction(tr("Show the working\u2026"), this);
    working->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    connect(working, &QAction::triggered, this, &frmMain::showWorking);
    addAction(working);
    auto* practice = new QAction(tr("Practice\u2026"), this);
    practice->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(practice, &QAction::triggered, this, &frmMain::openPractice);
    addAction(practice);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    // The output boxes name the shortcuts of the windows that show more of a press.
    m_shortcuts = QStringList{tr("Ctrl+L: every subnet"), tr("Ctrl+B: show the working"),
                              tr("Ctrl+P: practice")}
                      .join(u'\n');
    for (Box b : allBoxes)
        if (numberOf(b) > numberOf(Box::Text8) && b != Box::Text21) box(b)->setToolTip(m_shortcuts);

    box(Box::Text1)->setFocus();
}

void frmMain::copyResults() {
    // One calculation: the inputs of the last press with its results, even when the boxes have
    // been changed since; before the first press, what the window shows. Either way in the words
    // of the window: its captions, status and result lines in the user's language.
    std::vector<std::string> captions;
    for (const BoxRow& row : boxRows)
        captions.push_back(windowPhrasebook().caption(row.caption));
    const std::string report =
        m_lastPress ? textReport(ShownBoxes(*m_lastPress), captions) : textReport(*this, captions);
    QGuiApplication::clipboard()->setText(toQString(report));
}

frmWorking* frmMain::workingWindow() {
    if (!m_working) {
        // Once created, it follows every press.
        m_working = new frmWorking(this);
        connect(this, &frmMain::pressed, m_working, &frmWorking::setPress);
    }
    return m_working;
}

void frmMain::showWorking() {
    workingWindow()->showWorking(m_lastPress);
}

void frmMain::openPractice() {
    if (!m_practice) {
        m_practice = new frmPractice(std::random_device{}(), this);
        // The working of a practice problem, in the Working window, until the next press.
        connect(m_practice, &frmPractice::workingRequested, this,
                [this](const AddressTexts& inputs) {
                    workingWindow()->showWorking(std::make_shared<const Press>(press(inputs)));
                });
    }
    m_practice->show();
    m_practice->raise();
    m_practice->activateWindow();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* edit = static_cast<QLineEdit*>(watched);
        if (key->matches(QKeySequence::Copy) && !edit->hasSelectedText()) {
            copyResults();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

std::string frmMain::text(Box b) const {
    return box(b)->text().toStdString();
}

void frmMain::setText(Box b, std::string_view text) {
    if (const int n = numberOf(b); n <= numberOf(Box::Text8)) {
        m_rows[n > 4]->setText(std::size_t(n - 1) % 4, toQString(text));
        return;
    }
    // A result line is worded from the numbers of the press that writes it; before the first
    // press no box holds one.
    const QString shown = toQString(shownText(b, text, m_lastPress.get()));
    if (b == Box::Text18 || b == Box::Text19 || b == Box::Text20) {
        // A line too long for its box even in a smaller font shows cut, and whole for the mouse
        // and for screen readers.
        auto* line = static_cast<ResultBox*>(box(b));
        const bool whole = line->showFitted(shown);
        line->setToolTip(whole ? m_shortcuts : shown + QStringLiteral("\n\n") + m_shortcuts);
        line->setAccessibleDescription(whole ? QString() : shown);
        return;
    }
    box(b)->setText(shown);
    // An output that is longer than its box reads from its start.
    if (numberOf(b) > numberOf(Box::Text8)) box(b)->setCursorPosition(0);
}

void frmMain::Command1_Click() {
    AddressTexts inputs;
    inputs.mask.emplace();
    for (int k = 1; k <= 4; ++k) {
        inputs.address[std::size_t(k - 1)] = text(octetBox(Box::Text1, k));
        (*inputs.mask)[std::size_t(k - 1)] = text(octetBox(Box::Text5, k));
    }
    // One press on a fresh calculator, which leaves what a press on the window's own would (no
    // press depends on an earlier one); the window shows its boxes, and the windows that show
    // more of it get the same press instead of computing it again.
    m_lastPress = std::make_shared<const Press>(press(inputs));
    for (Box b : allBoxes)
        if (numberOf(b) > numberOf(Box::Text8)) setText(b, m_lastPress->boxes[b]);
    emit pressed(m_lastPress);
}

void frmMain::showSubnets() {
    if (!m_subnets) {
        // Once created, it follows every press.
        m_subnets = new frmSubnets(this);
        m_subnets->setPress(m_lastPress);
        connect(this, &frmMain::pressed, m_subnets, &frmSubnets::setPress);
    }
    m_subnets->show();
    m_subnets->raise();
    m_subnets->activateWindow();
}

void frmMain::Command2_Click() {
    QCoreApplication::quit();
}

void frmMain::Command3_Click() {
    frmAbout about(this);
    about.exec();
}

void frmMain::Text1_Change() {
    ApplyNaturalMask(*this);
}

void frmMain::keyPressEvent(QKeyEvent* event) {
    // The window has no cancel button: Escape must not reach QDialog, which would close it.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    // Ctrl+C on a button copies the results, as in a box with nothing selected.
    if (event->matches(QKeySequence::Copy)) {
        copyResults();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace octaval
