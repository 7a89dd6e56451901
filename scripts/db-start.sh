#!/bin/bash
# Starts a private MariaDB server for the tests and the demo.
#   scripts/db-start.sh DIR
# DIR holds the data folder, socket, pid file, error log and "env", a file of
# shell exports (OVIX_TEST_DB_*) that the tests and the demo read.
# The machine's own MariaDB service and port 3306 are never touched.
set -euo pipefail

DIR=${1:?usage: db-start.sh DIR}
mkdir -p "$DIR"
DIR=$(cd "$DIR" && pwd)
DATA="$DIR/data"
SOCK="$DIR/mysqld.sock"
PIDFILE="$DIR/mysqld.pid"
USER_NAME=ovix
USER_PASS=ovix-test-pw
ME=$(id -un)

if [ -f "$PIDFILE" ] && kill -0 "$(cat "$PIDFILE")" 2>/dev/null; then
    echo "db-start: already running (pid $(cat "$PIDFILE"))"
    exit 0
fi

if [ ! -d "$DATA/mysql" ]; then
    mkdir -p "$DATA"
    mariadb-install-db --no-defaults --datadir="$DATA" --user="$ME" \
        --skip-test-db --auth-root-authentication-method=socket >"$DIR/install.log" 2>&1
fi

# A free port on the loopback address, away from 3306.
port_in_use() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }
PORT=${OVIX_DB_PORT:-}
if [ -z "$PORT" ]; then
    PORT=$((33100 + RANDOM % 2000))
    while port_in_use "$PORT"; do PORT=$((PORT + 1)); done
fi

mariadbd --no-defaults --datadir="$DATA" --socket="$SOCK" --port="$PORT" \
    --bind-address=127.0.0.1 --pid-file="$PIDFILE" --log-error="$DIR/error.log" \
    --user="$ME" --skip-name-resolve --innodb-buffer-pool-size=256M \
    --innodb-flush-log-at-trx-commit=2 --max-connections=200 >/dev/null 2>&1 &

for _ in $(seq 1 300); do
    if mariadb-admin --no-defaults --socket="$SOCK" -uroot ping >/dev/null 2>&1; then
        break
    fi
    sleep 0.1
done
if ! mariadb-admin --no-defaults --socket="$SOCK" -uroot ping >/dev/null 2>&1; then
    echo "db-start: the server did not answer; see $DIR/error.log" >&2
    tail -20 "$DIR/error.log" >&2 || true
    exit 1
fi

mariadb --no-defaults --socket="$SOCK" -uroot <<SQL
CREATE USER IF NOT EXISTS '$USER_NAME'@'127.0.0.1' IDENTIFIED BY '$USER_PASS';
CREATE USER IF NOT EXISTS '$USER_NAME'@'localhost' IDENTIFIED BY '$USER_PASS';
GRANT ALL PRIVILEGES ON *.* TO '$USER_NAME'@'127.0.0.1' WITH GRANT OPTION;
GRANT ALL PRIVILEGES ON *.* TO '$USER_NAME'@'localhost' WITH GRANT OPTION;
SET GLOBAL log_bin_trust_function_creators = 1;
FLUSH PRIVILEGES;
SQL

cat >"$DIR/env" <<ENV
export OVIX_TEST_DB_HOST=127.0.0.1
export OVIX_TEST_DB_PORT=$PORT
export OVIX_TEST_DB_USER=$USER_NAME
export OVIX_TEST_DB_PASSWORD=$USER_PASS
export OVIX_TEST_DB_SOCKET=$SOCK
ENV
echo "db-start: running on 127.0.0.1:$PORT (pid $(cat "$PIDFILE"))"
