#!/usr/bin/env bash
# The real program as a desktop session uses it, with two real processes (and
# its usage text naming --no-restore):
#  - after a real playback of the preview (SDL's sound output opened), SIGTERM,
#    SIGINT and SIGHUP each still end the program, and the task list is kept;
#  - a second start while the window is open hands its file to that window and
#    ends at once; the open window lists both files, and no second window runs.
set -euo pipefail
program=$1
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill -KILL "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

ffmpeg -v error -y -f lavfi -i testsrc2=size=160x120:rate=25 -f lavfi -i sine=f=440:sample_rate=44100 \
  -t 20 -c:v mpeg4 -c:a mp2 "$work/first clip.avi"
cp "$work/first clip.avi" "$work/second clip.avi"
cp "$work/first clip.avi" "$work/third clip.avi"

export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
export XDG_STATE_HOME="$work/state" XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
tasks="$XDG_STATE_HOME/korbanix/tasks.json"

# The usage text names the option it takes.
"$program" --help | grep -q -- "--no-restore" || { echo "--help does not mention --no-restore"; exit 1; }

# Waits up to $2 seconds for the command $1 to succeed.
wait_for() {
  local tries=$(( $2 * 10 ))
  while ((tries-- > 0)); do eval "$1" && return 0; sleep 0.1; done
  return 1
}

for signal in TERM INT HUP; do
  rm -rf "$XDG_STATE_HOME"
  out="$work/out-$signal.txt"
  KORBANIX_SMOKE_PLAY=1 "$program" --no-restore "$work/first clip.avi" > "$out" 2> "$work/err-$signal.txt" &
  pid=$!
  pids+=("$pid")
  wait_for "grep -q 'preview: playing' '$out'" 60 || { echo "SIG$signal: no playback"; cat "$work/err-$signal.txt"; exit 1; }
  sleep 0.5  # the sound output runs
  kill -s "$signal" "$pid"
  if ! wait_for "! kill -0 $pid 2>/dev/null" 20; then
    echo "SIG$signal after a playback did not end the program"
    exit 1
  fi
  wait "$pid" || true
  grep -qF "first clip.avi" "$tasks" || { echo "SIG$signal: the task list was not kept"; exit 1; }
done

# Two starts: the second hands its file over and ends.
rm -rf "$XDG_STATE_HOME"
"$program" --no-restore "$work/first clip.avi" > "$work/first.txt" 2> "$work/first-err.txt" &
first=$!
pids+=("$first")
wait_for "grep -qF 'first clip.avi' '$tasks' 2>/dev/null" 60 || { echo "the first window did not list its file"; cat "$work/first-err.txt"; exit 1; }
# From another folder, with a relative name: the name is taken where it was given.
(cd "$work" && timeout 30 "$program" "second clip.avi" "third clip.avi") || { echo "the second start failed"; exit 1; }
kill -0 "$first" || { echo "the first window ended"; exit 1; }
wait_for "grep -qF 'third clip.avi' '$tasks'" 30 || { echo "the handed files did not reach the open window"; exit 1; }
grep -qF "first clip.avi" "$tasks" || { echo "the open window lost its own file"; exit 1; }
# "Open with" on several files: at the end of the list, in the order given.
order=$(grep -oE '(first|second|third) clip\.avi' "$tasks" | tr '\n' ,)
[ "$order" = "first clip.avi,second clip.avi,third clip.avi," ] || { echo "handed files out of order: $order"; exit 1; }
kill -TERM "$first"
wait_for "! kill -0 $first 2>/dev/null" 20 || { echo "the first window did not end"; exit 1; }
echo "ok"
