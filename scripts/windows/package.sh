#!/usr/bin/env bash
# Cross-builds Orvane against the Windows Qt of build-qt.sh and packs the portable zip and the
# NSIS installer (see scripts/build-windows.sh, which runs both).
#
#   scripts/windows/package.sh [OUTPUT_FOLDER]      (default: dist-win/ in the source tree)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
out_dir=$(realpath -m "${1:-$REPO_ROOT/dist-win}")
mingw=x86_64-w64-mingw32
mingw_runtime_dirs=(/usr/lib/gcc/$mingw/12-posix /usr/$mingw/lib)

win_apt_install g++-mingw-w64-x86-64-posix cmake ninja-build nlohmann-json3-dev dpkg-dev \
    wine wine64 nsis zip qt6-translations-l10n

# libjpeg for the banner loader: Debian's libjpeg-turbo source, a static library
stage_src_libjpeg() {
    fetch_source libjpeg-turbo
}
stage_libjpeg() {
    local src; src=$(ls -d "$WIN_CACHE/src/libjpeg-turbo"-*/ | head -n1)
    rm -rf "$WIN_CACHE/build/libjpeg"
    cmake -S "$src" -B "$WIN_CACHE/build/libjpeg" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$REPO_ROOT/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$WIN_CACHE/libjpeg-win" \
        -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF \
        -DWITH_JAVA=OFF -DCMAKE_POSITION_INDEPENDENT_CODE=ON
    cmake --build "$WIN_CACHE/build/libjpeg" --parallel "$WIN_JOBS" --target jpeg-static
    # the library and its headers only (installing would want the tools built too)
    mkdir -p "$WIN_CACHE/libjpeg-win/lib" "$WIN_CACHE/libjpeg-win/include"
    cp "$WIN_CACHE/build/libjpeg/libjpeg.a" "$WIN_CACHE/libjpeg-win/lib/"
    cp "$src"/{jpeglib.h,jmorecfg.h,jerror.h} "$WIN_CACHE/build/libjpeg/jconfig.h" \
        "$WIN_CACHE/libjpeg-win/include/"
}
run_stage src_libjpeg
run_stage libjpeg

[ -f "$QT_WIN_PREFIX/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake" ] ||
    { echo "no Windows Qt in $QT_WIN_PREFIX: run scripts/windows/build-qt.sh" >&2; exit 2; }

t0=$(date +%s)
echo "== orvane: $(date -u +%H:%M:%S)"
build=$WIN_CACHE/build/orvane
# the build folder belongs to the clone that configured it: CMake refuses another source folder
if [ -f "$build/CMakeCache.txt" ] &&
    [ "$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build/CMakeCache.txt")" != "$REPO_ROOT" ]; then
    echo "== orvane: the build folder was made from another clone; building afresh"
    rm -rf "$build"
fi
json_prefix=$WIN_CACHE/json-prefix
make_json_prefix "$json_prefix"
# the catalogue generator runs under Wine during the build and needs the MinGW runtime DLLs
start_wine "${WINEPREFIX:-$WIN_CACHE/wineprefix-build}"
trap stop_wine EXIT
WINEPATH=
for d in "${mingw_runtime_dirs[@]}" "$QT_WIN_PREFIX/bin"; do WINEPATH+="$(winepath -w "$d");"; done
export WINEPATH
# (-O2 as the Linux build and the CI check: the same optimisation, the same numbers)
cmake -S "$REPO_ROOT" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$REPO_ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DORVANE_MINGW_STATIC_RUNTIME=OFF \
    -DCMAKE_FIND_ROOT_PATH="$QT_WIN_PREFIX;$WIN_CACHE/libjpeg-win;$json_prefix" \
    -DCMAKE_PREFIX_PATH="$QT_WIN_PREFIX" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DORVANE_BUILD_TESTS=OFF -DORVANE_BUILD_BENCH=OFF \
    -DCMAKE_INSTALL_PREFIX="C:/Program Files/Orvane" >/dev/null
cmake --build "$build" --parallel "$WIN_JOBS"
echo "== orvane: built in $(( $(date +%s) - t0 )) s"

t0=$(date +%s)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=orvane-$version-win64
stage=$WIN_CACHE/stage/$name
rm -rf "$WIN_CACHE/stage" "$WIN_CACHE/install"
cmake --install "$build" --prefix "$WIN_CACHE/install" >/dev/null
# one flat folder: the programs with the shared data beside them (the portable layout)
mkdir -p "$stage"
cp "$WIN_CACHE/install/bin/"*.exe "$stage/"
cp -r "$WIN_CACHE/install/share/orvane/." "$stage/"

# Qt's plugins the program loads, then every DLL the programs and plugins import, found in the
# Windows Qt and the MinGW runtime; system DLLs are left to Windows
copy_plugin() {
    local folder=$1 file=$2
    [ -f "$QT_WIN_PREFIX/plugins/$folder/$file" ] || return 0
    mkdir -p "$stage/$folder"
    cp "$QT_WIN_PREFIX/plugins/$folder/$file" "$stage/$folder/"
}
copy_plugin platforms qwindows.dll
copy_plugin platforms qoffscreen.dll # orvane-calc --pdf lays out pages without a display
copy_plugin styles qwindowsvistastyle.dll
for f in qjpeg.dll qico.dll qsvg.dll; do copy_plugin imageformats "$f"; done
copy_plugin iconengines qsvgicon.dll
find_dll() {
    local d
    for d in "$QT_WIN_PREFIX/bin" "${mingw_runtime_dirs[@]}"; do
        [ -f "$d/$1" ] && { echo "$d/$1"; return; }
    done
    return 0 # a system DLL: nothing
}
queue=$(find "$stage" -name '*.exe' -o -name '*.dll')
while [ -n "$queue" ]; do
    next=
    for f in $queue; do
        for dll in $("$mingw-objdump" -p "$f" | sed -n 's/^\s*DLL Name: //p'); do
            [ -f "$stage/$dll" ] && continue
            src=$(find_dll "$dll")
            [ -n "$src" ] || continue # a system DLL
            cp "$src" "$stage/"
            next+=" $stage/$dll"
        done
    done
    queue=$next
done
printf '[Paths]\nPrefix = .\nPlugins = .\nTranslations = translations\n' > "$stage/qt.conf"
mkdir -p "$stage/translations"
for qm in "$QT_WIN_PREFIX/translations/qtbase_ru.qm" /usr/share/qt6/translations/qtbase_ru.qm; do
    [ -f "$qm" ] && { cp "$qm" "$stage/translations/"; break; }
done
find "$stage" \( -name '*.exe' -o -name '*.dll' \) -exec "$mingw-strip" --strip-unneeded {} +
cp "$REPO_ROOT/LICENSE" "$stage/LICENSE.txt"

mkdir -p "$out_dir"
rm -f "$out_dir/$name.zip" "$out_dir/$name-setup.exe"
(cd "$WIN_CACHE/stage" && zip -qr9 "$out_dir/$name.zip" "$name")
makensis -V2 -DVERSION="$version" -DSOURCE_DIR="$stage" -DOUTFILE="$out_dir/$name-setup.exe" \
    "$REPO_ROOT/dist/windows/orvane.nsi"
echo "== packages: made in $(( $(date +%s) - t0 )) s"
ls -l "$out_dir/$name.zip" "$out_dir/$name-setup.exe"
