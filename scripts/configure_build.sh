#!/usr/bin/env bash
# Configures a build tree with the project's one set of options, so the main
# job and the tests share it and neither rebuilds what the other built.
#   configure_build.sh BUILD_DIR
#   MDX_SANITIZE          ON for AddressSanitizer and UBSan (default: OFF)
#   MDX_BUILD_BENCH       OFF to leave the benchmarks out (default: ON)
#   MDX_FEFF_MODULES_DIR  FEFF 8.5L modules of another build tree to use instead
#                         of building them again (default: built in BUILD_DIR)
set -euo pipefail
build_dir=${1:?usage: configure_build.sh BUILD_DIR}
cmake -S "$(dirname "$0")/.." -B "$build_dir" -DMDX_WERROR=ON \
  -DMDX_SANITIZE="${MDX_SANITIZE:-OFF}" -DMDX_BUILD_BENCH="${MDX_BUILD_BENCH:-ON}" \
  -DMDX_FEFF_MODULES_DIR="${MDX_FEFF_MODULES_DIR:-}" >/dev/null
