# Sourced by the scripts that run our Windows programs: a Wine prefix of the
# build's own, quiet, with Arial mapped onto Liberation Sans so that text
# metrics match Arial's. Usage: . scripts/wine-env.sh PREFIX
mkdir -p "$(dirname "$1")"
export WINEPREFIX="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
export WINEDEBUG=-all
export WINEARCH=win64
# No browser or .NET engine downloads: nothing here needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="

wine_prefix_ready() { [ -f "$WINEPREFIX/.tamsi-ready-2" ]; }

ensure_wine_prefix() {
  wine_prefix_ready && return 0
  (
    flock 9
    wine_prefix_ready && exit 0
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
      /v Arial /t REG_SZ /d 'Liberation Sans' /f >/dev/null 2>&1
    # Wine places, frames and maximises the windows itself, as Windows does,
    # whether or not the X display has a window manager.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.tamsi-ready-2"
  ) 9>"$WINEPREFIX.lock"
}
