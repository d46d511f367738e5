#!/usr/bin/env bash
# Screenshots of every window under a virtual X server, kept in the build tree's
# screenshots/ folder for a person to look at.
set -euo pipefail
program=$1
output=$2
command -v xvfb-run > /dev/null || { echo "xvfb-run missing: skipped"; exit 0; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ffmpeg -nostdin -v error -y -f lavfi -i testsrc2=size=320x240:rate=25 -f lavfi -i sine=f=440:sample_rate=44100 \
  -t 2 -c:v mpeg4 -c:a aac "$work/clip.mp4"
# The program's folders (ini, OutPut) go beside a copy in the scratch folder.
mkdir -p "$work/bin"
cp "$program" "$work/bin/"
QT_QPA_PLATFORM=xcb timeout 120 xvfb-run -a -s "-screen 0 1024x768x24" \
  "$work/bin/$(basename "$program")" "$output" "$work/clip.mp4"
for f in main-window setting clip progress file-information; do
  test -s "$output/$f.png" || { echo "missing $f.png"; exit 1; }
done
echo "screenshots in $output"
