#!/bin/sh
# Tests of tools/ensure-qt.sh on made-up machines: Qt's CMake files and
# fonts in temporary folders, and stand-ins for id, dpkg-query and apt-get
# that record how they were called.
set -u
SCRIPT=$(cd "$(dirname "$0")/../.." && pwd)/tools/ensure-qt.sh
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
FAILURES=0

fail() { echo "FAIL: $*"; FAILURES=$((FAILURES + 1)); }

# A machine: $1 = the Qt modules present, $2 = "font" or "", $3 = uid,
# $4 = "debian" or "", $5 = the packages dpkg lists as installed ("-": no dpkg),
# $6 = "ok" or "fail": how apt-get install ends.
machine() {
    root="$WORK/$(date +%s%N)"
    mkdir -p "$root/cmake" "$root/fonts" "$root/bin"
    for module in $1; do
        mkdir -p "$root/cmake/Qt6$module" && : > "$root/cmake/Qt6$module/Qt6${module}Config.cmake"
    done
    [ "$2" = font ] && : > "$root/fonts/Sans.ttf"
    [ "$4" = debian ] && : > "$root/debian_version"
    for tool in sh dirname find head cat mkdir; do
        ln -s "$(command -v $tool)" "$root/bin/$tool"
    done
    printf '#!/bin/sh\necho %s\n' "$3" > "$root/bin/id"
    if [ "$5" != "-" ]; then
        cat > "$root/bin/dpkg-query" <<STUB
#!/bin/sh
for package in $5; do [ "\$3" = "\$package" ] && { printf 'install ok installed'; exit 0; }; done
printf 'unknown ok not-installed'; exit 1
STUB
    fi
    # apt-get "installs" by creating every module's files and a font.
    cat > "$root/bin/apt-get" <<STUB
#!/bin/sh
echo "\$DEBIAN_FRONTEND \$*" >> "$root/apt.log"
[ "\$1" = install ] || exit 0
[ "$6" = ok ] || exit 100
for module in Widgets UiTools Test; do
    mkdir -p "$root/cmake/Qt6\$module" && : > "$root/cmake/Qt6\$module/Qt6\${module}Config.cmake"
done
: > "$root/fonts/Sans.ttf"
STUB
    chmod +x "$root/bin/"*
    echo "$root"
}

run() {  # run ROOT [--check]: sets STATUS and ERR
    root=$1
    shift
    ERR=$(PATH="$root/bin" ENSURE_QT_CMAKE_DIRS="$root/cmake" ENSURE_QT_FONT_DIRS="$root/fonts" \
          ENSURE_QT_DEBIAN_FILE="$root/debian_version" sh "$SCRIPT" "$@" 2>&1 >/dev/null)
    STATUS=$?
}

lines() { printf '%s' "$1" | grep -c ''; }

# Everything there: silent success, nothing installed.
m=$(machine "Widgets UiTools Test" font 0 debian "qt6-base-dev qt6-tools-dev fonts-dejavu-core" ok)
run "$m"
[ "$STATUS" = 0 ] && [ -z "$ERR" ] || fail "complete machine: status $STATUS, '$ERR'"
[ ! -e "$m/apt.log" ] || fail "complete machine: apt-get ran"

# UiTools missing, not root: one line naming the missing package, no install.
m=$(machine "Widgets Test" font 1000 debian "qt6-base-dev fonts-dejavu-core" ok)
run "$m"
[ "$STATUS" = 1 ] || fail "not root: status $STATUS"
[ "$(lines "$ERR")" = 1 ] || fail "not root: more than one line: '$ERR'"
case "$ERR" in *"install qt6-tools-dev "*) ;; *) fail "not root: '$ERR'" ;; esac
[ ! -e "$m/apt.log" ] || fail "not root: apt-get ran"

# Root on Debian: one update, one non-interactive install of what is missing.
m=$(machine "Widgets" "" 0 debian "qt6-base-dev" ok)
run "$m"
[ "$STATUS" = 0 ] || fail "root: status $STATUS, '$ERR'"
expected="noninteractive update -qq
noninteractive install -y -qq --no-install-recommends qt6-tools-dev fonts-dejavu-core"
[ "$(cat "$m/apt.log")" = "$expected" ] || fail "root: apt-get calls: $(cat "$m/apt.log")"

# Root on Debian, but asked only to check.
m=$(machine "" font 0 debian "" ok)
run "$m" --check
[ "$STATUS" = 1 ] && [ ! -e "$m/apt.log" ] || fail "--check: status $STATUS or apt-get ran"

# A failing install ends with the one line.
m=$(machine "" font 0 debian "" fail)
run "$m"
[ "$STATUS" = 1 ] || fail "failed install: status $STATUS"
case "$ERR" in *"Qt 6 is missing: install qt6-base-dev qt6-tools-dev fonts-dejavu-core "*) ;;
    *) fail "failed install: '$ERR'" ;; esac

# Not Debian (no marker, no dpkg): every package named, nothing installed.
m=$(machine "" "" 0 "" - ok)
run "$m"
[ "$STATUS" = 1 ] && [ ! -e "$m/apt.log" ] || fail "not Debian: status $STATUS or apt-get ran"
[ "$(lines "$ERR")" = 1 ] || fail "not Debian: '$ERR'"
case "$ERR" in *"qt6-base-dev qt6-tools-dev fonts-dejavu-core"*) ;; *) fail "not Debian: '$ERR'" ;; esac

[ "$FAILURES" = 0 ] && echo "ensure-qt: all cases passed"
[ "$FAILURES" = 0 ]
