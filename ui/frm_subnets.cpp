// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frm_subnets.h"

#include <QAbstractButton>
#include <QAbstractTableModel>
#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>
#include <limits>
#include <memory>
#include <vector>

#include "report/list_heading.h"
#include "report/subnet_rows.h"
#include "ui/controls.h"
#include "ui/palette.h"
#include "ui/qt_text.h"
#include "ui/translation.h"

namespace octaval {

namespace {

// Copying more rows than this would fill the clipboard with hundreds of megabytes; the whole
// list goes into a file instead.
constexpr qsizetype copyLimit = 100000;

constexpr int columns = int(subnetColumnCaptions.size());

// A column caption of the list (report/captions.h) in the user's language.
QString columnCaption(int column) {
    return toQString(windowPhrasebook().caption(subnetColumnCaptions[std::size_t(column)]));
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

// A table whose rows all have one height and that keeps nothing for each row. QTableView's row
// header keeps a section of 8 bytes for every row, shown or hidden: 32 MiB for the four million
// subnets of a class A network under 255.255.255.252. This one leaves its row header without a
// model and places, finds, scrolls to and paints row n by multiplication, as the table would with
// fixed sections; the column header, the selection, the keys and the accessible table are
// QTableView's. Not a Q_OBJECT, so that screen readers meet a table as they would QTableView.
class SubnetTable final : public QTableView {
public:
    explicit SubnetTable(QWidget* parent) : QTableView(parent) {
        // The button in the corner of the two headers, which QTableView places beside the row
        // header: without one, it has no place.
        for (auto* corner : findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly))
            corner->hide();

        // Scrolled by the pixel: the offset of the rows is the scroll bar's value, which the
        // empty row header, as QTableView scrolls, follows.
        setVerticalScrollMode(ScrollPerPixel);
        setHorizontalScrollMode(ScrollPerPixel);
    }

    void setModel(QAbstractItemModel* model) override {
        horizontalHeader()->setModel(model);
        QAbstractItemView::setModel(model);
    }
    void setSelectionModel(QItemSelectionModel* selection) override {
        horizontalHeader()->setSelectionModel(selection);
        QAbstractItemView::setSelectionModel(selection);
    }
    void reset() override {
        QTableView::reset();
        // A scroll to a row of the new list right after the reset needs its range.
        updateGeometries();
    }

    QRect visualRect(const QModelIndex& index) const override {
        if (!index.isValid() || index.model() != model()) return {};
        const qint64 top = qint64(index.row()) * rowHeight() - verticalOffset();
        if (top < std::numeric_limits<int>::min() / 2 || top > std::numeric_limits<int>::max() / 2)
            return {};
        const QHeaderView* columns = horizontalHeader();
        const int grid = showGrid() ? 1 : 0;
        return {columns->sectionViewportPosition(index.column()), int(top),
                columns->sectionSize(index.column()) - grid, rowHeight() - grid};
    }
    QModelIndex indexAt(const QPoint& point) const override {
        const int rows = rowCount();
        const qint64 y = qint64(point.y()) + verticalOffset();
        const int column = horizontalHeader()->logicalIndexAt(point.x());
        if (y < 0 || column < 0 || y / rowHeight() >= rows) return {};
        return model()->index(int(y / rowHeight()), column, rootIndex());
    }
    void scrollTo(const QModelIndex& index, ScrollHint hint) override {
        if (!index.isValid() || index.model() != model()) return;
        const qint64 top = qint64(index.row()) * rowHeight();
        const int height = viewport()->height();
        QScrollBar* bar = verticalScrollBar();
        qint64 value = bar->value();
        switch (hint) {
            case PositionAtTop:
                value = top;
                break;
            case PositionAtBottom:
                value = top + rowHeight() - height;
                break;
            case PositionAtCenter:
                value = top - (height - rowHeight()) / 2;
                break;
            case EnsureVisible:
                if (top < value)
                    value = top;
                else if (top + rowHeight() > value + height)
                    value = top + rowHeight() - height;
                break;
        }
        bar->setValue(int(std::clamp<qint64>(value, 0, bar->maximum())));
        const QHeaderView* columns = horizontalHeader();
        const int left = columns->sectionPosition(index.column());
        const int right = left + columns->sectionSize(index.column());
        QScrollBar* across = horizontalScrollBar();
        if (left < across->value())
            across->setValue(left);
        else if (right > across->value() + viewport()->width())
            across->setValue(std::min(left, right - viewport()->width()));
    }

protected:
    int verticalOffset() const override { return verticalScrollBar()->value(); }
    bool isIndexHidden(const QModelIndex&) const override { return false; }

    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override {
        const int rows = rowCount();
        const int columns = model() ? model()->columnCount(rootIndex()) : 0;
        if (rows == 0 || columns == 0) return {};
        const QModelIndex current = currentIndex();
        if (!current.isValid()) return model()->index(0, 0, rootIndex());
        const int page = std::max(1, viewport()->height() / rowHeight());
        const bool control = modifiers & Qt::ControlModifier;
        qint64 row = current.row();
        int column = current.column();
        switch (action) {
            case MoveUp:
                --row;
                break;
            case MoveDown:
                ++row;
                break;
            case MovePageUp:
                row -= page;
                break;
            case MovePageDown:
                row += page;
                break;
            case MoveLeft:
                --column;
                break;
            case MoveRight:
                ++column;
                break;
            case MoveHome:
                column = 0;
                if (control) row = 0;
                break;
            case MoveEnd:
                column = columns - 1;
                if (control) row = rows - 1;
                break;
            case MoveNext:
            case MovePrevious:
                break;
        }
        return model()->index(int(std::clamp<qint64>(row, 0, rows - 1)),
                              std::clamp(column, 0, columns - 1), rootIndex());
    }

    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override {
        // Ctrl with an arrow moves the current row alone, to be added by Ctrl+Space; but Ctrl+Home
        // and Ctrl+End are the way to the first and the last row, and select it as Home and End
        // would (Shift extending the selection), so that Ctrl+C copies the row the user sees.
        if (event && event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<const QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Home || key->key() == Qt::Key_End) &&
                key->modifiers() & Qt::ControlModifier) {
                const QKeyEvent plain(QEvent::KeyPress, key->key(),
                                      key->modifiers() & ~Qt::ControlModifier);
                return QTableView::selectionCommand(index, &plain);
            }
        }
        // Set from the program (a new list, a search): the row alone, whatever keys are held.
        if (!event) return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
        return QTableView::selectionCommand(index, event);
    }

    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override {
        const int rows = rowCount();
        const int columns = model() ? model()->columnCount(rootIndex()) : 0;
        if (rows == 0 || columns == 0 || !selectionModel()) return;
        const QRect r = rect.normalized();
        const auto rowAtY = [&](int y) {
            return int(
                std::clamp<qint64>((qint64(y) + verticalOffset()) / rowHeight(), 0, rows - 1));
        };
        const auto columnAtX = [&](int x, int fallback) {
            const int c = horizontalHeader()->logicalIndexAt(x);
            return c < 0 ? fallback : c;
        };
        const QModelIndex first =
            model()->index(rowAtY(r.top()), columnAtX(r.left(), 0), rootIndex());
        const QModelIndex last =
            model()->index(rowAtY(r.bottom()), columnAtX(r.right(), columns - 1), rootIndex());
        selectionModel()->select(QItemSelection(first, last), command);
    }

    QRegion visualRegionForSelection(const QItemSelection& selection) const override {
        // The visible part of each range, whole rows wide.
        const qint64 firstShown = verticalOffset() / rowHeight();
        const qint64 lastShown = (verticalOffset() + viewport()->height()) / rowHeight();
        QRegion region;
        for (const QItemSelectionRange& range : selection) {
            const qint64 top = std::max<qint64>(range.top(), firstShown);
            const qint64 bottom = std::min<qint64>(range.bottom(), lastShown);
            if (top <= bottom)
                region += QRect(0, int(top * rowHeight() - verticalOffset()), viewport()->width(),
                                int((bottom - top + 1) * rowHeight()));
        }
        return region;
    }

    void updateGeometries() override {
        if (m_laying) return;
        m_laying = true;
        QHeaderView* columns = horizontalHeader();
        const int header = columns->isHidden()
                               ? 0
                               : std::max(columns->minimumHeight(), columns->sizeHint().height());
        setViewportMargins(0, header, 0, 0);
        const QRect area = viewport()->geometry();
        columns->setGeometry(area.left(), area.top() - header, area.width(), header);
        QScrollBar* bar = verticalScrollBar();
        bar->setSingleStep(rowHeight());
        bar->setPageStep(area.height());
        bar->setRange(0, int(std::clamp<qint64>(qint64(rowCount()) * rowHeight() - area.height(), 0,
                                                std::numeric_limits<int>::max())));
        QScrollBar* across = horizontalScrollBar();
        across->setSingleStep(std::max(1, fontMetrics().averageCharWidth() * 2));
        across->setPageStep(area.width());
        across->setRange(0, std::max(0, columns->length() - area.width()));
        m_laying = false;
        QAbstractItemView::updateGeometries();
    }

    void paintEvent(QPaintEvent* event) override {
        const int rows = rowCount();
        if (rows == 0) return;
        QPainter painter(viewport());
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        const QHeaderView* columns = horizontalHeader();
        const QRect area = event->rect();
        const int first = int((qint64(area.top()) + verticalOffset()) / rowHeight());
        const int last = int(
            std::min<qint64>(rows - 1, (qint64(area.bottom()) + verticalOffset()) / rowHeight()));
        const QModelIndex current = currentIndex();
        const bool focus = hasFocus() || viewport()->hasFocus();
        const QPen grid(QColor::fromRgba(
            QRgb(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this))));
        for (int row = first; row <= last; ++row) {
            for (int c = 0; c < columns->count(); ++c) {
                const QModelIndex index = model()->index(row, c, rootIndex());
                QStyleOptionViewItem cell = option;
                cell.rect = visualRect(index);
                if (!cell.rect.intersects(area)) continue;
                if (selectionModel()->isSelected(index)) cell.state |= QStyle::State_Selected;
                if (focus && index == current) cell.state |= QStyle::State_HasFocus;
                if (alternatingRowColors() && row % 2)
                    cell.features |= QStyleOptionViewItem::Alternate;
                style()->drawPrimitive(QStyle::PE_PanelItemViewRow, &cell, &painter, this);
                itemDelegateForIndex(index)->paint(&painter, cell, index);
            }
        }
        if (!showGrid()) return;
        painter.setPen(grid);
        const int top = int(qint64(first) * rowHeight() - verticalOffset());
        const int bottom = int(qint64(last + 1) * rowHeight() - verticalOffset()) - 1;
        const int right = columns->length() - columns->offset() - 1;
        for (int y = top + rowHeight() - 1; y <= bottom; y += rowHeight())
            painter.drawLine(0, y, right, y);
        for (int c = 0; c < columns->count(); ++c) {
            const int x = columns->sectionViewportPosition(c) + columns->sectionSize(c) - 1;
            painter.drawLine(x, top, x, bottom);
        }
    }

private:
    int rowHeight() const { return std::max(1, verticalHeader()->defaultSectionSize()); }
    int rowCount() const { return model() ? model()->rowCount(rootIndex()) : 0; }

    bool m_laying = false;  // updateGeometries sets the margins, which lay the view out again
};

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

frmSubnets::frmSubnets(QWidget* parent)
    : QWidget(parent, Qt::Window), m_model(new SubnetTableModel(this)) {
    setObjectName(QStringLiteral("frmSubnets"));
    setWindowTitle(toQString(windowPhrasebook().say(phrase("Caption", "Subnets"))));
    setAccessibleName(windowTitle());
    if (parent) setWindowIcon(parent->windowIcon());
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
    m_table = new SubnetTable(this);
    m_table->setObjectName(QStringLiteral("table"));
    m_table->setAccessibleName(windowTitle());
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->setTabKeyNavigation(false);  // Tab leaves the table, arrows move in it
    // Rows of one fixed height, kept as the row header's default size: the view places row n by
    // multiplication instead of measuring every row before it.
    QHeaderView* rows = m_table->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    rows->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->horizontalHeader()->setSectionsClickable(false);
    m_save = new QPushButton(tr("Save as CSV\u2026"), this);
    m_save->setObjectName(QStringLiteral("save"));
    auto* closeButton = newCloseButton(this);

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
    // The keyboard starts in the table, on the address's row.
    m_table->setFocus();
}

void frmSubnets::setPress(std::shared_ptr<const Press> press) {
    m_press = std::move(press);
    m_stale = true;
    if (isVisible()) refresh();
}

void frmSubnets::showEvent(QShowEvent* event) {
    if (m_stale) refresh();
    if (!m_placed) {
        fitOnScreen();
        // The address's row in the middle of the table as it is finally laid out.
        QMetaObject::invokeMethod(
            m_table,
            [this] {
                m_table->scrollTo(m_table->currentIndex(), QAbstractItemView::PositionAtCenter);
            },
            Qt::QueuedConnection);
    }
    QWidget::showEvent(event);
}

void frmSubnets::fitOnScreen() {
    m_placed = true;
    // Wide enough for every column, as high as a 20-row list; beside the window that opened it,
    // whose press it follows, within the screen's free area however near its edge that stands.
    int width = 0;
    for (int c = 0; c < columns; ++c)
        width += m_table->horizontalHeader()->sectionSize(c);
    const QMargins margins = layout()->contentsMargins();
    QSize size(width + margins.left() + margins.right() + 24,
               20 * m_table->verticalHeader()->defaultSectionSize() + 6 * fontMetrics().height());
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen* screen = owner ? owner->screen() : this->screen();
    const QRect free = screen->availableGeometry();
    // The frame's size, as far as the window system has told it (none before the first showing).
    const QSize frame = frameGeometry().size() - geometry().size();
    size = size.boundedTo(free.size() - frame).expandedTo(minimumSizeHint());
    resize(size);
    placeBeside(this, owner);
}

void frmSubnets::refresh() {
    m_stale = false;
    std::optional<SubnetList> list;
    QString caption = tr("No subnets to list: press Recalculate in the main window first");
    if (m_press) {
        caption = toQString(listHeading(windowPhrasebook(), m_press->outcome, m_press->state,
                                        m_press->boxes[Box::Text17]));
        if (m_press->outcome.passed()) list = SubnetList::of(m_press->state);
    }
    m_caption->setText(caption);
    // A search for a row of another network does not carry over to this one.
    std::optional<std::pair<Address, Address>> listed;
    if (list)
        listed.emplace(list->address() & list->classField(), pressAddresses(m_press->state).mask);
    if (listed != m_listed) m_search->clear();
    m_listed = listed;
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
    // Through the view, so that the row is also where Shift with an arrow key starts from.
    const QModelIndex index = m_model->index(row, 0);
    m_table->setCurrentIndex(index);
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
    // The keys go on from the row found: arrows move from it, Ctrl+C copies it.
    m_table->setFocus(Qt::OtherFocusReason);
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
                       .arg(toQString(windowPhrasebook().grouped(std::uint64_t(count))),
                            toQString(windowPhrasebook().grouped(copyLimit)), m_save->text()));
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
