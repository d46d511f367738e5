#!/usr/bin/env bash
# One walk through the real windows on a virtual X server: Add, select, play,
# Setting, Clip, Convert, Stop (the WalkThrough case of the conversion window
# test), leaving a picture of every step in the build tree for a person to look at.
#   walkthrough.sh <app_conversion_window_test> <screenshot folder>
set -euo pipefail
test_program=$1
output=$2
rm -rf "$output"
mkdir -p "$output"
KORBANIX_WALKTHROUGH_DIR="$output" QT_QPA_PLATFORM=xcb \
  timeout 240 xvfb-run -a -s "-screen 0 1024x768x24" "$test_program" \
  --gtest_filter=WalkThrough.AddSelectPlaySettingClipConvertStop
for step in 1-added 2-selected 3-playing 4-setting 5-clip 6-converting 7-run-stopped 8-preview-stopped; do
  test -s "$output/$step.png" || { echo "missing $step.png"; exit 1; }
done
echo "walk-through pictures in $output"
