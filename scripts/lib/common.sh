# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tavolix developers
#
# Shared by the scripts: the project root, and the Debian packages the build
# and the tests need, installed when missing.

TAVOLIX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

TAVOLIX_PACKAGES=(
    cmake ninja-build g++
    qt6-base-dev qt6-tools-dev qt6-l10n-tools libgtest-dev libbenchmark-dev libpcg-cpp-dev
    fonts-liberation xvfb xauth xdotool imagemagick
    locales desktop-file-utils
    libxml2-utils
    help2man man-db appstream
    libopenmpi-dev openmpi-bin
    ccache
)

# Installs whatever is missing of the given packages (all of the above when
# none are named), with apt-get as root or through sudo; says nothing and
# changes nothing when all are present.
ensure_packages() {
    local wanted=("$@")
    [ ${#wanted[@]} -gt 0 ] || wanted=("${TAVOLIX_PACKAGES[@]}")
    local missing=()
    local package
    for package in "${wanted[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "Missing packages (${missing[*]}) and no sudo to install them; install them as root." >&2
            return 1
        fi
        sudo=(sudo)
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The compiler cache, when ccache is there: kept outside the checkout, so a
# fresh clone, a second worktree and every build directory share it. Paths
# are taken relative to the checkout and the build directory is left out of
# the hash, so the same source compiled with the same flags in another clone
# is a hit. Sets TAVOLIX_LAUNCHER to ccache, or to nothing without it.
use_compiler_cache() {
    TAVOLIX_LAUNCHER=
    command -v ccache >/dev/null || return 0
    export CCACHE_DIR=${CCACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/tavolix-ccache}
    export CCACHE_BASEDIR=$TAVOLIX_ROOT
    export CCACHE_NOHASHDIR=true
    export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-5G}
    TAVOLIX_LAUNCHER=ccache
}

# Configures the named preset (dev, sanitize, release, fuzz) when needed and
# builds it.
build_preset() {
    local preset=$1
    shift
    local werror=OFF
    [ "${CI:-}" = true ] && werror=ON
    cd "$TAVOLIX_ROOT"
    local dir=build
    [ "$preset" = dev ] || dir="build-$preset"
    use_compiler_cache
    local launcher=$TAVOLIX_LAUNCHER
    if [ ! -f "$dir/CMakeCache.txt" ] || ! grep -q "^TAVOLIX_WERROR:BOOL=$werror\$" "$dir/CMakeCache.txt" ||
        ! grep -q "^CMAKE_CXX_COMPILER_LAUNCHER:[A-Z]*=$launcher\$" "$dir/CMakeCache.txt"; then
        cmake --preset "$preset" -DTAVOLIX_WERROR="$werror" -DCMAKE_CXX_COMPILER_LAUNCHER="$launcher" "$@" >/dev/null
    fi
    cmake --build --preset "$preset"
}
