#!/usr/bin/env bash
# Runs the libFuzzer targets built in a folder: every target (or the one named) for the given seconds,
# on a working copy of its corpus, so that the checked-in corpus changes only when we add files.
#   fuzz/laufen.sh <folder with fuzz_*> [target] [seconds]
set -euo pipefail
ordner=$1
nur=${2:-}
sekunden=${3:-60}
hier=$(cd "$(dirname "$0")" && pwd)
arbeit=$(dirname "$ordner")/fuzz-arbeit
mkdir -p "$arbeit/funde"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$hier/../tests/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen LC_ALL=${LC_ALL:-de_DE.UTF-8}
befund=0
for programm in "$ordner"/fuzz_*; do
  ziel=${programm##*/fuzz_}
  [ -n "$nur" ] && [ "$ziel" != "$nur" ] && continue
  korpus=$arbeit/korpus/$ziel
  mkdir -p "$korpus"
  cp -n "$hier/korpus/$ziel"/* "$korpus"/ 2>/dev/null || true
  echo "== $ziel ($sekunden s)"
  if ! "$programm" -max_total_time="$sekunden" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
       -artifact_prefix="$arbeit/funde/$ziel-" -print_final_stats=1 "$korpus" 2>"$arbeit/$ziel.log"; then
    befund=1
    echo "   Befund: siehe $arbeit/$ziel.log und $arbeit/funde/"
  fi
  grep -E 'DONE|stat::number_of_executed_units|stat::peak_rss_mb' "$arbeit/$ziel.log" | sed 's/^/   /' || true
done
exit $befund
