#!/usr/bin/env bash
# Builds tests/consumer/app.cpp against the library the ways a host project does, and runs each build:
#   1. cmake --install of the library's build tree, then find_package(ovcomctl) in a CMake project;
#   2. the same installed copy through pkg-config, compiled without CMake;
#   3. add_subdirectory(<source>) in a CMake project: configured and generated (which refuses a
#      target name that does not exist) and the consumer's source compiled with the include paths the
#      targets give; linking would rebuild the whole library, which the test build links in-tree
#      instead (the ovcomctl_consumer target of this build).
# Usage: run.sh SOURCE-DIR LIBRARY-BUILD-DIR WORK-DIR [extra compiler flags, e.g. the sanitizers]
set -euo pipefail
src=$(realpath "$1")
build=$(realpath "$2")
work=$3
flags=${4:-}
rm -rf "$work"
mkdir -p "$work/out-find" "$work/out-pc"
work=$(realpath "$work")
export ASAN_OPTIONS=detect_leaks=0 # the font libraries keep caches for the process's life

step() { echo "== $*"; }

step "install"
cmake --install "$build" --prefix "$work/prefix" > "$work/install.log"

step "find_package"
cmake -S "$src/tests/consumer" -B "$work/find" -DCMAKE_PREFIX_PATH="$work/prefix" \
    -DCMAKE_CXX_FLAGS="$flags" > "$work/find-configure.log"
cmake --build "$work/find" > "$work/find-build.log"
"$work/find/ovcomctl_consumer" "$work/out-find"
test -s "$work/out-find/options.png"

step "pkg-config"
libdir=$(find "$work/prefix" -name ovcomctl.pc -printf '%h\n' | head -n 1)
export PKG_CONFIG_PATH="$libdir"
# shellcheck disable=SC2046,SC2086 # the flags are lists of words
c++ -std=c++20 $flags "$src/tests/consumer/app.cpp" -o "$work/pc-app" \
    $(pkg-config --cflags --libs ovcomctl-render) -Wl,-rpath,"$(pkg-config --variable=libdir ovcomctl)"
"$work/pc-app" "$work/out-pc"
test -s "$work/out-pc/options.png"

step "add_subdirectory"
cmake -S "$src/tests/consumer" -B "$work/sub" -DOVCOMCTL_SOURCE_DIR="$src" \
    -DCMAKE_CXX_FLAGS="$flags" > "$work/sub-configure.log"
cmake --build "$work/sub" --target app.o > "$work/sub-build.log"
echo "all consumers built"
