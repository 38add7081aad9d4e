#!/usr/bin/env bash
# Builds everything but the Qt binding and the program for 64-bit Windows with mingw-w64, then runs
# every test executable under wine. Installs what is missing first.
# Usage: scripts/test-windows.sh   (build tree: build-windows/, wine prefix: build-windows/wineprefix)
set -euo pipefail
cd "$(dirname "$0")/.."
TESSALORAN_WINDOWS=1 bash scripts/install-deps.sh

# Debian's wine64 keeps its loader off PATH.
wine_loader() {
  local found
  found="$(command -v wine64 2>/dev/null || true)"
  [ -z "$found" ] && found="$(dpkg -L wine64 2>/dev/null | grep -m1 '/wine64$' || true)"
  [ -z "$found" ] && [ -x /usr/lib/wine/wine64 ] && found=/usr/lib/wine/wine64
  [ -n "$found" ] || { echo "wine64 not found" >&2; exit 1; }
  echo "$found"
}
wine="$(wine_loader)"
wineserver="$(dirname "$wine")/wineserver"
[ -x "$wineserver" ] || wineserver="$(command -v wineserver || echo wineserver)"

# The source tree must check out on Windows: no two paths that differ only in case, no characters
# or names that Windows does not allow in a path.
if paths="$(git ls-files -z 2>/dev/null | tr '\0' '\n')" && [ -n "$paths" ]; then
  all="$(printf '%s\n' "$paths" |
    awk -F/ '{ p = $1; print p; for (i = 2; i <= NF; i++) { p = p "/" $i; print p } }' | sort -u)"
  clashes="$(printf '%s\n' "$all" | sort -f | uniq -di)"
  reserved='(^|/)(con|prn|aux|nul|com[1-9]|lpt[1-9])(\.[^/]*)?$'
  invalid="$(printf '%s\n' "$all" | grep -iE "[:*?\"<>|\\\\]|$reserved|[ .]\$" || true)"
  if [ -n "$clashes$invalid" ]; then
    echo "Paths that cannot be checked out on Windows:" >&2
    printf '%s\n' $clashes $invalid >&2
    exit 1
  fi
fi

dir=build-windows
echo "=== Windows build (mingw-w64, tests under wine) ==="
generator=()
command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
# Configured on every run, so that folders added since the last run are built too.
configure=(-DCMAKE_CROSSCOMPILING_EMULATOR="$wine"
  -DTESSALORAN_WITH_QT=OFF -DTESSALORAN_BENCHMARKS=OFF -DTESSALORAN_WERROR=ON)
if [ ! -f "$dir/CMakeCache.txt" ]; then
  configure+=("${generator[@]}" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchain-mingw64.cmake")
fi
cmake -S . -B "$dir" "${configure[@]}" >/dev/null
if ! cmake --build "$dir" --parallel "$(nproc)" >"$dir/build.log" 2>&1; then
  cat "$dir/build.log" >&2
  exit 1
fi

# A private, quiet wine prefix: no display, no prompts to install Mono or Gecko, no menu entries
# or file types written to the home folder, no debug output.
export WINEPREFIX="$PWD/$dir/wineprefix" WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  "$wine" wineboot --init >/dev/null 2>&1
  "$wineserver" -w
fi

# One wine server and wine's own services for the whole run, started here without a terminal:
# started by a test, they would hold on to that test's output and keep CTest waiting for them.
"$wineserver" -p >/dev/null 2>&1 </dev/null
"$wine" wineboot >/dev/null 2>&1 </dev/null

status=0
ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)" --timeout 900 || status=$?
"$wineserver" -k 2>/dev/null || true
count="$(find "$dir/tests" -name '*.exe' | wc -l)"
if [ "$status" -eq 0 ]; then
  echo "Windows tests under wine: all ${count} test executables passed"
else
  echo "Windows tests under wine: FAILED (see above)" >&2
fi
exit "$status"
