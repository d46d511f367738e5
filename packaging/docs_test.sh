#!/usr/bin/env bash
# The man pages and the bash completion against the programs they describe:
# every command and option that --help lists is in the man page, both programs'
# --version and the man pages carry the project version, the pages format
# without a warning, and the completion offers the commands, every option of
# convert, the profile numbers, the preset codes, quoted settings texts, folders
# and files.
#   docs_test.sh SOURCE-DIR KORBANIX-CLI KORBANIX MAN-FOLDER VERSION
set -euo pipefail
source=$1
cli=$2
gui=$3
man=$4
version=$5
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One version everywhere.
[ "$("$cli" --version)" = "korbanix-cli $version" ] || fail "korbanix-cli --version: $("$cli" --version)"
[ "$("$gui" --version)" = "korbanix $version" ] || fail "korbanix --version: $("$gui" --version)"
for page in korbanix korbanix-cli; do
  grep -q "^\.TH .* \"Korbanix $version\"" "$man/$page.1" || fail "$page.1 does not name version $version"
done
release=$(grep -o '<release version="[^"]*"' "$source/packaging/org.korbanix.Korbanix.metainfo.xml" | head -n 1)
[ "$release" = "<release version=\"$version\"" ] || fail "newest metainfo release is not $version: $release"
head -n 1 "$source/packaging/debian/changelog" | grep -q "^korbanix ($version) " || fail "changelog does not start with $version"

# Both pages format cleanly, as lintian checks them.
for page in korbanix korbanix-cli; do
  LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$man/$page.1" \
    > /dev/null 2> "$work/warnings.txt" || fail "man cannot format $page.1"
  [ ! -s "$work/warnings.txt" ] || { cat "$work/warnings.txt"; fail "$page.1 has formatting warnings"; }
done

# Every word of --help that names an option or a command has its own entry in
# the man page (read with a minus for its "\-").
sed 's/\\-/-/g' "$man/korbanix-cli.1" > "$work/cli.1"
sed 's/\\-/-/g' "$man/korbanix.1" > "$work/gui.1"
sed -n '/^\.SH EXIT STATUS/,/^\.SH/p' "$work/cli.1" > "$work/status.1"
# The entries: each line that follows a ".TP".
awk 'tag { print; tag = 0 } /^\.TP/ { tag = 1 }' "$work/cli.1" > "$work/cli-entries.1"
awk 'tag { print; tag = 0 } /^\.TP/ { tag = 1 }' "$work/gui.1" > "$work/gui-entries.1"
"$cli" --help > "$work/help.txt"
options=$(grep -o -- '--[a-z][a-z-]*' "$work/help.txt" | sort -u)
[ "$(echo "$options" | wc -l)" -ge 15 ] || fail "too few options found in --help"
for word in $options; do
  grep -Eq -- "(^| )$word( |,|$)" "$work/cli-entries.1" || fail "korbanix-cli.1 does not describe $word"
done
for command in profiles presets probe convert watch; do
  grep -q "korbanix-cli $command" "$work/help.txt" || fail "--help lost the command $command"
  grep -q "^\.B.* $command\b" "$work/cli.1" || fail "korbanix-cli.1 has no entry for $command"
done
for status in $(sed -n '/^Exit status/,$p' "$work/help.txt" | grep -o '\b[0-9][0-9]* [a-z]' | cut -d' ' -f1) 0 1 2 130; do
  grep -qx "\.B $status" "$work/status.1" || fail "exit status $status not in korbanix-cli.1"
done
grep -q 'Completed<TAB>source<TAB>output' "$work/help.txt" || fail "--help lost the result line"
grep -q '\\fBCompleted\\fR<TAB>\\fIsource\\fR<TAB>\\fIoutput' "$man/korbanix-cli.1" || fail "korbanix-cli.1 lacks the result line"
"$gui" --help > "$work/gui-help.txt"
for word in $(grep -o -- '--[a-z][a-z-]*' "$work/gui-help.txt" | sort -u); do
  grep -Eq -- "(^| )$word( |,|$)" "$work/gui-entries.1" || fail "korbanix.1 does not describe $word"
done

# The completion, called as bash calls it: complete LINE prints one candidate a line.
completion=$source/packaging/completion/korbanix-cli
complete_line() {
  COMP_LINE=$1 bash -c '
    source "$1"
    read -ra COMP_WORDS <<< "$COMP_LINE"
    [[ $COMP_LINE == *" " ]] && COMP_WORDS+=("")
    COMP_WORDS[0]=$2
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _korbanix_cli
    printf "%s\n" "${COMPREPLY[@]}"' sh "$completion" "$cli"
}
expect() {  # expect LINE CANDIDATE...: each candidate is offered
  local line=$1 offered
  shift
  offered=$(complete_line "$line")
  for want in "$@"; do
    grep -qxF -- "$want" <<< "$offered" || fail "completing '$line' does not offer '$want' (offers: $(echo $offered))"
  done
}
refuse() {  # refuse LINE CANDIDATE: the candidate is not offered
  ! complete_line "$1" | grep -qxF -- "$2" || fail "completing '$1' offers '$2'"
}
expect "korbanix-cli " profiles presets probe convert watch --help --version
expect "korbanix-cli con" convert
refuse "korbanix-cli con" profiles
expect "korbanix-cli convert --" $(sed -n '/^Options of convert:/,/^$/s/^ *\(--[a-z][a-z-]*\).*/\1/p' "$work/help.txt")
expect "korbanix-cli watch --" --keep-tree --skip-done --no-recursive --output
expect "korbanix-cli convert --profile " $(seq 0 15)
expect "korbanix-cli convert --profile 1" 1 10 15
refuse "korbanix-cli convert --profile 1" 2
expect "korbanix-cli convert --profile =" 0 15  # "--profile=": bash splits at "="
expect "korbanix-cli convert --profile = 1" 1 15
expect "korbanix-cli presets " 91200 90110
expect "korbanix-cli convert --frame-rate 29" '29.97\ fps'
expect "korbanix-cli convert --channels 5" '5.1\ Channel'
expect "korbanix-cli convert --video-encoder H." H.264 H.263
expect "korbanix-cli convert --size 720" '720\*480'
mkdir -p "$work/media/sub folder"
touch "$work/media/clip one.mkv"
expect "korbanix-cli convert --output $work/media/s" "$work/media/sub folder"
refuse "korbanix-cli convert --output $work/media/c" "$work/media/clip one.mkv"
expect "korbanix-cli probe $work/media/c" "$work/media/clip one.mkv"
expect "korbanix-cli convert --profile 3 $work/media/c" "$work/media/clip one.mkv"
refuse "korbanix-cli convert -- --pro" --profile
refuse "korbanix-cli profiles " convert
echo "man pages and completion agree with $("$cli" --version)"
