#pragma once
// What each device plays, as one table: the PS3 and the PSP (by firmware where
// they differ), and which of the profiles aims at which. Used to decide whether a
// source's streams can be copied into a profile's file instead of converted
// (engine/CopyCheck.h holds the rules that read the table).

#include "engine/CopyCheck.h"

#include <span>
#include <string>
#include <string_view>

class AVConvert;

// Every row of the table, in the order of the devices' firmware.
std::span<const copycheck::DeviceLimits> DeviceLimitsTable();

// The device a profile's outputs are for; nullptr for profiles made for no
// particular device (the sound-only ones).
const copycheck::DeviceLimits* DeviceLimitsFor(int profileCode);

// The highest video bit rate a profile's device plays in the codec of an output
// (the settings' encoder name, "H.264", "DivX", ...) at that picture size, and the
// device and its profile or level as a message names them ("the PS3 at H.264 level
// 4.1"). bitRate 0: the device publishes no limit for that codec, or the profile is
// for no device.
struct VideoRateCeiling {
    double bitRate = 0;  // bit/s
    std::string device;
};
VideoRateCeiling VideoRateCeilingFor(int profileCode, std::string_view videoEncoder, int width, int height);

// For `probe`: one line per video profile saying whether the file's video would be
// kept as it is ("copy 3: video kept; sound converted, DTS sound is not what the
// PS3 plays in MP4") or converted and why ("copy 9: converted, the High profile is
// not one the PSP plays (firmware 3.30)"). "" when the file has no video or cannot
// be opened. `job` only lends its stop flag to the reads.
std::string ProfileCopyLines(const std::string& path, const AVConvert& job);
