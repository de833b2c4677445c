#!/usr/bin/env bash
# Builds the Debian package of Spatium with CPack, from a fresh clone too:
#   scripts/package.sh        -> build-package/spatium_<version>_<arch>.deb
# Installs the packages building it needs first (deps.sh package). Install
# the result with: sudo apt install ./build-package/spatium_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh package
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DSPATIUM_TESTS=OFF >/dev/null
cmake --build build-package -j"$(nproc)"
rm -f build-package/spatium_*.deb
(cd build-package && cpack -G DEB >/dev/null)
ls build-package/spatium_*.deb
