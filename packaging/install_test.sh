#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop needs: both
# programs, the help page, a valid desktop entry whose media types cover the Add
# dialog's extensions, valid AppStream metainfo, the icon at every hicolor size
# and as SVG, the man pages and the bash completion, and that the installed
# programs run from there (files given to korbanix on its command line become
# tasks). The checks a package's contents share are in installed_checks.sh.
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/installed_checks.sh"

cmake --install "$build" --prefix "$prefix" > "$work/install.log" || { cat "$work/install.log"; fail "install"; }

desktop="$prefix/share/applications/org.korbanix.Korbanix.desktop"
metainfo="$prefix/share/metainfo/org.korbanix.Korbanix.metainfo.xml"
check_installed_files "$prefix"
svg="$prefix/share/icons/hicolor/scalable/apps/korbanix.svg"
grep -q 'viewBox="0 0 256 256"' "$svg" || fail "$svg has no 256 x 256 view box"
# The scalable icon draws what the pictures show: rendered at 64 x 64 by an
# independent reader, its centre is the light play triangle on the dark face.
if ffmpeg -hide_banner -h decoder=svg > /dev/null 2>&1; then
  ffmpeg -nostdin -v error -y -i "$svg" -vf scale=64:64 -frames:v 1 -f rawvideo -pix_fmt gray "$work/svg.gray"
  centre=$(od -An -tu1 -j $((32 * 64 + 31)) -N1 "$work/svg.gray" | tr -d ' ')
  corner=$(od -An -tu1 -j $((16 * 64 + 8)) -N1 "$work/svg.gray" | tr -d ' ')
  [ "$centre" -gt 200 ] && [ "$corner" -lt "$centre" ] || fail "scalable icon looks wrong (centre $centre, face $corner)"
fi
grep -qx 'Icon=korbanix' "$desktop" || fail "desktop entry names another icon"
grep -qx 'Exec=korbanix %F' "$desktop" || fail "desktop entry does not pass files"

check_desktop_files "$prefix"
grep -q '<screenshot type="default">' "$metainfo" || fail "metainfo has no screenshot"
grep -q '<content_rating type="oars-1.1"' "$metainfo" || fail "metainfo has no content rating"

# Every extension of the Add dialog's media and audio lists that the system's
# MIME database knows maps to at least one type the entry declares.
if [ -r /usr/share/mime/globs2 ]; then
  mime_types=";$(sed -n 's/^MimeType=//p' "$desktop")"
  for ext in flv swf mov qt avi mpg mpeg mts ts nsv dv rm rmvb m2t m2ts vob mkv mp4 m4v 3gp 3g2 3gpp asf wmv \
             aac ac3 aiff ape cue au flac mp3 ogg ra ram wav m4a wma; do
    known=$(grep -i ":\*\.$ext\$" /usr/share/mime/globs2 | cut -d: -f2 | grep -v -e '^text/' -e '^application/x-object$' || true)
    [ -n "$known" ] || continue
    found=no
    for type in $known; do
      case "$mime_types" in *";$type;"*) found=yes ;; esac
    done
    [ $found = yes ] || fail "no MIME type for *.$ext (system knows: $(echo $known))"
  done
fi

# The installed programs run from the prefix.
"$prefix/bin/korbanix-cli" presets > "$work/presets.txt" || fail "installed korbanix-cli"
test -s "$work/presets.txt" || fail "korbanix-cli printed nothing"

# "Open with" from a file manager: the file on the command line becomes a task.
if command -v xvfb-run > /dev/null; then
  clip="$work/open with.mp4"
  make_clip "$clip"
  export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
  mkdir -p "$HOME"
  # Though it could write there, an installed copy leaves its prefix alone.
  check_open_with "$prefix" "$clip"
  check_installed_language "$prefix" "$clip"

  # An installed copy in a prefix nobody may write to: the same. A read-only
  # bind mount in a private mount namespace plays that prefix (even for root);
  # where namespaces are not allowed this part is skipped.
  if unshare -m true 2> /dev/null; then
    rm -rf "$HOME"
    mkdir -p "$HOME"
    unshare -m sh -c 'mount --bind "$1" "$1" && mount -o remount,ro,bind "$1" && shift && exec "$@"' sh "$prefix" \
      env KORBANIX_SCREENSHOT="$work/shot-ro.png" QT_QPA_PLATFORM=xcb \
      timeout 120 xvfb-run -a -s "-screen 0 1024x700x24" "$prefix/bin/korbanix" "$clip" \
      > "$work/stdout-ro.txt" 2> "$work/stderr-ro.txt" || { cat "$work/stderr-ro.txt"; fail "read-only korbanix"; }
    grep -q "^task 0: $clip |" "$work/stdout-ro.txt" || { cat "$work/stdout-ro.txt"; fail "read-only: file not added"; }
    test -d "$HOME/Videos/OutPut" || fail "read-only prefix: no default output folder in the user's Videos folder"
    test ! -e "$prefix/bin/OutPut" && test ! -e "$prefix/bin/bin" || fail "something was written beside the program"
  else
    echo "no mount namespaces here: read-only prefix not checked"
  fi
fi
echo "installed layout ok"
