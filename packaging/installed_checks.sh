# Checks of an installed tree that install_test.sh (a prefix from cmake --install)
# and deb_test.sh (the package unpacked into a throwaway root) share. Sourced: the
# sourcing script defines fail MESSAGE and $work, a scratch folder.

# check_installed_files PREFIX: every installed file at its place, the programs
# executable, the icon a PNG of the named size in every hicolor folder we fill
# (measured by an independent reader) and a scalable SVG.
check_installed_files() {
  local prefix=$1 f size icon dims
  for f in bin/korbanix bin/korbanix-cli share/korbanix/help.html share/man/man1/korbanix.1.gz \
           share/man/man1/korbanix-cli.1.gz share/bash-completion/completions/korbanix-cli \
           share/doc/korbanix/copyright share/doc/korbanix/changelog.gz \
           share/applications/org.korbanix.Korbanix.desktop share/metainfo/org.korbanix.Korbanix.metainfo.xml \
           share/icons/hicolor/scalable/apps/korbanix.svg; do
    test -s "$prefix/$f" || fail "missing $f"
  done
  test -x "$prefix/bin/korbanix" && test -x "$prefix/bin/korbanix-cli" || fail "programs not executable"
  # Each shipped language: the compiled translation and its own help page.
  for language in de fr es it pt_BR ru pl ja zh_CN ko; do
    for f in share/korbanix/translations/korbanix_$language.qm share/korbanix/help_$language.html; do
      test -s "$prefix/$f" || fail "missing $f"
    done
  done
  for size in 16 24 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/korbanix.png"
    test -s "$icon" || fail "missing $icon"
    dims=$(ffprobe -v error -show_entries stream=width,height -of csv=p=0 "$icon")
    [ "$dims" = "$size,$size" ] || fail "$icon is $dims"
  done
}

# check_desktop_files PREFIX: the desktop entry and the metainfo pass their
# validators (scripts/ensure-deps installs both).
check_desktop_files() {
  desktop-file-validate "$1/share/applications/org.korbanix.Korbanix.desktop" || fail "desktop-file-validate"
  appstreamcli validate --no-net "$1/share/metainfo/org.korbanix.Korbanix.metainfo.xml" > "$work/appstream.txt" 2>&1 \
    || { cat "$work/appstream.txt"; fail "appstreamcli validate"; }
}

# make_clip PATH: a one-second clip with sound to open.
make_clip() {
  ffmpeg -nostdin -v error -y -f lavfi -i testsrc2=size=96x64:rate=25 -f lavfi -i sine=sample_rate=44100 -t 1 \
    -c:v mpeg4 -c:a aac "$1"
}

# check_open_with PREFIX CLIP: the installed korbanix started under Xvfb with a
# file, as "Open with" in a file manager does, makes it a task and shows its
# window; its default output folder is made in the user's Videos folder ($HOME is
# the caller's), and nothing is written beside the program.
check_open_with() {
  local prefix=$1 clip=$2
  KORBANIX_SCREENSHOT="$work/shot.png" QT_QPA_PLATFORM=xcb \
    timeout 120 xvfb-run -a -s "-screen 0 1024x700x24" "$prefix/bin/korbanix" "$clip" \
    > "$work/stdout.txt" 2> "$work/stderr.txt" || { cat "$work/stderr.txt"; fail "installed korbanix"; }
  grep -q "^task 0: $clip |" "$work/stdout.txt" || { cat "$work/stdout.txt"; fail "file argument not added"; }
  test -s "$work/shot.png" || fail "no screenshot of the installed window"
  test -d "$HOME/Videos/OutPut" || fail "no default output folder in the user's Videos folder"
  [ "$(ls -A "$prefix/bin")" = "$(printf 'korbanix\nkorbanix-cli')" ] || fail "written beside the program: $(ls -A "$prefix/bin")"
}

# check_installed_language PREFIX CLIP: under a German desktop the installed window
# finds its compiled translation (the new task's status is German).
check_installed_language() {
  local prefix=$1 clip=$2
  LANGUAGE= LC_ALL= LC_MESSAGES= LANG=de_DE.UTF-8 KORBANIX_SCREENSHOT="$work/shot-de.png" QT_QPA_PLATFORM=xcb \
    timeout 120 xvfb-run -a -s "-screen 0 1024x700x24" "$prefix/bin/korbanix" --no-restore "$clip" \
    > "$work/stdout-de.txt" 2> "$work/stderr-de.txt" || { cat "$work/stderr-de.txt"; fail "installed korbanix in German"; }
  grep -q "^task 0: .*| *Bereit | unchecked$\|^task 0: .*| *Bereit | checked$" "$work/stdout-de.txt" \
    || { cat "$work/stdout-de.txt"; fail "the installed window does not speak German"; }
}
