# shellcheck shell=bash
# Drives a program's X11 window with xdotool; sourced by scripts/footprint and
# scripts/install-check, which run under a bare Xvfb (no window manager, so focus is
# set by hand). Defines functions only.

# xd_known_windows
# Remembers the visible top-level windows there are now (XD_KNOWN_WINDOWS), so that
# xd_wait_window can tell a new one.
xd_known_windows() {
  XD_KNOWN_WINDOWS=" $(xdotool search --onlyvisible --maxdepth 1 --name '' 2>/dev/null | tr '\n' ' ')"
}

# xd_wait_window PID SECONDS [TITLE]
# Prints the id of a visible window titled exactly TITLE, or, without TITLE, of a
# window of PID (its _NET_WM_PID) or else of any visible top-level window not known
# to xd_known_windows: programs that do not set _NET_WM_PID (Xt's, like xmessage)
# are found that way on a server of their own. Returns 1 when SECONDS pass first
# and 2 when PID ends first.
xd_wait_window() {
  local pid=$1 seconds=$2 title=${3:-} deadline window candidate
  deadline=$(($(date +%s%N) + seconds * 1000000000))
  while [ "$(date +%s%N)" -lt "$deadline" ]; do
    kill -0 "$pid" 2>/dev/null || return 2
    window=
    if [ -n "$title" ]; then
      window=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1)
    else
      window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
      if [ -z "$window" ] && [ -n "${XD_KNOWN_WINDOWS+set}" ]; then
        for candidate in $(xdotool search --onlyvisible --maxdepth 1 --name '' 2>/dev/null); do
          case $XD_KNOWN_WINDOWS in
            *" $candidate "*) ;;
            *) window=$candidate; break ;;
          esac
        done
      fi
    fi
    if [ -n "$window" ]; then
      echo "$window"
      return 0
    fi
    sleep 0.2
  done
  return 1
}

# xd_focus WINDOW
# Keyboard focus and the pointer to WINDOW. Without a window manager nothing else
# gives a new window the focus, and the game pauses while it lacks it.
xd_focus() {
  xdotool windowfocus "$1" 2>/dev/null || true
  xdotool mousemove --window "$1" 0 0 2>/dev/null || true
}

# xd_key_name NAME
# The X keysym for a key name of `kmtool play` scripts (UP DOWN LEFT RIGHT RETURN
# ESCAPE BACKSPACE DELETE F1 F2 SHIFT, or 0xNN, a Windows virtual-key code: digits,
# letters, F1..F12). Any other name is taken as an xdotool key name (F11, ctrl+1).
xd_key_name() {
  case $1 in
    UP) echo Up ;;
    DOWN) echo Down ;;
    LEFT) echo Left ;;
    RIGHT) echo Right ;;
    RETURN) echo Return ;;
    ESCAPE) echo Escape ;;
    BACKSPACE) echo BackSpace ;;
    DELETE) echo Delete ;;
    SHIFT) echo Shift_L ;;
    0x* | 0X*)
      local code=$(($1))
      if [ "$code" -ge 48 ] && [ "$code" -le 57 ]; then # 0x30..0x39: 0..9
        echo $((code - 48))
      elif [ "$code" -ge 65 ] && [ "$code" -le 90 ]; then # 0x41..0x5A: a..z
        local letters=abcdefghijklmnopqrstuvwxyz
        echo "${letters:code-65:1}"
      elif [ "$code" -ge 112 ] && [ "$code" -le 123 ]; then # 0x70..0x7B: F1..F12
        echo "F$((code - 111))"
      else
        echo "xdrive: no X key for virtual-key code $1" >&2
        return 1
      fi
      ;;
    *) echo "$1" ;;
  esac
}

# xd_play WINDOW SCRIPT
# Runs the key lines of a `kmtool play` script against the real window: key,
# keydown, keyup, type, wait, and '#' comments. SCRIPT is a file, or the lines
# themselves with ';' between them. Commands that need frame coordinates or the
# headless clock (tap, size, shot, dump, ...) are refused: returns 1 naming the line.
xd_play() {
  local window=$1 script=$2 text line command argument name number=0
  if [ -f "$script" ]; then
    text=$(cat "$script")
  else
    text=$(printf '%s\n' "$script" | tr ';' '\n')
  fi
  xd_focus "$window"
  while IFS= read -r line; do
    number=$((number + 1))
    line=${line#"${line%%[![:space:]]*}"}
    [ -z "$line" ] && continue
    [ "${line:0:1}" = "#" ] && continue
    command=${line%%[[:space:]]*}
    argument=${line#"$command"}
    argument=${argument#"${argument%%[![:space:]]*}"}
    case $command in
      key | keydown | keyup)
        name=$(xd_key_name "$argument") || return 1
        xdotool "$command" --delay 30 "$name" || return 1
        ;;
      type) xdotool type --delay 30 "$argument" || return 1 ;;
      wait)
        if ! [[ $argument =~ ^[0-9]+$ ]]; then
          echo "xdrive: line $number: wait needs milliseconds: $line" >&2
          return 1
        fi
        sleep "$(printf '%d.%03d' $((argument / 1000)) $((argument % 1000)))"
        ;;
      *)
        echo "xdrive: line $number: '$command' does not drive a real window: $line" >&2
        return 1
        ;;
    esac
  done <<<"$text"
}

# xd_stop PID
# Asks PID to end (TERM), waits up to 3 s, then kills it. PID must be a child of
# the calling shell, so that its status can be collected.
xd_stop() {
  local pid=$1 tries=0
  kill -0 "$pid" 2>/dev/null || return 0
  kill -TERM "$pid" 2>/dev/null || true
  while kill -0 "$pid" 2>/dev/null && [ "$tries" -lt 30 ]; do
    sleep 0.1
    tries=$((tries + 1))
  done
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}
