#pragma once
// The clip editor's rules without a window: it plays one task's file through the
// player, follows the playing position on a 0..1000 slider, and sets the begin and
// end time texts of the task from the position. CClipDialog mirrors this state
// into its widgets after every operation; tests drive it with a fake player and a
// fake task list.
//
// The time texts are the only record of the chosen times; the slider marks only
// show them. UI thread only (the player's end callback is turned into a call of
// Stop on the UI thread by the dialog).

#include "player/MediaPlayer.h"

#include <cstdint>
#include <string>
#include <vector>

// What the editor reads and writes of the main window's task list.
class ClipHost {
public:
    virtual ~ClipHost() = default;
    virtual std::string RowText(int row, int column) const = 0;
    virtual void SetRowText(int row, int column, const std::string& text) = 0;
    virtual void FocusTaskList() = 0;
    // Hands the player back to the main window's preview.
    virtual void InitPreviewPlayer() = 0;
};

class ClipEditor {
public:
    static constexpr int kSliderMax = 1000;
    static constexpr int kSourceColumn = 0;
    static constexpr int kStartColumn = 1;
    static constexpr int kEndColumn = 2;
    static constexpr int kDurationColumn = 5;
    enum class PlayState { Play, Pause };  // what the Play button does next
    enum class Result { Open, Ok, Cancel };

    ClipEditor(ClipHost& host, MediaPlayer& player);

    // Dialog initialisation: the player is taken over (its end callback `onEnd`),
    // the slider reset and disabled, the picture buffer dropped.
    void Initialise(PlayerModuleEndCallback onEnd);
    // The dialog is shown: the task `row` is played and its times shown.
    void LoadTask(int row);

    void PlayPause();        // button 1000
    void Stop();             // button 1001, end of playback, leaving
    void Seek(int sliderPosition);  // the position slider moved (1142); playback resumes
    void PollPosition();     // timer 100
    bool PollPicture();      // timer 200; true when a new picture is in FrameBuffer()
    void SetBeginTime();     // button 3
    void SetEndTime();       // button 4
    void Reset();            // button 1109
    void Ok();               // button 1004: writes the texts into the row
    void Cancel();           // button 1005 and the close box: the row stays as it was

    // ---- State the dialog shows ----
    Result GetResult() const { return m_result; }
    PlayState GetPlayState() const { return m_playState; }
    bool ReopenOnPlay() const { return m_reopenOnPlay; }
    bool TimersRunning() const { return m_timersRunning; }
    bool SliderEnabled() const { return m_sliderEnabled; }
    int SliderPosition() const { return m_sliderPosition; }
    int BeginMark() const { return m_beginMark; }
    int EndMark() const { return m_endMark; }
    int MarkMode() const { return m_markMode; }
    const std::string& BeginText() const { return m_beginText; }
    const std::string& EndText() const { return m_endText; }
    const std::string& CutText() const { return m_cutText; }
    int CurrentSecond() const { return m_currentSecond; }
    // The playing position in seconds (the picture shown), and the file's length
    // as the player knows it (0 before the first poll).
    double CurrentTime() const { return m_currentTime; }
    double PlayerDuration() const { return m_playerDuration; }
    int Duration() const { return m_duration; }
    bool HasPicture() const { return m_hasPicture != 0; }
    int FrameWidth() const { return m_frameWidth; }
    int FrameHeight() const { return m_frameHeight; }
    // The picture's pixel width over its height (1 = square pixels).
    double SampleAspect() const { return m_sampleAspect; }
    // B, G, R bottom-up, FrameWidth() * FrameHeight() * 3 bytes; empty without pictures.
    const std::vector<std::uint8_t>& FrameBuffer() const { return m_frameBuffer; }
    // Set by the first successful open in the process and never cleared; while
    // clear, Play, Stop and seeking do nothing.
    static bool PlayerOpened();
    static void ResetPlayerOpenedForTests();

private:
    void openClipFile();
    void startTimers() { m_timersRunning = true; }
    static int clampToSlider(int value);
    int markFor(int seconds) const;
    void setSliderPosition(int value) { m_sliderPosition = clampToSlider(value); }
    void leave(Result result);
    long long shownTenths() const;
    static std::string tenthsText(long long tenths);
    static long long textTenths(const std::string& text);

    ClipHost& m_host;
    MediaPlayer& m_player;
    int m_row = -1;
    int m_duration = 0;
    PlayState m_playState = PlayState::Play;
    bool m_reopenOnPlay = true;
    bool m_timersRunning = false;
    bool m_sliderEnabled = false;
    int m_sliderPosition = 0;
    int m_beginMark = 0;
    int m_endMark = 0;
    int m_markMode = 0;
    int m_currentSecond = 0;
    double m_currentTime = 0.0;
    double m_playerDuration = 0.0;
    int m_hasPicture = 0;
    int m_hasSound = 0;
    int m_frameWidth = 0;
    int m_frameHeight = 0;
    double m_sampleAspect = 1.0;
    std::vector<std::uint8_t> m_frameBuffer;
    std::string m_beginText = "00:00:00";
    std::string m_endText = "00:00:00";
    std::string m_cutText = "00:00:00";
    Result m_result = Result::Open;
};
