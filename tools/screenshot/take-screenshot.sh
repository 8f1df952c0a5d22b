#!/usr/bin/env bash
# Takes a picture of the real Tavrel window: starts the program under a virtual X server
# (xvfb-run), waits until its window is there and the preview picture has faded in, and saves
# the window's pixels (cut from the screen with ImageMagick's import) as a PNG.
#
#   tools/screenshot/take-screenshot.sh [program] [picture.png] [video ...]
#
# program is the built build/tavrel (the default) or an installed one (/usr/bin/tavrel,
# <prefix>/bin/tavrel); the picture defaults to help/tavrel-window.png, which the help page and
# the README show. The program runs in a fresh, empty home folder with a fixed name
# ($TMPDIR/tavrel-screenshot, removed afterwards), so nobody's own settings (output directory,
# stored version, saved list) appear in the picture and the output directory it shows is the same each time.
# Videos given after the picture are opened by the program, as a file manager's "Open with"
# does, so the picture shows them in the list.
# TAVREL_SCREENSHOT_SETTLE: seconds between the window's appearance and the picture (default 8;
# the preview picture takes about 5 s to fade in).
#
# Needs xvfb and xauth (xvfb-run), x11-utils (xwininfo) and imagemagick (import, convert). Only
# this tool uses the last two, so tools/setup-debian.sh leaves them out:
#   apt-get install xvfb xauth x11-utils imagemagick
set -euo pipefail

if [ "${1:-}" != "--inside-xvfb" ]; then
    program=${1:-build/tavrel}
    picture=${2:-help/tavrel-window.png}
    if [[ "$program" != */* ]]; then
        program=$(command -v "$program")
    fi
    # Absolute paths, the program's link left as it is: the program must find its folder itself.
    program="$(cd "$(dirname "$program")" && pwd)/$(basename "$program")"
    picture="$(cd "$(dirname "$picture")" && pwd)/$(basename "$picture")"
    [ -x "$program" ] || { echo "not a program: $program" >&2; exit 2; }
    videos=()
    for video in "${@:3}"; do
        videos+=("$(cd "$(dirname "$video")" && pwd)/$(basename "$video")")
    done
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside-xvfb "$program" "$picture" \
        "${videos[@]}"
fi

program=$2
picture=$3
videos=("${@:4}")
settle=${TAVREL_SCREENSHOT_SETTLE:-8}
home="${TMPDIR:-/tmp}/tavrel-screenshot"
# mkdir fails when the folder exists: never reuse (or follow) something already there.
mkdir -m 700 "$home" || { echo "$home exists; remove it first" >&2; exit 1; }
pid=
cleanup() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$home"
}
trap cleanup EXIT

mkdir -p "$home/Videos"
# Its own data and runtime folders too: no saved list of anyone's, and no running Tavrel window
# takes its videos.
mkdir -m 700 "$home/run"
(cd "$home" && HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    XDG_RUNTIME_DIR="$home/run" exec "$program" "${videos[@]}") &
pid=$!

# The top-level window's caption is "Tavrel V<version>".
window=
for _ in $(seq 1 300); do
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "the program ended before its window appeared" >&2
        exit 1
    fi
    window=$(xwininfo -root -tree | awk '/"Tavrel V[^"]*"/ { print $1; exit }')
    if [ -n "$window" ] && xwininfo -id "$window" | grep -q "Map State: IsViewable"; then
        break
    fi
    window=
    sleep 0.1
done
[ -n "$window" ] || { echo "no Tavrel window after 30 s" >&2; exit 1; }
sleep "$settle"

info=$(xwininfo -id "$window")
field() { awk -F: -v name="$1" '$1 ~ name { gsub(/ /, "", $2); print $2 }' <<<"$info"; }
geometry="$(field Width)x$(field Height)"
geometry+="+$(field 'Absolute upper-left X')+$(field 'Absolute upper-left Y')"
import -window root -crop "$geometry" +repage png:- | convert - -strip "$picture"
echo "$picture: $geometry of window $window"
