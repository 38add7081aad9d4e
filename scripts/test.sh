#!/usr/bin/env bash
# Checks the layering of src/, builds Tessaloran and runs every test: once in a normal build, once
# built with AddressSanitizer and UndefinedBehaviorSanitizer, then cross-built for Windows and run
# under wine (scripts/test-windows.sh). Installs what is missing first.
# Usage: scripts/test.sh [--quick]   (--quick: the normal build only)
set -euo pipefail
cd "$(dirname "$0")/.."
# The folders under src/ include and link one way only.
bash scripts/check-layers.sh
bash scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
jobs="$(nproc)"

run_suite() {
  local kind="$1"
  echo "=== $kind build ==="
  bash scripts/build.sh "$kind" -DTESSALORAN_WERROR=ON >/dev/null
  local dir=build; [ "$kind" = sanitize ] && dir=build-sanitize
  ctest --test-dir "$dir" --output-on-failure --parallel "$jobs" --timeout 900
}

run_suite normal
if [ "${1:-}" != "--quick" ]; then
  run_suite sanitize
  bash scripts/test-windows.sh
fi
