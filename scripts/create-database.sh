#!/bin/bash
# Creates a venue database exactly as the maintenance tool assembles it:
# comment head, USE mysql, CREATE DATABASE, USE, the table script, the
# procedure script and the version row, run through the mariadb client.
#   scripts/create-database.sh NAME [SQLDIR]
# The server comes from OVIX_TEST_DB_* (see db-start.sh). With
# OVIX_PRINT_ONLY=1 the script is printed instead of run.
set -euo pipefail

NAME=${1:?usage: create-database.sh NAME [SQLDIR]}
SQLDIR=${2:-$(cd "$(dirname "$0")/../database" && pwd)}
VERSION=23.0.0.67

assemble() {
    printf '/*\n'
    printf 'Ovix.Net beléptető rendszer - új adatbázis létrehozása\n'
    printf '(c) Ovix fejlesztők, minden jog fenntartva\n'
    printf '*/\n\n'
    printf 'USE mysql;\n\n'
    printf 'CREATE DATABASE %s CHARACTER SET latin2 COLLATE latin2_hungarian_ci;\n\n' "$NAME"
    printf 'USE %s;\n\n' "$NAME"
    cat "$SQLDIR/Ovix.sql"
    cat "$SQLDIR/Ovix_proc.sql"
    printf "INSERT INTO verzio (verzio) VALUES ('%s');\n" "$VERSION"
}

if [ "${OVIX_PRINT_ONLY:-0}" = 1 ]; then
    assemble
    exit 0
fi

: "${OVIX_TEST_DB_PORT:?OVIX_TEST_DB_PORT is not set: start the server with scripts/db-start.sh}"
assemble | mariadb --no-defaults --default-character-set=utf8mb4 \
    -h "${OVIX_TEST_DB_HOST:-127.0.0.1}" -P "$OVIX_TEST_DB_PORT" \
    -u "${OVIX_TEST_DB_USER:-ovix}" -p"${OVIX_TEST_DB_PASSWORD:-}"
