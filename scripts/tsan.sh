#!/usr/bin/env bash
# Builds the threaded parts of the library with ThreadSanitizer in build/tsan and runs the tests
# that start worker threads (the matrix unit's parallel squaring). Extra unit labels may be given
# as arguments: bash scripts/tsan.sh matrix frame
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
labels=("${@:-matrix}")
cmake -S . -B build/tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
  -DCMAKE_CXX_FLAGS=-fsanitize=thread -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread \
  -DQOR_BUILD_EXAMPLES=OFF >/dev/null
targets=()
for label in "${labels[@]}"; do targets+=("qor_${label}_test"); done
cmake --build build/tsan --target "${targets[@]}"
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1"
for label in "${labels[@]}"; do
  ctest --test-dir build/tsan -L "$label" -j2 --output-on-failure
done
