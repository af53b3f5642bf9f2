#!/bin/bash
# Builds the parsers' fuzz targets natively (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer; tests/fuzz) and runs each for SECONDS (default 60) over its seeds:
# the committed corpus tests/fuzz/corpus/<target>/ and the shipped product files and test
# fixtures it parses. Fails on a crash, a sanitizer report, a broken promise of a parser or an
# input that takes more than a second; the input is saved as build/fuzz/findings/<target>-*.
#
#   scripts/fuzz.sh [SECONDS]            every target, one after the other
#   FUZZ_PARALLEL=N scripts/fuzz.sh ...   N targets at a time
#   FUZZ_TARGETS="skin_setting ..."       only these targets
#   FUZZ_BUILD=DIR                        build, work and findings folder (default build/fuzz)
#   FUZZ_TIMEOUT=S                        an input slower than S seconds is a finding (default 1;
#                                         libFuzzer measures wall time, so allow more on a busy machine)
#   build/fuzz/bin/<target>_fuzz FILE    replays one saved input
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
parallel=${FUZZ_PARALLEL:-1}
timeout=${FUZZ_TIMEOUT:-1}
build=${FUZZ_BUILD:-build/fuzz}
targets=(${FUZZ_TARGETS:-ini_document device_id profile_file value_items skin_setting language_setting window_region
         audio_config})

echo "=== Building the fuzz targets ==="
mkdir -p "$build"
if ! { cmake -S tests/fuzz -B "$build/bin" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo &&
       cmake --build "$build/bin" -j "$(nproc)"; } >"$build/build.log" 2>&1; then
  cat "$build/build.log"
  exit 1
fi

# The shipped files and fixtures each target parses, copied under names that keep them apart.
seed_files() {
  case "$1" in
    ini_document|profile_file)
      find product foundation/tests/fixtures -name '*.ini' -o -name '*.cfg' -o -name '*.txt' ;;
    device_id) echo product/AudioConfig.cfg; find foundation/tests/fixtures -name '*.txt' ;;
    skin_setting) find product -name SkinSetting.ini ;;
    language_setting) find product -name Language.ini ;;
    window_region) find product -name '*.rgn' ;;
    audio_config) echo product/AudioConfig.cfg ;;
  esac
}

run_target() {
  local target=$1 seeds="$build/seeds/$1" work="$build/work/$1" log="$build/logs/$1.log"
  rm -rf "$seeds"
  mkdir -p "$seeds" "$work" "$build/findings" "$build/logs" "tests/fuzz/corpus/$target"
  seed_files "$target" | while read -r file; do cp "$file" "$seeds/$(echo "$file" | tr '/' '_')"; done
  # New interesting inputs go to the work folder; the committed corpus is only read.
  if "$build/bin/${target}_fuzz" -max_total_time="$seconds" -timeout="$timeout" -rss_limit_mb=2048 \
      -dict=tests/fuzz/vorma.dict -artifact_prefix="$build/findings/$target-" -print_final_stats=1 \
      "$work" "tests/fuzz/corpus/$target" "$seeds" >"$log" 2>&1; then
    local runs rate
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    echo "$target: ${runs:-?} executions in ${seconds} s (${rate:-?}/s), no finding"
  else
    echo "$target: FINDING (log: $log)"
    grep -E 'ERROR|SUMMARY|runtime error|broken promise|Test unit written' "$log" | head -20
    return 1
  fi
}

echo "=== Fuzzing ${#targets[@]} targets for $seconds s each ==="
failed=0
pids=()
for target in "${targets[@]}"; do
  run_target "$target" &
  pids+=($!)
  if [ ${#pids[@]} -ge "$parallel" ]; then
    wait "${pids[0]}" || failed=1
    pids=("${pids[@]:1}")
  fi
done
for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
exit $failed
