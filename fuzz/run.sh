#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang in build/fuzz and runs each for a bounded time, two
# at a time. Fails on any crash, leak, timeout or sanitizer report; the offending input is kept
# in build/fuzz/artifacts/. The seed corpora in fuzz/corpus/ are read, never written.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${QOR_FUZZ_SECONDS:-20}

bash scripts/install-deps.sh clang libclang-rt-14-dev
cmake -S . -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQOR_BUILD_FUZZ=ON -DQOR_BUILD_TESTS=OFF -DQOR_BUILD_EXAMPLES=OFF -DQOR_INSTALL=OFF >/dev/null
cmake --build build/fuzz -j2

harnesses=(asc_header xml_tag_string xml_tag_file quoted_name text_words mixed_fstream stream_values
  scan_integers scan_float scan_degrees scan_date_time hex_bits
  vector_import_asc vector_load_file vector_load_stream)
mkdir -p build/fuzz/artifacts build/fuzz/logs

run_one() {
  local name=$1
  mkdir -p "build/fuzz/corpus/$name"
  "build/fuzz/fuzz/qor_fuzz_$name" "build/fuzz/corpus/$name" "fuzz/corpus/$name" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="build/fuzz/artifacts/$name-" >"build/fuzz/logs/$name.log" 2>&1
}

failed=()
for ((i = 0; i < ${#harnesses[@]}; i += 2)); do
  pids=()
  names=()
  for name in "${harnesses[@]:i:2}"; do
    run_one "$name" &
    pids+=($!)
    names+=("$name")
  done
  for j in "${!pids[@]}"; do
    if wait "${pids[$j]}"; then
      echo "fuzz ${names[$j]}: ok ($(grep -m1 -o 'stat::number_of_executed_units: [0-9]*' \
        "build/fuzz/logs/${names[$j]}.log" | grep -o '[0-9]*$') runs)"
    else
      echo "fuzz ${names[$j]}: FAILED, see build/fuzz/logs/${names[$j]}.log"
      tail -n 30 "build/fuzz/logs/${names[$j]}.log"
      failed+=("${names[$j]}")
    fi
  done
done
if ((${#failed[@]})); then
  echo "fuzzing failed: ${failed[*]}"
  exit 1
fi
echo "fuzzing passed"
