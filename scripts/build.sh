#!/usr/bin/env bash
# Configures and builds one build tree. Usage: scripts/build.sh [normal|sanitize] [extra cmake args...]
set -euo pipefail
cd "$(dirname "$0")/.."
kind="${1:-normal}"; shift || true
case "$kind" in
  normal)   dir=build;          flags=() ;;
  sanitize) dir=build-sanitize; flags=(-DTESSALORAN_SANITIZE=ON -DTESSALORAN_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug) ;;
  *) echo "usage: $0 [normal|sanitize]" >&2; exit 2 ;;
esac
generator=()
command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
if [ ! -f "$dir/CMakeCache.txt" ]; then
  cmake -S . -B "$dir" "${generator[@]}" "${flags[@]}" "$@" >/dev/null
fi
cmake --build "$dir" --parallel "$(nproc)"
echo "$dir"
