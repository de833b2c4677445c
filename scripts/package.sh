#!/usr/bin/env bash
# Builds the Debian package of Spatium with CPack, from a fresh clone too:
#   scripts/package.sh        -> build-package/spatium_<version>_<arch>.deb
#                                and its debug information in
#                                build-package/spatium-dbgsym_<version>_<arch>.ddeb
# Installs the packages building it needs first (deps.sh package). Install
# the result with: sudo apt install ./build-package/spatium_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh package
# Debian's hardening flags, all of them (bind-now too). CMake reads no
# CPPFLAGS, so the preprocessor's (_FORTIFY_SOURCE) join the C++ flags.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
# With debug information, which CPack moves into the debug package.
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSPATIUM_TESTS=OFF \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build build-package -j"$(nproc)"
rm -f build-package/spatium_*.deb build-package/spatium-dbgsym_*.ddeb
(cd build-package && cpack -G DEB >/dev/null)
ls build-package/spatium_*.deb build-package/spatium-dbgsym_*.ddeb
