#!/bin/bash
# Stops the private server that db-start.sh started in DIR, by its pid.
set -euo pipefail
DIR=${1:?usage: db-stop.sh DIR}
PIDFILE="$DIR/mysqld.pid"
[ -f "$PIDFILE" ] || exit 0
PID=$(cat "$PIDFILE")
if kill -TERM "$PID" 2>/dev/null; then
    for _ in $(seq 1 300); do
        kill -0 "$PID" 2>/dev/null || break
        sleep 0.1
    done
fi
rm -f "$DIR/env"
