#!/bin/sh
# Start time of the real executable against a bare Qt window, interleaved in one run under Xvfb:
# launch to the main window mapped and to its last paint, median of the rounds, and the ratios.
#   cmake --build <build dir> --target corvalo corvalo_bench_start
#   bench/start/bench_start.sh <build dir> [rounds]
set -eu
build=$(cd "${1:?usage: bench_start.sh <build dir> [rounds]}" && pwd)
rounds=${2:-10}
quiet=300 # ms without a paint after which the window counts as fully painted

if ! command -v Xvfb >/dev/null 2>&1; then
    if [ "$(id -u)" -eq 0 ]; then apt-get install -y --no-install-recommends xvfb
    else sudo apt-get install -y --no-install-recommends xvfb; fi
fi

work=$(mktemp -d)
xvfb=""
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
# A copy of the program in a folder of its own: its data folders start empty, and the settings
# live in a throw-away home.
cp "$build/corvalo" "$work/corvalo"
mkdir -p "$work/home" && chmod 700 "$work/home"

display=:97
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1

probe="$build/bench/corvalo_bench_startprobe"
bare="$build/bench/corvalo_bench_bare_window"
: >"$work/bare.txt"
: >"$work/corvalo.txt"
i=0
while [ "$i" -lt "$rounds" ]; do
    env DISPLAY="$display" QT_QPA_PLATFORM=xcb HOME="$work/home" XDG_RUNTIME_DIR="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
        "$probe" "$quiet" "$bare" >>"$work/bare.txt"
    env DISPLAY="$display" QT_QPA_PLATFORM=xcb HOME="$work/home" XDG_RUNTIME_DIR="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
        "$probe" "$quiet" "$work/corvalo" >>"$work/corvalo.txt"
    i=$((i + 1))
done

median() { # column 2 (mapped) or 4 (painted) of a file
    awk -v c="$2" '{print $c}' "$1" | sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'
}
bm=$(median "$work/bare.txt" 2); bp=$(median "$work/bare.txt" 4)
cm=$(median "$work/corvalo.txt" 2); cp=$(median "$work/corvalo.txt" 4)
echo "rounds: $rounds (interleaved), medians in ms"
printf 'launch to mapped:  corvalo %7.1f  bare %7.1f  ratio %.2f\n' "$cm" "$bm" "$(echo "$cm $bm" | awk '{print $1/$2}')"
printf 'launch to painted: corvalo %7.1f  bare %7.1f  ratio %.2f\n' "$cp" "$bp" "$(echo "$cp $bp" | awk '{print $1/$2}')"

# Resident memory once the window is up and idle.
env DISPLAY="$display" QT_QPA_PLATFORM=xcb HOME="$work/home" XDG_RUNTIME_DIR="$work/home" \
    XDG_CONFIG_HOME="$work/home/.config" "$work/corvalo" &
app=$!
sleep 3
printf 'resident memory after start: %s\n' "$(awk '/VmRSS/ {printf "%.1f MB", $2/1024}' /proc/$app/status)"
kill "$app"
wait "$app" 2>/dev/null || true
