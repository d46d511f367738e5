#include "controls/CheckListAccessible.h"

#include "controls/CheckListCtrl.h"

#include <QAccessible>
#include <QPointer>

#include <unordered_map>

namespace {

class TableAccessible;

// One cell as Qt's table reader describes it; Toggle on a cell with a check box
// checks or clears it. Owned by Qt's cache; the table wrapper deletes it when
// Qt's own cell goes.
class CellAccessible : public QAccessibleInterface,
                       public QAccessibleTableCellInterface,
                       public QAccessibleActionInterface {
public:
    CellAccessible(QAccessibleInterface* qtCell, QAccessible::Id qtId, TableAccessible* table)
        : m_qtCell(qtCell), m_qtId(qtId), m_table(table) {}

    // Qt's cell is still the one registered under its id (a model change may
    // have deleted it).
    bool QtCellAlive() const { return QAccessible::accessibleInterface(m_qtId) == m_qtCell; }

    bool isValid() const override { return QtCellAlive() && m_qtCell->isValid(); }
    QObject* object() const override { return m_qtCell->object(); }
    QWindow* window() const override { return m_qtCell->window(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override { return m_qtCell->text(t); }
    void setText(QAccessible::Text t, const QString& text) override { m_qtCell->setText(t, text); }
    QRect rect() const override { return m_qtCell->rect(); }
    QAccessible::Role role() const override { return m_qtCell->role(); }
    QAccessible::State state() const override { return m_qtCell->state(); }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return qtCell()->isSelected(); }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return qtCell()->columnHeaderCells(); }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return qtCell()->rowHeaderCells(); }
    int columnIndex() const override { return qtCell()->columnIndex(); }
    int rowIndex() const override { return qtCell()->rowIndex(); }
    int columnExtent() const override { return qtCell()->columnExtent(); }
    int rowExtent() const override { return qtCell()->rowExtent(); }
    QAccessibleInterface* table() const override { return parent(); }

    QStringList actionNames() const override {
        QAccessibleActionInterface* own = m_qtCell->actionInterface();
        QStringList names = own ? own->actionNames() : QStringList();
        if (state().checkable && !names.contains(toggleAction())) names.prepend(toggleAction());
        return names;
    }
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString& name) const override {
        if (name == toggleAction() && state().checkable) return {QStringLiteral("Space")};
        QAccessibleActionInterface* own = m_qtCell->actionInterface();
        return own ? own->keyBindingsForAction(name) : QStringList();
    }

private:
    QAccessibleTableCellInterface* qtCell() const { return m_qtCell->tableCellInterface(); }

    QAccessibleInterface* m_qtCell;  // Qt's, owned by Qt's cache
    QAccessible::Id m_qtId;
    TableAccessible* m_table;  // outlives this cell
};

// The list as Qt's table reader describes it, with its cells wrapped.
class TableAccessible : public QAccessibleInterface, public QAccessibleTableInterface {
public:
    TableAccessible(CCheckListCtrl* list, QAccessibleInterface* qtTable) : m_list(list), m_qtTable(qtTable) {}
    ~TableAccessible() override {
        dropCells(true);
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(m_qtTable));
    }
    TableAccessible(const TableAccessible&) = delete;
    TableAccessible& operator=(const TableAccessible&) = delete;

    CCheckListCtrl* List() const { return m_list; }

    bool isValid() const override { return m_list && m_qtTable->isValid(); }
    QObject* object() const override { return m_qtTable->object(); }
    QWindow* window() const override { return m_qtTable->window(); }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override {
        return m_qtTable->relations(match);
    }
    QAccessibleInterface* focusChild() const override { return wrap(m_qtTable->focusChild()); }
    QAccessibleInterface* childAt(int x, int y) const override { return wrap(m_qtTable->childAt(x, y)); }
    QAccessibleInterface* parent() const override { return m_qtTable->parent(); }
    QAccessibleInterface* child(int index) const override { return wrap(m_qtTable->child(index)); }
    int childCount() const override { return m_qtTable->childCount(); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (const auto& [qtId, cellId] : m_cells)
            if (QAccessible::accessibleInterface(cellId) == child)
                return m_qtTable->indexOfChild(QAccessible::accessibleInterface(qtId));
        return m_qtTable->indexOfChild(child);
    }
    QString text(QAccessible::Text t) const override { return m_qtTable->text(t); }
    void setText(QAccessible::Text t, const QString& text) override { m_qtTable->setText(t, text); }
    QRect rect() const override { return m_qtTable->rect(); }
    QAccessible::Role role() const override { return m_qtTable->role(); }
    QAccessible::State state() const override { return m_qtTable->state(); }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return m_qtTable->interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return qtTable()->caption(); }
    QAccessibleInterface* summary() const override { return qtTable()->summary(); }
    QAccessibleInterface* cellAt(int row, int column) const override { return wrap(qtTable()->cellAt(row, column)); }
    int selectedCellCount() const override { return qtTable()->selectedCellCount(); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells = qtTable()->selectedCells();
        for (QAccessibleInterface*& cell : cells) cell = wrap(cell);
        return cells;
    }
    QString columnDescription(int column) const override { return qtTable()->columnDescription(column); }
    QString rowDescription(int row) const override { return qtTable()->rowDescription(row); }
    int selectedColumnCount() const override { return qtTable()->selectedColumnCount(); }
    int selectedRowCount() const override { return qtTable()->selectedRowCount(); }
    int columnCount() const override { return qtTable()->columnCount(); }
    int rowCount() const override { return qtTable()->rowCount(); }
    QList<int> selectedColumns() const override { return qtTable()->selectedColumns(); }
    QList<int> selectedRows() const override { return qtTable()->selectedRows(); }
    bool isColumnSelected(int column) const override { return qtTable()->isColumnSelected(column); }
    bool isRowSelected(int row) const override { return qtTable()->isRowSelected(row); }
    bool selectRow(int row) override { return qtTable()->selectRow(row); }
    bool selectColumn(int column) override { return qtTable()->selectColumn(column); }
    bool unselectRow(int row) override { return qtTable()->unselectRow(row); }
    bool unselectColumn(int column) override { return qtTable()->unselectColumn(column); }
    void modelChange(QAccessibleTableModelChangeEvent* event) override {
        qtTable()->modelChange(event);
        // Qt's reader deletes the cells a change makes stale; their wrappers go too.
        dropCells(false);
    }

private:
    QAccessibleTableInterface* qtTable() const { return m_qtTable->tableInterface(); }

    // Qt's cell as the wrapper readers get; headers and the corner pass as Qt's.
    QAccessibleInterface* wrap(QAccessibleInterface* qtCell) const {
        if (!qtCell || !qtCell->tableCellInterface()) return qtCell;
        const QAccessible::Id qtId = QAccessible::uniqueId(qtCell);
        const auto known = m_cells.find(qtId);
        if (known != m_cells.end()) {
            auto* cell = static_cast<CellAccessible*>(QAccessible::accessibleInterface(known->second));
            if (cell && cell->QtCellAlive()) return cell;
            QAccessible::deleteAccessibleInterface(known->second);
            m_cells.erase(known);
        }
        auto* cell = new CellAccessible(qtCell, qtId, const_cast<TableAccessible*>(this));
        m_cells.emplace(qtId, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    void dropCells(bool all) {
        for (auto it = m_cells.begin(); it != m_cells.end();) {
            auto* cell = static_cast<CellAccessible*>(QAccessible::accessibleInterface(it->second));
            if (all || !cell || !cell->QtCellAlive()) {
                QAccessible::deleteAccessibleInterface(it->second);
                it = m_cells.erase(it);
            } else {
                ++it;
            }
        }
    }

    QPointer<CCheckListCtrl> m_list;
    QAccessibleInterface* m_qtTable;  // Qt's; deleted with this wrapper
    mutable std::unordered_map<QAccessible::Id, QAccessible::Id> m_cells;  // Qt's cell id -> wrapper id
};

QAccessibleInterface* CellAccessible::parent() const { return m_table; }

void CellAccessible::doAction(const QString& name) {
    CCheckListCtrl* list = m_table->List();
    if (name == toggleAction() && list && state().checkable) {
        const int row = rowIndex();
        list->SetCheck(row, !list->GetCheck(row));
        return;
    }
    if (QAccessibleActionInterface* own = m_qtCell->actionInterface()) own->doAction(name);
}

}  // namespace

QAccessibleInterface* WrapCheckListAccessible(CCheckListCtrl* list, QAccessibleInterface* qtOwn) {
    return new TableAccessible(list, qtOwn);
}
