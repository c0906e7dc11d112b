#!/usr/bin/env bash
# Builds the Debian package as a packager would: only the two programs and
# their desktop files (no tests, benchmarks or fuzzers), with Debian's
# hardening and reproducibility flags, installed under /usr. Installs what is
# missing first. Build output goes to standard error; the last line on
# standard output is the path of planetarium_VERSION_ARCH.deb, for
#
#     sudo apt install ./build/package/planetarium_VERSION_ARCH.deb
#
# Running it again rebuilds only what changed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh package >&2

dir=build/package
if [ ! -f "$dir/build.ninja" ]; then
  # CMake reads CXXFLAGS and LDFLAGS only: the preprocessor's flags go with
  # the compiler's.
  export DEB_BUILD_MAINT_OPTIONS=hardening=+all
  CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF >&2
fi
cmake --build "$dir" -j "$(nproc)" >&2
(cd "$dir" && cpack >&2)

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$dir/CMakeCache.txt")
deb="$PWD/$dir/planetarium_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "package.sh: $deb was not made" >&2; exit 1; }
echo "$deb"
