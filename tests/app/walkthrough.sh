#!/usr/bin/env bash
# One walk through the real windows on a virtual X server: Add, select, play,
# Setting, Clip, Convert, Stop (the WalkThrough case of the conversion window
# test), leaving a picture of every step in the build tree for a person to look at.
# It runs three times, as a person would meet the window:
#   default/      English, the desktop's own theme, 1024x768 at scale 1;
#   de_DE-dark/   LANG=de_DE.UTF-8, the windows in German, with a dark GTK theme (a
#                 dark palette when the GTK platform theme is not installed);
#   ja_JP/        LANG=ja_JP.UTF-8, the windows in Japanese;
#   scaled/       QT_SCALE_FACTOR=2 on a 1366x768 laptop screen.
# Run as root, it walks as an ordinary user (korbanix-test, created when missing),
# as people do. With a docs folder, two of the pictures are copied there for the
# README, so they show the window as it is now.
#   walkthrough.sh <app_conversion_window_test> <screenshot folder> [docs folder]
set -euo pipefail
test_program=$(readlink -f "$1")
output=$2
docs=${3:-}
rm -rf "$output"
mkdir -p "$output"

steps="0-screen 1-added 2-selected 3-playing 4-setting 5-clip 6-converting 7-run-stopped 8-preview-stopped"
user=korbanix-test
as_user=()
user_home=$HOME
if [ "$(id -u)" -eq 0 ]; then
  id -u "$user" >/dev/null 2>&1 || useradd -m "$user"
  as_user=(runuser -u "$user" --)
  user_home=$(getent passwd "$user" | cut -d: -f6)
fi

# A dark theme without the GTK plug-in: the window must look the same as with it.
gtk_theme_plugin=$(find /usr/lib -path '*qt6/plugins/platformthemes/libqgtk3.so' 2>/dev/null | head -1)

walk() {  # name, screen, then environment assignments
  local name=$1 screen=$2
  shift 2
  local scratch
  scratch=$(mktemp -d)
  chmod 777 "$scratch"
  # The session's runtime folder belongs to the person alone.
  mkdir -m 700 "$scratch/run"
  if [ ${#as_user[@]} -gt 0 ]; then chown "$user" "$scratch/run"; fi
  echo "walk-through: $name ($screen${*:+, $*})"
  (cd "$scratch" && "${as_user[@]}" env HOME="$user_home" XDG_RUNTIME_DIR="$scratch/run" \
    KORBANIX_WALKTHROUGH_DIR="$scratch/shots" TMPDIR="$scratch" QT_QPA_PLATFORM=xcb "$@" \
    timeout 300 xvfb-run -a -s "-screen 0 ${screen}x24" "$test_program" \
    --gtest_filter=WalkThrough.AddSelectPlaySettingClipConvertStop)
  mkdir -p "$output/$name"
  cp "$scratch"/shots/*.png "$output/$name/"
  rm -rf "$scratch"
  for step in $steps; do
    test -s "$output/$name/$step.png" || { echo "missing $name/$step.png"; exit 1; }
  done
}

walk default 1024x768 LANG=C.UTF-8
if [ -n "$gtk_theme_plugin" ]; then
  walk de_DE-dark 1024x768 LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
else
  walk de_DE-dark 1024x768 LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 KORBANIX_TEST_DARK_PALETTE=1
fi
walk ja_JP 1024x768 LANG=ja_JP.UTF-8
walk scaled 1366x768 LANG=C.UTF-8 QT_SCALE_FACTOR=2

if [ -n "$docs" ] && [ -d "$docs" ]; then
  cp "$output/default/3-playing.png" "$docs/window.png"
  cp "$output/de_DE-dark/6-converting.png" "$docs/converting.png"
  cp "$output/de_DE-dark/3-playing.png" "$docs/window-de.png"
  cp "$output/ja_JP/3-playing.png" "$docs/window-ja.png"
fi
echo "walk-through pictures in $output/{default,de_DE-dark,ja_JP,scaled}"
