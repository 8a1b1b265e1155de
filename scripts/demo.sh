#!/usr/bin/env bash
# Builds the library and runs the demo on its built-in data.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target qor_demo
./build/dev/examples/qor_demo
