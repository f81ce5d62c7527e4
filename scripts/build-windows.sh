#!/usr/bin/env bash
# Builds Orvane for 64-bit Windows on Debian 12 from Debian packages alone and writes
#   orvane-<version>-win64.zip          a portable folder (settings and catalogues beside the program)
#   orvane-<version>-win64-setup.exe    an installer (Start menu, uninstaller, .smkprj/.isrprj)
# into OUTPUT_FOLDER (default: dist-win/).
#
#   scripts/build-windows.sh [OUTPUT_FOLDER]
#
# Run as root (or with sudo at hand): it installs the MinGW-w64 cross compiler, Wine, NSIS and the
# rest with apt-get. The long stage, Qt for Windows (scripts/windows/build-qt.sh), is cached in
# $ORVANE_WIN_CACHE (default ~/.cache/orvane-win) and reused; a stage is redone after its stamp
# file in $ORVANE_WIN_CACHE/stamps is deleted. Orvane itself is rebuilt every time.
set -euo pipefail
here=$(cd "$(dirname "$0")/windows" && pwd)
"$here/build-qt.sh"
exec "$here/package.sh" "$@"
