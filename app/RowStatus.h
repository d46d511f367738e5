#pragma once
// The Status column's words as stable codes. A kept task list stores the code
// ("completed") beside the words, so a list restored under another language reads
// in that language; lists kept before codes were stored are read back from their
// words, English or any shipped translation. UI thread only.

#include <QString>

enum class RowStatus { Unknown, Ready, Completed, Failed, Stopped, DoneBefore, Missing };

// "ready", "completed", ...; "" for Unknown.
QString RowStatusCode(RowStatus status);
// The status a stored code names; Unknown for "" or a code of no status.
RowStatus RowStatusFromCode(const QString& code);
// The status's words in the window's language ("Completed", "Abgeschlossen").
QString RowStatusText(RowStatus status);
// The status whose words `text` is, in English, the window's language or any
// shipped language; a running row's "Converting 15 %" is Ready (it no longer runs
// when read back). Unknown for any other text.
RowStatus RowStatusOfText(const QString& text);
