#!/usr/bin/env bash
# Checks that the folders under src/ are layered one way: a folder includes headers of, and its
# library links, only folders listed before it below. Exits non-zero and names each include or
# link that points the other way (or at a folder missing from the list).
# Usage: scripts/check-layers.sh
set -euo pipefail
cd "$(dirname "$0")/.."

# From the bottom layer up (the order of TESSALORAN_CORE_DIRS in CMakeLists.txt, then Qt).
layers=(platform/text platform/forms platform/files state model records screens
        results databases input program qt app)

rank_of() {  # folder -> position in layers, or -1
  local i
  for i in "${!layers[@]}"; do [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }; done
  echo -1
}
folder_of() {  # path under src/ -> its folder (platform has one folder per subsystem below it)
  case "$1" in
    platform/*) echo "$1" | cut -d/ -f1-2 ;;
    *) echo "$1" | cut -d/ -f1 ;;
  esac
}
# Library name -> folder.
target_folder() {
  case "$1" in
    tess_text) echo platform/text ;; tess_forms) echo platform/forms ;; tess_files) echo platform/files ;;
    tess_*) echo "${1#tess_}" ;;
    *) echo "" ;;
  esac
}

faults=0
complain() { echo "layer fault: $*" >&2; faults=$((faults + 1)); }

# Includes: every #include "folder/..." in src/.
while IFS=: read -r file include; do
  from=$(folder_of "${file#src/}")
  to=$(folder_of "$include")
  [ "$from" = "$to" ] && continue
  from_rank=$(rank_of "$from"); to_rank=$(rank_of "$to")
  if [ "$from_rank" -lt 0 ] || [ "$to_rank" -lt 0 ]; then
    complain "$file includes $include: folder not in the layer list"
  elif [ "$to_rank" -ge "$from_rank" ]; then
    complain "$file includes $include ($from -> $to)"
  fi
done < <(grep -rHoE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[^"]+/[^"]+"' src --include='*.h' --include='*.cpp' |
         sed -E 's/:[[:space:]]*#[[:space:]]*include[[:space:]]+"([^"]+)"/:\1/')

# Links: every tess_* library named in a folder's CMakeLists.txt, other than its own.
while IFS= read -r list; do
  from=$(folder_of "${list#src/}"); from=${from%/CMakeLists.txt}
  from_rank=$(rank_of "$from")
  for target in $(grep -oE '\btess_[a-z]+\b' "$list" | sort -u); do
    to=$(target_folder "$target")
    [ "$to" = "$from" ] && continue
    to_rank=$(rank_of "$to")
    if [ "$from_rank" -lt 0 ] || [ "$to_rank" -lt 0 ]; then
      complain "$list links $target: folder not in the layer list"
    elif [ "$to_rank" -ge "$from_rank" ]; then
      complain "$list links $target ($from -> $to)"
    fi
  done
done < <(find src -name CMakeLists.txt | sort)

if [ "$faults" -gt 0 ]; then
  echo "$faults layer fault(s)" >&2
  exit 1
fi
echo "layers: every include and link under src/ points down"
