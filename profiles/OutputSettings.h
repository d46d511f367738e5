#pragma once
// The process-wide output settings: what the next conversion produces. Only the UI
// thread (or the command-line front end) touches them; a conversion works on the
// copy taken into the job when it starts.

#include <cstdint>
#include <string>

struct OutputSettings {
    // ---- Applied values ----
    int profileCode = 91200;  // key into the preset catalogue; conversion does not read it
    bool audioOnly = false;   // the job's encodeVideo is its negation
    bool makeThumbnail = true;
    int width = 720;
    int height = 480;
    std::string frameRateText = "29.97 fps";
    int videoBitRate = 2000000;       // bit/s
    std::string videoEncoder = "H.264";
    std::string audioEncoder = "AAC";
    int sampleRate = 48000;           // Hz
    int channels = 2;                 // 1, 2 or 6
    int audioBitRate = 192000;        // bit/s
    // Keep the source's video when the profile's device plays it as it is (its own
    // limits, not the profile's size and bit rate); off unless the person asks.
    bool copyCompatible = false;
    // Clip begin times are exact: a kept video could only begin at a key frame.
    bool exactCut = false;
    // Bytes each video output is fitted into (its video bit rate is then chosen per
    // output); 0 = none, videoBitRate is used. Kept across profile changes, as the
    // output folder is: it is about the medium, not the device.
    std::int64_t targetSizeBytes = 0;

    // ---- Confirmed choices (the settings dialog's texts at its last OK) ----
    int confirmedProfileCode = 0;  // 0 = nothing confirmed yet
    std::string resolutionChoice = "480*320";
    std::string frameRateChoice = "15.0 fps";
    std::string videoBitRateChoice = "512 kbps";
    std::string videoEncoderChoice = "FLV";
    std::string sampleRateChoice = "48000 Hz";
    std::string channelsChoice = "2 Channel stereo";
    std::string audioBitRateChoice = "80 kbps";
    std::string audioEncoderChoice = "MP3";
};

// The one instance of the process.
OutputSettings& CurrentOutputSettings();
