# The start of every scripts/wine-exec*: join the Wine session ctest's fixture started
# (scripts/wine-session), whose file TARNWICK_WINE_SESSION names.

# join_wine_session CALLER: the session's prefix, display and Wine in this shell, or CALLER's
# error and exit status 2 when no session runs.
join_wine_session() {
  if [ ! -f "${TARNWICK_WINE_SESSION:-}" ]; then
    echo "$1: no Wine session is running; run the tests with ctest or scripts/test" >&2
    exit 2
  fi
  # shellcheck source=/dev/null
  source "$TARNWICK_WINE_SESSION"
  source "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh"
}
