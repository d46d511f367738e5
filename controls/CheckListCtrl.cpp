#include "controls/CheckListCtrl.h"

#include "controls/Accessibility.h"
#include "controls/artwork/Artwork.h"
#include "platform/ControlId.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QIcon>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QPixmap>

#include <algorithm>
#include <set>

namespace {

constexpr int kHeaderCell = 16;

// Cell `index` of the header bitmap with magenta made transparent.
QIcon headerIcon(int index) {
    const QImage strip = artwork::Bitmap(artwork::kHeaderImages);
    if (strip.isNull() || index <= 0) return QIcon();  // image 0 is blank
    QImage cell = strip.copy(index * kHeaderCell, 0, kHeaderCell, kHeaderCell).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            if ((cell.pixel(x, y) & 0xFFFFFF) == 0xFF00FF) cell.setPixel(x, y, qRgba(0, 0, 0, 0));
    return QIcon(QPixmap::fromImage(cell));
}

// A cell whose tooltip is its full text unless another one was set, so a name
// cut to the column's width can always be read whole.
class Cell : public QTableWidgetItem {
public:
    using QTableWidgetItem::QTableWidgetItem;
    QTableWidgetItem* clone() const override { return new Cell(*this); }
    QVariant data(int role) const override {
        if (role == Qt::ToolTipRole) {
            const QVariant own = QTableWidgetItem::data(role);
            if (own.isValid() && !own.toString().isEmpty()) return own;
            const QString text = QTableWidgetItem::data(Qt::DisplayRole).toString().trimmed();
            return text.isEmpty() ? QVariant() : QVariant(QTableWidgetItem::data(Qt::DisplayRole));
        }
        return QTableWidgetItem::data(role);
    }
};

// The text width a cell of `option` has, inside the style's margins.
int textWidth(const QStyleOptionViewItem& option) {
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &option, widget);
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    return textRect.width() - 2 * margin;
}

// Draws a path column's cells with the file name kept whole.
class PathDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        // Size hints come without a cell rectangle: nothing to cut then.
        if (option->rect.width() <= 0) return;
        option->text = CCheckListCtrl::ElidePath(option->text, option->fontMetrics, textWidth(*option));
    }
};

QTableWidgetItem* newFirstColumnItem(const QString& text) {
    auto* item = new Cell(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    return item;
}

QTableWidgetItem* newTextItem(const QString& text) {
    auto* item = new Cell(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

CCheckHeadCtrl::CCheckHeadCtrl(CCheckListCtrl* list) : QHeaderView(Qt::Horizontal, list) {
    setSectionsClickable(true);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Only the first column's box acts; a click elsewhere changes nothing.
    connect(this, &QHeaderView::sectionClicked, list, [list](int section) {
        if (section == 0) list->ToggleAllFromHeader();
    });
}

QString CCheckHeadCtrl::ShownHeading(int logicalIndex) const {
    const QString whole = model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
    QStyleOptionHeader option;
    option.initFrom(this);
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, &option, this);
    int room = sectionSize(logicalIndex) - 2 * margin;
    if (!model()->headerData(logicalIndex, orientation(), Qt::DecorationRole).isNull())
        room -= style()->pixelMetric(QStyle::PM_SmallIconSize, &option, this) + margin;
    return option.fontMetrics.elidedText(whole, Qt::ElideRight, std::max(0, room));
}

void CCheckHeadCtrl::initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const {
    QHeaderView::initStyleOptionForIndex(option, logicalIndex);
    option->text = ShownHeading(logicalIndex);
}

bool CCheckHeadCtrl::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int section = logicalIndexAt(help->pos());
        const QString whole = section >= 0 ? model()->headerData(section, orientation()).toString() : QString();
        if (section >= 0 && ShownHeading(section) != whole) {
            QToolTip::showText(help->globalPos(), whole, this);
            return true;
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QHeaderView::viewportEvent(event);
}

CCheckListCtrl::CCheckListCtrl(QWidget* parent, int controlId) : QTableWidget(parent), m_controlId(controlId) {
    SetControlId(this, controlId);
    // Before any reader asks: the list's reader is made once and kept.
    InstallAccessibility();
    m_checkHeader = new CCheckHeadCtrl(this);
    setHorizontalHeader(m_checkHeader);
    // A header press in a table selects the column; a list view's header never does.
    disconnect(m_checkHeader, &QHeaderView::sectionPressed, this, &QTableView::selectColumn);
    disconnect(m_checkHeader, SIGNAL(sectionEntered(int)), this, SLOT(_q_selectColumn(int)));
    verticalHeader()->hide();
    // Rows no taller than the check box and the text need: more of them in sight.
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    setShowGrid(false);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the list for the next control (the arrows move between rows).
    setTabKeyNavigation(false);
    setTextElideMode(Qt::ElideMiddle);
    m_checkHeader->setSectionResizeMode(QHeaderView::Interactive);
    m_checkHeader->setStretchLastSection(false);
    setSortingEnabled(false);

    QAbstractItemModel* rows = model();
    connect(rows, &QAbstractItemModel::rowsInserted, this, &CCheckListCtrl::onRowsInserted);
    connect(rows, &QAbstractItemModel::rowsAboutToBeRemoved, this, &CCheckListCtrl::onRowsAboutToBeRemoved);
    connect(rows, &QAbstractItemModel::rowsRemoved, this, [this] { rowStateChanged(); });
    connect(rows, &QAbstractItemModel::dataChanged, this, &CCheckListCtrl::onDataChanged);
    connect(rows, &QAbstractItemModel::modelReset, this, [this] { recount(); });
    connect(rows, &QAbstractItemModel::layoutChanged, this, [this] { recount(); });
    // A selection or focus change is an item-state change too: the header re-evaluates.
    connect(this, &QTableWidget::itemSelectionChanged, this, [this] { rowStateChanged(); });
    connect(this, &QTableWidget::currentCellChanged, this, [this] { rowStateChanged(); });
}

CCheckListCtrl::~CCheckListCtrl() {
    // Rows and selection die in the base classes' destructors, after our members:
    // stop listening first so no handler runs on a half-destroyed list.
    disconnect(model(), nullptr, this, nullptr);
    disconnect(this, nullptr, this, nullptr);
}

void CCheckListCtrl::AddExtendedStyle(unsigned styles) {
    m_extendedStyle |= styles;
    if (styles & kGridLines) setShowGrid(true);
    if (styles & kFullRowSelect) setSelectionBehavior(QAbstractItemView::SelectRows);
}

int CCheckListCtrl::InsertColumn(int column, const QString& heading, int width) {
    column = std::clamp(column, 0, columnCount());
    insertColumn(column);
    setHorizontalHeaderItem(column, new QTableWidgetItem(heading));
    SetColumnWidth(column, width);
    if (column == 0 && m_headerReady) {
        const int image = m_headerImage;
        m_headerImage = -1;
        setHeaderImage(image);
    }
    return column;
}

void CCheckListCtrl::SetColumnWidth(int column, int width) {
    setColumnHidden(column, width <= 0);
    if (width > 0) setColumnWidth(column, width);
}

void CCheckListCtrl::SetPathColumn(int column) {
    if (m_pathColumn >= 0) setItemDelegateForColumn(m_pathColumn, nullptr);
    m_pathColumn = column;
    setItemDelegateForColumn(column, new PathDelegate(this));
}

QString CCheckListCtrl::ElidePath(const QString& path, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(path) <= width) return path;
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0) return metrics.elidedText(path, Qt::ElideMiddle, width);
    const QString name = path.mid(slash);  // with its separator
    const int folderRoom = width - metrics.horizontalAdvance(name);
    const QString folder = metrics.elidedText(path.left(slash), Qt::ElideMiddle, folderRoom);
    if (folder.isEmpty()) return metrics.elidedText(name.mid(1), Qt::ElideMiddle, width);
    return folder + name;
}

QString CCheckListCtrl::ShownText(int row, int column) const {
    const QModelIndex index = model()->index(row, column);
    if (!index.isValid()) return QString();
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    QAbstractItemDelegate* drawer = itemDelegateForIndex(index);
    auto* styled = qobject_cast<QStyledItemDelegate*>(drawer);
    if (!styled) return index.data().toString();
    // initStyleOption is protected; a PathDelegate or the plain one, both fill
    // the option the way painting does.
    struct Opener : QStyledItemDelegate {
        static void fill(QStyledItemDelegate* d, QStyleOptionViewItem* o, const QModelIndex& i) {
            (d->*(&Opener::initStyleOption))(o, i);
        }
    };
    Opener::fill(styled, &option, index);
    if (column == m_pathColumn) return option.text;
    return option.fontMetrics.elidedText(option.text, textElideMode(), textWidth(option));
}

void CCheckListCtrl::SetBkColor(const QColor& colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::Base, colour);
    setPalette(colours);
}

bool CCheckListCtrl::InitCheckHeader() {
    if (m_headerReady) return true;
    // The box starts empty whatever the rows show; it follows them from the next change.
    m_headerImage = -1;
    setHeaderImage(kHeaderUnchecked);
    m_headerReady = true;
    return true;
}

void CCheckListCtrl::setHeaderImage(int image) {
    if (image == m_headerImage) return;
    m_headerImage = image;
    if (columnCount() == 0) return;
    QTableWidgetItem* header = horizontalHeaderItem(0);
    if (!header) {
        header = new QTableWidgetItem();
        setHorizontalHeaderItem(0, header);
    }
    header->setIcon(headerIcon(image));
}

void CCheckListCtrl::ToggleAllFromHeader() {
    if (!m_headerReady) return;
    const bool check = m_headerImage == kHeaderUnchecked;
    setHeaderImage(check ? kHeaderChecked : kHeaderUnchecked);
    for (int row = 0; row < rowCount(); ++row) SetCheck(row, check);
    emit headerCheckToggled(check);
}

bool CCheckListCtrl::rowChecked(int row) const {
    const QTableWidgetItem* first = item(row, 0);
    return first && first->checkState() == Qt::Checked;
}

void CCheckListCtrl::onRowsInserted(const QModelIndex& parent, int first, int last) {
    if (parent.isValid()) return;
    std::vector<char> added;
    for (int row = first; row <= last; ++row) {
        const bool checked = rowChecked(row);
        added.push_back(checked);
        if (!checked) ++m_uncheckedCount;
    }
    m_checked.insert(m_checked.begin() + first, added.begin(), added.end());
    rowStateChanged();
}

void CCheckListCtrl::onRowsAboutToBeRemoved(const QModelIndex& parent, int first, int last) {
    if (parent.isValid()) return;
    for (int row = first; row <= last; ++row)
        if (!m_checked[row]) --m_uncheckedCount;
    m_checked.erase(m_checked.begin() + first, m_checked.begin() + last + 1);
}

void CCheckListCtrl::onDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                   const QList<int>& roles) {
    if (topLeft.column() > 0) return;  // only the first column holds the check box
    if (!roles.isEmpty() && !roles.contains(Qt::CheckStateRole)) return;
    bool changed = false;
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
        const bool checked = rowChecked(row);
        if (checked == static_cast<bool>(m_checked[row])) continue;
        m_checked[row] = checked;
        m_uncheckedCount += checked ? -1 : 1;
        changed = true;
    }
    if (changed) rowStateChanged();
}

void CCheckListCtrl::recount() {
    m_checked.assign(rowCount(), 0);
    m_uncheckedCount = 0;
    for (int row = 0; row < rowCount(); ++row) {
        m_checked[row] = rowChecked(row);
        if (!m_checked[row]) ++m_uncheckedCount;
    }
    rowStateChanged();
}

void CCheckListCtrl::rowStateChanged() {
    if (!m_headerReady) return;
    setHeaderImage(m_uncheckedCount > 0 ? kHeaderUnchecked : kHeaderChecked);
}

int CCheckListCtrl::InsertItem(int row, const QString& text) {
    row = std::clamp(row, 0, rowCount());
    insertRow(row);
    setItem(row, 0, newFirstColumnItem(text));
    return row;
}

int CCheckListCtrl::InsertItems(int row, const QStringList& texts) {
    row = std::clamp(row, 0, rowCount());
    if (texts.isEmpty()) return row;
    model()->insertRows(row, static_cast<int>(texts.size()));
    for (int i = 0; i < texts.size(); ++i) setItem(row + i, 0, newFirstColumnItem(texts[i]));
    return row;
}

bool CCheckListCtrl::SetItemText(int row, int column, const QString& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return false;
    if (QTableWidgetItem* existing = item(row, column)) {
        existing->setText(text);
    } else {
        setItem(row, column, column == 0 ? newFirstColumnItem(text) : newTextItem(text));
    }
    return true;
}

QString CCheckListCtrl::GetItemText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

bool CCheckListCtrl::SetCheck(int row, bool checked) {
    if (row < 0 || row >= rowCount()) return false;
    QTableWidgetItem* first = item(row, 0);
    if (!first) {
        if (columnCount() == 0) return false;
        first = newFirstColumnItem(QString());
        setItem(row, 0, first);
    }
    first->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    return true;
}

bool CCheckListCtrl::GetCheck(int row) const { return rowChecked(row); }

bool CCheckListCtrl::DeleteItem(int row) {
    if (row < 0 || row >= rowCount()) return false;
    removeRow(row);
    return true;
}

void CCheckListCtrl::DeleteAllItems() { setRowCount(0); }

std::vector<int> CCheckListCtrl::GetSelectedItems() const {
    std::set<int> rows;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row) rows.insert(row);
    return std::vector<int>(rows.begin(), rows.end());
}

int CCheckListCtrl::GetFirstSelectedItem() const {
    int first = -1;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        if (first < 0 || range.top() < first) first = range.top();
    return first;
}

void CCheckListCtrl::SetItemSelected(int row, bool selected) {
    if (row < 0 || row >= rowCount()) return;
    selectionModel()->select(model()->index(row, 0),
                             (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
                                 QItemSelectionModel::Rows);
}

void CCheckListCtrl::SelectAndFocus(int row) {
    if (row < 0 || row >= rowCount()) return;
    selectionModel()->setCurrentIndex(model()->index(row, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void CCheckListCtrl::paintEvent(QPaintEvent* event) {
    QTableWidget::paintEvent(event);
    const QModelIndex current = currentIndex();
    if (!hasFocus() || !current.isValid()) return;
    QRect row;
    for (int column = 0; column < columnCount(); ++column)
        if (!isColumnHidden(column) && columnWidth(column) > 0) row |= visualRect(model()->index(current.row(), column));
    if (row.isEmpty()) return;
    QPainter painter(viewport());
    // On the selection's colour a darker shade of it cannot be seen: the frame
    // takes the colour of the text it surrounds.
    const bool selected = selectionModel()->isSelected(current);
    QPen pen(palette().color(selected ? QPalette::HighlightedText : QPalette::Text), 2, Qt::DotLine);
    painter.setPen(pen);
    painter.drawRect(row.adjusted(1, 1, -2, -2));
}

void CCheckListCtrl::keyPressEvent(QKeyEvent* event) {
    const QModelIndex current = currentIndex();
    const QTableWidgetItem* box = current.isValid() ? item(current.row(), 0) : nullptr;
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier && box &&
        box->flags() & Qt::ItemIsUserCheckable) {
        const bool check = !rowChecked(current.row());
        std::vector<int> rows = GetSelectedItems();
        if (std::find(rows.begin(), rows.end(), current.row()) == rows.end()) rows.push_back(current.row());
        for (int row : rows) SetCheck(row, check);
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

QModelIndex CCheckListCtrl::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if ((action != MoveHome && action != MoveEnd) || rowCount() == 0)
        return QTableWidget::moveCursor(action, modifiers);
    const int column = currentIndex().isValid() ? currentIndex().column() : 0;
    const int step = action == MoveHome ? 1 : -1;
    for (int row = action == MoveHome ? 0 : rowCount() - 1; row >= 0 && row < rowCount(); row += step)
        if (!isRowHidden(row)) return model()->index(row, column);
    return currentIndex();
}

void CCheckListCtrl::focusInEvent(QFocusEvent* event) {
    QTableWidget::focusInEvent(event);
    viewport()->update();
}

void CCheckListCtrl::focusOutEvent(QFocusEvent* event) {
    QTableWidget::focusOutEvent(event);
    viewport()->update();
}

void CCheckListCtrl::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableWidget::currentChanged(current, previous);
    viewport()->update();
}
