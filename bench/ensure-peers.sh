#!/bin/sh
# Makes sure the two engines that `make bench-compare` measures corvel
# against, mujs and duk, are on the PATH. On a Debian-based machine, run as
# root, the packages mujs and duktape are installed with apt-get; elsewhere
# nothing is done here, and the benchmark times corvel alone and says so.
# Always exits 0: missing engines never stop the benchmark.
set -u
command -v mujs >/dev/null 2>&1 && command -v duk >/dev/null 2>&1 && exit 0
[ -f /etc/debian_version ] && command -v apt-get >/dev/null 2>&1 && [ "$(id -u)" = "0" ] || exit 0
echo "Installing the engines to compare with: mujs duktape" >&2
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq && apt-get install -y -qq --no-install-recommends mujs duktape >&2 ||
    echo "bench-compare: installing mujs and duktape failed" >&2
exit 0
