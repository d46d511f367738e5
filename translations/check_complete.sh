#!/bin/sh
# Fails when the shipped translations lag behind the code: lupdate, run over the
# sources into copies of the .ts files, must find no text without a finished
# translation and none that the code no longer has.
# Usage: check_complete.sh <lupdate> <source root> <folder>...
set -eu
lupdate=$1
root=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root"/translations/korbanix_*.ts "$work"/
cd "$root"
"$lupdate" -silent -locations none -extensions cpp,h -I "$root" "$@" -ts "$work"/korbanix_*.ts 2>/dev/null
status=0
for ts in "$work"/korbanix_*.ts; do
  name=$(basename "$ts")
  if ! cmp -s "$ts" "$root/translations/$name"; then
    echo "$name: not up to date with the code (run the update_translations target)"
    status=1
  fi
  left=$(grep -c 'type="unfinished"\|type="vanished"\|type="obsolete"' "$ts" || true)
  if [ "$left" -ne 0 ]; then
    echo "$name: $left unfinished or obsolete entries:"
    grep -B2 'type="unfinished"\|type="vanished"\|type="obsolete"' "$ts" | grep '<source>' | head -20
    status=1
  fi
done
[ $status -eq 0 ] && echo "every shipped translation is complete and current"
exit $status
