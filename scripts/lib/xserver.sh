# shellcheck shell=bash
# A private Xvfb server for one command; sourced by scripts/window-check and
# scripts/install-check and scripts/footprint. Defines functions only.
#
# The server picks its display number itself (-displayfd) and reports it once it
# listens: a number guessed from the lock files in /tmp, as xvfb-run -a does, can be
# taken by a server that starts at the same moment, and two checks would then share
# one display (or one would drive another program's windows).

# xs_run SCREEN COMMAND [ARGUMENT]...
# Runs COMMAND with DISPLAY and XAUTHORITY set for a new Xvfb server whose screen 0
# is SCREEN (WxHxD). The server listens on its local socket only and lets in only
# clients that hold its cookie; it is stopped when COMMAND ends, or when this shell
# is interrupted. Returns COMMAND's status, or 1 (with the server's log on stderr)
# when the server does not come up within 15 s or the display is not its own.
xs_run() (
  screen=$1
  shift
  folder=$(mktemp -d "${TMPDIR:-/tmp}/km-xvfb-XXXXXX")
  server=
  # shellcheck disable=SC2317 # run by the EXIT trap
  stop_server() {
    if [ -n "$server" ] && kill -0 "$server" 2>/dev/null; then
      kill -TERM "$server" 2>/dev/null || true
      wait "$server" 2>/dev/null || true
    fi
    rm -rf "$folder"
  }
  trap stop_server EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM

  # The server takes every cookie of its -auth file whatever display the entry
  # names; clients look theirs up by display, so the entry for the real number is
  # added once the server has told it.
  cookie=$(od -An -tx1 -N16 /dev/urandom | tr -d ' \n')
  : >"$folder/auth"
  : >"$folder/display"
  xauth -q -f "$folder/auth" add :0 . "$cookie"
  Xvfb -displayfd 3 -auth "$folder/auth" -screen 0 "$screen" -nolisten tcp -noreset \
    3>"$folder/display" >"$folder/server.log" 2>&1 &
  server=$!

  display=
  for _ in $(seq 1 150); do
    # A whole line: the server writes the number and a line feed once it listens.
    if IFS= read -r display <"$folder/display" && [ -n "$display" ]; then
      break
    fi
    display=
    kill -0 "$server" 2>/dev/null || break
    sleep 0.1
  done
  if [ -z "$display" ]; then
    echo "xserver: Xvfb did not come up; its log:" >&2
    sed 's/^/  /' "$folder/server.log" >&2
    exit 1
  fi
  xauth -q -f "$folder/auth" add ":$display" . "$cookie"
  # Clients try a display's abstract socket before its socket file, and abstract
  # names are shared beyond this /tmp: a server that lets in a client without the
  # cookie is another program's, whose windows the command must not drive.
  if DISPLAY=":$display" XAUTHORITY=/dev/null xdotool getdisplaygeometry >/dev/null 2>&1; then
    echo "xserver: :$display answers clients without its cookie: another program's server" >&2
    exit 1
  fi

  echo "xserver: Xvfb on :$display"
  status=0
  DISPLAY=":$display" XAUTHORITY="$folder/auth" "$@" || status=$?
  exit "$status"
)
