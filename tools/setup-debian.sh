#!/usr/bin/env bash
# Installs everything the build and every test suite need, from Debian's packages.
# Run as root or as a user with sudo. Safe to run again.
set -euo pipefail

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

packages=(
  build-essential cmake ninja-build git ca-certificates
  googletest libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format valgrind
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 wine wine64 wine32
)

# wine32, which runs the 32-bit DLL's tests, comes from the i386 architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -q
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${packages[@]}"
