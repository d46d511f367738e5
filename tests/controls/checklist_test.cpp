// CCheckListCtrl: the header check box set up by InitCheckHeader, the header click
// that checks or clears every row, and the header following the rows whatever
// API changes them.
#include "controls/CheckListCtrl.h"

#include "tests/support/QtTestApp.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr int kUnchecked = CCheckListCtrl::kHeaderUnchecked;
constexpr int kChecked = CCheckListCtrl::kHeaderChecked;

class CheckListTest : public ::testing::Test {
protected:
    void SetUp() override {
        list = new CCheckListCtrl(&window, 1114);
        list->setGeometry(0, 0, 600, 300);
        const char* headings[] = {"Source file", "Start time", "End time", "Output format", "Status", "Duration"};
        const int widths[] = {200, 75, 75, 100, 150, 0};
        for (int column = 0; column < 6; ++column) list->InsertColumn(column, headings[column], widths[column]);
        list->AddExtendedStyle(CCheckListCtrl::kGridLines | CCheckListCtrl::kCheckBoxes | CCheckListCtrl::kFullRowSelect);
        window.resize(600, 300);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void addRows(int count, bool checked) {
        for (int i = 0; i < count; ++i) {
            const int row = list->InsertItem(list->GetItemCount(), QStringLiteral("/media/clip%1.avi").arg(i));
            list->SetItemText(row, 4, " Ready");
            list->SetCheck(row, checked);
        }
    }
    void clickHeader(int column) {
        QHeaderView* header = list->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + 8, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }
    int checkedRows() const {
        int count = 0;
        for (int row = 0; row < list->GetItemCount(); ++row) count += list->GetCheck(row);
        return count;
    }

    QWidget window;
    CCheckListCtrl* list = nullptr;
};

TEST_F(CheckListTest, AfterInitTheHeaderBoxIsEmptyWhateverTheRowsShow) {
    addRows(3, true);
    EXPECT_EQ(list->HeaderImageIndex(), CCheckListCtrl::kHeaderBlank);
    EXPECT_TRUE(list->InitCheckHeader());
    EXPECT_EQ(list->HeaderImageIndex(), kUnchecked);
    EXPECT_FALSE(list->horizontalHeaderItem(0)->icon().isNull());
    EXPECT_TRUE(list->InitCheckHeader());  // a second call changes nothing
    EXPECT_EQ(list->HeaderImageIndex(), kUnchecked);
    list->SetCheck(1, true);  // no real change: the box stays as it is
    EXPECT_EQ(list->HeaderImageIndex(), kUnchecked);
    list->SetCheck(1, false);
    list->SetCheck(1, true);
    EXPECT_EQ(list->HeaderImageIndex(), kChecked);
}

TEST_F(CheckListTest, HeaderClickChecksEveryRowThenASecondClickClearsThem) {
    addRows(4, false);
    list->SetCheck(2, true);
    list->InitCheckHeader();
    QSignalSpy toggled(list, &CCheckListCtrl::headerCheckToggled);
    clickHeader(0);
    EXPECT_EQ(checkedRows(), 4);
    EXPECT_EQ(list->HeaderImageIndex(), kChecked);
    clickHeader(0);
    EXPECT_EQ(checkedRows(), 0);
    EXPECT_EQ(list->HeaderImageIndex(), kUnchecked);
    ASSERT_EQ(toggled.count(), 2);
    EXPECT_TRUE(toggled.at(0).at(0).toBool());
    EXPECT_FALSE(toggled.at(1).at(0).toBool());
}

TEST_F(CheckListTest, ClicksOnOtherColumnsChangeNothingAndNeverSelectAColumn) {
    addRows(3, false);
    list->InitCheckHeader();
    clickHeader(2);
    clickHeader(4);
    EXPECT_EQ(checkedRows(), 0);
    EXPECT_EQ(list->HeaderImageIndex(), kUnchecked);
    EXPECT_EQ(list->GetFirstSelectedItem(), -1);
}

TEST_F(CheckListTest, BeforeInitTheHeaderNeitherActsNorFollows) {
    addRows(2, false);
    clickHeader(0);
    EXPECT_EQ(checkedRows(), 0);
    list->SetCheck(0, true);
    list->SetCheck(1, true);
    EXPECT_EQ(list->HeaderImageIndex(), CCheckListCtrl::kHeaderBlank);
}

TEST_F(CheckListTest, TheHeaderFollowsTheRows) {
    addRows(3, true);
    list->InitCheckHeader();
    list->SetCheck(1, false);
    EXPECT_EQ(list->HeaderImageIndex(), kUnchecked);
    list->SetCheck(1, true);  // the last unchecked row
    EXPECT_EQ(list->HeaderImageIndex(), kChecked);
    // A selection change re-evaluates, with the same result.
    list->SelectAndFocus(2);
    EXPECT_EQ(list->HeaderImageIndex(), kChecked);
    EXPECT_EQ(list->GetFirstSelectedItem(), 2);
}

TEST_F(CheckListTest, TheCountStaysRightThroughTheTablesOwnApi) {
    addRows(3, true);
    list->InitCheckHeader();
    list->insertRow(1);  // a row without a check mark is unchecked
    EXPECT_EQ(list->UncheckedCount(), 1);
    EXPECT_EQ(list->HeaderImageIndex(), kUnchecked);
    list->removeRow(1);
    EXPECT_EQ(list->UncheckedCount(), 0);
    EXPECT_EQ(list->HeaderImageIndex(), kChecked);
    list->item(0, 0)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(list->HeaderImageIndex(), kUnchecked);
    list->setItem(0, 0, new QTableWidgetItem("replaced"));  // no check state at all
    EXPECT_EQ(list->UncheckedCount(), 1);
    list->DeleteItem(0);
    EXPECT_EQ(list->UncheckedCount(), 0);
    EXPECT_EQ(list->HeaderImageIndex(), kChecked);
    list->DeleteAllItems();  // an empty list leaves no row unchecked
    EXPECT_EQ(list->GetItemCount(), 0);
    EXPECT_EQ(list->HeaderImageIndex(), kChecked);
    list->InsertItem(0, "/dropped.avi");  // a dropped row starts unchecked
    EXPECT_EQ(list->HeaderImageIndex(), kUnchecked);
}

TEST_F(CheckListTest, SpaceTogglesTheCurrentRowsBoxAndTheHeaderFollows) {
    addRows(2, true);
    list->InitCheckHeader();
    list->setFocus();
    list->SelectAndFocus(1);
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_FALSE(list->GetCheck(1));
    EXPECT_EQ(list->HeaderImageIndex(), kUnchecked);
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_TRUE(list->GetCheck(1));
    EXPECT_EQ(list->HeaderImageIndex(), kChecked);
}

TEST_F(CheckListTest, TheWholeCapacityIsCheckedAndClearedFromTheHeader) {
    list->setUpdatesEnabled(false);
    addRows(9999, false);
    list->setUpdatesEnabled(true);
    list->SetCheck(5000, true);
    list->InitCheckHeader();
    list->ToggleAllFromHeader();
    EXPECT_EQ(checkedRows(), 9999);
    EXPECT_EQ(list->UncheckedCount(), 0);
    EXPECT_EQ(list->HeaderImageIndex(), kChecked);
    list->ToggleAllFromHeader();
    EXPECT_EQ(checkedRows(), 0);
    EXPECT_EQ(list->UncheckedCount(), 9999);
}

TEST_F(CheckListTest, RowsTextsAndSelectionWorkLikeAListView) {
    addRows(5, true);
    EXPECT_EQ(list->GetItemText(3, 0), "/media/clip3.avi");
    EXPECT_EQ(list->GetItemText(3, 4), " Ready");
    EXPECT_EQ(list->GetItemText(3, 2), "");
    EXPECT_TRUE(list->SetItemText(3, 2, "00:01:05"));
    EXPECT_EQ(list->GetItemText(3, 2), "00:01:05");
    EXPECT_FALSE(list->SetItemText(9, 0, "x"));
    EXPECT_FALSE(list->SetCheck(-1, true));
    EXPECT_EQ(list->InsertItem(99, "/end.avi"), 5);
    EXPECT_EQ(list->InsertItem(0, "/top.avi"), 0);
    EXPECT_EQ(list->GetItemText(1, 0), "/media/clip0.avi");
    list->SetItemSelected(4, true);
    list->SetItemSelected(2, true);
    EXPECT_EQ(list->GetFirstSelectedItem(), 2);
    EXPECT_EQ(list->GetSelectedItems(), (std::vector<int>{2, 4}));
    list->SetItemSelected(2, false);
    EXPECT_EQ(list->GetFirstSelectedItem(), 4);
    EXPECT_TRUE(list->isColumnHidden(5));  // "Duration", width 0
    EXPECT_EQ(list->columnWidth(0), 200);
    EXPECT_TRUE(list->showGrid());
}

}  // namespace
