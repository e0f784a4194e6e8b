#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; then the Qt-free core and its
# tests again under AddressSanitizer and UndefinedBehaviorSanitizer, and each fuzz target for a
# bounded time (FUZZ_SECONDS, default 60) from a fixed seed (FUZZ_SEED, default 1), so that a run
# can be repeated. Any failure, sanitizer report or fuzz finding fails.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
tarvolin_install_packages

BUILD_DIR=${BUILD_DIR:-build}
tarvolin_build "$BUILD_DIR"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$BUILD_DIR" --output-on-failure -j2

SANITIZE_DIR=${SANITIZE_DIR:-build-asan}
tarvolin_build_sanitized "$SANITIZE_DIR"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$SANITIZE_DIR" --output-on-failure -j2

FUZZ_DIR=${FUZZ_BUILD_DIR:-build-fuzz}
mkdir -p "$FUZZ_DIR"
for target in "${TARVOLIN_FUZZ_TARGETS[@]}"; do
  log="$FUZZ_DIR/$target.log"
  if scripts/fuzz.sh "$target" "${FUZZ_SECONDS:-60}" -seed="${FUZZ_SEED:-1}" >"$log" 2>&1; then
    echo "fuzz $target: $(grep -m1 '^stat::number_of_executed_units' "$log"), no finding"
  else
    tail -n 40 "$log"
    echo "fuzz $target: a finding, the input is in $FUZZ_DIR/findings"
    exit 1
  fi
done
