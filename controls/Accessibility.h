#pragma once
// What screen readers are told about the program's windows beyond Qt's own
// defaults, installed once per process (InstallAccessibility):
//  - a combo box is named by its label (the QLabel whose buddy it is, or its own
//    accessible name) and tells its current entry as its value; Qt on this
//    desktop would name it by its entry ("H.264") and leave the label unsaid;
//  - a read-only line edit (File Information's values) is static text with its
//    text as value, not an editable field;
//  - the task list's check box cells toggle their box with the Toggle action
//    (CheckListAccessible.h);
//  - a window marked with MarkAsMainWindow reads as a window, not a dialog.
// UI thread only.

class QWidget;

void InstallAccessibility();
void MarkAsMainWindow(QWidget& window);
