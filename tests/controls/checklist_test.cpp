// CCheckListCtrl: the header check box set up by InitCheckHeader, the header click
// that checks or clears every row, the header following the rows whatever API
// changes them, and long texts cut so both ends (a path's file name) stay readable.
#include "controls/CheckListCtrl.h"

#include "tests/support/QtTestApp.h"

#include <QHeaderView>
#include <QSet>
#include <QSignalSpy>
#include <QAccessible>
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

// From the keyboard alone a person re-ticks the whole list: Ctrl+A, then Space sets
// every selected row's box (to the opposite of the current row's), both ways.
TEST_F(CheckListTest, SpaceSetsEverySelectedRowsBoxAfterCtrlA) {
    addRows(5, false);
    list->SetCheck(2, true);
    list->InitCheckHeader();
    list->setFocus();
    list->SelectAndFocus(0);
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_EQ(checkedRows(), 5);
    EXPECT_EQ(list->HeaderImageIndex(), kChecked);
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_EQ(checkedRows(), 0);
    // One row selected: Space still acts on that row alone.
    list->clearSelection();
    list->SelectAndFocus(3);
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_EQ(checkedRows(), 1);
    EXPECT_TRUE(list->GetCheck(3));
}

// Home and End go to the first and last row; with Shift they select from the
// current row there, as in any list.
TEST_F(CheckListTest, HomeAndEndGoToTheFirstAndLastRow) {
    addRows(6, true);
    list->setFocus();
    list->SelectAndFocus(3);
    QTest::keyClick(list, Qt::Key_End);
    EXPECT_EQ(list->GetSelectedItems(), std::vector<int>{5});
    QTest::keyClick(list, Qt::Key_Home);
    EXPECT_EQ(list->GetSelectedItems(), std::vector<int>{0});
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(list->GetSelectedItems(), (std::vector<int>{1, 2, 3, 4, 5}));
    QTest::keyClick(list, Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(list->GetSelectedItems(), (std::vector<int>{0, 1}));
    EXPECT_EQ(list->currentRow(), 0);
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

TEST_F(CheckListTest, LongPathsAndProfilesShowBothEndsWithTheWholeTextAsTooltip) {
    list->SetPathColumn(0);
    const QString folder = "/home/user/Videos/a folder with a rather long name/and another one";
    const QString profiles[] = {" PSP H.264 Video(*.mp4)", " PSP H.264 Video for TV(*.mp4)",
                                " PSP H.264 Video for firmware 2.00 and above(*.mp4)"};
    for (int i = 0; i < 3; ++i) {
        const int row = list->InsertItem(i, folder + QStringLiteral("/clip number %1.avi").arg(i));
        list->SetItemText(row, 3, profiles[i]);
    }
    QStringList shownNames;
    QStringList shownProfiles;
    for (int row = 0; row < 3; ++row) {
        const QString shown = list->ShownText(row, 0);
        EXPECT_TRUE(shown.endsWith(QStringLiteral("/clip number %1.avi").arg(row))) << shown.toStdString();
        EXPECT_LT(shown.size(), list->GetItemText(row, 0).size());
        shownNames << shown;
        shownProfiles << list->ShownText(row, 3);
        EXPECT_TRUE(shownProfiles.back().startsWith(" PSP") && shownProfiles.back().endsWith(".mp4)"))
            << shownProfiles.back().toStdString();
        const QModelIndex path = list->model()->index(row, 0);
        EXPECT_EQ(path.data(Qt::ToolTipRole).toString(), list->GetItemText(row, 0));
        EXPECT_EQ(list->model()->index(row, 3).data(Qt::ToolTipRole).toString(), profiles[row]);
    }
    EXPECT_EQ(QSet<QString>(shownNames.begin(), shownNames.end()).size(), 3);
    EXPECT_TRUE(CCheckListCtrl::ElidePath("/a/" + QString(200, 'x') + ".avi", list->fontMetrics(), 80).endsWith("x.avi"))
        << "a name too long for the column is cut in its middle, keeping its extension";
    EXPECT_EQ(list->model()->index(0, 4).data(Qt::ToolTipRole), QVariant()) << "no tooltip for an empty cell";
    list->SetItemText(0, 4, "Failure");
    list->item(0, 4)->setToolTip("own reason");
    EXPECT_EQ(list->model()->index(0, 4).data(Qt::ToolTipRole).toString(), "own reason");

    // Dragging the divider after the first column widens it.
    QHeaderView* header = list->horizontalHeader();
    const int before = list->columnWidth(0);
    const QPoint divider(header->sectionViewportPosition(0) + header->sectionSize(0) - 1, header->height() / 2);
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, divider);
    QTest::mouseMove(header->viewport(), divider + QPoint(250, 0));
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, divider + QPoint(250, 0));
    EXPECT_GT(list->columnWidth(0), before + 100);
    EXPECT_GT(list->ShownText(1, 0).size(), shownNames[1].size()) << "more of the folders shows";
    list->setColumnWidth(3, 200);
    QSet<QString> profilesShown;
    for (int row = 0; row < 3; ++row) profilesShown.insert(list->ShownText(row, 3));
    EXPECT_EQ(profilesShown.size(), 3) << "a wider column tells the three PSP profiles apart";
}

}  // namespace

namespace {

// Each row's first cell tells a reader whether the task is checked, and follows
// the keyboard.
TEST_F(CheckListTest, ReadersSeeEachRowsCheckedState) {
    addRows(2, true);
    list->SetCheck(1, false);
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(list);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->role(), QAccessible::Table);
    QAccessibleTableInterface* table = reader->tableInterface();
    ASSERT_NE(table, nullptr);
    QAccessibleInterface* first = table->cellAt(0, 0);
    QAccessibleInterface* second = table->cellAt(1, 0);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->text(QAccessible::Name), "/media/clip0.avi");
    EXPECT_TRUE(first->state().checkable);
    EXPECT_TRUE(first->state().checked);
    EXPECT_FALSE(second->state().checked);
    list->setFocus();
    list->SelectAndFocus(1);
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_TRUE(table->cellAt(1, 0)->state().checked);

    // A reader's Toggle acts on the box, both ways, as Space does.
    QAccessibleActionInterface* toggle = table->cellAt(0, 0)->actionInterface();
    ASSERT_NE(toggle, nullptr);
    EXPECT_TRUE(toggle->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    toggle->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_FALSE(list->GetCheck(0));
    EXPECT_FALSE(table->cellAt(0, 0)->state().checked);
    EXPECT_EQ(list->UncheckedCount(), 1);
    table->cellAt(0, 0)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(list->GetCheck(0));
    // Each row's cell acts on its own row only.
    table->cellAt(1, 0)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_FALSE(list->GetCheck(1));
    EXPECT_TRUE(list->GetCheck(0));
    EXPECT_FALSE(table->cellAt(1, 0)->state().checked);
}

}  // namespace
