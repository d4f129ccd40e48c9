#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for the given number of minutes
# (default 1), one after another, from the seed files in fuzz/seeds/<target>.
# Prints one table row per target: executions, coverage, features, findings.
#   bash scripts/fuzz.sh [MINUTES] [TARGET...]
# With KIROKAN_FUZZ_RUNS=N each target stops after N executions instead (and
# MINUTES, when not 0, still bounds the time); with KIROKAN_FUZZ_LOGS=DIR the
# libFuzzer logs are written there (to follow a long run) and kept; with
# KIROKAN_FUZZ_SEEDS=small the large seeds that reach the readers' limits
# (fuzz/seeds/<target>/limits*) are left out, for long runs at full speed;
# KIROKAN_FUZZ_MAX_LEN bounds the inputs (default 262144, enough for the
# readers' limits).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
minutes=${1:-1}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(FuzzProfile FuzzSectionTextFile FuzzHaikuTextReader HelpTopicsFuzz TipsFileFuzz)
build="${KIROKAN_FUZZ_BUILD_DIR:-$here/build-fuzz}"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_COMPILER=clang++ -DKIROKAN_FUZZ=ON -DKIROKAN_UI=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
trap 'exit 130' INT TERM
echo "| Target | Seconds | Executions | Exec/s | cov | ft | Findings |"
echo "|---|---|---|---|---|---|---|"
for t in "${targets[@]}"; do
  mkdir -p "$work/$t"
  logs="${KIROKAN_FUZZ_LOGS:-$work}"
  mkdir -p "$logs"
  log="$logs/$t.log"
  started=$(date +%s)
  status=0
  # Long inputs reach the readers' limits: 10000 lines, 2048-byte parts.
  limits=()
  [ "$minutes" -gt 0 ] && limits+=(-max_total_time=$((minutes * 60)))
  [ -n "${KIROKAN_FUZZ_RUNS:-}" ] && limits+=(-runs="$KIROKAN_FUZZ_RUNS")
  seeds="$here/fuzz/seeds/$t"
  if [ "${KIROKAN_FUZZ_SEEDS:-all}" = small ]; then
    seeds="$work/seeds-$t"
    mkdir -p "$seeds"
    find "$here/fuzz/seeds/$t" -maxdepth 1 -type f ! -name 'limits*' -exec cp {} "$seeds/" \;
  fi
  (cd "$work" && "$build/$t" "${limits[@]}" -timeout=20 -rss_limit_mb=2048 \
      -max_len="${KIROKAN_FUZZ_MAX_LEN:-262144}" -print_final_stats=1 "$work/$t" "$seeds") >"$log" 2>&1 || status=$?
  execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
  secs=$(grep -o 'Done [0-9]* runs in [0-9]* second' "$log" | grep -o 'in [0-9]*' | grep -o '[0-9]*' || echo "$((minutes * 60))")
  [ "$secs" -gt 0 ] 2>/dev/null || secs=$(( $(date +%s) - started ))
  last=$(grep -E '^#[0-9]+' "$log" | tail -n 1)
  cov=$(echo "$last" | grep -o 'cov: [0-9]*' | grep -o '[0-9]*' || true)
  ft=$(echo "$last" | grep -o 'ft: [0-9]*' | grep -o '[0-9]*' || true)
  found=$(find "$work" -maxdepth 1 \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
  if [ "$status" -ne 0 ] && [ "$found" -eq 0 ]; then found="run failed ($status)"; fi
  rate=$(( ${execs:-0} / (${secs:-1} > 0 ? ${secs:-1} : 1) ))
  echo "| $t | ${secs:-?} | ${execs:-?} | $rate | ${cov:-?} | ${ft:-?} | $found |"
  find "$work" -maxdepth 1 \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) \
       -exec cp {} "$here/" \; -exec echo "  finding kept as" {} \;
done
