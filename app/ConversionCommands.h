#pragma once
// The main window's Convert, Merge and Clip commands: the conversion control with
// its progress window, and the clip dialog, connected to the main window through
// small adapters (the task list's texts and check boxes, the output folder, the
// preview). The main window owns one of these and calls it from its slots.
//
// UI thread only. Convert and Merge return when the progress window has closed;
// Clip when the last clip dialog has closed.

#include <QString>

#include <memory>

class CAVConvertDlg;
class CTolvaneAVConverterDlg;
class MediaPlayer;
class ConversionControl;

class ConversionCommands {
public:
    // `window` must outlive this object. `clipPlayer` = nullptr uses the real
    // player module for the clip dialog.
    explicit ConversionCommands(CTolvaneAVConverterDlg& window, MediaPlayer* clipPlayer = nullptr);
    ~ConversionCommands();
    ConversionCommands(const ConversionCommands&) = delete;
    ConversionCommands& operator=(const ConversionCommands&) = delete;

    // Both refuse, with a message, a run whose output would pass the 4 GiB file
    // limit of the FAT32 volume the output folder is on (DeviceFolderOffer.h).
    void Convert();
    void Merge();
    // The mount table the FAT32 check reads (tests give their own).
    void SetMountTable(QString path) { m_mountTable = std::move(path); }
    // "Please select the video files to cut!" without a selection; otherwise the
    // clip dialog once for each selected row, top row first.
    void Clip();

    // The main window is closed during a run: "Stop the conversion?"; a yes stops
    // the run as Stop does and waits for the worker. True when the run has ended
    // (stopped, or over by itself while the question was open).
    bool StopOnClose();

    ConversionControl& Control() { return *m_control; }
    CAVConvertDlg& ProgressDialog() { return *m_progress; }

private:
    bool refusedByFileLimit(bool merge);

    class Host;
    class ClipTasks;

    CTolvaneAVConverterDlg& m_window;
    MediaPlayer* m_clipPlayer;
    std::unique_ptr<Host> m_host;
    std::unique_ptr<ClipTasks> m_clipTasks;
    std::unique_ptr<CAVConvertDlg> m_progress;
    std::unique_ptr<ConversionControl> m_control;
    QString m_mountTable;
};
