#!/bin/sh
# Starts the program (64-bit build, built by tools/build.sh) on a fresh virtual display, waits for its
# window and saves a screenshot of the screen.
# Usage: tools/screenshot.sh [out.png]   (build/screenshot.png by default)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$top/build/screenshot.png}
. "$top/tools/virtual-display.sh"
start_virtual_display
wine="$top/build/x86_64/wine-run.sh"
"$wine" --start
"$wine" "$top/build/x86_64/app/Pantrove.exe" >/dev/null 2>&1 &
tries=0
until xwininfo -root -tree 2>/dev/null | grep -q 'PantroveV1.1'; do
    tries=$((tries + 1))
    [ $tries -lt 300 ] || { echo "the window did not appear" >&2; "$wine" --stop; exit 1; }
    sleep 0.1
done
sleep "${SCREENSHOT_SETTLE:-2}"      # let the window paint and the start-up tasks finish
import -window root -crop 700x450+0+0 "$out"
"$wine" --stop
echo "wrote $out"
