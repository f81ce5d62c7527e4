#!/usr/bin/env bash
# Looks at the Windows build under Wine on a virtual display and leaves screenshots to be looked at:
#   the main window; each module opened from a project given on the command line and computed (F9);
#   a project in a folder named in Cyrillic opened, computed and saved (Ctrl+S), and orvane-calc.exe
#   on it; the installer run silently, a project opened with "wine start" through the file type,
#   and the uninstaller run silently.
#
#   scripts/windows/check-wine.sh ZIP SETUP_EXE [SHOTS_FOLDER]     (default shots: ./shots-win)
#
# Needs wine, xvfb, xdotool and imagemagick (installed when missing).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
zip=$(realpath "$1")
setup=$(realpath "$2")
shots=$(realpath -m "${3:-shots-win}")
mkdir -p "$shots"
win_apt_install wine wine64 xvfb xdotool imagemagick unzip

work=$(mktemp -d)
export DISPLAY=:${ORVANE_CHECK_DISPLAY:-97}
Xvfb "$DISPLAY" -screen 0 1280x960x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
cleanup() {
    stop_wine
    kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
sleep 2
start_wine "$work/prefix"

failures=()
check() { # message, command...
    local what=$1; shift
    if "$@"; then echo "   ok   $what"; else echo "   FAIL $what"; failures+=("$what"); fi
}
shot() { sleep "${2:-1}"; import -window root "$shots/$1.png"; echo "   shot $shots/$1.png"; }
# waits until a window whose name matches $1 is shown; its id on stdout
window() {
    local id i
    for i in $(seq 1 60); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 1
    done
    return 1
}
# ends the programs started (the next start brings the server and services back)
close_all() { stop_wine; sleep 1; }

echo "== portable folder"
unzip -q "$zip" -d "$work"
app=$(ls -d "$work"/orvane-*-win64)
wine "$app/orvane.exe" >/dev/null 2>&1 &
check "main window shown" window "Орвейн"
shot 01-main-window 3
close_all

for project in corridor.smkprj lift.isrprj; do
    echo "== $project"
    wine "$app/orvane.exe" "$app/examples/$project" >/dev/null 2>&1 &
    id=$(window "$project") || id=
    check "$project opens in its module" test -n "$id"
    if [ -n "$id" ]; then
        xdotool windowactivate --sync "$id" key F9 2>/dev/null || xdotool key F9
        shot "02-${project%%.*}-computed" 4
    fi
    close_all
done

echo "== a project in a Cyrillic folder"
mkdir -p "$work/Проекты"
cp "$app/examples/corridor.smkprj" "$work/Проекты/Коридор.smkprj"
before=$(md5sum < "$work/Проекты/Коридор.smkprj")
(cd "$work/Проекты" && wine "$app/orvane-calc.exe" -o Отчёт.rtf --json Результат.json Коридор.smkprj \
    >"$work/calc.out" 2>&1)
check "orvane-calc.exe writes the report beside the project" test -s "$work/Проекты/Отчёт.rtf"
check "orvane-calc.exe writes the JSON beside the project" test -s "$work/Проекты/Результат.json"
wine "$app/orvane.exe" "$work/Проекты/Коридор.smkprj" >/dev/null 2>&1 &
if id=$(window "Коридор"); then
    xdotool windowactivate --sync "$id" key F9 2>/dev/null || true
    sleep 2
    xdotool key ctrl+s
    shot 03-cyrillic-folder 3
fi
check "the project in «Проекты» opens" test -n "${id:-}"
close_all
check "the project in «Проекты» is saved again" test "$(md5sum < "$work/Проекты/Коридор.smkprj")" != "$before"

echo "== installer"
wine "$setup" /S >/dev/null 2>&1
wineserver -w
installed="$WINEPREFIX/drive_c/Program Files/Orvane"
check "installed into Program Files" test -f "$installed/orvane.exe"
check "Start-menu entry" test -f "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Орвейн.lnk"
check ".smkprj is Orvane's" sh -c "wine reg query 'HKCR\\Orvane.SmokeExhaustProject\\shell\\open\\command' 2>/dev/null | grep -q orvane.exe"
cp "$app/examples/tambour.isrprj" "$work/Тамбур.isrprj"
cp "$app/examples/room.smkprj" "$work/Помещение.smkprj"
wine start /unix "$work/Помещение.smkprj" >/dev/null 2>&1 &
id=$(window "Помещение") || id=
check "wine start of a .smkprj opens it in Orvane" test -n "$id"
shot 04-opened-by-file-type 3
close_all
wine "$installed/uninstall.exe" /S >/dev/null 2>&1
wineserver -w
sleep 3 # the uninstaller copies itself away and finishes from there
check "uninstalled" test ! -e "$installed/orvane.exe"
check "file type removed" sh -c "! wine reg query 'HKCR\\.smkprj' >/dev/null 2>&1"

if [ ${#failures[@]} -gt 0 ]; then
    printf 'FAILED: %s\n' "${failures[@]}" >&2
    exit 1
fi
echo "Windows build checks passed; look at the screenshots in $shots"
