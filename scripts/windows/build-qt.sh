#!/usr/bin/env bash
# Cross-builds the part of Qt 6 that Orvane uses (Core, Gui, Widgets, PrintSupport, the windows
# platform plugin and style, Svg, Charts) for 64-bit Windows with MinGW-w64, from Debian's Qt
# sources and with Debian's host Qt tools of the same version.
#
#   scripts/windows/build-qt.sh            # everything missing
#   ORVANE_WIN_CACHE=/some/dir scripts/windows/build-qt.sh
#
# Every stage leaves a stamp file in the cache folder and is skipped next time; delete
# $ORVANE_WIN_CACHE/stamps/<stage> to redo one. The Windows Qt ends up in $ORVANE_WIN_CACHE/qt-win.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"

stage_deps() {
    win_apt_install g++-mingw-w64-x86-64-posix cmake ninja-build dpkg-dev perl \
        qt6-base-dev qt6-base-dev-tools
}
# (the later steps install theirs: wine, nsis, zip, xvfb ...)

stage_src_qtbase() { fetch_source qt6-base; }
stage_src_qtsvg() { fetch_source qt6-svg; }
stage_src_qtcharts() { fetch_source qt6-charts; }

src_dir() { ls -d "$WIN_CACHE/src/$1"-*/ | head -n1; }
stage_qtbase() {
    local src; src=$(src_dir qt6-base)
    # Qt 6.4.2's windows platform plugin asks for OpenGL when OpenGL is off; a build that stopped
    # goes on from where it stopped (configured once)
    patch -d "$src" -p1 -N -r - < "$here/qt6-base-windows-without-opengl.patch" >/dev/null ||
        grep -q 'QT_CONFIG(opengl) && QT_CONFIG(dynamicgl)' \
            "$src/src/plugins/platforms/windows/qwindowswindow.cpp"
    [ -f "$WIN_CACHE/build/qtbase/CMakeCache.txt" ] ||
    cmake -S "$src" -B "$WIN_CACHE/build/qtbase" -G Ninja "${QT_CROSS_ARGS[@]}" \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_testlib=OFF \
        -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
        -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF \
        -DFEATURE_system_jpeg=OFF -DFEATURE_system_png=OFF -DFEATURE_system_zlib=OFF \
        -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
        -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_libb2=OFF \
        -DFEATURE_jpeg=ON -DFEATURE_png=ON -DFEATURE_gif=OFF -DFEATURE_ico=ON \
        -DFEATURE_sql_sqlite=OFF -DFEATURE_printsupport=ON -DFEATURE_direct2d=ON \
        -DFEATURE_dbus_linked=OFF -DFEATURE_icu=OFF -DFEATURE_glib=OFF
    cmake --build "$WIN_CACHE/build/qtbase" --parallel "$WIN_JOBS"
    cmake --install "$WIN_CACHE/build/qtbase"
}

# an add-on module against the Windows Qt already installed
build_module() {
    local name=$1 src; src=$(src_dir "$2"); shift 2
    rm -rf "$WIN_CACHE/build/$name"
    "$QT_WIN_PREFIX/bin/qt-cmake" -S "$src" -B "$WIN_CACHE/build/$name" -G Ninja \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF "$@"
    cmake --build "$WIN_CACHE/build/$name" --parallel "$WIN_JOBS"
    cmake --install "$WIN_CACHE/build/$name"
}

stage_qtsvg() { build_module qtsvg qt6-svg; }
stage_qtcharts() { build_module qtcharts qt6-charts; }

run_stage deps
run_stage src_qtbase
run_stage qtbase
# The add-on modules are optional: one that cannot be fetched or built is reported and Orvane is
# built without it (without Qt Charts the charts tab shows a note).
for m in qtcharts qtsvg; do
    set +e
    ( set -e; run_stage "src_$m"; run_stage "$m" )
    rc=$?
    set -e
    [ $rc -eq 0 ] || echo "== $m: not built, Orvane goes without it" >&2
done
echo "Qt for Windows: $QT_WIN_PREFIX"
