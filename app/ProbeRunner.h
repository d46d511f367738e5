#pragma once
// Probing a file without freezing the window: the probe runs on a helper thread
// while the calling (UI) thread keeps painting and running its timers. User input
// is held back until the probe returns, so no command can run in the middle of
// an addition. Without a Qt application the probe simply runs in place.
//
// The job is used exclusively by the probe while it runs; no conversion worker
// may be running (the progress window is modal while one does).

#include <QString>

class AVConvert;

struct ProbeOutcome {
    int result = -1;        // ProbeMedia's result
    bool accepted = false;  // the task list takes the file (see ProbeAccepted)
};

ProbeOutcome ProbeKeepingWindowAlive(AVConvert& job, const QString& path);
