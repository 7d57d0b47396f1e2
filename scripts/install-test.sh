#!/usr/bin/env bash
# Builds the Debian package (scripts/package.sh) and checks it the way a player's machine
# meets it: unpacked with `dpkg -x` into a scratch root, the program there tells its
# version, finds its installed data from any folder and a data folder named by --data,
# and starts and closes by itself under Xvfb and offscreen; lintian, appstreamcli and
# desktop-file-validate accept the package and its files.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/package.sh

fail() {
  echo "install test: $*" >&2
  exit 1
}

version=$(sed -n 's/^project(quenna2 VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
deb=quenna2_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "scripts/package.sh made no $deb"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "$deb is not version $version"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root
dpkg -x "$deb" "$root"
program=$root/usr/games/quenna2
id=org.quenna2.Quenna2

echo "== What the package installs"
for file in usr/games/quenna2 usr/share/quenna2/data/2grdata. usr/share/quenna2/data/ORNH.HLP \
  "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
  usr/share/man/man6/quenna2.6.gz usr/share/doc/quenna2/copyright \
  usr/share/doc/quenna2/changelog.gz; do
  [ -f "$root/$file" ] || fail "the package has no /$file"
done
for size in 16 22 24 32 48 64 128 256; do
  icon=usr/share/icons/hicolor/${size}x${size}/apps/quenna2.png
  file "$root/$icon" | grep -q "PNG image data, $size x $size" ||
    fail "/$icon is not a $size x $size picture"
done
file "$program" | grep -q ", stripped" || fail "the program is not stripped"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$id.metainfo.xml" ||
  fail "the AppStream file names no release $version"
zcat "$root/usr/share/man/man6/quenna2.6.gz" | grep -q "\"quenna2 $version\"" ||
  fail "the manual page is not the one of version $version"
echo "ok"

echo "== The command line, with no display at all"
output=$(env -i PATH=/usr/bin:/bin "$program" --version)
[ "$output" = "quenna2 $version" ] || fail "--version printed \"$output\""
env -i PATH=/usr/bin:/bin "$program" --help | grep -q -- "--windowed" || fail "--help names no --windowed"
status=0
env -i PATH=/usr/bin:/bin "$program" --no-such-option 2>"$scratch/refused" || status=$?
[ "$status" -eq 2 ] || fail "an unknown option ended with status $status, not 2"
grep -q "Unknown option 'no-such-option'" "$scratch/refused" || fail "an unknown option was not named"
mkdir "$scratch/empty"
status=0
"$program" --data "$scratch/empty" 2>"$scratch/refused" || status=$?
[ "$status" -eq 2 ] || fail "--data with an empty folder ended with status $status, not 2"
grep -q "holds no game data" "$scratch/refused" || fail "--data with an empty folder said no why"
echo "ok"

# Starts the game, which must close by itself once its title screen is up (see the manual
# page, ENVIRONMENT): start_game <folder to start in> <command...>. A game that cannot find
# its data shows a message box and waits, so it runs out of time and fails.
start_game() {
  local folder=$1
  shift
  mkdir -p "$scratch/home" "$scratch/runtime"
  chmod 700 "$scratch/runtime"
  (cd "$folder" && env -u XDG_DATA_HOME HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime" \
    SDL_AUDIODRIVER=dummy QUENNA2_QUIT_AFTER_START=1 timeout 60 "$@") ||
    fail "the game did not start and close by itself: $* (status $?)"
}

echo "== The installed game, started from another folder, offscreen"
start_game "$scratch/empty" env QT_QPA_PLATFORM=offscreen "$program"
[ -d "$scratch/home/.local/share/quenna2" ] || fail "the game made no player's folder"
echo "ok"

echo "== The menu entry's command under Xvfb, full screen and --windowed"
command=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/$id.desktop")
start_game "$scratch/empty" env PATH="$root/usr/games:$PATH" \
  xvfb-run -a -s "-screen 0 1024x768x24" $command
start_game "$scratch/empty" xvfb-run -a -s "-screen 0 1920x1080x24" "$program" --windowed
echo "ok"

echo "== A program with no data beside it, given its data with --data"
mkdir "$scratch/lonely"
cp "$program" "$scratch/lonely/"
start_game "$scratch/empty" env QT_QPA_PLATFORM=offscreen \
  "$scratch/lonely/quenna2" --data "$root/usr/share/quenna2/data"
echo "ok"

echo "== The desktop entry, the AppStream file and the manual page"
desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
  "$root/usr/share/man/man6/quenna2.6.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page has mistakes: $warnings"
echo "ok"

echo "== lintian (no errors; its other remarks are listed)"
status=0
lintian --fail-on error --display-info --pedantic "$deb" >"$scratch/lintian" 2>&1 || status=$?
grep -v "running with root privileges" "$scratch/lintian" || true
[ "$status" -eq 0 ] || fail "lintian found errors in $deb"
echo "ok"

echo "install test: $deb installs and starts"
