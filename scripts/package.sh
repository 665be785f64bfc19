#!/usr/bin/env bash
# Builds Tolvane in release mode in build-package/ and makes its Debian package with CPack:
# leaves tolvane_<version>_<architecture>.deb, and no other package, in the root of the clone.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
. "$root/scripts/packages.sh"
install_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
build="$root/build-package"

cd "$root" # dpkg-buildflags maps the current folder's paths out of the program
# The changelog is dated by the last commit, so the same sources give the same package.
if commit_time="$(git -C "$root" log -1 --format=%ct 2>/dev/null)" && [ -n "$commit_time" ]; then
    export SOURCE_DATE_EPOCH="$commit_time"
fi
# Debian's own hardening flags (fortified functions, stack protector, read-only relocations
# bound at start), as a package built by Debian gets them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxx_flags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
link_flags="$(dpkg-buildflags --get LDFLAGS)"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_CXX_FLAGS="$cxx_flags" -DCMAKE_EXE_LINKER_FLAGS="$link_flags" "${launcher[@]}" \
    >/dev/null
cmake --build "$build" --target tolvane tolvane_documents
rm -rf "$build/packages"
(cd "$build" && cpack -G DEB -B "$build/packages")
rm -f "$root"/tolvane_*.deb
mv "$build"/packages/tolvane_*.deb "$root/"
ls "$root"/tolvane_*.deb
