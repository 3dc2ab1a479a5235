#!/usr/bin/env bash
# One entry point for setting up, building, testing and running Dorvel on a
# Debian machine.
#   scripts/dorvel.sh test   install what is missing, build, run every test
#   scripts/dorvel.sh run    install what is missing, build, compute an example
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${DORVEL_BUILD_DIR:-$here/build}"
jobs="$(nproc 2>/dev/null || echo 2)"

packages=(cmake g++ make libgtest-dev libbenchmark-dev
          qt6-base-dev libqt6printsupport6 qt6-translations-l10n fonts-liberation poppler-utils
          qt6-tools-dev qt6-tools-dev-tools qt6-documentation-tools libqt6help6 libqt6sql6-sqlite
          python3 python3-jsonschema desktop-file-utils appstream man-db
          xvfb xdotool)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  if [ "${#missing[@]}" -gt 0 ]; then
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
  fi
}

configure_and_build() {
  cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" -j "$jobs"
}

case "${1:-test}" in
  test)
    install_missing
    # A locale with a decimal comma lets the tests prove that files and
    # numbers keep their decimal point; without one those tests are skipped.
    if command -v localedef >/dev/null 2>&1 && ! locale -a 2>/dev/null | grep -qi '^pl_PL.utf-\?8$'; then
      localedef -i pl_PL -f UTF-8 pl_PL.UTF-8 >/dev/null 2>&1 || true
    fi
    configure_and_build
    cd "$build"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs" --timeout 300
    ;;
  run)
    install_missing
    # Only the two programs are built; the build's output goes to a log that
    # is shown only when the build fails.
    log="$build/run-build.log"
    mkdir -p "$build"
    if ! { cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo &&
           cmake --build "$build" -j "$jobs" --target dorvel-cli &&
           { [ ! -d "$build/src/ui" ] ||  # the desktop program needs Qt 6 Widgets
             cmake --build "$build" -j "$jobs" --target dorvel; }; } >"$log" 2>&1; then
      tail -n 30 "$log" >&2
      echo "The build failed; its full output is in $log" >&2
      exit 2
    fi
    shift || true
    exec "$build/src/cli/dorvel-cli" calc "${@:-$here/examples/water-orifice-flange.dvl}"
    ;;
  *)
    echo "usage: scripts/dorvel.sh test|run [args]" >&2
    exit 2
    ;;
esac
