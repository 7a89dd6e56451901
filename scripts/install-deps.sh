#!/bin/sh
# Installs the Debian 12 packages the build, the tests, the demo and the
# benchmarks need. One apt-get update, then only what is missing.
set -eu

PACKAGES="
build-essential cmake ninja-build ccache pkg-config git
qt6-base-dev qt6-base-dev-tools libqt6sql6-mysql qt6-5compat-dev
libqt6opengl6-dev libgl-dev
libmariadb-dev libqscintilla2-qt6-dev libzint-dev libquazip1-qt6-dev libcurl4-openssl-dev
mariadb-server mariadb-client
xauth xvfb zbar-tools
"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

if [ -z "$missing" ]; then
    echo "install-deps: everything is installed"
    exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

echo "install-deps: installing$missing"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing
