#pragma once
// One text for an FFmpeg or system error, made where a row's failure is recorded.

extern "C" {
#include <libavutil/error.h>
}

#include <cerrno>
#include <string>

// AVERROR code (AVERROR(errno) included) -> FFmpeg's text ("No space left on device"),
// in plain words where the system's are obscure: a memory shortage is "Not enough
// memory", not "Cannot allocate memory".
inline std::string ErrorText(int averror) {
    if (averror == AVERROR(ENOMEM)) return "Not enough memory";
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(averror, text, sizeof text);
    return text;
}

// The error of the last codec (encoder or decoder) that would not open on this
// thread: the opening step records it, the row's set-up reads it for its reason.
// 0 when none was recorded.
inline int& LastCodecOpenError() {
    thread_local int error = 0;
    return error;
}

// Why `codec` ("the video encoder") would not open: `refused` (its settings, the
// usual cause) unless the recorded error has a plainer cause, as a memory shortage has.
inline std::string CodecFailure(const std::string& refused, const std::string& codec, int averror) {
    if (averror == AVERROR(ENOMEM)) return "Not enough memory for " + codec;
    return refused;
}

// "what: why", or just "what" without an error code.
inline std::string Reason(const std::string& what, int averror) {
    return averror < 0 ? what + ": " + ErrorText(averror) : what;
}
