#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs each target listed in
# fuzz/targets.txt for SECONDS (default 30), two at a time.
#   scripts/fuzz.sh [SECONDS]
# Fails on any finding: a crash, a sanitizer report, a failed check, a leak,
# or an input that runs longer than the per-input timeout. The input that
# caused it is kept in build-fuzz/findings/NAME/; once its cause is fixed it
# goes into fuzz/corpus/NAME/ as a regression case. What a run finds new is
# kept in build-fuzz/corpus/NAME/ for the next run on this machine; the seed
# corpus in fuzz/corpus/NAME/ is only read.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
parallel=2
# An input that takes this long is a finding (the slowest ordinary inputs
# take well under a second in this build).
timeout_seconds=10

bash scripts/deps.sh fuzz
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DSPATIUM_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_all

names=()
options=()
while read -r name opts; do
  case "$name" in ''|'#'*) continue ;; esac
  names+=("$name")
  options+=("$opts")
done < fuzz/targets.txt

run_target() {
  local name="$1" opts="$2"
  local findings="build-fuzz/findings/$name" corpus="build-fuzz/corpus/$name"
  mkdir -p "$findings" "$corpus"
  local dict=()
  [ -f "fuzz/$name.dict" ] && dict=("-dict=fuzz/$name.dict")
  # shellcheck disable=SC2086  # the options are words
  "build-fuzz/fuzz/fuzz_$name" $opts "${dict[@]}" \
    -max_total_time="$seconds" -timeout="$timeout_seconds" -print_final_stats=1 \
    -artifact_prefix="$findings/" "$corpus" "fuzz/corpus/$name" \
    >"build-fuzz/logs/$name.log" 2>&1
}

mkdir -p build-fuzz/logs
# In rounds of $parallel targets, one core each.
status=()
for ((first = 0; first < ${#names[@]}; first += parallel)); do
  pids=()
  for ((i = first; i < first + parallel && i < ${#names[@]}; i++)); do
    echo "fuzz_${names[$i]}: running for ${seconds} s"
    run_target "${names[$i]}" "${options[$i]}" &
    pids[$i]=$!
  done
  for i in "${!pids[@]}"; do
    if wait "${pids[$i]}"; then status[$i]=0; else status[$i]=$?; fi
  done
done

passed=0
failed=0
for i in "${!names[@]}"; do
  name="${names[$i]}"
  log="build-fuzz/logs/$name.log"
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  if [ "${status[$i]}" -eq 0 ]; then
    passed=$((passed + 1))
    echo "fuzz_$name: ${runs:-?} executions in ${seconds} s (${rate:-?}/s), no finding"
  else
    failed=$((failed + 1))
    echo "fuzz_$name: FINDING (exit status ${status[$i]}); log $log, input in build-fuzz/findings/$name/:"
    grep -E "ERROR|runtime error|check failed|text shows|SUMMARY|Test unit written" "$log" | head -20 || tail -30 "$log"
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
