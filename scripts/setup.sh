#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests and the program need, when any is missing,
# and builds the project.
# Sourced by run.sh and test.sh; root runs apt-get directly, others through sudo.
set -euo pipefail

TARVOLIN_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n libgl-dev fonts-dejavu-core
  libopenblas-dev liblapacke-dev
  nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth imagemagick
  desktop-file-utils shared-mime-info man-db
  fonts-urw-base35
  cups cups-client printer-driver-cups-pdf poppler-utils
  locales
  clang libclang-rt-14-dev libomp-dev
)

tarvolin_install_packages() {
  local missing=()
  local p
  for p in "${TARVOLIN_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
  tarvolin_generate_locale "${sudo[@]}"
}

# The number tests switch to German, whose decimal separator is a comma: generate de_DE.UTF-8 once.
tarvolin_generate_locale() {
  locale -a 2>/dev/null | grep -qix 'de_DE.utf8' && return 0
  echo "Generating the locale de_DE.UTF-8"
  if ! grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'de_DE.UTF-8 UTF-8' | "$@" tee -a /etc/locale.gen >/dev/null
  fi
  "$@" locale-gen >/dev/null
}

# ccache when the machine has it: builds are shared between checkouts.
tarvolin_launcher() {
  command -v ccache >/dev/null && echo "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache" || true
}

# Configures and builds the whole project (Release, two jobs) into the folder given.
tarvolin_build() {
  local dir="$1"
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release $(tarvolin_launcher)
  cmake --build "$dir" -j2
}

# Configures and builds the Qt-free core and its tests with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into the folder given; every warning is an error there.
tarvolin_build_sanitized() {
  local dir="$1"
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DTARVOLIN_GUI=OFF -DTARVOLIN_BENCH=OFF -DTARVOLIN_SANITIZE=ON -DTARVOLIN_WERROR=ON $(tarvolin_launcher)
  cmake --build "$dir" -j2
}

# The fuzz targets, in the order test.sh runs them.
TARVOLIN_FUZZ_TARGETS=(parse settings wing_clipboard project older_project calculation)
