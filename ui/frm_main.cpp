// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frm_main.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <random>
#include <utility>

#include "report/address_text.h"
#include "report/captions.h"
#include "report/press.h"
#include "report/text_report.h"
#include "ui/controls.h"
#include "ui/frm_about.h"
#include "ui/frm_practice.h"
#include "ui/frm_subnets.h"
#include "ui/frm_working.h"
#include "ui/input_validator.h"
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

// Every control of the window in focus order, row by row, left to right.
constexpr Control controls[] = {
    {"Label7", ControlKind::caption, QT_TRANSLATE_NOOP("octaval::frmMain", "IP address"), 120, 120,
     1215, 255},
    {"Text1", ControlKind::inputBox, "0", 1440, 120, 375, 285, window},
    {"Label1", ControlKind::dot, ".", 1800, 120, 135, 255},
    {"Text2", ControlKind::inputBox, "0", 1920, 120, 375, 285, window},
    {"Label2", ControlKind::dot, ".", 2280, 120, 135, 255},
    {"Text3", ControlKind::inputBox, "0", 2400, 120, 375, 285, window},
    {"Label5", ControlKind::dot, ".", 2760, 120, 135, 255},
    {"Text4", ControlKind::inputBox, "0", 2880, 120, 375, 285, window},
    {"Label8", ControlKind::caption, QT_TRANSLATE_NOOP("octaval::frmMain", "Subnet mask"), 120, 600,
     1215, 255},
    {"Text5", ControlKind::inputBox, "255", 1440, 600, 375, 285, window},
    {"Label3", ControlKind::dot, ".", 1800, 600, 135, 255},
    {"Text6", ControlKind::inputBox, "255", 1920, 600, 375, 285, window},
    {"Label4", ControlKind::dot, ".", 2280, 600, 135, 255},
    {"Text7", ControlKind::inputBox, "255", 2400, 600, 375, 285, window},
    {"Label6", ControlKind::dot, ".", 2760, 600, 135, 255},
    {"Text8", ControlKind::inputBox, "0", 2880, 600, 375, 285, window},
    {"Label12", ControlKind::caption, QT_TRANSLATE_NOOP("octaval::frmMain", "Subnet"), 120, 1080,
     1215, 255},
    {"Text9", ControlKind::octetBox, "", 1440, 1080, 375, 285},
    {"Label9", ControlKind::dot, ".", 1800, 1080, 135, 255},
    {"Text10", ControlKind::octetBox, "", 1920, 1080, 375, 285},
    {"Label10", ControlKind::dot, ".", 2280, 1080, 135, 255},
    {"Text11", ControlKind::octetBox, "", 2400, 1080, 375, 285},
    {"Label11", ControlKind::dot, ".", 2760, 1080, 135, 255},
    {"Text12", ControlKind::octetBox, "", 2880, 1080, 375, 285},
    {"Label13", ControlKind::caption, QT_TRANSLATE_NOOP("octaval::frmMain", "Broadcast"), 120, 1560,
     1215, 255},
    {"Text13", ControlKind::octetBox, "", 1440, 1560, 375, 285},
    {"Label14", ControlKind::dot, ".", 1800, 1560, 135, 255},
    {"Text14", ControlKind::octetBox, "", 1920, 1560, 375, 285},
    {"Label15", ControlKind::dot, ".", 2280, 1560, 135, 255},
    {"Text15", ControlKind::octetBox, "", 2400, 1560, 375, 285},
    {"Label16", ControlKind::dot, ".", 2760, 1560, 135, 255},
    {"Text16", ControlKind::octetBox, "", 2880, 1560, 375, 285},
    {"Label17", ControlKind::caption, QT_TRANSLATE_NOOP("octaval::frmMain", "Class"), 120, 2040,
     1215, 255},
    {"Text17", ControlKind::octetBox, "", 1440, 2040, 375, 285},
    {"Line1", ControlKind::line, "", 0, 2520, 7680, 0},
    {"Label18", ControlKind::caption, QT_TRANSLATE_NOOP("octaval::frmMain", "Network"), 120, 2760,
     1215, 255},
    {"Text18", ControlKind::resultBox, "", 1440, 2760, 1815, 285},
    {"Label19", ControlKind::caption, QT_TRANSLATE_NOOP("octaval::frmMain", "Subnet"), 120, 3240,
     1215, 255},
    {"Text19", ControlKind::resultBox, "", 1440, 3240, 1815, 285},
    {"Label20", ControlKind::caption, QT_TRANSLATE_NOOP("octaval::frmMain", "Host"), 120, 3720,
     1215, 255},
    {"Text20", ControlKind::resultBox, "", 1440, 3720, 1815, 285},
    {"Label21", ControlKind::caption, QT_TRANSLATE_NOOP("octaval::frmMain", "Subnet 1"), 120, 4200,
     975, 255},
    {"Text26", ControlKind::octetBox, "", 1440, 4200, 375, 285},
    {"Text27", ControlKind::octetBox, "", 1920, 4200, 375, 285},
    {"Text28", ControlKind::octetBox, "", 2400, 4200, 375, 285},
    {"Text29", ControlKind::octetBox, "", 2880, 4200, 375, 285},
    {"Label22", ControlKind::caption, QT_TRANSLATE_NOOP("octaval::frmMain", "Subnet N"), 120, 4680,
     975, 255},
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

// Parts of up to three characters each: what the boxes of a row can hold. Longer ones paste as
// usual, cut to the box's three characters.
template <typename Parts>
bool fitsRow(const Parts& parts) {
    return std::all_of(parts.begin(), parts.end(),
                       [](const auto& p) { return p.size() <= std::size_t(inputLength); });
}

// The rows that a text going into a box fills: in the address row an address in any form that
// octaval-cli takes (ADDRESS, ADDRESS/N or ADDRESS MASK), with its mask when one is given; in the
// mask row a mask, dotted or /N. Nothing for any other text, which goes in as usual.
struct RowTexts {
    std::optional<std::array<std::string, 4>> address, mask;
};
std::optional<RowTexts> wholeRows(Box target, std::string_view text) {
    if (numberOf(target) <= numberOf(Box::Text4)) {
        auto parsed = parseAddressText(text);
        if (!parsed || !fitsRow(parsed->address) || (parsed->mask && !fitsRow(*parsed->mask)))
            return std::nullopt;
        return RowTexts{std::move(parsed->address), std::move(parsed->mask)};
    }
    if (text.starts_with('/')) {
        auto mask = prefixMask(text.substr(1));
        if (!mask) return std::nullopt;
        return RowTexts{std::nullopt, std::move(mask)};
    }
    const auto parts = splitDotted(text);
    if (!parts || !fitsRow(*parts)) return std::nullopt;
    return RowTexts{std::nullopt,
                    std::array<std::string, 4>{std::string((*parts)[0]), std::string((*parts)[1]),
                                               std::string((*parts)[2]), std::string((*parts)[3])}};
}

// The row captions that the window's table does not show: the status box's, which screen readers
// and the copied results name.
[[maybe_unused]] constexpr const char* statusCaption =
    QT_TRANSLATE_NOOP("octaval::frmMain", "Status");

// The boxes of a press as the window shows them.
class ShownBoxes final : public BoxAccess {
public:
    explicit ShownBoxes(const BoxAccess& boxes) : m_boxes(boxes) {}
    std::string text(Box b) const override { return shownText(b, m_boxes.text(b)).toStdString(); }
    void setText(Box, std::string_view) override {}

private:
    const BoxAccess& m_boxes;
};

bool isDigits(const QString& text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Screen readers announce the main window as an application's window, not as the dialog that it
// is only for the keyboard's sake (see frmMain).
QAccessibleInterface* mainWindowInterface(const QString& className, QObject* object) {
    if (object->isWidgetType() &&
        className == QLatin1StringView(frmMain::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

}  // namespace

frmMain::frmMain(QWidget* parent) : QDialog(parent) {
    static const bool accessible = (QAccessible::installFactory(mainWindowInterface), true);
    Q_UNUSED(accessible);
    const std::vector<QWidget*> widgets = buildForm(form, controls, this);
    for (Box b : allBoxes)
        m_boxes[std::size_t(numberOf(b))] =
            static_cast<QLineEdit*>(widgets[controlIndex(controls, boxName(b))]);
    // Screen readers and test clients find every box by its row's caption.
    for (const BoxRow& row : boxRows)
        for (int k = 1; k <= row.boxes; ++k) {
            QString name = shownCaption(row.caption);
            if (row.boxes > 1) name = tr("%1, octet %2").arg(name).arg(k);
            box(octetBox(row.first, k))->setAccessibleName(name);
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
    // copy nothing), Ctrl+Shift+C and the window's context menu. Whatever goes into an input box,
    // by any way of pasting or dropping, passes its gate: a whole address or mask fills its rows.
    for (int n = 1; n <= 8; ++n) {
        QLineEdit* edit = box(boxNumber(n));
        edit->installEventFilter(this);
        edit->setValidator(new InputValidator(edit, inputLength, [this, n](const QString& text) {
            return takeWhole(boxNumber(n), text);
        }));
    }
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
    const QString shortcuts =
        QStringList{tr("Ctrl+L: every subnet"), tr("Ctrl+B: show the working")}.join(u'\n');
    for (Box b : allBoxes)
        if (numberOf(b) > numberOf(Box::Text8) && b != Box::Text21) box(b)->setToolTip(shortcuts);

    box(Box::Text1)->setFocus();
}

void frmMain::copyResults() {
    // One calculation: the inputs of the last press with its results, even when the boxes have
    // been changed since; before the first press, what the window shows. Either way in the words
    // of the window: its captions, status and result lines in the user's language.
    std::vector<std::string> captions;
    for (const BoxRow& row : boxRows)
        captions.push_back(shownCaption(row.caption).toStdString());
    const std::string report = m_lastPress
                                   ? textReport(ShownBoxes(press(*m_lastPress).boxes), captions)
                                   : textReport(*this, captions);
    QGuiApplication::clipboard()->setText(toQString(report));
}

frmWorking* frmMain::workingWindow() {
    if (!m_working) {
        // Once created, it follows every press.
        m_working = new frmWorking(this);
        connect(this, &frmMain::recalculated, m_working,
                [this] { m_working->setWorking(m_lastPress); });
    }
    return m_working;
}

void frmMain::showWorking() {
    workingWindow()->setWorking(m_lastPress);
    m_working->show();
    m_working->raise();
    m_working->activateWindow();
}

void frmMain::openPractice() {
    if (!m_practice) {
        m_practice = new frmPractice(std::random_device{}(), this);
        // The working of a practice problem, in the Working window, until the next press.
        connect(m_practice, &frmPractice::workingRequested, this,
                [this](const AddressTexts& inputs) { workingWindow()->showWorking(inputs); });
    }
    m_practice->show();
    m_practice->raise();
    m_practice->activateWindow();
}

bool frmMain::takeWhole(Box target, const QString& text) {
    if (m_writing) return false;
    auto rows = wholeRows(target, text.trimmed().toStdString());
    if (!rows) return false;
    // The box is in the middle of its change; the rows are written once it is over. The address
    // first, so that the natural mask follows its first octet; then the mask, when one is given.
    QMetaObject::invokeMethod(
        this,
        [this, rows = std::move(*rows)] {
            for (const auto& [first, parts] :
                 {std::pair{Box::Text1, &rows.address}, {Box::Text5, &rows.mask}})
                if (*parts)
                    for (int k = 1; k <= 4; ++k)
                        setText(octetBox(first, k), (**parts)[std::size_t(k - 1)]);
        },
        Qt::QueuedConnection);
    return true;
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* edit = static_cast<QLineEdit*>(watched);
        if (key->matches(QKeySequence::Copy) && !edit->hasSelectedText()) {
            copyResults();
            return true;
        }
        // "." typed after the digits of a box moves on to the next box of its row, as address
        // fields do; anywhere else it is a character like any other ("1.5").
        if (key->text() == u"." && !edit->hasSelectedText() &&
            edit->cursorPosition() == edit->text().size() && isDigits(edit->text()))
            for (int n : {1, 2, 3, 5, 6, 7})
                if (box(boxNumber(n)) == edit) {
                    box(boxNumber(n + 1))->setFocus(Qt::TabFocusReason);
                    box(boxNumber(n + 1))->selectAll();
                    return true;
                }
    }
    return QDialog::eventFilter(watched, event);
}

std::string frmMain::text(Box b) const {
    return box(b)->text().toStdString();
}

void frmMain::setText(Box b, std::string_view text) {
    const bool writing = std::exchange(m_writing, true);
    box(b)->setText(shownText(b, text));
    m_writing = writing;
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
    m_lastPress = std::move(inputs);
    Recalculate(m_state, *this);
    emit recalculated();
}

void frmMain::showSubnets() {
    if (!m_subnets) m_subnets = new frmSubnets(this);
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
