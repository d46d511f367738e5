#pragma once
// CCheckListCtrl: the report-style task list: rows of text columns with a check
// box in the first column, and a check box in the header of the first column.
// Clicking the header box checks or clears every row; the header box follows the
// rows, showing ticked exactly when no row is left unchecked (which includes an
// empty list) - but only once InitCheckHeader has run, and right after it the box
// is empty until a row changes.
//
// The class keeps a count of unchecked rows, updated from the model's own change
// notifications, so checking all 9,999 rows from the header costs one step per
// row, not one scan of the list per row. The count stays right whichever API
// (ours or QTableWidget's) changes the rows.
//
// Long texts are cut in the middle, so both ends stay readable; a column marked
// as a path column keeps the whole file name and cuts the folders before it.
// Every cell's tooltip is its full text (unless one was set), and columns are
// resized by dragging the header's dividers.
//
// The list-view style operations below use row indexes 0..GetItemCount()-1;
// the QTableWidget API stays available. UI thread only.

#include <QHeaderView>
#include <QTableWidget>

#include <vector>

class CCheckListCtrl;

// The list's horizontal header: a click on the first column's section runs the
// list's ToggleAllFromHeader; clicks on other sections change nothing.
class CCheckHeadCtrl : public QHeaderView {
    Q_OBJECT
public:
    explicit CCheckHeadCtrl(CCheckListCtrl* list);
    // The heading as drawn: a heading wider than its column ("Ausgabeformat" in a
    // narrow one) ends in "…" instead of being cut mid-letter.
    QString ShownHeading(int logicalIndex) const;

protected:
    void initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const override;
    // An elided heading shows its whole text as a tooltip.
    bool viewportEvent(QEvent* event) override;
};

class CCheckListCtrl : public QTableWidget {
    Q_OBJECT
public:
    // List-view extended styles the owner may add (their Windows values).
    static constexpr unsigned kGridLines = 0x01;
    static constexpr unsigned kCheckBoxes = 0x04;
    static constexpr unsigned kFullRowSelect = 0x20;

    // Header image numbers (cells of bitmap 292).
    enum HeaderImage { kHeaderBlank = 0, kHeaderUnchecked = 1, kHeaderChecked = 2 };

    explicit CCheckListCtrl(QWidget* parent = nullptr, int controlId = 0);
    ~CCheckListCtrl() override;

protected:
    // Draws a focus frame around the current row while the list has the focus:
    // keyboard users must see where Space and Delete will act.
    void paintEvent(QPaintEvent* event) override;
    // Space sets the box of every selected row to the opposite of the current
    // row's (Ctrl+A, Space re-ticks the whole list from the keyboard).
    void keyPressEvent(QKeyEvent* event) override;
    // Home and End go to the first and last row, as in any list (a table's own go
    // to the first and last column of the row, which a row list does not show);
    // with Shift they extend the selection there.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

public:

    int controlId() const { return m_controlId; }

    // ---- Set-up ----
    // Adds styles (kGridLines | kCheckBoxes | kFullRowSelect); styles are only added.
    void AddExtendedStyle(unsigned styles);
    unsigned ExtendedStyle() const { return m_extendedStyle; }
    // Appends/inserts a column with a header text and width in pixels (0 = hidden).
    int InsertColumn(int column, const QString& heading, int width);
    void SetColumnWidth(int column, int width);
    void SetBkColor(const QColor& colour);
    // Column `column` holds file paths: cut in the folders, keeping the file name.
    void SetPathColumn(int column);
    // The text a cell shows at its present width (after cutting).
    QString ShownText(int row, int column) const;
    // `path` cut to `width` pixels: the folders give way first ("/home/…/clip.avi"),
    // then the file name is cut in its middle.
    static QString ElidePath(const QString& path, const QFontMetrics& metrics, int width);

    // Puts the check box into the first column's header (empty box). Call once
    // after the columns exist; later calls do nothing. Always returns true.
    bool InitCheckHeader();
    bool IsHeaderReady() const { return m_headerReady; }
    // The header box's image (kHeaderBlank before InitCheckHeader).
    int HeaderImageIndex() const { return m_headerImage; }

    // ---- Rows ----
    int GetItemCount() const { return rowCount(); }
    // Inserts a row at `row` (clamped to 0..count) with column 0 = text, unchecked.
    // Returns the new row's index.
    int InsertItem(int row, const QString& text);
    // Inserts one row per text at `row` (clamped), in one step. Returns the first.
    int InsertItems(int row, const QStringList& texts);
    bool SetItemText(int row, int column, const QString& text);
    QString GetItemText(int row, int column) const;
    bool SetCheck(int row, bool checked);
    bool GetCheck(int row) const;
    bool DeleteItem(int row);
    void DeleteAllItems();
    int UncheckedCount() const { return m_uncheckedCount; }

    // ---- Selection ----
    // Lowest selected row, or -1.
    int GetFirstSelectedItem() const;
    // Selected rows, ascending.
    std::vector<int> GetSelectedItems() const;
    // Selects/deselects a row (without touching the others).
    void SetItemSelected(int row, bool selected);
    // Selects and focuses one row (the others keep their selection).
    void SelectAndFocus(int row);

    // What a click on the header box does: toggles the header image and checks or
    // clears every row. Public so windows and tests can run it without a mouse.
    void ToggleAllFromHeader();

signals:
    // Header box clicked (after the rows changed).
    void headerCheckToggled(bool checked);

private:
    friend class CCheckHeadCtrl;
    void onRowsInserted(const QModelIndex& parent, int first, int last);
    void onRowsAboutToBeRemoved(const QModelIndex& parent, int first, int last);
    void onDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                       const QList<int>& roles);
    void recount();
    void rowStateChanged();
    void setHeaderImage(int image);
    bool rowChecked(int row) const;

    int m_controlId;
    int m_pathColumn = -1;
    unsigned m_extendedStyle = 0;
    bool m_headerReady = false;
    int m_headerImage = kHeaderBlank;
    int m_uncheckedCount = 0;
    std::vector<char> m_checked;  // shadow of each row's check state
    CCheckHeadCtrl* m_checkHeader = nullptr;
};
