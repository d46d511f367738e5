#include "dialogs/ClipEditor.h"

#include "platform/FileNames.h"
#include "profiles/TimeText.h"

#include <QString>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

// Process-wide: set by the first successful open in the clip editor.
bool g_clipPlayerOpened = false;

// Pictures larger than this are not a real player's answer; no buffer is made.
constexpr long long kMaxFrameBytes = 8192LL * 8192 * 3;

// (int)(value) without undefined behaviour for NaN or values beyond an int.
int toWholeInt(double value) {
    if (std::isnan(value)) return 0;
    return static_cast<int>(std::clamp(value, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

}  // namespace

bool ClipEditor::PlayerOpened() { return g_clipPlayerOpened; }
void ClipEditor::ResetPlayerOpenedForTests() { g_clipPlayerOpened = false; }

ClipEditor::ClipEditor(ClipHost& host, MediaPlayer& player) : m_host(host), m_player(player) {}

int ClipEditor::clampToSlider(int value) { return std::clamp(value, 0, kSliderMax); }

int ClipEditor::markFor(int seconds) const {
    // A task whose length is unknown (0) has no place for its marks but the start.
    if (m_duration <= 0) return 0;
    const long long mark = static_cast<long long>(seconds) * kSliderMax / m_duration;
    return static_cast<int>(std::clamp<long long>(mark, 0, kSliderMax));
}

void ClipEditor::Initialise(PlayerModuleEndCallback onEnd) {
    m_sliderPosition = 0;
    m_sliderEnabled = false;
    m_timersRunning = false;
    m_player.Initialize(onEnd);
    m_hasPicture = 0;
    m_hasSound = 0;
    m_frameWidth = 0;
    m_frameHeight = 0;
    m_frameBuffer.clear();
    m_frameBuffer.shrink_to_fit();
    m_playState = PlayState::Play;
    m_reopenOnPlay = true;
    m_result = Result::Open;
}

void ClipEditor::LoadTask(int row) {
    m_row = row;
    PlayPause();
    const std::string begin = m_host.RowText(row, kStartColumn);
    const std::string end = m_host.RowText(row, kEndColumn);
    m_duration = std::atoi(m_host.RowText(row, kDurationColumn).c_str());
    m_beginText = begin;
    m_endText = end;
    m_cutText = tenthsText(textTenths(end) - textTenths(begin));
    m_beginMark = markFor(ParseTime(begin));
    m_endMark = markFor(ParseTime(end));
    m_markMode = 2;
}

void ClipEditor::openClipFile() {
    // The row being clipped is the row played, so the times set are times of the
    // file that is shown.
    if (m_row < 0) return;
    m_host.FocusTaskList();
    Stop();
    m_player.SetFileName(WideFileName(DecodeFileName(m_host.RowText(m_row, kSourceColumn))));
    startTimers();
    if (m_player.Open() == -1) return;
    m_playerDuration = m_player.GetDuration();  // the length shows before the first poll
    m_player.GetMediaType(&m_hasPicture, &m_hasSound);
    m_frameBuffer.clear();
    m_frameWidth = 0;
    m_frameHeight = 0;
    if (m_hasPicture) {
        m_player.GetFrameSize(&m_frameWidth, &m_frameHeight);
        m_sampleAspect = m_player.GetSampleAspect();
        const long long bytes = static_cast<long long>(m_frameWidth) * m_frameHeight * 3;
        if (m_frameWidth > 0 && m_frameHeight > 0 && bytes <= kMaxFrameBytes)
            m_frameBuffer.assign(static_cast<std::size_t>(bytes), 0);
        else
            m_hasPicture = 0;
    }
    g_clipPlayerOpened = true;
}

void ClipEditor::PlayPause() {
    if (m_playState == PlayState::Play) {
        if (m_reopenOnPlay) openClipFile();
        if (!g_clipPlayerOpened) return;
        startTimers();
        m_player.Start();
        m_sliderEnabled = true;
        m_playState = PlayState::Pause;
        return;
    }
    m_reopenOnPlay = false;
    if (!g_clipPlayerOpened) return;
    startTimers();  // the position keeps being followed while paused
    m_player.Pause();
    m_playState = PlayState::Play;
}

void ClipEditor::Stop() {
    if (!g_clipPlayerOpened) return;
    m_timersRunning = false;
    m_player.Stop();
    m_sliderEnabled = false;
    m_playState = PlayState::Play;
    setSliderPosition(0);
    // The time shown goes back to the start with the slider (it read the last
    // position after the file had played to its end).
    m_currentTime = 0.0;
    m_currentSecond = 0;
}

void ClipEditor::Seek(int sliderPosition) {
    if (!g_clipPlayerOpened) return;
    setSliderPosition(sliderPosition);
    m_player.Pause();
    const float fraction = static_cast<float>(sliderPosition / 1000.0);
    m_player.SetPos(fraction);
    m_currentTime = std::max(0.0, fraction * m_player.GetDuration());
    m_currentSecond = toWholeInt(fraction * m_player.GetDuration());
    m_player.Start();  // a seek resumes playback even when it was paused
    // ... so the Play button shows the pause look from here on.
    m_playState = PlayState::Pause;
}

void ClipEditor::PollPosition() {
    const float fraction = m_player.GetPos();
    const int position = toWholeInt(fraction * 1000.0);
    m_playerDuration = m_player.GetDuration();
    m_currentTime = std::isnan(fraction * m_playerDuration) ? 0.0 : std::max(0.0, fraction * m_playerDuration);
    m_currentSecond = toWholeInt(fraction * m_playerDuration);
    if (position != m_sliderPosition) setSliderPosition(position);
}

bool ClipEditor::PollPicture() {
    if (!m_hasPicture || m_frameBuffer.empty()) return false;
    m_player.GetFrame(m_frameBuffer.data(), m_frameWidth, m_frameHeight);
    return true;
}

void ClipEditor::SetBeginTime() {
    m_beginMark = clampToSlider(m_sliderPosition);
    m_markMode = 1;
    // A new begin puts the end back to the end of the file.
    const long long begin = shownTenths();
    m_beginText = tenthsText(begin);
    m_endText = FormatTime(m_duration);
    m_cutText = tenthsText(static_cast<long long>(m_duration) * 10 - begin);
}

long long ClipEditor::shownTenths() const {
    // The tenth of a second that holds the picture shown (a hair below a tenth,
    // as a float position gives it, still counts as that tenth).
    return static_cast<long long>(std::floor(m_currentTime * 10.0 + 1e-6));
}

std::string ClipEditor::tenthsText(long long tenths) { return FormatTimeTenths(static_cast<double>(tenths) / 10.0); }

long long ClipEditor::textTenths(const std::string& text) { return std::llround(ParseTimeSeconds(text) * 10.0); }

void ClipEditor::SetEndTime() {
    m_endMark = clampToSlider(m_sliderPosition);
    m_markMode = 2;
    const long long begin = textTenths(m_beginText);
    const long long now = shownTenths();
    if (now > begin) {
        m_endText = tenthsText(now);
        m_cutText = tenthsText(now - begin);
        return;
    }
    // An end before the begin: the two times change places, so the begin text
    // never comes after the end text.
    m_beginText = tenthsText(now);
    m_endText = tenthsText(begin);
    m_cutText = tenthsText(begin - now);
}

void ClipEditor::Reset() {
    m_beginMark = 0;
    m_endMark = 0;
    m_markMode = 0;
    m_beginText = "00:00:00";
    m_endText = FormatTime(m_duration);
    m_cutText = FormatTime(m_duration);
}

void ClipEditor::leave(Result result) {
    Stop();
    m_player.Close();
    m_host.InitPreviewPlayer();
    m_result = result;
}

void ClipEditor::Ok() {
    if (m_row >= 0) {
        m_host.SetRowText(m_row, kStartColumn, m_beginText);
        m_host.SetRowText(m_row, kEndColumn, m_endText);
    }
    leave(Result::Ok);
}

void ClipEditor::Cancel() { leave(Result::Cancel); }
