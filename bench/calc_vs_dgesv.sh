#!/usr/bin/env bash
# Times the batch calculator on the 3000-panel project against dgesv and reports its peak memory,
# and on the default aircraft against a process that only solves dgesv(1144).
#   bench/calc_vs_dgesv.sh [build-dir] [calculator arguments...]
# Needs the build's cli/tarvolin4-calc and bench/bench_calc_process.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-$here/../build}"
shift || true
calc="$build/cli/tarvolin4-calc"
runner="$build/bench/bench_calc_process"
for f in "$calc" "$runner"; do
  [ -x "$f" ] || { echo "missing $f: build the project first" >&2; exit 1; }
done
exec "$runner" "$calc" "$here/data/aircraft3000.tv4" "$@"
