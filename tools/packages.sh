# Sourced by the scripts in tools/: installs the Debian packages a script
# needs when they are missing (as root, or through sudo).

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# ensure_packages PACKAGE...
ensure_packages() {
    local missing=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "${0##*/}: installing ${missing[*]}"
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# The packages every build of the tree needs.
BUILD_PACKAGES=(cmake ninja-build pkg-config qtbase5-dev qtpim5-dev qttools5-dev qttools5-dev-tools)
