#!/usr/bin/env bash
# ./build.sh run   installs what is missing, builds (Release) and starts Corvalo
# ./build.sh test  the same set-up, then the whole test suite headless
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake g++ make pkg-config qt6-base-dev libgl-dev fonts-liberation2 fonts-comic-neue
          locales-all)

install_missing() {
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

build() {
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
    cmake --build build --parallel "$(nproc)"
}

case "${1:-run}" in
run)
    install_missing
    build
    exec ./build/corvalo
    ;;
test)
    install_missing
    build
    QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure --parallel "$(nproc)"
    ;;
*)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac
