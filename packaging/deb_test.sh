#!/usr/bin/env bash
# Builds the Debian package in a Release tree (as after ./run, but a tree of its
# own, so the sanitizer tree's programs never land in a package) and checks it
# as a distribution would: the control fields, every file at its place under
# /usr and nothing elsewhere, stripped programs, no lintian error; then unpacks
# it into a throwaway root and runs the programs from there, the window under
# Xvfb with a file to add.
# The checks it shares with install_test.sh are in installed_checks.sh.
#   deb_test.sh SOURCE-DIR RELEASE-TREE VERSION
set -euo pipefail
source=$1
tree=$2
version=$3
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/installed_checks.sh"
if [ ! -f "$tree/CMakeCache.txt" ]; then
  cmake -S "$source" -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORBANIX_TESTS=OFF > "$work/configure.log" \
    || { cat "$work/configure.log"; fail "configure the Release tree"; }
fi
rm -f "$tree"/korbanix_*.deb
cmake --build "$tree" --target package > "$work/build.log" 2>&1 || { tail -n 50 "$work/build.log"; fail "package"; }
deb=$tree/korbanix_${version}_amd64.deb
test -s "$deb" || { ls "$tree"; fail "no $deb"; }

# Control fields.
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = korbanix ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = amd64 ] || fail "Architecture: $(field Architecture)"
field Maintainer | grep -q '^Korbanix developers <[a-z]*@korbanix\.org>$' || fail "Maintainer: $(field Maintainer)"
# Read whole before taking its first line: with pipefail, `head` closing the pipe
# early could fail dpkg-deb with SIGPIPE on a busy machine.
description=$(field Description)
[ -n "${description%%$'\n'*}" ] || fail "no synopsis"
[ "$(field Description | wc -l)" -ge 5 ] || fail "no long description"
depends=$(field Depends)
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libavcodec59 libavformat59 libswscale6 libswresample4 libavutil57 \
           libsdl2-2.0-0 libjpeg62-turbo libc6; do
  [[ $depends == *"$lib "* || $depends == *"$lib," || $depends == *"$lib" ]] || fail "Depends lacks $lib: $depends"
done

# Contents: everything under /usr, owned by root, at the places a desktop looks.
dpkg-deb --contents "$deb" > "$work/contents.txt"
awk '{ print $6 }' "$work/contents.txt" | sed 's|/$||' > "$work/paths.txt"
grep -v -e '^\./usr/' -e '^\./usr$' -e '^\.$' "$work/paths.txt" && fail "files outside /usr"
awk '$2 != "root/root" { print; bad = 1 } END { exit bad }' "$work/contents.txt" || fail "files not owned by root"
# Unpacked into a throwaway root, every file is at its place.
root=$work/root
dpkg-deb -x "$deb" "$root"
check_installed_files "$root/usr"

# lintian: no error (the warnings it prints are the ones we accept).
if command -v lintian > /dev/null; then
  lintian --fail-on error --tag-display-limit 0 "$deb" > "$work/lintian.txt" 2>&1 \
    || { cat "$work/lintian.txt"; fail "lintian reports errors"; }
  cat "$work/lintian.txt"
else
  fail "lintian is not installed (scripts/ensure-deps installs it)"
fi

# The programs run from the throwaway root's /usr/bin.
for program in korbanix korbanix-cli; do
  readelf -S "$root/usr/bin/$program" | grep -q '\.symtab' && fail "$program is not stripped"
done
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME"
"$root/usr/bin/korbanix-cli" profiles > "$work/profiles.txt" || fail "installed korbanix-cli profiles"
[ "$(wc -l < "$work/profiles.txt")" = 16 ] || { cat "$work/profiles.txt"; fail "not sixteen profiles"; }
grep -qx ' 9: PSP H.264 Video(\*.mp4)' "$work/profiles.txt" || fail "profile 9 missing"
[ "$("$root/usr/bin/korbanix-cli" --version)" = "korbanix-cli $version" ] || fail "korbanix-cli --version"
[ "$("$root/usr/bin/korbanix" --version)" = "korbanix $version" ] || fail "korbanix --version"
check_desktop_files "$root/usr"

command -v xvfb-run > /dev/null || fail "xvfb-run is not installed"
clip="$work/packaged clip.mp4"
make_clip "$clip"
# Nothing is written into the package's folders, so removing it leaves nothing.
check_open_with "$root/usr" "$clip"
check_installed_language "$root/usr" "$clip"
echo "package ok: $deb"
