#!/usr/bin/env bash
# Fuzzes the saved-game reader and the name box with libFuzzer (clang), half the time each.
# Seeds come from tests/fuzz/corpus; an input that breaks a check is written to
# tests/fuzz/regressions, where the ordinary tests run it from then on.
#   scripts/fuzz.sh [SECONDS]      (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/setup.sh
missing=()
for package in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DTESSARO_FUZZ=ON >/dev/null
cmake --build build-fuzz --target fuzz_saved_game fuzz_name -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
for kind in saved names; do
  fuzzer=build-fuzz/tests/fuzz_saved_game
  [ "$kind" = names ] && fuzzer=build-fuzz/tests/fuzz_name
  work=build-fuzz/corpus-$kind
  mkdir -p "$work"
  echo "Fuzzing $kind for $((seconds / 2)) s"
  "$fuzzer" "$work" "tests/fuzz/corpus/$kind" -max_total_time=$((seconds / 2)) -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="tests/fuzz/regressions/$kind/"
done
