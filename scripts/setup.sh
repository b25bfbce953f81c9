# Shared by scripts/run, scripts/test and scripts/bench: installs what is
# missing, then configures and builds. Sourced, not run.

QUORVEL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
QUORVEL_BUILD="${QUORVEL_BUILD:-$QUORVEL_ROOT/build}"

quorvel_packages=(
  cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-qpa-plugins libqt6printsupport6 qt6-translations-l10n fonts-dejavu-core fonts-liberation2 xvfb xauth poppler-utils
  clang libclang-rt-dev llvm
)
# clang builds the sanitizer run and the fuzz targets; libclang-rt-dev holds
# its sanitizer and libFuzzer run-times, llvm the symbolizer that puts file
# and line into their reports.

# QUORVEL_JOBS, when set, holds every build of the scripts (and the tests
# that scripts/test runs at once) to that many jobs; unset, the build uses
# what Ninja takes by default and scripts/test runs as many tests as there
# are cores.
if [ -n "${QUORVEL_JOBS:-}" ]; then
  case "$QUORVEL_JOBS" in
    *[!0-9]* | 0*) echo "QUORVEL_JOBS must be a whole number above 0, not \"$QUORVEL_JOBS\"." >&2; exit 2 ;;
  esac
  export CMAKE_BUILD_PARALLEL_LEVEL="$QUORVEL_JOBS"
fi

# build/: the program and every test, warnings as errors. scripts/run and
# scripts/test configure it alike, so neither undoes the other's build.
quorvel_main_options=(-DQUORVEL_TESTS=ON -DQUORVEL_QT=ON -DQUORVEL_WERROR=ON)

quorvel_install_missing() {
  local missing=()
  local p
  for p in "${quorvel_packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
      sudo="sudo"
    else
      echo "These packages are missing and this script is not run as root:" >&2
      echo "  ${missing[*]}" >&2
      echo "Install them with:" >&2
      echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
      exit 1
    fi
  fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q || { echo "apt-get update failed" >&2; exit 1; }
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}" \
    || { echo "apt-get install failed for: ${missing[*]}" >&2; exit 1; }
}

# Configures $QUORVEL_BUILD with the given options and builds it; exits on
# failure.
quorvel_build() {
  cmake -S "$QUORVEL_ROOT" -B "$QUORVEL_BUILD" -G Ninja "$@" || exit 1
  cmake --build "$QUORVEL_BUILD" || exit 1
}
