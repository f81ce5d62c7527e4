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
source "$(dirname "$0")/common.sh"
root=$REPO_ROOT
linux_build=$(cd "$root" && realpath "${1:-${BUILD_DIR:-build}}")
work=$(realpath -m "${ORVANE_WIN_CI_DIR:-$root/build-win-ci}")
toolchain=$root/cmake/mingw-w64-x86_64.cmake
linux_calc=$linux_build/src/cli/orvane-calc
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-1765324800} # reports carry the date
t_start=$(date +%s)
step() { echo "== $* ($(( $(date +%s) - t_start )) s)"; }

[ -x "$linux_calc" ] || { echo "no Linux orvane-calc in $linux_build: run ./test.sh first" >&2; exit 2; }

step "packages"
win_apt_install g++-mingw-w64-x86-64-posix wine wine64 cmake ninja-build nlohmann-json3-dev googletest
wine=$(command -v wine)

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
make_json_prefix "$deps"

# the build runs a generator program too (through the toolchain's emulator)
step "Wine prefix"
start_wine "${WINEPREFIX:-$work/wineprefix}"
trap stop_wine EXIT

step "cross build"
# the Linux build's optimisation without its debug information (a smaller, faster link)
cmake -S "$root" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_FIND_ROOT_PATH="$deps" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" \
    -DORVANE_BUILD_UI=OFF -DORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$work/build" --parallel "$(nproc)"

failed=()

# Runs a test program under Wine into $log. On a loaded machine Wine now and then ends a program
# before it has run, with nothing printed at all and a failure code: such a run (and only such
# a run) is tried once more. A test that fails prints what failed and is not tried again.
run_test() {
    local exe=$1
    (cd "$(dirname "$exe")" && "$wine" "$exe" --gtest_brief=1 >"$log" 2>&1) && return 0
    [ -s "$log" ] && return 1
    echo "   (Wine ended $(basename "$exe") without any output: run again)"
    (cd "$(dirname "$exe")" && "$wine" "$exe" --gtest_brief=1 >"$log" 2>&1)
}

step "engine tests under Wine"
while IFS= read -r exe; do
    name=$(basename "$exe" .exe)
    log=$work/logs/$name.log
    mkdir -p "$work/logs"
    if run_test "$exe"; then
        echo "   ok   $name ($(grep -Eo '[0-9]+ tests? from [0-9]+ test suites? ran' "$log" | head -n1))"
    else
        echo "   FAIL $name (log: $log)"
        # (a log without such lines must not end the script before the summary)
        grep -E '^\[  FAILED  \]|Failure' "$log" | head -n 20 | sed 's/^/        /' || true
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
# (a run that failed without printing anything, which orvane-calc never does, is Wine's and is
# tried once more, as the tests are)
calc() {
    local dir=$1 prog=$2 tag=$3; shift 3
    local rc=0
    (cd "$out/$dir" && $prog "$@" >"$tag.out" 2>"$tag.err") || rc=$?
    if [ "$rc" -ne 0 ] && [ ! -s "$out/$dir/$tag.out" ] && [ ! -s "$out/$dir/$tag.err" ]; then
        echo "   ($tag on $dir ended without any output: run again)"
        rc=0
        (cd "$out/$dir" && $prog "$@" >"$tag.out" 2>"$tag.err") || rc=$?
    fi
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
