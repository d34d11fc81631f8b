#!/bin/sh
# Runs a Windows program under Wine for CTest, in the project's own quiet Wine prefix.
#   wine-run.sh PROGRAM [ARGS...]   run PROGRAM (a .exe path, or a Wine tool such as reg)
#   wine-run.sh --prepare           create the prefix if it does not exist yet
#   wine-run.sh --stop              stop the prefix's wineserver
#
# The prefix is build/wine-prefix in this source tree unless WINEPREFIX names another (absolute)
# one. One 64-bit prefix runs the x64 and the 32-bit programs.
#
# The loader is chosen from the program's own PE header: the 64-bit loader for x64 programs and
# the 32-bit one for 32-bit programs. Debian's /usr/bin/wine always starts the 32-bit loader,
# which cannot run at all on a kernel without 32-bit support; the 64-bit loader then still runs
# every x64 program. A 32-bit program on such a kernel cannot run: the wrapper says so on a line
# starting "veltra-wine: SKIPPED", which CTest reports as a skipped test, and exits 77 so that
# nothing reads it as a pass.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
: "${WINEPREFIX:=$(cd "$here/../.." && pwd)/build/wine-prefix}"
: "${WINEDEBUG:=-all}"
: "${WINEDLLOVERRIDES:=mscoree,mshtml=}"
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES

first_of() {
  for candidate in "$@"; do
    if command -v "$candidate" >/dev/null 2>&1; then
      command -v "$candidate"
      return 0
    fi
  done
  return 1
}
loader64=$(first_of /usr/lib/wine/wine64 wine64 wine)
loader32=$(first_of /usr/lib/wine/wine wine)
wineserver=$(first_of /usr/lib/wine/wineserver wineserver)

# The machine field of a PE file: 8664 for x64, 014c for 32-bit x86.
pe_machine() {
  header=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')
  [ -n "$header" ] || return 0
  od -An -tx2 -j$((header + 4)) -N2 "$1" 2>/dev/null | tr -d ' '
}

can_run_32bit() {
  "$loader32" --version >/dev/null 2>&1
}

prepare() {
  [ -f "$WINEPREFIX/system.reg" ] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  # Creating a prefix takes 10 to 20 s; parallel tests wait for the first one to finish.
  (
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      echo "veltra-wine: creating the Wine prefix $WINEPREFIX" >&2
      "$loader64" wineboot -i </dev/null >/dev/null 2>&1 || true
      "$wineserver" -w
      [ -f "$WINEPREFIX/system.reg" ] || { echo "veltra-wine: could not create $WINEPREFIX" >&2; exit 1; }
    fi
  ) 9>"$WINEPREFIX.lock"
}

case "${1:-}" in
  --prepare)
    prepare
    exit 0
    ;;
  --stop)
    "$wineserver" -k 2>/dev/null || true
    exit 0
    ;;
  --can-run-32bit)
    can_run_32bit
    exit
    ;;
  "")
    echo "usage: $0 PROGRAM [ARGS...] | --prepare | --stop | --can-run-32bit" >&2
    exit 2
    ;;
esac

loader=$loader64
if [ -f "$1" ] && [ "$(pe_machine "$1")" = "014c" ]; then
  if ! can_run_32bit; then
    echo "veltra-wine: SKIPPED $(basename "$1"): this Linux kernel cannot run 32-bit code" \
      "(32-bit emulation is off), so Wine cannot run 32-bit Windows programs here"
    exit 77
  fi
  loader=$loader32
fi

prepare
# Start wineserver and Wine's own services with their output detached, so that they cannot keep
# CTest's pipe open after the program has finished.
"$loader64" cmd /c exit </dev/null >/dev/null 2>&1 || true
exec "$loader" "$@"
