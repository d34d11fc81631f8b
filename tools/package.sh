#!/usr/bin/env bash
# Builds both Windows DLLs and makes the release package: build/package/veltra-<version>-windows.zip
# with x64/ and x86/ veltra.dll, the probe (with the stand-in KALDOR32 it needs), the host header,
# the sample MOF file and an install note. Needs the packages of tools/setup-debian.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
for preset in win64 win32; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j 2 --target veltra veltra-probe kaldor32
done
cpack --config build/win64/CPackWindows.cmake
