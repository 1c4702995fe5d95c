#!/usr/bin/env bash
# Fuzzes with libFuzzer (clang), a third of the time each: the saved-game reader, a loaded
# game played on, and the name box.
# Seeds come from tests/fuzz/corpus; an input that breaks a check is written to
# tests/fuzz/regressions, where the ordinary tests run it from then on.
#   scripts/fuzz.sh [SECONDS]      (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/setup.sh clang libclang-rt-14-dev llvm-14
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DTESSARO_FUZZ=ON -DTESSARO_SANITIZE=OFF -DBUILD_TESTING=ON >/dev/null
cmake --build build-fuzz --target fuzz_saved_game fuzz_play fuzz_name -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
# A finding names its source lines, not raw addresses.
export ASAN_SYMBOLIZER_PATH=/usr/lib/llvm-14/bin/llvm-symbolizer
export UBSAN_SYMBOLIZER_PATH=$ASAN_SYMBOLIZER_PATH
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
for kind in saved:fuzz_saved_game play:fuzz_play names:fuzz_name; do
  fuzzer=build-fuzz/tests/${kind#*:}
  kind=${kind%%:*}
  work=build-fuzz/corpus-$kind
  mkdir -p "$work"
  echo "Fuzzing $kind for $((seconds / 3)) s"
  "$fuzzer" "$work" "tests/fuzz/corpus/$kind" -max_total_time=$((seconds / 3)) -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="tests/fuzz/regressions/$kind/"
done
