#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Start time of the real executable against a bare Qt window, interleaved in one run under Xvfb:
# launch to the main window mapped and to its last paint, median of the rounds, and the ratios.
# A second build of the program (say, of an older commit) can run in the same rounds.
#   cmake --build <build dir> --target corvalo corvalo_bench_start
#   bench/start/bench_start.sh <build dir> [rounds] [baseline corvalo executable]
# PAGE=<1-5> starts both programs on that page as the remembered one (a first start shows page 5).
set -eu
build=$(cd "${1:?usage: bench_start.sh <build dir> [rounds] [baseline executable]}" && pwd)
rounds=${2:-10}
baseline=${3:-}
quiet=300 # ms without a paint after which the window counts as fully painted

if ! command -v Xvfb >/dev/null 2>&1; then
    if [ "$(id -u)" -eq 0 ]; then apt-get install -y --no-install-recommends xvfb
    else sudo apt-get install -y --no-install-recommends xvfb; fi
fi

work=$(mktemp -d)
xvfb=""
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
# Each program in a folder of its own: its data folders start empty, and the settings live in a
# throw-away home.
mkdir -p "$work/home" "$work/corvalo" "$work/baseline" && chmod 700 "$work/home"
if [ -n "${PAGE:-}" ]; then
    mkdir -p "$work/home/.config/Corvalo"
    printf '[Settings]\nTabs=%s\n' "$PAGE" >"$work/home/.config/Corvalo/corvalo.conf"
fi
cp "$build/corvalo" "$work/corvalo/corvalo"
[ -n "$baseline" ] && cp "$baseline" "$work/baseline/corvalo"

display=:97
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
# A busy machine may take some seconds to bring the server up.
tries=0
while [ ! -S "/tmp/.X11-unix/X${display#:}" ] && [ "$tries" -lt 100 ]; do
    sleep 0.1
    tries=$((tries + 1))
done
sleep 0.2

probe="$build/bench/corvalo_bench_startprobe"
launch() { # <results file> <program>
    env DISPLAY="$display" QT_QPA_PLATFORM=xcb HOME="$work/home" XDG_RUNTIME_DIR="$work/home" \
        XDG_CONFIG_HOME="$work/home/.config" "$probe" "$quiet" "$2" >>"$1"
}
: >"$work/bare.txt"
: >"$work/corvalo.txt"
: >"$work/baseline.txt"
i=0
while [ "$i" -lt "$rounds" ]; do
    launch "$work/bare.txt" "$build/bench/corvalo_bench_bare_window"
    launch "$work/corvalo.txt" "$work/corvalo/corvalo"
    [ -n "$baseline" ] && launch "$work/baseline.txt" "$work/baseline/corvalo"
    i=$((i + 1))
done

median() { # <file> <column: 2 mapped, 4 painted>
    awk -v c="$2" '{print $c}' "$1" | sort -n |
        awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'
}
row() { # <label> <file> <column>
    m=$(median "$2" "$3"); b=$(median "$work/bare.txt" "$3")
    printf '  %-9s %7.1f ms   bare window %7.1f ms   ratio %.2f\n' "$1" "$m" "$b" \
        "$(echo "$m $b" | awk '{print $1/$2}')"
}
echo "rounds: $rounds, interleaved; medians"
echo "launch to mapped:"
row corvalo "$work/corvalo.txt" 2
[ -n "$baseline" ] && row baseline "$work/baseline.txt" 2
echo "launch to painted:"
row corvalo "$work/corvalo.txt" 4
[ -n "$baseline" ] && row baseline "$work/baseline.txt" 4

# Resident memory once the window is up and idle.
rss() { # <program>
    env DISPLAY="$display" QT_QPA_PLATFORM=xcb HOME="$work/home" XDG_RUNTIME_DIR="$work/home" \
        XDG_CONFIG_HOME="$work/home/.config" "$1" &
    app=$!
    sleep 3
    awk '/VmRSS/ {printf "%.1f MB", $2/1024}' "/proc/$app/status"
    kill "$app"
    wait "$app" 2>/dev/null || true
}
echo "resident memory after start: corvalo $(rss "$work/corvalo/corvalo")"
[ -n "$baseline" ] && echo "resident memory after start: baseline $(rss "$work/baseline/corvalo")"
exit 0
