// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frm_subnets.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QTableView>
#include <algorithm>
#include <memory>
#include <vector>

#include "report/press.h"
#include "report/subnet_rows.h"
#include "ui/frm_main.h"
#include "ui/palette.h"
#include "ui/qt_text.h"
#include "ui/translation.h"

namespace octaval {

namespace {

// Copying more rows than this would fill the clipboard with hundreds of megabytes; the whole
// list goes into a file instead.
constexpr qsizetype copyLimit = 100000;

constexpr int columns = int(subnetColumnCaptions.size());

// The column captions of the list (report/subnet_rows.h), which the window shows in the user's
// language.
[[maybe_unused]] constexpr const char* columnTexts[] = {
    QT_TRANSLATE_NOOP("octaval::frmSubnets", "Subnet"),
    QT_TRANSLATE_NOOP("octaval::frmSubnets", "Network"),
    QT_TRANSLATE_NOOP("octaval::frmSubnets", "First host"),
    QT_TRANSLATE_NOOP("octaval::frmSubnets", "Last host"),
    QT_TRANSLATE_NOOP("octaval::frmSubnets", "Broadcast"),
    QT_TRANSLATE_NOOP("octaval::frmSubnets", "Marks")};
static_assert(std::size(columnTexts) == subnetColumnCaptions.size());

QString columnCaption(int column) {
    return QCoreApplication::translate(
        "octaval::frmSubnets", std::string(subnetColumnCaptions[std::size_t(column)]).c_str());
}

// The marks of a row as the text list words them ("reserved, all zeros; holds 10.1.2.3").
QString marks(const SubnetRowTexts& row, const SubnetList& list) {
    QStringList parts;
    if (row.reserved == "all zeros") parts << frmSubnets::tr("reserved, all zeros");
    if (row.reserved == "all ones") parts << frmSubnets::tr("reserved, all ones");
    if (row.holdsAddress) {
        std::array<char, 16> address{};
        parts << frmSubnets::tr("holds %1").arg(toQString(addressText(list.address(), address)));
    }
    return parts.join(QStringLiteral("; "));
}

}  // namespace

/// The rows of one subnet list, each made when the view asks for it: the model holds the list,
/// never its rows, so that four million subnets take no more memory than four.
class SubnetTableModel final : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    /// Replaces the list (nothing for none).
    void setList(std::optional<SubnetList> list) {
        beginResetModel();
        m_listing.reset(list ? new Listing(*list) : nullptr);
        endResetModel();
    }
    const SubnetList* list() const { return m_listing ? &m_listing->list : nullptr; }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !m_listing ? 0 : int(m_listing->list.count());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : columns;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!m_listing || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) return {};
        const auto number = std::uint32_t(index.row());
        const QString text =
            SubnetColumn(index.column()) == SubnetColumn::marks
                ? marks(m_listing->writer.rowTexts(number), m_listing->list)
                : toQString(m_listing->writer.cellText(number, SubnetColumn(index.column())));
        // A screen reader says "none" rather than the dash of a subnet without hosts.
        if (role == Qt::AccessibleTextRole && text == u"-") return frmSubnets::tr("none");
        return text;
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || section < 0 || section >= columns ||
            (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
            return QAbstractTableModel::headerData(section, orientation, role);
        return columnCaption(section);
    }

private:
    struct Listing {
        explicit Listing(const SubnetList& l) : list(l), writer(list, ListFormat::text) {}
        SubnetList list;
        SubnetListWriter writer;  // reads `list`; its texts last until the next row is made
    };
    std::unique_ptr<Listing> m_listing;
};

frmSubnets::frmSubnets(frmMain* main)
    : QWidget(main, Qt::Window), m_main(main), m_model(new SubnetTableModel(this)) {
    setObjectName(QStringLiteral("frmSubnets"));
    setWindowTitle(tr("Subnets"));
    setAccessibleName(windowTitle());
    setWindowIcon(main->windowIcon());
    // A secondary window: closing the main window still ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);

    // Created in focus order: the search, the table, the buttons.
    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("caption"));
    m_caption->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_searchLabel = new QLabel(tr("Find an address or a subnet number:"), this);
    m_searchLabel->setObjectName(QStringLiteral("searchLabel"));
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("search"));
    m_search->setAccessibleName(tr("Find a subnet"));
    m_search->setToolTip(tr("Ctrl+F: find; Enter selects the row"));
    m_search->setMaxLength(64);
    m_searchLabel->setBuddy(m_search);
    auto* findButton = new QPushButton(tr("Find"), this);
    findButton->setObjectName(QStringLiteral("find"));
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("message"));
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("table"));
    m_table->setAccessibleName(windowTitle());
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->setTabKeyNavigation(false);  // Tab leaves the table, arrows move in it
    // Rows of one fixed height: the view places row n by multiplication instead of measuring
    // every row before it.
    QHeaderView* rows = m_table->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    rows->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->horizontalHeader()->setSectionsClickable(false);
    m_save = new QPushButton(tr("Save as CSV\u2026"), this);
    m_save->setObjectName(QStringLiteral("save"));
    auto* closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("close"));

    auto* search = new QHBoxLayout;
    search->addWidget(m_searchLabel);
    search->addWidget(m_search, 1);
    search->addWidget(findButton);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_save);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_caption);
    layout->addLayout(search);
    layout->addWidget(m_message);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);

    connect(m_search, &QLineEdit::returnPressed, this, &frmSubnets::find);
    connect(findButton, &QPushButton::clicked, this, &frmSubnets::find);
    connect(m_save, &QPushButton::clicked, this, &frmSubnets::saveAsCsv);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(main, &frmMain::recalculated, this, &frmSubnets::refresh);

    // Ctrl+C in the table (and its context menu) copies whole rows, not the current cell; Escape
    // closes the window.
    auto* copy = new QAction(tr("Copy rows"), m_table);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &frmSubnets::copyRows);
    m_table->addAction(copy);
    auto* save = new QAction(m_save->text(), m_table);
    connect(save, &QAction::triggered, this, &frmSubnets::saveAsCsv);
    m_table->addAction(save);
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* findKey = new QAction(this);
    findKey->setShortcut(QKeySequence::Find);
    findKey->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(findKey, &QAction::triggered, m_search, [this] {
        m_search->setFocus(Qt::ShortcutFocusReason);
        m_search->selectAll();
    });
    addAction(findKey);
    auto* escape = new QAction(this);
    escape->setShortcut(QKeySequence::Cancel);
    escape->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QAction::triggered, this, &QWidget::close);
    addAction(escape);

    followPalette(this);
    refresh();
    // The keyboard starts in the table, on the address's row.
    m_table->setFocus();
    // Wide enough for every column; as high as the screen lets a 20-row list be.
    int width = 0;
    for (int c = 0; c < columns; ++c)
        width += m_table->horizontalHeader()->sectionSize(c);
    resize(width + 2 * layout->contentsMargins().left() + 24,
           20 * rows->defaultSectionSize() + 6 * fontMetrics().height());
}

void frmSubnets::refresh() {
    const auto& inputs = m_main->lastPress();
    std::optional<SubnetList> list;
    QString caption;
    if (!inputs) {
        caption = tr("No subnets to list: press Recalculate in the main window first");
    } else {
        const Press p = press(*inputs);
        if (!p.outcome.passed()) {
            caption = tr("No subnets to list: %1")
                          .arg(toQString(windowPhrasebook().status(p.outcome.status())));
        } else if (!(list = SubnetList::of(p.state))) {
            caption = tr("Class %1 has no subnets").arg(toQString(p.boxes[Box::Text17]));
        } else {
            std::array<char, 16> network{}, mask{};
            caption =
                tr("%1 %2 of the class %3 network %4 under %5")
                    .arg(list->count())
                    .arg(list->count() == 1 ? tr("subnet") : tr("subnets"))
                    .arg(toQString(p.boxes[Box::Text17]))
                    .arg(toQString(addressText(list->address() & list->classField(), network)))
                    .arg(toQString(addressText(pressAddresses(p.state).mask, mask)));
        }
    }
    m_caption->setText(caption);
    m_model->setList(list);
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w != m_caption && w->objectName() != u"close") w->setVisible(list.has_value());
    setMessage({});
    if (!list) return;

    // Columns as wide as their widest text (the view would measure only the rows it shows).
    const QFontMetrics metrics = m_table->fontMetrics();
    const QFontMetrics headerMetrics = m_table->horizontalHeader()->fontMetrics();
    const int padding = 2 * metrics.horizontalAdvance(u' ') + 12;
    const QString widest[] = {
        QString(QString::number(list->count() - 1).size(), u'8'),
        QStringLiteral("255.255.255.255"),
        QStringLiteral("255.255.255.255"),
        QStringLiteral("255.255.255.255"),
        QStringLiteral("255.255.255.255"),
        QStringLiteral("reserved, all zeros; holds 255.255.255.255"),
    };
    for (int c = 0; c < columns; ++c)
        m_table->horizontalHeader()->resizeSection(
            c, std::max(metrics.horizontalAdvance(widest[c]),
                        headerMetrics.horizontalAdvance(columnCaption(c))) +
                   padding);
    selectRow(int(*list->numberHolding(list->address())));
}

void frmSubnets::selectRow(int row) {
    const QModelIndex index = m_model->index(row, 0);
    m_table->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_table->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void frmSubnets::setMessage(const QString& message) {
    m_message->setText(message);
    m_message->setVisible(!message.isEmpty());
    m_search->setAccessibleDescription(message);
}

void frmSubnets::find() {
    const SubnetList* list = m_model->list();
    if (!list) return;
    const auto found = findSubnet(*list, m_search->text().toStdString());
    if (const auto* miss = std::get_if<SubnetMiss>(&found)) {
        const QString text = toQString(miss->text);
        switch (miss->why) {
            case SubnetMiss::Why::empty:
                setMessage(tr("Type an address or a subnet number"));
                break;
            case SubnetMiss::Why::pastLast:
                setMessage(tr("There is no subnet %1: they are numbered 0 to %2")
                               .arg(text)
                               .arg(list->count() - 1));
                break;
            case SubnetMiss::Why::notAnAddress:
                setMessage(tr("'%1' is neither an address (such as 10.1.2.3) nor a subnet number")
                               .arg(text));
                break;
            case SubnetMiss::Why::outside: {
                std::array<char, 16> network{};
                setMessage(tr("%1 is not in the network %2")
                               .arg(text, toQString(addressText(
                                              list->address() & list->classField(), network))));
                break;
            }
        }
        return;
    }
    const auto number = std::get<std::uint32_t>(found);
    selectRow(int(number));
    setMessage(tr("Subnet %1").arg(number));
}

void frmSubnets::copyRows() {
    const SubnetList* list = m_model->list();
    if (!list) return;
    std::vector<int> rows;
    qsizetype count = 0;
    const QItemSelection selection = m_table->selectionModel()->selection();
    for (const QItemSelectionRange& range : selection)
        count += range.height();
    if (count > copyLimit) {
        setMessage(tr("Too many rows to copy (%1, at most %2): \"%3\" writes the whole list")
                       .arg(count)
                       .arg(copyLimit)
                       .arg(m_save->text()));
        return;
    }
    for (const QItemSelectionRange& range : selection)
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(row);
    if (rows.empty() && m_table->currentIndex().isValid())
        rows.push_back(m_table->currentIndex().row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    SubnetListWriter writer(*list, ListFormat::text);
    std::string text;
    writer.appendHeader(text);
    for (const int row : rows)
        writer.appendRow(text, std::uint32_t(row));
    QGuiApplication::clipboard()->setText(toQString(text));
    setMessage(rows.size() == 1 ? tr("Copied 1 row") : tr("Copied %1 rows").arg(rows.size()));
}

void frmSubnets::saveAsCsv() {
    const SubnetList* list = m_model->list();
    if (!list) return;
    const QString path = QFileDialog::getSaveFileName(this, tr("Save the subnets as CSV"),
                                                      QStringLiteral("subnets.csv"),
                                                      tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty()) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // Written to a temporary file that replaces the old one only when complete; unbuffered, as
    // the rows come in pieces of 64 KiB, and so that a short write (a full disk, a size limit)
    // shows in the count that write returns instead of being lost in the buffer's flush.
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                       writeSubnetRows(*list, ListFormat::csv,
                                       [&file](std::string_view rows) {
                                           return file.write(rows.data(), qint64(rows.size())) ==
                                                  qint64(rows.size());
                                       }) &&
                       file.commit();
    QApplication::restoreOverrideCursor();
    if (saved) {
        setMessage(tr("Saved %1 rows to %2").arg(list->count()).arg(path));
        return;
    }
    const QString error = file.errorString();
    file.cancelWriting();
    QMessageBox::warning(this, windowTitle(),
                         tr("Cannot save the list to %1: %2").arg(path, error));
}

}  // namespace octaval
