#!/bin/sh
# Makes sure the Qt 6 development files the windowed parts build against
# (Widgets, UiTools, Test) and a font for the offscreen tests are present.
#
# When something is missing on a Debian-based machine with apt-get and we
# run as root, the packages are installed (one apt-get update, then one
# non-interactive install). Otherwise the script stops with one line naming
# the packages to install.
#
#   tools/ensure-qt.sh           check, install where possible
#   tools/ensure-qt.sh --check   check only; never install
#
# Exit status 0 when everything is there (or was installed), 1 otherwise.
#
# Where to look can be set for tests and unusual installations:
#   ENSURE_QT_CMAKE_DIRS  folders holding Qt6*/Qt6*Config.cmake (space-separated)
#   ENSURE_QT_FONT_DIRS   folders searched for a font file
#   ENSURE_QT_DEBIAN_FILE the file that marks a Debian-based system
set -u

PACKAGES="qt6-base-dev qt6-tools-dev fonts-dejavu-core"
CHECK_ONLY=0
[ "${1:-}" = "--check" ] && CHECK_ONLY=1

default_cmake_dirs() {
    dirs=""
    # Prefixes the build is told about come first.
    old_ifs=$IFS
    IFS=':;'
    for prefix in ${CMAKE_PREFIX_PATH:-}; do
        [ -n "$prefix" ] && dirs="$dirs $prefix $prefix/lib/cmake $prefix/lib64/cmake"
    done
    IFS=$old_ifs
    [ -n "${Qt6_DIR:-}" ] && dirs="$dirs $(dirname "$Qt6_DIR")"
    for dir in /usr/lib/*/cmake /usr/lib/cmake /usr/lib64/cmake /usr/local/lib/cmake /usr/local/lib/*/cmake; do
        [ -d "$dir" ] && dirs="$dirs $dir"
    done
    echo "$dirs"
}

has_qt_module() {  # has_qt_module Widgets
    for dir in $CMAKE_DIRS; do
        [ -f "$dir/Qt6$1/Qt6$1Config.cmake" ] && return 0
    done
    return 1
}

has_font() {
    for dir in $FONT_DIRS; do
        [ -d "$dir" ] || continue
        found=$(find "$dir" -type f \( -name '*.ttf' -o -name '*.otf' -o -name '*.pcf.gz' \) 2>/dev/null | head -n 1)
        [ -n "$found" ] && return 0
    done
    return 1
}

everything_present() {
    has_qt_module Widgets && has_qt_module UiTools && has_qt_module Test && has_font
}

# The packages of $PACKAGES that the package database does not list as
# installed; all of them where there is no package database to ask.
missing_packages() {
    if ! command -v dpkg-query >/dev/null 2>&1; then
        echo "$PACKAGES"
        return
    fi
    missing=""
    for package in $PACKAGES; do
        status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)
        case "$status" in
            *" installed") ;;
            *) missing="$missing $package" ;;
        esac
    done
    # The files are missing although the packages are there (a broken
    # installation): reinstalling all of them is the plain remedy.
    [ -z "$missing" ] && missing=" $PACKAGES"
    echo "${missing# }"
}

can_install() {
    [ -f "${ENSURE_QT_DEBIAN_FILE:-/etc/debian_version}" ] &&
        command -v apt-get >/dev/null 2>&1 &&
        [ "$(id -u)" = "0" ]
}

CMAKE_DIRS=${ENSURE_QT_CMAKE_DIRS:-$(default_cmake_dirs)}
FONT_DIRS=${ENSURE_QT_FONT_DIRS:-"/usr/share/fonts /usr/local/share/fonts ${HOME:-/nonexistent}/.fonts ${HOME:-/nonexistent}/.local/share/fonts"}

everything_present && exit 0

MISSING=$(missing_packages)
if [ "$CHECK_ONLY" = 0 ] && can_install; then
    echo "Installing Qt 6 for the windowed parts: $MISSING" >&2
    export DEBIAN_FRONTEND=noninteractive
    # shellcheck disable=SC2086  # one argument per package
    if apt-get update -qq && apt-get install -y -qq --no-install-recommends $MISSING; then
        everything_present && exit 0
    fi
fi
echo "Qt 6 is missing: install $MISSING (as root: apt-get install $MISSING), or build without the windowed parts: make WITH_QT=OFF" >&2
exit 1
