# Shared settings of the Windows build scripts (sourced, not run).
WIN_CACHE=${ORVANE_WIN_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/orvane-win}
QT_WIN_PREFIX=$WIN_CACHE/qt-win
WIN_JOBS=${WIN_JOBS:-$(nproc)}
REPO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
SUDO=
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive

QT_CROSS_ARGS=(
    -DCMAKE_TOOLCHAIN_FILE="$REPO_ROOT/cmake/mingw-w64-x86_64.cmake"
    -DORVANE_MINGW_STATIC_RUNTIME=OFF
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_INSTALL_PREFIX="$QT_WIN_PREFIX"
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DBUILD_SHARED_LIBS=ON
)

# installs the packages that are not installed yet
win_apt_install() {
    "$REPO_ROOT/scripts/install-deps.sh" "$@"
}

# runs stage_<name> once; the stamp holds how long it took
run_stage() {
    local name=$1 stamp=$WIN_CACHE/stamps/$1 t0
    mkdir -p "$WIN_CACHE/stamps"
    if [ -f "$stamp" ]; then
        echo "== $name: done before ($(cat "$stamp"))"
        return
    fi
    echo "== $name: $(date -u +%H:%M:%S)"
    t0=$(date +%s)
    # (not under "if" or "||": there bash would let the stage go on past a failed command)
    set +e
    ( set -e; "stage_$name" )
    local rc=$?
    set -e
    if [ $rc -ne 0 ]; then
        echo "== $name: FAILED after $(( $(date +%s) - t0 )) s" >&2
        return $rc
    fi
    echo "$(( $(date +%s) - t0 )) s" > "$stamp"
    echo "== $name: finished in $(cat "$stamp")"
}

# A prefix with the header-only nlohmann-json for the target: the headers of /usr/include/nlohmann
# and their CMake package, without the rest of the host's /usr/include.
make_json_prefix() {
    local prefix=$1
    mkdir -p "$prefix/include" "$prefix/share/cmake"
    ln -sfn /usr/include/nlohmann "$prefix/include/nlohmann"
    cp -r /usr/share/cmake/nlohmann_json "$prefix/share/cmake/"
}

# apt-get source needs deb-src lines; the image ships deb822 files with "Types: deb" only
ensure_deb_src() {
    if grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        return
    fi
    local f out=/etc/apt/sources.list.d/orvane-deb-src.sources
    : > "$out.tmp"
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -e "$f" ] || continue
        sed -E 's/^Types:.*/Types: deb-src/' "$f" >> "$out.tmp"
        echo >> "$out.tmp"
    done
    if [ -f /etc/apt/sources.list ]; then
        sed -nE 's/^deb (.*)/deb-src \1/p' /etc/apt/sources.list > /etc/apt/sources.list.d/orvane-deb-src.list
    fi
    mv "$out.tmp" "$out"
    $SUDO apt-get update -qq
}

# Debian source package $1 unpacked under $WIN_CACHE/src
fetch_source() {
    ensure_deb_src
    mkdir -p "$WIN_CACHE/src"
    cd "$WIN_CACHE/src"
    ls -d "$1"-*/ >/dev/null 2>&1 || apt-get source -qq "$1"
}

# Readies the Wine prefix $1 (made when missing) for a series of program runs: one server kept
# running, Wine's own services already started. Those stay for the server's life; started inside
# a build step they would hold the build's pipes open and the build would wait for them.
start_wine() {
    export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" # no Mono/Gecko dialogs
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wine wineboot --init >/dev/null 2>&1
        wineserver -w # the prefix is written when wineboot's processes have ended
    fi
    wineserver -p 2>/dev/null || true
    wine cmd /c exit </dev/null >/dev/null 2>&1
}
stop_wine() {
    wineserver -k 2>/dev/null || true
}
