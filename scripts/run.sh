#!/usr/bin/env bash
# Installs what is missing, builds Tessaloran and starts it on the user's desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh normal >/dev/null
if [ -x build/src/app/tessaloran ]; then
  exec ./build/src/app/tessaloran "$@"
fi
echo "Built; the program's windows are not part of this build yet."
