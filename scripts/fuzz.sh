#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs each target listed in
# fuzz/targets.txt.
#   scripts/fuzz.sh [SECONDS]        each target for SECONDS (default 30), two
#                                    at a time; the first finding ends a target
#   scripts/fuzz.sh --long [HOURS]   before a release: every target at once for
#                                    HOURS (default 8), in libFuzzer's fork mode,
#                                    where a finding is kept and the run goes on
# Fails on any finding: a crash, a sanitizer report, a failed check, a leak,
# or an input that runs longer than the per-input timeout. The input that
# caused it is kept in build-fuzz/findings/NAME/; once its cause is fixed it
# goes into fuzz/corpus/NAME/ as a regression case. What a run finds new is
# kept in build-fuzz/corpus/NAME/ for the next run on this machine; the seed
# corpus in fuzz/corpus/NAME/ is only read.
set -euo pipefail
cd "$(dirname "$0")/.."
long=false
if [ "${1:-}" = "--long" ]; then
  long=true
  hours="${2:-8}"
  [[ "$hours" =~ ^[0-9]+([.][0-9]+)?$ ]] || { echo "fuzz.sh: --long takes hours, not '$hours'" >&2; exit 2; }
  seconds=$(awk -v h="$hours" 'BEGIN { printf "%d", h * 3600 }')
else
  seconds="${1:-30}"
  [[ "$seconds" =~ ^[0-9]+$ ]] || { echo "fuzz.sh: SECONDS or --long [HOURS], not '$1'" >&2; exit 2; }
fi
parallel=2
# A long run keeps going past crashes, slow inputs and memory exhaustion:
# each is a finding (its input is kept), and the fuzzing goes on in a fresh
# process.
long_options=(-fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1)
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
  local extra=()
  [ -f "fuzz/$name.dict" ] && extra+=("-dict=fuzz/$name.dict")
  $long && extra+=("${long_options[@]}")
  # shellcheck disable=SC2086  # the options are words
  "build-fuzz/fuzz/fuzz_$name" $opts "${extra[@]}" \
    -max_total_time="$seconds" -timeout="$timeout_seconds" -print_final_stats=1 \
    -artifact_prefix="$findings/" "$corpus" "fuzz/corpus/$name" \
    >"build-fuzz/logs/$name.log" 2>&1
}

mkdir -p build-fuzz/logs
# Findings of earlier runs stay in build-fuzz/findings/; this run's are the
# files newer than this stamp.
touch build-fuzz/logs/started
# In rounds of $parallel targets, one core each; a long run runs them all at
# once, so that each gets the whole time.
$long && parallel=${#names[@]}
if $long; then echo "fuzz: long run of $hours h, until $(date -d "+$seconds seconds" '+%F %R')"; fi
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
  if $long; then
    # Fork mode's status lines: "#RUNS: cov: ... exec/s RATE oom/timeout/crash: ...".
    runs=$(sed -n 's/^#\([0-9]*\): cov:.*/\1/p' "$log" | tail -1)
    rate=$(sed -n 's/^#[0-9]*: cov:.* exec\/s \([0-9]*\) .*/\1/p' "$log" | tail -1)
  else
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  fi
  found=$(find "build-fuzz/findings/$name" -type f -newer build-fuzz/logs/started)
  if [ "${status[$i]}" -eq 0 ] && [ -z "$found" ]; then
    passed=$((passed + 1))
    echo "fuzz_$name: ${runs:-?} executions in ${seconds} s (${rate:-?}/s), no finding"
  else
    failed=$((failed + 1))
    echo "fuzz_$name: FINDING (exit status ${status[$i]}); log $log, input in build-fuzz/findings/$name/:"
    [ -z "$found" ] || echo "$found"
    grep -E "ERROR|runtime error|check failed|text shows|SUMMARY|Test unit written" "$log" | head -20 || tail -30 "$log"
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
