#!/usr/bin/env bash
# Starts the real program under Xvfb with one generated file given on its command
# line (added exactly as Add adds a file), lets it save a screenshot into the test's
# output folder and close, then checks the picture and the task it reported.
set -euo pipefail
program=$1
output=$2
mkdir -p "$output"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

ffmpeg -v error -y -f lavfi -i testsrc2=size=160x120:rate=25 -f lavfi -i sine=f=440:sample_rate=44100 \
  -t 2 -c:v mpeg4 -c:a mp2 "$work/smoke clip.avi"

# A copy beside its own writable folder: the ini and OutPut land in $work/bin.
mkdir -p "$work/bin"
cp "$program" "$work/bin/korbanix"
rm -f "$output/main-window.png"
# The kept task list goes to the scratch folder, not the user's state folder.
mkdir -m 700 -p "$work/run"
XDG_RUNTIME_DIR="$work/run" XDG_STATE_HOME="$work/state" KORBANIX_SCREENSHOT="$output/main-window.png" QT_QPA_PLATFORM=xcb \
  timeout 120 xvfb-run -a -s "-screen 0 1024x700x24" "$work/bin/korbanix" "$work/smoke clip.avi" \
  > "$output/stdout.txt" 2> "$output/stderr.txt" || { cat "$output/stderr.txt"; exit 1; }

test -s "$output/main-window.png" || { echo "no screenshot"; exit 1; }
grep -qxF "task 0: $work/smoke clip.avi | 00:00:00 | 00:00:02 |  PS3 H.264 Video(*.mp4) |  Ready | checked" "$output/stdout.txt" \
  || { echo "task not reported:"; cat "$output/stdout.txt"; exit 1; }
test -d "$work/bin/OutPut" || { echo "default output folder missing"; exit 1; }
echo "screenshot: $output/main-window.png"
