#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ./build.sh run   installs what is missing, builds (Release) and starts Corvalo
# ./build.sh test  the same set-up, then the whole test suite headless
# ./build.sh package  the same set-up, then a Debian package of an installed copy
#                     (build-package/corvalo_<version>_<arch>.deb)
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake g++ make ninja-build pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools libgl-dev
          libfontconfig-dev fonts-liberation2 fonts-comic-neue locales-all qt6-translations-l10n)

# Only the test suite needs these: the sync test runs two Syncthing instances and talks to them
# over their REST interface; the spreadsheet test opens the export in LibreOffice Calc.
test_packages=(syncthing curl jq python3 libreoffice-calc-nogui)

# Only the package needs these: dpkg-shlibdeps works out the dependencies, and CPack uses file
# to find the programs to inspect.
package_tools=(dpkg-dev file)

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

# Ninja for a new build folder: it schedules the many small test targets with less overhead than
# make. A folder made with make before stays with make.
generator() {
    [ -f build/CMakeCache.txt ] || echo "-G Ninja"
}

build() {
    # shellcheck disable=SC2046
    cmake -S . -B build $(generator) -DCMAKE_BUILD_TYPE=Release
    cmake --build build --parallel "$(nproc)"
}

case "${1:-run}" in
run)
    install_missing
    build
    exec ./build/corvalo
    ;;
test)
    packages+=("${test_packages[@]}")
    install_missing
    build
    QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure --parallel "$(nproc)"
    ;;
package)
    packages+=("${package_tools[@]}")
    install_missing
    # The distribution's hardening (stack protector, fortify, full RELRO and BIND_NOW), and no
    # RPATH: the libraries are the system's.
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
    ldflags=$(dpkg-buildflags --get LDFLAGS)
    cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCORVALO_INSTALLED=ON \
        -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON -DCMAKE_SKIP_RPATH=ON \
        -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags"
    cmake --build build-package --parallel "$(nproc)" --target corvalo corvalo-cli \
        corvalo_package_files
    (cd build-package && cpack -G DEB)
    echo "Package: $(ls -1 "$PWD"/build-package/corvalo_*.deb | tail -n 1)"
    ;;
*)
    echo "usage: $0 [run|test|package]" >&2
    exit 2
    ;;
esac
