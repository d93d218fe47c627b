# Shared settings for the scripts: where builds, the Wine prefix and Wine itself are.
# Sourced, not run.
KAWABAN_ROOT=${KAWABAN_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
KAWABAN_BUILD=${KAWABAN_BUILD:-$KAWABAN_ROOT/build}
KAWABAN_WINEPREFIX=${KAWABAN_WINEPREFIX:-$KAWABAN_BUILD/wineprefix}
WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
export KAWABAN_ROOT KAWABAN_BUILD KAWABAN_WINEPREFIX WINE64 WINESERVER
