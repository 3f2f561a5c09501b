#!/usr/bin/env bash
# Builds the libFuzzer targets (tests/fuzz) with clang in build/fuzz and runs
# each one for the given number of seconds (default 10) from its seed corpus
# in tests/fuzz/corpus/<target>. New inputs go to build/fuzz/corpus/<target>,
# never into the source tree. Exits non-zero when any target finds a crash,
# a leak or a broken invariant; the input is kept in build/fuzz/artifacts.
#   scripts/fuzz.sh [seconds-per-target] [target ...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-10}
shift || true
targets=("$@")
((${#targets[@]})) || targets=(fuzz_function_line fuzz_table_files fuzz_switch_state
                                fuzz_version_labels fuzz_registry_string fuzz_save_journal)
build=$root/build/fuzz
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVANTREL_FUZZ=ON -DVANTREL_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}" >/dev/null
mkdir -p "$build/artifacts"
status=0
for t in "${targets[@]}"; do
  mkdir -p "$build/corpus/$t"
  log=$build/$t.log
  if "$build/tests/fuzz/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="$build/artifacts/$t-" \
       "$build/corpus/$t" "$root/tests/fuzz/corpus/$t" >"$log" 2>&1; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
    echo "$t: ok, ${runs:-?} runs in ${seconds} s, corpus $(ls "$build/corpus/$t" | wc -l) files"
  else
    echo "$t: FAILED (log: $log)"
    grep -E 'ERROR|invariant broken|SUMMARY|Test unit written' "$log" | head -n 8 || true
    status=1
  fi
done
exit $status
