#pragma once
// What each device plays, as one table: the PS3 and the PSP (by firmware where
// they differ), and which of the profiles aims at which. Used to decide whether a
// source's streams can be copied into a profile's file instead of converted
// (engine/CopyCheck.h holds the rules that read the table).

#include "engine/CopyCheck.h"

#include <span>

// Every row of the table, in the order of the devices' firmware.
std::span<const copycheck::DeviceLimits> DeviceLimitsTable();

// The device a profile's outputs are for; nullptr for profiles made for no
// particular device (the sound-only ones).
const copycheck::DeviceLimits* DeviceLimitsFor(int profileCode);
