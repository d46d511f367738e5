#pragma once
// The file-information texts: one process-wide set, filled by the main window
// from the probe of the selected task and shown by the file information window
// (whose header defines the record, FileInfoFields). UI thread only.

#include "dialogs/CFileInfomation.h"

#include <QString>

class AVConvert;

using FileInfoTexts = FileInfoFields;

// The one instance of the process.
FileInfoTexts& CurrentFileInfoTexts();

// The texts for a task from the probe results in `job` (probed just before):
// numbers printed "%d", the frame rate "%5.2f fps", the file's length
// "HH:MM:SS.f". A source without a frame rate (no pictures, or a zero
// denominator) shows " 0.00 fps" rather than a division by zero; a video stream
// without its own bit rate gets the container's less the sound's.
FileInfoTexts FileInfoFromProbe(const AVConvert& job, const QString& sourcePath);
