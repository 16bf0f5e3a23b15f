# Starts and stops what the Windows programs need: an Xvfb display (when there
# is no DISPLAY) and a warm, persistent wineserver for the prefix.
# Source it, then call wine_session_start and wine_session_stop.
wine_session_start() {
  source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
  "$(dirname "${BASH_SOURCE[0]}")/wine-prefix.sh"
  WINE_SESSION_XVFB=""
  if [ -z "${DISPLAY:-}" ]; then
    local fdfile
    fdfile=$(mktemp)
    Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$fdfile" >/dev/null 2>&1 &
    WINE_SESSION_XVFB=$!
    for _ in $(seq 100); do [ -s "$fdfile" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -n1 "$fdfile")"
    rm -f "$fdfile"
  fi
  # Wine's background processes must not hold the caller's pipes.
  wineserver -p </dev/null >/dev/null 2>&1
  wineboot </dev/null >/dev/null 2>&1 || true
}

wine_session_stop() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
  if [ -n "${WINE_SESSION_XVFB:-}" ]; then
    kill "$WINE_SESSION_XVFB" 2>/dev/null || true
    wait "$WINE_SESSION_XVFB" 2>/dev/null || true
    unset DISPLAY
  fi
}
