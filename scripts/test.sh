#!/bin/bash
# Sets up everything on a fresh Debian 12 machine and runs every test against
# a private MariaDB server that lives only for this run.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${OVIX_BUILD_DIR:-$ROOT/build}
DBDIR=${OVIX_TEST_DB_DIR:-$ROOT/.ovix-db/test}

"$ROOT/scripts/install-deps.sh"
"$ROOT/scripts/build.sh" "$BUILD"

rm -rf "$DBDIR"
"$ROOT/scripts/db-start.sh" "$DBDIR"
trap '"$ROOT/scripts/db-stop.sh" "$DBDIR"' EXIT
# shellcheck disable=SC1091
. "$DBDIR/env"

export CI=${CI:-true}
export QT_QPA_PLATFORM=offscreen
cd "$BUILD"
ctest --output-on-failure -j2 "$@"
