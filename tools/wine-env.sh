# Environment for running the Windows build under Wine.
# Source it with TARVENOL_WINEPREFIX set (defaults to build/windows/wineprefix).
: "${TARVENOL_WINEPREFIX:=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/windows/wineprefix}"
export WINEPREFIX="$TARVENOL_WINEPREFIX"
export WINEDEBUG=-all
export WINEARCH=win64
# No Mono or Gecko install prompts in a new prefix.
export WINEDLLOVERRIDES="mscoree=;mshtml="
# Wine takes the ANSI code page (932) from the locale.
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
