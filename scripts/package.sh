#!/usr/bin/env bash
# Builds the Debian package into build-pkg/ (or $QL_PKG_DIR): a build configured for /usr, so the
# library lands in the multiarch folder, and its dependencies computed from what the binaries link.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
QL_BUILD_DIR=${QL_PKG_DIR:-build-pkg} QL_BUILD_TYPE=${QL_BUILD_TYPE:-RelWithDebInfo} \
  scripts/build.sh -DCMAKE_INSTALL_PREFIX=/usr
cd "${QL_PKG_DIR:-build-pkg}"
cpack -G DEB
ls -l "$PWD"/quillory_*.deb
