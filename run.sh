#!/usr/bin/env bash
# Installs what is missing, builds, and starts Orvane.
# Without a display it computes the bundled example projects into reports instead.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} >/dev/null
cmake --build "$BUILD_DIR" --parallel "$(nproc)"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x "$BUILD_DIR/src/app/orvane" ]; then
    exec "$BUILD_DIR/src/app/orvane" "$@"
fi

out=${ORVANE_OUT:-out}
mkdir -p "$out"
echo "Нет дисплея: примеры проектов рассчитываются в папку $out/"
status=0
for project in examples/*.smkprj examples/*.isrprj; do
    [ -e "$project" ] || continue
    name=$(basename "$project")
    echo "== $name"
    if ! "$BUILD_DIR/src/cli/orvane-calc" -o "$out/$name.rtf" --json "$out/$name.json" "$project"; then
        status=1
    fi
done
exit $status
