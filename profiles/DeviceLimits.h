#pragma once
// What each device plays, as one table: the PS3 and the PSP (by firmware where
// they differ), and which of the profiles aims at which. Used to decide whether a
// source's streams can be copied into a profile's file instead of converted
// (engine/CopyCheck.h holds the rules that read the table).

#include "engine/CopyCheck.h"

#include <span>
#include <string>

class AVConvert;

// Every row of the table, in the order of the devices' firmware.
std::span<const copycheck::DeviceLimits> DeviceLimitsTable();

// The device a profile's outputs are for; nullptr for profiles made for no
// particular device (the sound-only ones).
const copycheck::DeviceLimits* DeviceLimitsFor(int profileCode);

// For `probe`: one line per video profile saying whether the file's video would be
// kept as it is ("copy 3: video kept; sound converted, DTS sound is not what the
// PS3 plays in MP4") or converted and why ("copy 9: converted, the High profile is
// not one the PSP plays (firmware 3.30)"). "" when the file has no video or cannot
// be opened. `job` only lends its stop flag to the reads.
std::string ProfileCopyLines(const std::string& path, const AVConvert& job);
