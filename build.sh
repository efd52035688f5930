#!/usr/bin/env bash
# Set-up, build and test of Kelvaro on a Debian machine.
#   ./build.sh run [ticket files]   install what is missing, build the program (Release), start it
#   ./build.sh test                 install what is missing, build (Debug, ASan + UBSan), run the tests
#                                   under the German locale
#   ./build.sh bench                install what is missing, build (Release), run the benchmarks
#   ./build.sh paket                build the Debian package kelvaro_<version>_<arch>.deb
#   ./build.sh fuzz [target] [s]    build the fuzz targets with clang and run them (60 s each)
set -euo pipefail

cd "$(dirname "$0")"

# The Debian packages the program needs to be built; then what the tests, the benchmarks and the
# fuzzing add. The lists are kept here only.
PROGRAMM=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-charts-dev libqt6opengl6-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-documentation-tools
  libjpeg62-turbo-dev libcurl4-openssl-dev
  libsimpleini-dev libicu-dev
  libxlsxwriter-dev zlib1g-dev libboost-dev
  libqt6sql6-sqlite qt6-translations-l10n
)
TESTS=(libgtest-dev libgmock-dev fonts-dejavu-core locales desktop-file-utils appstream)
BENCH=(libbenchmark-dev fonts-dejavu-core)
FUZZ=(clang libclang-rt-14-dev)

pakete_installieren() {
  local fehlend=()
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      fehlend+=("$p")
    fi
  done
  [ ${#fehlend[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${fehlend[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${fehlend[@]}"
  else
    echo "These Debian packages are missing. Install them with:" >&2
    echo "  sudo apt-get install -y --no-install-recommends ${fehlend[*]}" >&2
    exit 1
  fi
}

# The tests run in the locale the program is made for: de_DE.UTF-8 must really exist, otherwise the
# C library silently stays in "C".
deutsch_sicherstellen() {
  if locale -a 2>/dev/null | grep -qiE '^de_DE\.utf-?8$'; then return 0; fi
  if [ "$(id -u)" -eq 0 ]; then
    echo "Generating the locale de_DE.UTF-8"
    if [ -f /etc/locale.gen ] && grep -qE '^# *de_DE\.UTF-8 UTF-8' /etc/locale.gen; then
      sed -i -E 's/^# *(de_DE\.UTF-8 UTF-8)/\1/' /etc/locale.gen
      locale-gen
    else
      localedef -i de_DE -c -f UTF-8 de_DE.UTF-8
    fi
  else
    echo "The locale de_DE.UTF-8 is missing. Generate it with:" >&2
    echo "  sudo localedef -i de_DE -c -f UTF-8 de_DE.UTF-8" >&2
    exit 1
  fi
}

jobs=$(nproc 2>/dev/null || echo 2)

konfigurieren() { # folder, cmake options...
  local ordner=$1; shift
  cmake -S . -B "$ordner" -G Ninja "$@"
}

case "${1:-}" in
  run)
    shift
    pakete_installieren "${PROGRAMM[@]}"
    # Only what the program needs: no tests, no benchmarks.
    konfigurieren build/release -DCMAKE_BUILD_TYPE=Release -DKELVARO_TESTS=OFF -DKELVARO_BENCH=OFF
    cmake --build build/release --parallel "$jobs" --target kelvaro
    exec build/release/bin/kelvaro "$@"
    ;;
  test)
    pakete_installieren "${PROGRAMM[@]}" "${TESTS[@]}"
    deutsch_sicherstellen
    konfigurieren build/test -DCMAKE_BUILD_TYPE=Debug -DKELVARO_SANITIZE=ON -DKELVARO_TESTS=ON \
      -DKELVARO_WERROR="${KELVARO_WERROR:-OFF}"
    cmake --build build/test --parallel "$jobs"
    # The tests never touch the player's own files: a fresh home and data folder for every run.
    tmp=$(mktemp -d)
    trap 'rm -rf "$tmp"' EXIT
    mkdir -p "$tmp/home" "$tmp/data" "$tmp/tmp"
    chmod 700 "$tmp/tmp"
    export HOME="$tmp/home" XDG_DATA_HOME="$tmp/data" XDG_CONFIG_HOME="$tmp/home/.config" \
           XDG_CACHE_HOME="$tmp/home/.cache" XDG_RUNTIME_DIR="$tmp/tmp" TMPDIR="$tmp/tmp"
    export QT_QPA_PLATFORM=offscreen LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 LANGUAGE=de
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    ctest --test-dir build/test --output-on-failure --parallel "$jobs" --timeout 900
    ;;
  bench)
    pakete_installieren "${PROGRAMM[@]}" "${BENCH[@]}"
    konfigurieren build/bench -DCMAKE_BUILD_TYPE=Release -DKELVARO_TESTS=OFF -DKELVARO_BENCH=ON
    cmake --build build/bench --parallel "$jobs"
    export QT_QPA_PLATFORM=offscreen
    for b in build/bench/bin/bench_*; do
      if [ -f "$b" ] && [ -x "$b" ]; then "$b"; fi
    done
    ;;
  paket)
    pakete_installieren "${PROGRAMM[@]}"
    # A package is installed by the system's package manager: the program does not replace itself.
    konfigurieren build/paket -DCMAKE_BUILD_TYPE=Release -DKELVARO_TESTS=OFF -DKELVARO_BENCH=OFF \
      -DKELVARO_SELBSTUPDATE=OFF -DCMAKE_INSTALL_PREFIX=/usr
    cmake --build build/paket --parallel "$jobs"
    (cd build/paket && cpack -G DEB)
    ls -1 build/paket/kelvaro_*.deb
    ;;
  fuzz)
    shift
    pakete_installieren "${PROGRAMM[@]}" "${FUZZ[@]}"
    konfigurieren build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
      -DKELVARO_TESTS=OFF -DKELVARO_FUZZ=ON
    cmake --build build/fuzz --parallel "$jobs" --target kelvaro_fuzz
    fuzz/laufen.sh build/fuzz/bin "${1:-}" "${2:-60}"
    ;;
  *)
    echo "usage: $0 run [ticket files] | test | bench | paket | fuzz [target] [seconds]" >&2
    exit 2
    ;;
esac
