#!/usr/bin/env bash
# Builds the Debian package orvane_<version>_<arch>.deb from a clean copy of the committed tree,
# in its own build folder. The package is written to the folder given as the first argument
# (default: the repository's top folder).
#   scripts/make-package.sh [OUTPUT_FOLDER]
# Environment: PACKAGE_BUILD_DIR (default build-package), PACKAGE_FROM_WORKTREE=1 to package the
# working tree as it is instead of the last commit.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$top}" && cd "${1:-$top}" && pwd)
build=${PACKAGE_BUILD_DIR:-$top/build-package}

"$top/scripts/install-deps.sh"

# A clean tree: the last commit as it is stored, nothing left over from local builds or edits.
rm -rf "$build"
mkdir -p "$build/source"
if [ -z "${PACKAGE_FROM_WORKTREE:-}" ] && git -C "$top" rev-parse --git-dir >/dev/null 2>&1; then
    git -C "$top" archive --format=tar HEAD | tar -x -C "$build/source"
else
    tar -C "$top" --exclude='./build*' --exclude='./out' --exclude='./.git' -cf - . |
        tar -x -C "$build/source"
fi

cmake -S "$build/source" -B "$build/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX=/usr -DORVANE_BUILD_TESTS=OFF -DORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$build/build" --parallel "$(nproc)"
(cd "$build/build" && cpack -G DEB -B "$build/package" >/dev/null)

package=$(find "$build/package" -maxdepth 1 -name 'orvane_*.deb' -print -quit)
if [ -z "$package" ]; then
    echo "Пакет не создан: в $build/package нет файла orvane_*.deb" >&2
    exit 1
fi
cp "$package" "$out/"
echo "$out/$(basename "$package")"
