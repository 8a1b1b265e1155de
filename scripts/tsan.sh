#!/usr/bin/env bash
# Builds the library with ThreadSanitizer in build/tsan and runs the test programs of the units
# whose tests start threads (the frame unit's worker pool, the matrix unit's parallel squaring);
# default unit: matrix. Usage: bash scripts/tsan.sh matrix frame
#
# Each program runs once, all its tests in one process, rather than once per test under ctest:
# the sanitizer's start-up, paid by every process, cost more than all the tests together, and in
# one process the worker pool serves test after test, as it does in an application.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
units=("${@:-matrix}")
cmake -S . -B build/tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
  -DCMAKE_CXX_FLAGS=-fsanitize=thread -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread \
  -DQOR_BUILD_EXAMPLES=OFF >/dev/null
programs=()
for unit in "${units[@]}"; do programs+=("qor_${unit}_test"); done
cmake --build build/tsan --target "${programs[@]}"
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1"
for program in "${programs[@]}"; do
  echo "-- $program"
  "build/tsan/$program" --gtest_brief=1
done
