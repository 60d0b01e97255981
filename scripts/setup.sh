#!/usr/bin/env bash
# Installs what is missing, then configures and builds Corvanel into build/.
# Shared by run.sh and test.sh; safe to run again and from any folder.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$repo/build"

missing_packages() {
    local pkg
    grep -v -E '^\s*(#|$)' "$repo/scripts/packages.txt" | while read -r pkg; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            echo "$pkg"
        fi
    done
}

install_packages() {
    local -a missing
    mapfile -t missing < <(missing_packages)
    [ "${#missing[@]}" -eq 0 ] && return 0
    echo "Instalando pacotes: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

install_packages

build_type="${CORVANEL_BUILD_TYPE:-RelWithDebInfo}"
warnings_as_errors="OFF"
[ -n "${CI:-}" ] && warnings_as_errors="ON"

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$repo" -B "$build" -G Ninja \
        -DCMAKE_BUILD_TYPE="$build_type" \
        -DCORVANEL_WARNINGS_AS_ERRORS="$warnings_as_errors"
else
    cmake -S "$repo" -B "$build" -DCORVANEL_WARNINGS_AS_ERRORS="$warnings_as_errors" >/dev/null
fi
cmake --build "$build" -j2
