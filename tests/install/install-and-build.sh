#!/usr/bin/env bash
# install-and-build.sh BUILD_DIR SOURCE_DIR GENERATOR CXX_COMPILER
# Installs BUILD_DIR into a temporary prefix, builds SOURCE_DIR/examples/embed
# against the installed package with find_package and with pkg-config, runs
# both builds and compares their output with embed.out beside this script,
# and checks that the installed corvel command runs from the prefix.
set -eu
build=$(realpath "$1") source=$(realpath "$2") generator=$3 compiler=$4
here=$(dirname "$(realpath "$0")")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
fail() { echo "install-and-build: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; fail "install failed"; }
libdir=$(dirname "$(find "$prefix" -name CorvelConfig.cmake -print -quit)")/../..
[ -f "$libdir/pkgconfig/corvel.pc" ] || fail "no corvel.pc under $libdir"

# Nothing of the build tree may leak in: the example sees only the prefix.
unset LD_LIBRARY_PATH CMAKE_PREFIX_PATH PKG_CONFIG_PATH
compare() {
    if ! diff -u "$here/embed.out" "$1"; then fail "$2: output differs (expected, then actual)"; fi
}

cmake -S "$source/examples/embed" -B "$work/cmake-build" -G "$generator" -DCMAKE_CXX_COMPILER="$compiler" \
      -DCMAKE_PREFIX_PATH="$prefix" >"$work/configure.log" 2>&1 || { cat "$work/configure.log"; fail "configure failed"; }
cmake --build "$work/cmake-build" >"$work/build.log" 2>&1 || { cat "$work/build.log"; fail "build failed"; }
"$work/cmake-build/embed" >"$work/cmake.out" || fail "the example built with find_package failed"
compare "$work/cmake.out" "find_package build"
hello=$("$work/cmake-build/hello") || fail "the smallest host failed"
[ "$hello" = "6 * 7 = 42" ] || fail "the smallest host printed '$hello'"

flags=$(PKG_CONFIG_PATH="$libdir/pkgconfig" pkg-config --cflags --libs corvel) || fail "pkg-config does not know corvel"
# shellcheck disable=SC2086  # the flags are words
"$compiler" -std=c++17 -o "$work/embed-pc" "$source"/examples/embed/{main,ExampleHost,HostObject}.cpp $flags \
    -Wl,-rpath,"$(realpath "$libdir")" || fail "build with pkg-config failed"
"$work/embed-pc" >"$work/pc.out" || fail "the example built with pkg-config failed"
compare "$work/pc.out" "pkg-config build"

# An installation with the windowed parts offers them as components; a
# program using the dialog builder and the edit control compiles and links
# against them (it is not run: that needs a display).
if [ -e "$libdir/libVorpane.so" ]; then
    mkdir "$work/windowed"
    cat >"$work/windowed/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.16)
project(Windowed LANGUAGES CXX)
set(CMAKE_CXX_STANDARD 17)
find_package(Corvel CONFIG REQUIRED COMPONENTS Vorpane CorvelEdit)
add_executable(windowed main.cpp)
target_link_libraries(windowed PRIVATE Corvel::Vorpane)
CMAKE
    cat >"$work/windowed/main.cpp" <<'CPP'
#include "CorvelEditControl.h"
#include "VorpaneModal.h"
int main(int argc, char**) {
    if (argc > 1) delete new CorvelEditControl();
    return 0;
}
CPP
    cmake -S "$work/windowed" -B "$work/windowed-build" -G "$generator" -DCMAKE_CXX_COMPILER="$compiler" \
          -DCMAKE_PREFIX_PATH="$prefix" >"$work/windowed.log" 2>&1 &&
        cmake --build "$work/windowed-build" >>"$work/windowed.log" 2>&1 ||
        { cat "$work/windowed.log"; fail "a program using the windowed components does not build"; }
fi
# A component the installation lacks is reported missing.
mkdir "$work/missing"
cat >"$work/missing/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.16)
project(Missing LANGUAGES NONE)
find_package(Corvel CONFIG COMPONENTS NoSuchPart)
if(Corvel_FOUND)
  message(FATAL_ERROR "a missing component was found")
endif()
CMAKE
cmake -S "$work/missing" -B "$work/missing-build" -DCMAKE_PREFIX_PATH="$prefix" >"$work/missing.log" 2>&1 ||
    { cat "$work/missing.log"; fail "find_package with a missing component"; }

version=$("$prefix/bin/corvel" --version) || fail "installed corvel does not run"
case "$version" in "corvel "[0-9]*) ;; *) fail "unexpected version line: $version" ;; esac
answer=$(echo 'Debug.trace(6 * 7);' | "$prefix/bin/corvel" -) || fail "installed corvel cannot run a script"
[ "$answer" = 42 ] || fail "installed corvel printed '$answer'"
echo "install-and-build: both builds of the example ran as expected"
