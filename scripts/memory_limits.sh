#!/usr/bin/env bash
# Runs the programs under address-space limits (ulimit -v) and prints one row per limit.
#   scripts/memory_limits.sh [BUILD_DIR] [FROM_MB] [TO_MB] [STEP_MB]   (build 60 600 10)
# The window runs need an X display (DISPLAY); without one their columns read "-".
# Each cell: 0 (exit 0), 1m/2m (exit 1 or 2 with a message naming an amount in MB), 2f (exit 2
# with a file message: the missing and the junk project), shown (the window was mapped and its
# thread waited for events within 2 s, then it was ended), LD (the dynamic loader gave up: 127), HANG (no
# end within the timeout, or a window mapped whose thread does not wait for events), SIGn (a
# crash), or the bare exit status for anything else.
set -uo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
FROM=${2:-60}
TO=${3:-600}
STEP=${4:-10}
CALC=$(realpath "$BUILD/cli/tarvolin4-calc")
APP=$(realpath "$BUILD/app/tarvolin4")
SCRATCH=$(mktemp -d /tmp/tv_memory_limits_XXXXXX)
trap 'rm -rf "$SCRATCH"' EXIT
head -c 3000 /dev/urandom >"$SCRATCH/junk.tv4"
BIG=bench/data/aircraft3000.tv4

# A cell for a finished run: its status and its standard error.
cell() {
  local status=$1 err=$2
  case $status in
    0) echo 0 ;;
    124) echo HANG ;;
    127) echo LD ;;
    1 | 2) if grep -q '[0-9] MB' "$err"; then echo "${status}m"; elif [ "$status" = 2 ] && [ -s "$err" ]; then echo 2f; else echo "$status"; fi ;;
    *) if [ "$status" -gt 128 ]; then echo "SIG$((status - 128))"; else echo "$status"; fi ;;
  esac
}

run() { # limit_kb command...
  local kb=$1
  shift
  (ulimit -v "$kb"; exec timeout -s KILL 20 "$@") >/dev/null 2>"$SCRATCH/err"
  local status=$?
  [ $status = 137 ] && status=124
  cell $status "$SCRATCH/err"
}

# The window, in a folder of its own whose settings switch the live result on or off; "nobus"
# gives it a desktop bus address that leads nowhere, "bus" leaves the variable unset (the bus
# library then starts one through a fork).
window() { # limit_kb live(0|1) bus(nobus|unset)
  [ -n "${DISPLAY:-}" ] || { echo -; return; }
  local kb=$1 live=$2 bus=$3 dir="$SCRATCH/w$2$3"
  mkdir -p "$dir"
  printf 'e\r\n900\r\n700\r\n0\r\n0\r\n%s' "$([ "$live" = 1 ] && printf '1\r\n')" >"$dir/Default.pa4"
  (
    cd "$dir" || exit 3
    ulimit -v "$kb"
    if [ "$bus" = unset ]; then unset DBUS_SESSION_BUS_ADDRESS; else export DBUS_SESSION_BUS_ADDRESS="unix:path=$dir/no-bus"; fi
    exec env HOME="$dir" XDG_CONFIG_HOME="$dir/config" XDG_DATA_HOME="$dir/data" "$APP"
  ) >/dev/null 2>"$SCRATCH/err" &
  local pid=$! waited=0 state=HANG
  while [ $waited -lt 100 ]; do # 10 s
    if ! kill -0 $pid 2>/dev/null; then
      wait $pid
      cell $? "$SCRATCH/err"
      return
    fi
    if xwininfo -root -tree 2>/dev/null | grep -q '" Tarvolin4  V'; then
      sleep 1.5 # the live result is calculated, the window painted
      local call sample
      for sample in 1 2 3 4 5 6 7 8 9 10; do
        call=$(cut -d' ' -f1 /proc/$pid/syscall 2>/dev/null)
        # poll (7) or ppoll (271): the window's thread waits for events
        if [ "$call" = 7 ] || [ "$call" = 271 ]; then state=shown; break; fi
        sleep 0.2
      done
      break
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  kill -KILL $pid 2>/dev/null
  wait $pid 2>/dev/null
  echo $state
}

printf '%-5s %-8s %-8s %-8s %-8s %-8s %-8s %-8s %-8s %-8s %-8s %-8s %-8s\n' MB calc-miss calc-junk calc-def calc-3000 \
  pdf-miss pdf-junk pdf-def pdf-3000 win-bus win-nobus live-bus live-nobus
for ((mb = FROM; mb <= TO; mb += STEP)); do
  kb=$((mb * 1024))
  pdf="$SCRATCH/out.pdf"
  printf '%-5s %-8s %-8s %-8s %-8s %-8s %-8s %-8s %-8s %-8s %-8s %-8s %-8s\n' "$mb" \
    "$(run $kb "$CALC" "$SCRATCH/missing.tv4")" "$(run $kb "$CALC" "$SCRATCH/junk.tv4")" \
    "$(run $kb "$CALC")" "$(run $kb "$CALC" "$BIG")" \
    "$(run $kb env QT_QPA_PLATFORM=offscreen "$APP" --pdf "$pdf" "$SCRATCH/missing.tv4")" \
    "$(run $kb env QT_QPA_PLATFORM=offscreen "$APP" --pdf "$pdf" "$SCRATCH/junk.tv4")" \
    "$(run $kb env QT_QPA_PLATFORM=offscreen "$APP" --pdf "$pdf")" \
    "$(run $kb env QT_QPA_PLATFORM=offscreen "$APP" --pdf "$pdf" "$BIG")" \
    "$(window $kb 0 unset)" "$(window $kb 0 nobus)" "$(window $kb 1 unset)" "$(window $kb 1 nobus)"
done
