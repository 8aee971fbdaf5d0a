# Wine environment for tests, runs and benchmarks, sourced by the scripts that start Wine.
#
# A template prefix is made once per build folder (wineboot is slow) and copied where a fresh URL
# cache is needed. A session is one Xvfb display (when asked for) and one persistent wineserver
# for a prefix, with Wine's background services started early so they never hold a caller's
# output pipe. Everything a session starts, wine_session_stop ends; callers set wine_session_traps
# and run every long call through `limited`, so that Ctrl-C stops them at once.

# wine_arch, x64 or x86, says which Wine the calls go to; a script sets it before it sources this
# file. x64, the default: every call goes to the 64-bit loader and its prefixes are 64-bit. Some
# hosts cannot execute 32-bit code at all, and Debian's wrapper would pick the 32-bit loader
# whenever it is installed; the shims in wine64/ also catch wineboot and winepath, which call the
# wrapper. x86: the 32-bit loader (the wrapper's choice once wine32 is installed) and 32-bit
# prefixes, for the exe users download.
wine_shims="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine64"
PATH=${PATH//"$wine_shims:"/}
case ${wine_arch:=x64} in
  x64)
    export PATH="$wine_shims:$PATH"
    export WINELOADER=/usr/lib/wine/wine64 WINEARCH=win64
    ;;
  x86) export WINELOADER=/usr/lib/wine/wine WINEARCH=win32 ;;
  *)
    echo "wine: no such architecture: $wine_arch (x64 or x86)" >&2
    return 1
    ;;
esac
export WINEDEBUG=-all
# Pins the user locale to English (United States): dates "3/5/2024", times "2:07:09 PM".
export LC_ALL=C.UTF-8
# No browser of the host is ever started; no Mono or Gecko installer dialogs.
export WINEDLLOVERRIDES="winebrowser.exe=d;mscoree=;mshtml="

wine_session_xvfb_pid=""
wine_session_prefix=""

# Registry settings every prefix of ours carries: Wine draws its own window frames (faster
# and scriptable), and a crashing program exits instead of waiting on a crash dialog.
wine_settings_reg() {
  cat <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="Y"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
}

# wine_template_prefix DIR: makes DIR a booted prefix with Wine's fonts, unless it already is.
wine_template_prefix() {
  local dir=$1
  [ -f "$dir/.tarnwick-ready" ] && return 0
  local log
  echo "wine: creating the template prefix $dir (once per build folder)"
  rm -rf "$dir"
  mkdir -p "$(dirname "$dir")"
  log=$(mktemp)
  if ! WINEPREFIX=$dir limited 300 wineboot -i >"$log" 2>&1 ||
    [ ! -d "$dir/drive_c/windows/Fonts" ]; then
    echo "wine: wineboot could not create the prefix $dir. Its output:" >&2
    cat "$log" >&2
    rm -f "$log"
    return 1
  fi
  rm -f "$log"
  # Debian's Wine does not find its own fonts; without them "MS Sans Serif" is another face.
  cp /usr/share/wine/fonts/* "$dir/drive_c/windows/Fonts/"
  wine_settings_reg >"$dir/drive_c/tarnwick-settings.reg"
  if ! WINEPREFIX=$dir limited 120 wine regedit /S 'C:\tarnwick-settings.reg' \
    >/dev/null 2>&1; then
    echo "wine: could not write the test settings into $dir" >&2
    return 1
  fi
  WINEPREFIX=$dir limited 60 wineserver -w
  touch "$dir/.tarnwick-ready"
}

# wine_fresh_prefix TEMPLATE DIR: DIR becomes a copy of the template, with an empty URL cache.
wine_fresh_prefix() {
  rm -rf "$2"
  cp -a "$1" "$2"
}

# wine_xvfb_start: a new virtual display for this session; exports DISPLAY.
wine_xvfb_start() {
  local fdfile tries=0
  fdfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  wine_session_xvfb_pid=$!
  while [ ! -s "$fdfile" ] && [ $tries -lt 100 ]; do sleep 0.1; tries=$((tries + 1)); done
  if [ ! -s "$fdfile" ]; then
    echo "wine: Xvfb did not start" >&2
    rm -f "$fdfile"
    return 1
  fi
  export DISPLAY=":$(head -n 1 "$fdfile")"
  rm -f "$fdfile"
}

# wine_server_start PREFIX: a persistent wineserver for one of our own prefixes, with Wine's
# background services already running; exports WINEPREFIX.
wine_server_start() {
  wine_session_prefix=$1
  export WINEPREFIX=$1
  limited 30 wineserver -p >/dev/null 2>&1 </dev/null
  limited 120 wine cmd /c exit >/dev/null 2>&1 </dev/null
}

# wine_session_start PREFIX [xvfb]: both of the above.
wine_session_start() {
  if [ "${2:-}" = xvfb ]; then wine_xvfb_start || return 1; fi
  wine_server_start "$1"
}

# wine_copy_session NAME: the calls that follow go to a copy of the session's prefix, named after
# it with "-NAME", with a wineserver of its own; the script's end stops that server and removes
# the copy. For a test that changes what the whole prefix sees, such as its settings or locale.
wine_copy_session() {
  local copy="$WINEPREFIX-$1"
  rm -rf "$copy"
  cp -a "$WINEPREFIX" "$copy"
  export WINEPREFIX=$copy
  # shellcheck disable=SC2064 # the copy's name is fixed now
  trap "timeout 30 wineserver -k >/dev/null 2>&1 || true; timeout 30 wineserver -w >/dev/null 2>&1 || true; rm -rf '$copy'" EXIT
  timeout 30 wineserver -p
}

# limited SECONDS COMMAND...: COMMAND with a time limit, as a job the script waits for. timeout gives
# its command a process group of its own, out of reach of Ctrl-C, and bash runs an INT trap only
# after a foreground command has ended, and then goes on with the next step; `wait` returns at once
# when a trapped signal arrives, so the trap ends the script while the call still runs, and the
# session's end stops what the call left running.
limited() {
  local seconds=$1
  shift
  timeout "$seconds" "$@" &
  wait $!
}

# wine_session_traps: the session ends once, however the script ends; Ctrl-C or TERM ends the
# script at once instead of letting it go on with its next step.
wine_session_traps() {
  trap wine_session_stop EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
}

wine_session_stop() {
  if [ -n "$wine_session_prefix" ]; then
    WINEPREFIX=$wine_session_prefix timeout 30 wineserver -k >/dev/null 2>&1 || true
    WINEPREFIX=$wine_session_prefix timeout 30 wineserver -w >/dev/null 2>&1 || true
    wine_session_prefix=""
  fi
  if [ -n "$wine_session_xvfb_pid" ]; then
    kill "$wine_session_xvfb_pid" 2>/dev/null || true
    wait "$wine_session_xvfb_pid" 2>/dev/null || true
    wine_session_xvfb_pid=""
  fi
}
