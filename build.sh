#!/usr/bin/env bash
# Set-up, build and test of Kelvaro on a Debian machine.
#   ./build.sh run     install what is missing, build (Release), start the program
#   ./build.sh test    install what is missing, build (Debug, ASan + UBSan), run the tests
#   ./build.sh bench   install what is missing, build (Release), run the benchmarks
set -euo pipefail

cd "$(dirname "$0")"

# The Debian packages the build, the tests and the benchmarks need. One list, kept here only.
PAKETE=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-charts-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-documentation-tools
  libjpeg62-turbo-dev libcurl4-openssl-dev
  libsimpleini-dev libicu-dev
  libxlsxwriter-dev liborcus-dev libixion-dev libboost-dev libfreexl-dev
  libqt6sql6-sqlite qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core
)

pakete_installieren() {
  local fehlend=()
  for p in "${PAKETE[@]}"; do
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

jobs=$(nproc 2>/dev/null || echo 2)

bauen() { # folder, cmake options...
  local ordner=$1; shift
  cmake -S . -B "$ordner" -G Ninja "$@"
  cmake --build "$ordner" --parallel "$jobs"
}

case "${1:-}" in
  run)
    pakete_installieren
    bauen build/release -DCMAKE_BUILD_TYPE=Release
    exec build/release/kelvaro
    ;;
  test)
    pakete_installieren
    bauen build/test -DCMAKE_BUILD_TYPE=Debug -DKELVARO_SANITIZE=ON -DKELVARO_TESTS=ON
    # The tests never touch the player's own files: a fresh home and data folder for every run.
    tmp=$(mktemp -d)
    trap 'rm -rf "$tmp"' EXIT
    mkdir -p "$tmp/home" "$tmp/data" "$tmp/tmp"
    export HOME="$tmp/home" XDG_DATA_HOME="$tmp/data" XDG_CONFIG_HOME="$tmp/home/.config" \
           XDG_RUNTIME_DIR="$tmp/tmp" TMPDIR="$tmp/tmp"
    export QT_QPA_PLATFORM=offscreen LANG=de_DE.UTF-8 LANGUAGE=de
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    ctest --test-dir build/test --output-on-failure --parallel "$jobs" --timeout 900
    ;;
  bench)
    pakete_installieren
    bauen build/release -DCMAKE_BUILD_TYPE=Release -DKELVARO_BENCH=ON
    for b in build/release/bench/bench_*; do
      if [ -f "$b" ] && [ -x "$b" ]; then "$b"; fi
    done
    ;;
  *)
    echo "usage: $0 run | test | bench" >&2
    exit 2
    ;;
esac
