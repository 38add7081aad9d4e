#!/usr/bin/env bash
# Installs what is missing, builds Tessaloran and starts it on the user's desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh normal >/dev/null
exec ./build/src/app/tessaloran "$@"
