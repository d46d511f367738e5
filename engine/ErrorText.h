#pragma once
// One text for an FFmpeg or system error, made where a row's failure is recorded.

extern "C" {
#include <libavutil/error.h>
}

#include <string>

// AVERROR code (AVERROR(errno) included) -> FFmpeg's text ("No space left on device").
inline std::string ErrorText(int averror) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(averror, text, sizeof text);
    return text;
}

// "what: why", or just "what" without an error code.
inline std::string Reason(const std::string& what, int averror) {
    return averror < 0 ? what + ": " + ErrorText(averror) : what;
}
