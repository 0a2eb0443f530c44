#!/usr/bin/env bash
# The private print system of one test run: a CUPS scheduler with its own configuration folder on
# a free port of 127.0.0.1, and one raw queue, "Rollo80", whose printer keeps every job it receives
# as a file (job-<id>.pdf), exactly as the program handed it over. The printer is a CUPS backend
# of our own ("keep"): CUPS's IPP test printer (ippeveprinter) will not start without a DNS-SD
# daemon, which a test machine does not run.
#
#   cups-server.sh start STATE   starts both and writes STATE/server (the scheduler's host:port,
#                                for CUPS_SERVER), STATE/queue (the queue's name) and STATE/jobs
#                                (the folder of the kept jobs)
#   cups-server.sh stop STATE    stops both and removes their folder
set -euo pipefail

action=${1:?start or stop}
state=${2:?state folder}
mkdir -p "$state"
queue=Rollo80

for tool in cupsd lpadmin; do
  command -v "$tool" >/dev/null || [ -x "/usr/sbin/$tool" ] ||
    { echo "$tool not installed (scripts/install-deps.sh installs it)" >&2; exit 1; }
done
PATH=$PATH:/usr/sbin

stop_all() {
  if [ -f "$state/folder" ]; then
    folder=$(cat "$state/folder")
    for pidfile in "$folder"/*.pid; do
      [ -f "$pidfile" ] || continue
      pid=$(cat "$pidfile")
      kill "$pid" 2>/dev/null || true
      for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
      kill -9 "$pid" 2>/dev/null || true
    done
    rm -rf "$folder"
    rm -f "$state/folder" "$state/server" "$state/queue" "$state/jobs"
  fi
}

free_port() {
  python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

wait_port() {
  for _ in $(seq 100); do
    python3 -c "import socket,sys; s=socket.socket(); sys.exit(s.connect_ex(('127.0.0.1', $1)))" && return 0
    sleep 0.1
  done
  return 1
}

case $action in
stop)
  stop_all
  ;;
start)
  stop_all # what an interrupted run may have left
  folder=$(mktemp -d /tmp/cvi-cupstest-XXXXXX)
  chmod 755 "$folder"
  echo "$folder" >"$state/folder"
  mkdir -p "$folder"/{etc,spool,tmp,cache,state,log,jobs}
  chmod 1777 "$folder/tmp"
  chmod 777 "$folder/jobs"

  # The scheduler's programs are the system's, plus the backend that keeps each job.
  bin=$folder/bin
  mkdir -p "$bin/backend"
  for part in /usr/lib/cups/*; do
    [ "$(basename "$part")" = backend ] || ln -s "$part" "$bin/"
  done
  for backend in /usr/lib/cups/backend/*; do ln -s "$backend" "$bin/backend/"; done
  cat >"$bin/backend/keep" <<'BACKEND'
#!/bin/sh
# keep:/folder - writes each job's document to /folder/job-<id>.pdf
if [ $# -eq 0 ]; then echo 'direct keep "Unknown" "Keeps each job"'; exit 0; fi
folder=${DEVICE_URI#keep:}
if [ $# -ge 6 ]; then cat "$6"; else cat; fi >"$folder/job-$1.tmp" && mv "$folder/job-$1.tmp" "$folder/job-$1.pdf"
BACKEND
  chmod 755 "$bin/backend/keep"

  port=$(free_port)
  cat >"$folder/etc/cupsd.conf" <<CONF
Listen 127.0.0.1:$port
LogLevel warn
Browsing Off
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
  cat >"$folder/etc/cups-files.conf" <<CONF
ServerRoot $folder/etc
RequestRoot $folder/spool
TempDir $folder/tmp
CacheDir $folder/cache
StateDir $folder/state
AccessLog $folder/log/access_log
ErrorLog $folder/log/error_log
PageLog $folder/log/page_log
ServerBin $bin
DataDir /usr/share/cups
SystemGroup $(id -gn)
CONF
  # Run by a developer rather than root, the scheduler and its backends run as that user.
  if [ "$(id -u)" -ne 0 ]; then
    printf 'User %s\nGroup %s\n' "$(id -un)" "$(id -gn)" >>"$folder/etc/cups-files.conf"
  fi
  cupsd -f -c "$folder/etc/cupsd.conf" -s "$folder/etc/cups-files.conf" >"$folder/log/cupsd.out" 2>&1 &
  echo $! >"$folder/cupsd.pid"
  wait_port "$port" || { cat "$folder/log/cupsd.out" "$folder/log/error_log" >&2 2>/dev/null; exit 1; }

  # A raw queue: the program's PDF reaches the printer unchanged, as the job it keeps.
  CUPS_SERVER=127.0.0.1:$port lpadmin -p "$queue" -E -v "keep:$folder/jobs" 2>"$folder/log/lpadmin.log" ||
    { cat "$folder/log/lpadmin.log" "$folder/log/error_log" >&2; exit 1; }
  echo "127.0.0.1:$port" >"$state/server"
  echo "$queue" >"$state/queue"
  echo "$folder/jobs" >"$state/jobs"
  echo "CUPS test scheduler on port $port ($folder)"
  ;;
*)
  echo "unknown action $action" >&2
  exit 2
  ;;
esac
