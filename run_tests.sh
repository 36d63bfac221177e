#!/usr/bin/env bash
# Builds everything and runs every test.
#   BUILD_DIR     build directory (default: build, shared with run_example.sh)
#   MDX_SANITIZE, MDX_BUILD_BENCH, MDX_FEFF_MODULES_DIR: see scripts/configure_build.sh
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install_deps.sh
build_dir=${BUILD_DIR:-build}
./scripts/configure_build.sh "$build_dir"
cmake --build "$build_dir" -j"$(nproc)"
ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)"
