#!/bin/sh
# Builds everything and starts the program under wine64. The 32-bit product cannot run on this machine's
# kernel, so the 64-bit build of the same sources runs. Uses $DISPLAY when set, otherwise a virtual display.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/install-deps.sh"
"$top/tools/build.sh"
if [ -z "${DISPLAY:-}" ]; then
    . "$top/tools/virtual-display.sh"
    start_virtual_display
    echo "No DISPLAY: the program runs on the virtual display $DISPLAY."
    echo "See it with: DISPLAY=$DISPLAY import -window root shot.png   (or tools/screenshot.sh shot.png)"
fi
wine="$top/build/x86_64/wine-run.sh"
"$wine" --stop                       # a server of another display would keep its desktop
echo "Product (32-bit): $top/build/i686/app/Pantrove.exe"
echo "Running $top/build/x86_64/app/Pantrove.exe on $DISPLAY; close its window (or Ctrl+C) to stop."
status=0
"$wine" "$top/build/x86_64/app/Pantrove.exe" || status=$?
"$wine" --stop
exit $status
