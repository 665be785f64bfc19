# Installs the Debian packages given as arguments when any of them is missing.
install_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# The packages every build needs.
BUILD_PACKAGES=(qt6-base-dev libxcb1-dev libfontconfig-dev cmake g++ ninja-build
    libsodium-dev pkg-config)

# What making the Debian package needs beyond the build: dpkg-shlibdeps and dpkg-buildflags,
# and file, through which CPack finds the programs whose libraries it lists.
PACKAGE_PACKAGES=(dpkg-dev file)
