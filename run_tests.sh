#!/usr/bin/env bash
# Builds everything and runs every test.
#   BUILD_DIR     build directory (default: build)
#   MDX_SANITIZE  ON to build and test under AddressSanitizer and UBSan
#   MDX_BUILD_BENCH  OFF to leave the benchmarks out (default: ON)
#   MDX_FEFF_MODULES_DIR  FEFF 8.5L modules of another build tree to use instead
#                    of building them again (default: built in BUILD_DIR)
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install_deps.sh
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DMDX_WERROR=ON -DMDX_SANITIZE="${MDX_SANITIZE:-OFF}" \
  -DMDX_BUILD_BENCH="${MDX_BUILD_BENCH:-ON}" \
  -DMDX_FEFF_MODULES_DIR="${MDX_FEFF_MODULES_DIR:-}" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)"
