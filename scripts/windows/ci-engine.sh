#!/usr/bin/env bash
# Keeps the Windows port alive without Qt: cross-builds the engines, orvane-calc and the engine
# tests with MinGW-w64, runs every engine test program once under Wine, and runs orvane-calc.exe on
# every bundled example and test project, comparing the reports (RTF), the JSON, the printed
# operating point and the exit code with the Linux build's orvane-calc byte for byte.
#
#   scripts/windows/ci-engine.sh [LINUX_BUILD_DIR]    (default: $BUILD_DIR or build, as test.sh)
#
# ORVANE_WIN_CI_DIR names the work folder (default build-win-ci); a second run reuses it.
# Fails, listing what differs or failed, on any test failure or output mismatch.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
linux_build=$(cd "$root" && realpath "${1:-${BUILD_DIR:-build}}")
work=$(realpath -m "${ORVANE_WIN_CI_DIR:-$root/build-win-ci}")
toolchain=$root/cmake/mingw-w64-x86_64.cmake
linux_calc=$linux_build/src/cli/orvane-calc
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-1765324800} # reports carry the date
t_start=$(date +%s)
step() { echo "== $* ($(( $(date +%s) - t_start )) s)"; }

[ -x "$linux_calc" ] || { echo "no Linux orvane-calc in $linux_build: run ./test.sh first" >&2; exit 2; }

step "packages"
packages=(g++-mingw-w64-x86-64-posix wine wine64 cmake ninja-build nlohmann-json3-dev googletest)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=; [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
wine=$(command -v wine)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)

# googletest (built from Debian's sources) and nlohmann-json (header-only) for the target, in
# one prefix the toolchain searches
deps=$work/deps
if [ ! -f "$deps/lib/libgtest.a" ]; then
    step "googletest for Windows"
    cmake -S /usr/src/googletest -B "$work/googletest" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$deps" >/dev/null
    cmake --build "$work/googletest" >/dev/null
    cmake --install "$work/googletest" >/dev/null
fi
mkdir -p "$deps/include" "$deps/share/cmake"
ln -sfn /usr/include/nlohmann "$deps/include/nlohmann"
cp -r /usr/share/cmake/nlohmann_json "$deps/share/cmake/"

# the build runs a generator program too (through the toolchain's emulator)
step "Wine prefix"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" # no Mono/Gecko install dialogs
export WINEPREFIX=${WINEPREFIX:-$work/wineprefix}
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$wine" wineboot --init >/dev/null 2>&1
    "$wineserver" -w # the prefix is written when wineboot's processes have ended
fi
"$wineserver" -p 2>/dev/null || true # one server kept for all the runs
# Wine's own services start with the first program and stay; started here, away from the build's
# pipes, or the build would wait for them to close their copies
"$wine" cmd /c exit </dev/null >/dev/null 2>&1
trap '"$wineserver" -k 2>/dev/null || true' EXIT

step "cross build"
# the Linux build's optimisation without its debug information (a smaller, faster link)
cmake -S "$root" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_FIND_ROOT_PATH="$deps" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" \
    -DORVANE_BUILD_UI=OFF -DORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$work/build" --parallel "$(nproc)"

failed=()

step "engine tests under Wine"
while IFS= read -r exe; do
    name=$(basename "$exe" .exe)
    log=$work/logs/$name.log
    mkdir -p "$work/logs"
    if (cd "$(dirname "$exe")" && "$wine" "$exe" --gtest_brief=1 >"$log" 2>&1); then
        echo "   ok   $name ($(grep -Eo '[0-9]+ tests? from [0-9]+ test suites? ran' "$log" | head -n1))"
    else
        echo "   FAIL $name (log: $log)"
        grep -E '^\[  FAILED  \]|Failure' "$log" | head -n 20 | sed 's/^/        /'
        failed+=("test $name")
    fi
done < <(find "$work/build/tests" -name '*_test.exe' | sort)

step "orvane-calc.exe against the Linux build"
out=$work/calc
rm -rf "$out"
mkdir -p "$out/linux" "$out/windows"
win_calc=$work/build/src/cli/orvane-calc.exe
runs=0
# runs one program: standard output, standard error and the exit code in <tag>.out/.err/.rc
calc() {
    local dir=$1 prog=$2 tag=$3; shift 3
    local rc=0
    (cd "$out/$dir" && $prog "$@" >"$tag.out" 2>"$tag.err") || rc=$?
    echo "$rc" >"$out/$dir/$tag.rc"
}
both() {
    calc linux "$linux_calc" "$@"
    calc windows "$wine $win_calc" "$@"
    runs=$((runs + 1))
}
for project in "$root"/examples/*.smkprj "$root"/examples/*.isrprj "$root"/tests/*/data/*prj; do
    [ -f "$project" ] || continue
    n=$(basename "$project")
    for sep in , .; do
        both "$n.$sep.full" --decimal-separator "$sep" -o "$n.$sep.full.rtf" \
            --json "$n.$sep.full.json" "$project"
        both "$n.$sep.brief" --decimal-separator "$sep" --brief -o "$n.$sep.brief.rtf" \
            --json "$n.$sep.brief.json" "$project"
    done
    # the report through standard output, byte for byte as in the file
    both "$n.stdout" --decimal-separator , -o - "$project"
done
# everything is compared, messages too; a file one side lacks is a difference as well
while IFS= read -r f; do
    failed+=("differs: $f")
done < <(diff -rq "$out/linux" "$out/windows" 2>&1 | sed -E "s|^Files $out/linux/([^ ]+) and .*|\1|; s|^Only in $out/||")
if [ ${#failed[@]} -eq 0 ]; then
    echo "   $runs runs on each side, $(ls "$out/linux" | grep -c '\.rtf$') reports, all byte-identical"
fi

step "done"
if [ ${#failed[@]} -gt 0 ]; then
    echo "WINDOWS PORT CHECK FAILED:" >&2
    printf '  %s\n' "${failed[@]}" >&2
    echo "(outputs side by side in $out/linux and $out/windows)" >&2
    exit 1
fi
echo "Windows port check passed"
