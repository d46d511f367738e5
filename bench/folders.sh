#!/usr/bin/env bash
# Whole libraries, on a release build of their own: a tree of small media files
# (default 5,000, in nested season folders, with some files that are no media) is
#  1. dropped on the window as one folder: time to the first row, to all rows,
#     the longest pause of the window, peak memory;
#  2. listed by korbanix-cli (probe FOLDER: every media file found and measured):
#     time to the first file's fields, to all, peak memory;
# each against `find` + one `ffprobe` per file on the same tree, as a script
# would do it, with the ratios. Not a test: it prints, it does not judge.
# Usage: bench/folders.sh [build-folder] [files=5000]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench-scale}
count=${2:-5000}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORBANIX_TESTS=OFF >/dev/null
fi
cmake --build "$build" -j2 --target korbanix_bench_folders_window korbanix-cli >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tree="$work/library"

kinds=(mkv mp4 avi mp3)
for k in "${kinds[@]}"; do
  ffmpeg -nostdin -v error -y -f lavfi -i testsrc2=s=64x48:r=25:d=0.5 -f lavfi -i sine=d=0.5 -shortest \
    "$work/seed.$k" 2>/dev/null || ffmpeg -nostdin -v error -y -f lavfi -i sine=d=0.5 "$work/seed.$k"
done
for i in $(seq 1 "$count"); do
  folder="$tree/Show $((i % 10))/Season $((i % 7 + 1))"
  [ -d "$folder" ] || mkdir -p "$folder"
  k=${kinds[$((i % ${#kinds[@]}))]}
  cp "$work/seed.$k" "$folder/Episode $i.$k"
  if [ $((i % 50)) = 0 ]; then echo "notes" > "$folder/notes $i.txt"; fi
done
cat "$work"/seed.* > /dev/null
find "$tree" -type f -exec cat {} + > /dev/null  # every run reads from the page cache

now() { date +%s.%N; }
ratio() { echo "$1 / $2" | bc -l; }

# find + ffprobe: the first file's fields, then all of them.
start=$(now)
first_ffprobe=
while IFS= read -r -d '' f; do
  ffprobe -v error -show_format -show_streams "$f" > /dev/null 2>&1 || true
  [ -n "$first_ffprobe" ] || first_ffprobe=$(echo "$(now) - $start" | bc -l)
done < <(find "$tree" -type f \( -name '*.mkv' -o -name '*.mp4' -o -name '*.avi' -o -name '*.mp3' \) -print0 | sort -z -V)
all_ffprobe=$(echo "$(now) - $start" | bc -l)
mem_ffprobe=$( { /usr/bin/time -f %M ffprobe -v error -show_format -show_streams "$work/seed.mkv" > /dev/null; } 2>&1 | tail -1)

# korbanix-cli probe FOLDER: the first "probePath" line, then the end.
start=$(now)
first_cli=
exec 3< <(/usr/bin/time -f "%M" -o "$work/cli-mem" "$build/cli/korbanix-cli" probe "$tree" 2>/dev/null)
while IFS= read -r line <&3; do
  if [ -z "$first_cli" ] && [ "${line#probePath: }" != "$line" ]; then first_cli=$(echo "$(now) - $start" | bc -l); fi
done
exec 3<&-
all_cli=$(echo "$(now) - $start" | bc -l)
sleep 0.2
mem_cli=$(tail -1 "$work/cli-mem")

read -r first_win all_win rows pause mem_win < <(QT_QPA_PLATFORM=offscreen "$build/korbanix_bench_folders_window" "$tree")

printf "%-22s %10s %10s %10s %12s\n" "" "first row" "all rows" "rows" "memory KiB"
printf "%-22s %10.3f %10.3f %10d %12s\n" "find + ffprobe" "$first_ffprobe" "$all_ffprobe" "$count" "$mem_ffprobe (each)"
printf "%-22s %10.3f %10.3f %10s %12s\n" "korbanix-cli probe" "$first_cli" "$all_cli" "-" "$mem_cli"
printf "%-22s %10.3f %10.3f %10d %12s  (longest pause %s ms)\n" "window, folder drop" "$first_win" "$all_win" "$rows" "$mem_win" "$pause"
printf "ratios to find + ffprobe: cli first %.2f, all %.2f; window first %.2f, all %.2f\n" \
  "$(ratio "$first_cli" "$first_ffprobe")" "$(ratio "$all_cli" "$all_ffprobe")" \
  "$(ratio "$first_win" "$first_ffprobe")" "$(ratio "$all_win" "$all_ffprobe")"
