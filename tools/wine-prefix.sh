#!/usr/bin/env bash
# Prepares the private Wine prefix once (boot, Japanese font replacements).
# Safe to call from parallel tests: a lock serialises the preparation.
set -u
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
mkdir -p "$WINEPREFIX"
exec 9>"$WINEPREFIX.lock"
flock 9
# Bump the marker when the preparation below changes.
marker="$WINEPREFIX/.tarvenol-ready-4"
[ -f "$marker" ] && exit 0

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
  # A crashing program ends with a backtrace instead of a crash dialog that
  # would wait for ever.
  printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n'
  # Without a window manager (Xvfb) every hidden or destroyed window would
  # wait two seconds for one: let Wine draw the windows itself.
  if [ "${TARVENOL_UNMANAGED_WINDOWS:-1}" = 1 ]; then
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n'
  fi
} | iconv -f UTF-8 -t UTF-16 >"$reg"
wine regedit /S "$(winepath -w "$reg")" </dev/null >/dev/null 2>&1
wineserver -w
rm -f "$reg"
touch "$marker"
