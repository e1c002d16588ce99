#!/bin/sh
# Builds the test tree, shows the skin engine's gallery window (a control of every family the skin draws) on a
# virtual display and saves a screenshot of it.
# Usage: tools/gallery.sh [out.png]   (build/gallery.png by default)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$top/build/gallery.png}
"$top/tools/install-deps.sh"
"$top/tools/build.sh" x86_64
. "$top/tools/virtual-display.sh"
start_virtual_display
wine="$top/build/x86_64/wine-run.sh"
"$wine" --start
"$wine" "$top/build/x86_64/tests/gallery.exe" >/dev/null 2>&1 &
tries=0
until xwininfo -root -tree 2>/dev/null | grep -q 'Pantrove '; do
    tries=$((tries + 1))
    [ $tries -lt 300 ] || { echo "the gallery window did not appear" >&2; "$wine" --stop; exit 1; }
    sleep 0.1
done
sleep "${SCREENSHOT_SETTLE:-2}" # let the window and its controls paint
import -window root -crop 800x580+0+0 "$out"
"$wine" --stop
echo "wrote $out"
