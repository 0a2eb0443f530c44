#!/usr/bin/env bash
# Many counters selling into one shop at the same moment, then counters killed in the middle of a
# sale. Run by hand after a build (a minute or two); the suite runs a small version of it.
#
#   scripts/stress-counters.sh [DATABASE] [--processes 8] [--sales 10000] [--kills 100] [--build DIR]
#
# DATABASE is named as the program names it: a file (made as a demo shop when it does not exist) or
# a server's connection text (a shop already: cvi-zelto --create-database URL --demo). A cash
# session is opened when none is.
#  1. PROCESSES counters sell SALES sales in all, at once; then `cvi-zelto --check` must find no
#     problem and every sale a counter reported stored must be there, once, with all its lines,
#     and each product's stock must be its starting stock less what the stored sales took.
#  2. KILLS times a selling counter is killed with SIGKILL at a random moment and started again;
#     after each kill the file must open and `--check` must find no problem.
#  3. One counter meets a database held longer than it waits: it says so, waits and sells.
set -euo pipefail

processes=8
sales=10000
kills=100
build="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build"
database=""
while [ $# -gt 0 ]; do
  case "$1" in
    --processes) processes="$2"; shift 2 ;;
    --sales) sales="$2"; shift 2 ;;
    --kills) kills="$2"; shift 2 ;;
    --build) build="$2"; shift 2 ;;
    -h|--help) sed -n '2,16p' "$0"; exit 0 ;;
    *) database="$1"; shift ;;
  esac
done

program="$build/cvi-zelto"
counter="$build/cvi-counter"
for p in "$program" "$counter"; do
  [ -x "$p" ] || { echo "falta $p: compile primero (make build)" >&2; exit 2; }
done

work="$(mktemp -d "${TMPDIR:-/tmp}/stress-counters.XXXXXX")"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

if [ -z "$database" ]; then
  database="$work/tienda.sqlite"
fi
case "$database" in
  *://*) ;;
  *) [ -e "$database" ] || "$program" --create-database "$database" --demo >/dev/null ;;
esac
session="$("$counter" open "$database")"
echo "base: $database, caja $session"

failures=0
fail() { echo "FALLA: $*" >&2; failures=$((failures + 1)); }

# --check must open the file and find nothing; its last line says how many problems.
check() {
  local report status=0
  report="$("$program" --check "$database" 2>&1)" || status=$?
  if [ "$status" -ne 0 ] || [ "$(tail -n 1 <<<"$report")" != "0 problems" ]; then
    fail "--check tras $1 (salida $status):"
    echo "$report" | tail -n 20 >&2
    return 1
  fi
}

verify() {
  local snapshot="$1"; shift
  local report status=0
  report="$("$counter" verify "$database" "$snapshot" "$@")" || status=$?
  echo "  $(tail -n 1 <<<"$report")"
  if [ "$status" -ne 0 ]; then
    fail "verificacion de las ventas informadas:"
    echo "$report" | head -n 20 >&2
  fi
}

# 1. All counters at once.
"$counter" snapshot "$database" >"$work/before-1"
share=$((sales / processes))
start=$(date +%s%N)
for ((i = 1; i <= processes; i++)); do
  count=$share
  [ "$i" -eq 1 ] && count=$((share + sales - share * processes))
  "$counter" sell "$database" --count "$count" --seed "$i" --cashier "caja$i" \
    >"$work/sold-1-$i" 2>"$work/err-1-$i" &
  pids+=($!)
done
for ((i = 0; i < processes; i++)); do
  wait "${pids[$i]}" || fail "la caja $((i + 1)) termino con error: $(tail -n 3 "$work/err-1-$((i + 1))")"
done
pids=()
elapsed=$((($(date +%s%N) - start) / 1000000))
stored=$(cat "$work"/sold-1-* | wc -l)
echo "1. $processes cajas a la vez: $stored ventas informadas en $elapsed ms"
check "las ventas simultaneas" && echo "  --check: 0 problems"
verify "$work/before-1" "$work"/sold-1-*

# 2. Killed in the middle of a sale, again and again.
"$counter" snapshot "$database" >"$work/before-2"
stop="$work/stop"
declare -a running
run=0
start_counter() {
  run=$((run + 1))
  "$counter" sell "$database" --count 1000000 --seed "$((1000 + run))" --cashier "caja$1" --stop-file "$stop" \
    >"$work/sold-2-$run" 2>"$work/err-2-$run" &
  running[$1]=$!
}
for ((i = 1; i <= processes; i++)); do start_counter "$i"; done
survived=0
for ((k = 1; k <= kills; k++)); do
  sleep "0.$(printf '%02d' $((RANDOM % 40 + 5)))"
  victim=$((RANDOM % processes + 1))
  kill -9 "${running[$victim]}" 2>/dev/null || true
  wait "${running[$victim]}" 2>/dev/null || true
  # The others stand still while the check reads (wherever they are, even holding the database),
  # so the shop grows only between kills and every check reads about the same amount.
  for pid in "${running[@]}"; do kill -STOP "$pid" 2>/dev/null || true; done
  if check "la muerte $k"; then survived=$((survived + 1)); fi
  for pid in "${running[@]}"; do kill -CONT "$pid" 2>/dev/null || true; done
  start_counter "$victim"
done
touch "$stop"
for ((i = 1; i <= processes; i++)); do
  wait "${running[$i]}" || fail "la caja $i termino con error: $(tail -n 3 "$work"/err-2-* | tail -n 3)"
done
echo "2. $kills cajas matadas a mitad de una venta: $survived sobrevividas (el archivo abre y --check da 0 problems)"
check "el final de las muertes" || true
verify "$work/before-2" "$work"/sold-2-*

# 3. A database held longer than a counter waits.
"$counter" snapshot "$database" >"$work/before-3"
"$counter" hold "$database" 1.5 >"$work/hold" &
holder=$!
pids+=($holder)
while [ ! -s "$work/hold" ]; do sleep 0.05; done
"$counter" sell "$database" --count 3 --busy-timeout 300 --cashier espera >"$work/sold-3" 2>"$work/err-3" ||
  fail "la caja que espera termino con error: $(tail -n 3 "$work/err-3")"
wait "$holder" || true
pids=()
if grep -q "ocupada" "$work/err-3"; then
  echo "3. base ocupada: la caja lo dice y reintenta: $(head -n 1 "$work/err-3")"
else
  fail "la caja que espera no dijo que la base estaba ocupada"
fi
[ "$(wc -l <"$work/sold-3")" -eq 3 ] || fail "la caja que espera no guardo sus 3 ventas"
verify "$work/before-3" "$work/sold-3"

total=$(cat "$work"/sold-* | wc -l)
echo "ventas guardadas e informadas: $total; muertes sobrevividas: $survived de $kills; fallas: $failures"
[ "$failures" -eq 0 ] && [ "$survived" -eq "$kills" ]
