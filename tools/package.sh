#!/usr/bin/env bash
# Builds the program and its desktop files in build-package/ (Release; no tests, no benchmarks)
# and makes a Debian package of them there with cpack; prints its control data and its path.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
    "${launcher[@]}" >/dev/null
cmake --build build-package --parallel "$(nproc)" --target ORVENFR app_icons
cd build-package
rm -f ./*.deb
cpack -G DEB
package=$(ls ./*.deb)
dpkg-deb -I "$package"
echo "Package: $PWD/${package#./}"
