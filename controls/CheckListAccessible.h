#pragma once
// What a screen reader is told about the task list: Qt's own table reader,
// except that a cell with a check box toggles the box with its Toggle action.
// Qt's table cells answer Toggle by selecting or unselecting the cell, which in a
// list of tasks changes nothing a person can notice, while the action reports
// success.
//
// `WrapCheckListAccessible` takes Qt's own interface for the list (registered
// with Qt's accessibility cache) and returns the one to use in its place; the
// wrapper owns Qt's interface from then on and gives every cell a wrapper of its
// own, registered with the cache as well. UI thread only.

class QAccessibleInterface;
class CCheckListCtrl;

QAccessibleInterface* WrapCheckListAccessible(CCheckListCtrl* list, QAccessibleInterface* qtOwn);
