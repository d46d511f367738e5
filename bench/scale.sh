#!/usr/bin/env bash
# Scale benchmarks, on a release build of their own:
#  1. a Convert job of 9,999 rows (every 100th checked, tiny generated files) runs
#     to the end with bounded memory;
#  2. adding 1,000 files to the task list takes at most 1.5 times what ffprobe
#     takes for the same files (one ffprobe run per file, as a script would);
#  3. the window lists 1,000 files within 2 s and a full list (9,999) within 20 s, and never
#     stops answering for more than 100 ms meanwhile.
# Usage: bench/scale.sh [build-folder] [files=1000]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench-scale}
count=${2:-1000}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORBANIX_TESTS=OFF >/dev/null
fi
cmake --build "$build" -j2 --target korbanix_bench_scale_job korbanix_bench_scale_probe >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

echo "== 9,999-row job"
"$build/korbanix_bench_scale_job" "$work/job" || status=1

echo "== adding $count files"
mkdir -p "$work/files"
kinds=(mp4 avi mkv mpg mp3 wav)
for k in "${kinds[@]}"; do
  ffmpeg -nostdin -v error -y -f lavfi -i testsrc2=s=64x48:r=25:d=1 -f lavfi -i sine=sample_rate=22050:d=1 \
    -shortest "$work/seed.$k" 2>/dev/null || ffmpeg -nostdin -v error -y -f lavfi -i sine=sample_rate=22050:d=1 "$work/seed.$k"
done
: > "$work/list.txt"
for i in $(seq 1 "$count"); do
  k=${kinds[$((i % ${#kinds[@]}))]}
  cp "$work/seed.$k" "$work/files/file $i.$k"
  echo "$work/files/file $i.$k" >> "$work/list.txt"
done
cat "$work/files/"* > /dev/null  # both runs read from the page cache

start=$(date +%s.%N)
while IFS= read -r f; do ffprobe -v error -show_format -show_streams "$f" > /dev/null; done < "$work/list.txt"
ffprobe_seconds=$(echo "$(date +%s.%N) - $start" | bc -l)

ours=$(QT_QPA_PLATFORM=offscreen "$build/korbanix_bench_scale_probe" "$work/list.txt") || status=1
echo "korbanix: $ours"
ours_seconds=${ours%% *}
ratio=$(echo "$ours_seconds / $ffprobe_seconds" | bc -l)
printf "ffprobe: %.3f seconds; ratio korbanix/ffprobe %.2f (goal <= 1.5)\n" "$ffprobe_seconds" "$ratio"
if [ "$(echo "$ratio > 1.5" | bc -l)" = 1 ]; then status=1; fi

# The list holds 9,999 tasks: the ten-thousandth file would only be refused.
echo "== listing 9,999 files"
: > "$work/list-10000.txt"
for round in $(seq 0 9); do
  while IFS= read -r f; do
    copy="${f%.*} r$round.${f##*.}"
    cp "$f" "$copy"
    echo "$copy" >> "$work/list-10000.txt"
  done < "$work/list.txt"
done
head -n 9999 "$work/list-10000.txt" > "$work/list-9999.txt"
QT_QPA_PLATFORM=offscreen "$build/korbanix_bench_scale_probe" "$work/list-9999.txt" || status=1
exit $status
