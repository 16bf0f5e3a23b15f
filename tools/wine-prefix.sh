#!/usr/bin/env bash
# Prepares the private Wine prefix once (boot, Japanese font replacements).
# Safe to call from parallel tests: a lock serialises the preparation.
set -u
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
mkdir -p "$WINEPREFIX"
exec 9>"$WINEPREFIX.lock"
flock 9
[ -f "$WINEPREFIX/.tarvenol-ready-2" ] && exit 0

wineboot -u </dev/null >/dev/null 2>&1
wineserver -w

# The dialogs name Japanese Windows faces; map them to the IPA fonts.
reg=$(mktemp --suffix=.reg)
{
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
  for face in "MS UI Gothic" "ＭＳ ゴシック" "MS Gothic"; do
    printf '"%s"="IPAGothic"\r\n' "$face"
  done
  for face in "ＭＳ Ｐゴシック" "MS PGothic"; do
    printf '"%s"="IPAPGothic"\r\n' "$face"
  done
  # Wine draws the windows itself: without a window manager (Xvfb) every
  # hidden or destroyed window would otherwise wait two seconds for one.
  printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n'
  printf '"Managed"="N"\r\n'
} | iconv -f UTF-8 -t UTF-16 >"$reg"
wine regedit /S "$(winepath -w "$reg")" </dev/null >/dev/null 2>&1
wineserver -w
rm -f "$reg"
touch "$WINEPREFIX/.tarvenol-ready-2"
