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

# The browser tests' accessibility rules (axe-core), pinned by package-lock.json.
if [ ! -f "$repo/tests/browser/node_modules/axe-core/axe.min.js" ] && command -v npm >/dev/null; then
    (cd "$repo/tests/browser" && npm ci --no-audit --no-fund)
fi

# The dev preset builds into build/; CI's preset is the same with warnings
# as errors. The build type stays what it was unless CORVANEL_BUILD_TYPE says.
preset="dev"
[ -n "${CI:-}" ] && preset="ci"
cd "$repo"
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake --preset "$preset" ${CORVANEL_BUILD_TYPE:+-DCMAKE_BUILD_TYPE="$CORVANEL_BUILD_TYPE"}
else
    build_type="$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")"
    cmake --preset "$preset" -DCMAKE_BUILD_TYPE="${CORVANEL_BUILD_TYPE:-$build_type}" >/dev/null
fi
cmake --build --preset "$preset"
