#!/usr/bin/env bash
# The private PostgreSQL server of one test run: a fresh cluster in a temporary folder, on a free
# port of 127.0.0.1, trusting its one user "cvitest". Run as root (as CI does), the server runs as
# the "postgres" system user, since PostgreSQL refuses to run as root.
#
#   pg-server.sh start STATE   starts it and writes STATE/url, the connection text of its
#                              administration database (test programs read it)
#   pg-server.sh stop STATE    stops it and removes its folder
set -euo pipefail

action=${1:?start or stop}
state=${2:?state folder}
mkdir -p "$state"

bindir=${CVI_PG_BINDIR:-}
if [ -z "$bindir" ]; then
  for d in $(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V -r); do
    if [ -x "$d/initdb" ]; then bindir=$d; break; fi
  done
fi
[ -n "$bindir" ] || { echo "PostgreSQL server not installed (scripts/install-deps.sh installs it)" >&2; exit 1; }

as_server() {
  if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

stop_server() {
  if [ -f "$state/folder" ]; then
    folder=$(cat "$state/folder")
    if [ -d "$folder/data" ]; then
      as_server "$bindir/pg_ctl" -D "$folder/data" -m immediate -w stop >/dev/null 2>&1 || true
    fi
    rm -rf "$folder"
    rm -f "$state/folder" "$state/url"
  fi
}

free_port() {
  python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

case $action in
stop)
  stop_server
  ;;
start)
  stop_server # what an interrupted run may have left
  folder=$(mktemp -d /tmp/cvi-pgtest-XXXXXX)
  echo "$folder" >"$state/folder"
  [ "$(id -u)" -eq 0 ] && chown postgres "$folder"
  as_server "$bindir/initdb" -D "$folder/data" -U cvitest --auth=trust -E UTF8 --locale=C.UTF-8 \
    >"$folder/initdb.log" 2>&1 || { cat "$folder/initdb.log" >&2; exit 1; }
  # Another server may take the port between the look-up and the start: try a few.
  for attempt in 1 2 3 4 5; do
    port=$(free_port)
    if as_server "$bindir/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w -t 60 \
      -o "-p $port -k $folder -c listen_addresses=127.0.0.1 -c fsync=off -c synchronous_commit=off -c full_page_writes=off -c max_connections=200" \
      start >/dev/null; then
      echo "postgresql://cvitest@127.0.0.1:$port/postgres" >"$state/url"
      echo "PostgreSQL test server on port $port ($folder)"
      exit 0
    fi
  done
  cat "$folder/server.log" >&2
  exit 1
  ;;
*)
  echo "unknown action $action" >&2
  exit 2
  ;;
esac
