# Shared settings of the project's scripts; sourced, never run.
VEX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# One build root per checkout; a second worker on the same checkout sets its own.
VEX_BUILD="${VEX_BUILD:-$VEX_ROOT/build}"
case "$VEX_BUILD" in /*) ;; *) VEX_BUILD="$VEX_ROOT/$VEX_BUILD" ;; esac
export VEX_ROOT VEX_BUILD
export WINEPREFIX="$VEX_BUILD/wine"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# Wine must never pop up its own dialogs or crash windows during a run.
export WINE_NO_CRASH_DIALOG=1
vex_say() { printf '%s\n' "$*" >&2; }
