#!/bin/sh
# Configures and builds the three trees under build/:
#   build/i686     the product, Pantrove.exe for 32-bit Windows
#   build/x86_64   the same sources and the tests, run under wine64
#   build/native   the window-free code and its tests, with AddressSanitizer and UBSan
# Usage: tools/build.sh [i686|x86_64|native ...]   (all three when none is named)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)
trees=${*:-"i686 x86_64 native"}
for tree in $trees; do
    dir="$top/build/$tree"
    case "$tree" in
        i686)   set -- -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release ;;
        x86_64) set -- -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release ;;
        native) set -- -DPANTROVE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug ;;
        *) echo "unknown tree: $tree" >&2; exit 2 ;;
    esac
    echo "== building $tree"
    cmake -S "$top" -B "$dir" "$@" >/dev/null
    if [ "$tree" = x86_64 ]; then
        # Test discovery runs the test programs under wine while building: a persistent server started
        # here keeps its daemons off the build's output pipe.
        "$dir/wine-run.sh" --start
    fi
    cmake --build "$dir" -j "$jobs" -- --no-print-directory
done
