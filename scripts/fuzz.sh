#!/usr/bin/env bash
# scripts/fuzz.sh [--coverage-only] TARGET SECONDS [libFuzzer options...]
# Builds the fuzz targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer) in build-fuzz and
# runs TARGET (project, older_project, wing_clipboard, settings, parse, calculation, or the full
# name fuzz_...) for SECONDS on one core, starting from its seed corpus in fuzz/corpus and the tag
# dictionary. New corpus entries go to build-fuzz/corpus/TARGET, findings to build-fuzz/findings.
# --coverage-only builds without the sanitizers (in build-fuzz-coverage), several times faster per
# input: for long runs that grow the corpus. A crash, a failed oracle check or a hang is still a
# finding there; memory errors that do not crash are found only by the sanitized short runs of
# the test command, which replay the corpus.
# Exit status 0 when the run ended without a finding.
set -euo pipefail
cd "$(dirname "$0")/.."
sanitize=ON
dir=${FUZZ_BUILD_DIR:-build-fuzz}
if [ "${1:-}" = --coverage-only ]; then
  sanitize=OFF
  dir=${FUZZ_BUILD_DIR:-build-fuzz-coverage}
  shift
fi
if [ $# -lt 2 ]; then
  echo "usage: scripts/fuzz.sh [--coverage-only] TARGET SECONDS [libFuzzer options...]" >&2
  exit 2
fi
target=${1#fuzz_}
seconds=$2
shift 2
if [ ! -f "fuzz/fuzz_$target.cpp" ]; then
  echo "fuzz.sh: no target $target (fuzz/fuzz_$target.cpp)" >&2
  exit 2
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DTARVOLIN_GUI=OFF -DTARVOLIN_BENCH=OFF -DTARVOLIN_FUZZ=ON -DTARVOLIN_FUZZ_SANITIZE=$sanitize "${launcher[@]}" >/dev/null
cmake --build "$dir" -j2 --target "fuzz_$target" >/dev/null

mkdir -p "$dir/corpus/$target" "$dir/findings"
# One thread for the linear algebra: the run keeps to one core.
export OPENBLAS_NUM_THREADS=1 OMP_NUM_THREADS=1
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
exec "$dir/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 -dict=fuzz/tags.dict \
  -artifact_prefix="$dir/findings/$target-" -max_len=4096 -timeout=30 "$@" \
  "$dir/corpus/$target" "fuzz/corpus/$target"
