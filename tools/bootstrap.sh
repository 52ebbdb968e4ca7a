#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs the Debian packages that are missing, then configures
# and builds the project in build/. Source it; it defines functions and runs nothing itself.

TOLVARAN_BUILD_PACKAGES=(build-essential cmake pkg-config qt6-base-dev qt6-qpa-plugins libgl-dev
                         libsqlcipher-dev fonts-wqy-microhei)

say() { printf '==> %s\n' "$*"; }

# Installs each named package that is not installed yet, as root or through sudo.
ensure_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ "${#missing[@]}" -eq 0 ] && return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        say "Installing ${missing[*]} with sudo (you may be asked for your password)"
        sudo=(sudo)
    else
        say "Installing ${missing[*]}"
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

build_project() {
    say "Building in build/"
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build --parallel "$(nproc)"
}
