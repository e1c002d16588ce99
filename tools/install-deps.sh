#!/bin/sh
# Installs from Debian's packages what the builds, the tests and the program need, skipping what is present.
set -eu
packages="cmake make g++ git python3 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64
wine wine64 xvfb xauth x11-utils imagemagick fonts-wqy-microhei googletest libboost1.81-dev"
missing=""
for package in $packages; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing="$missing $package"
done
[ -z "$missing" ] && exit 0
echo "installing:$missing"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo apt-get update -qq
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
