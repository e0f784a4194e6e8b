#!/usr/bin/env bash
# Installs what is missing, builds in Release and starts the program with the built-in default aircraft.
# Arguments are passed on (a project file to open).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
tarvolin_install_packages

BUILD_DIR=${BUILD_DIR:-build}
tarvolin_build "$BUILD_DIR"

if [ -x "$BUILD_DIR/app/tarvolin4" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec "$BUILD_DIR/app/tarvolin4" "$@"
fi
if [ ! -x "$BUILD_DIR/app/tarvolin4" ]; then
  echo "The window is not built yet; running the batch calculator instead."
else
  echo "No display found; running the batch calculator on the aircraft instead."
fi
exec "$BUILD_DIR/cli/tarvolin4-calc" "$@"
