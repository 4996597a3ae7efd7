# Shared by scripts/test and scripts/run: paths, package installation, build, Wine prefix.
# Sourced, not run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD="$ROOT/build"
export WINEPREFIX="$BUILD/wineprefix"
export WINEDEBUG=-all
# No Mono or Gecko installer prompts in a test prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

PACKAGES=(g++-mingw-w64-x86-64-posix wine64 xvfb xauth cmake make googletest imagemagick e2fsprogs zip unzip)

install_packages() {
  local missing=()
  local p
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "== Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages and not root: install them with apt-get install ${missing[*]}" >&2
    return 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

build_tree() {
  local jobs
  jobs=$(nproc 2>/dev/null || echo 2)
  if [ ! -f "$BUILD/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$BUILD" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
  fi
  cmake --build "$BUILD" -j "$jobs"
}

# A prefix of our own inside build/, never the user's. Drive Z: (the host's root) is removed
# so that nothing run in it can reach the host's files.
prepare_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "== Creating Wine prefix in $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    "$WINE" wineboot --init >/dev/null 2>&1 || true
  fi
  # Wine's own desktop window: top-level windows then show and hide at once without a window
  # manager, and tray icons have a notification area to live in.
  if ! grep -q '"Desktop"="Default"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
  fi
  rm -f "$WINEPREFIX/dosdevices/z:"
}

start_xvfb() {
  local fdfile
  fdfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  XVFB_PID=$!
  local i
  for i in $(seq 1 100); do
    [ -s "$fdfile" ] && break
    sleep 0.05
  done
  export DISPLAY=":$(head -n1 "$fdfile")"
  rm -f "$fdfile"
}
