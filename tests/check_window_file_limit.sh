#!/usr/bin/env bash
# Ctrl+S in the desktop program under a file-size limit, as a user meets it:
# the program is started by the shell after `ulimit -f 0` on a real X server
# (Xvfb) and the keys are typed with xdotool.  The save must fail with the
# "Output error" box, the program must live on and the old file stay; the
# same keys without the limit save (so the keys do reach the window).
#   check_window_file_limit.sh DORVEL EXAMPLE.dvl
# Exit 77 (skipped) without Xvfb or xdotool (Debian: xvfb xdotool).
set -u
gui="$1" example="$2"
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "no Xvfb or xdotool"; exit 77; }
tmp="$(mktemp -d)"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# Xvfb picks a display it could bind and writes its number when it accepts
# connections (-displayfd): no guessing at free numbers, which another X
# server (even one in another container sharing the abstract socket names)
# could take between the guess and the start.  -noreset: an X server resets
# itself when its last client leaves, and refuses the clients that knock
# meanwhile; the probe below is such a last client, the program the next one.
# Under a loaded sanitizer run the server may take a while to come up.
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 & xvfb=$!; pids+=($xvfb)
n=""
for i in $(seq 300); do
  n="$(tr -dc 0-9 <"$tmp/display" 2>/dev/null)"
  [ -n "$n" ] && grep -q $'\n' "$tmp/display" 2>/dev/null && break
  kill -0 "$xvfb" 2>/dev/null || break
  n=""; sleep 0.1
done
[ -n "$n" ] || { echo "FAIL: the X server did not start: $(cat "$tmp/xvfb.log")"; exit 1; }
export DISPLAY=":$n" QT_QPA_PLATFORM=xcb HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config"
# In a sanitizer build, libxkbcommon-x11 (under Qt's xcb platform) copies a
# counted, unterminated name with strndup, which AddressSanitizer's
# strict_string_checks takes for an overflow; that check is for our code.
[ -n "${ASAN_OPTIONS:-}" ] && export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
mkdir -p "$HOME"
xdotool getmouselocation >/dev/null 2>&1 || { echo "FAIL: no connection to the X server :$n"; exit 1; }

# Starts the program on a copy of the example (file-size limit $1 blocks,
# or "unlimited"), types Ctrl+S into its window and waits $2 seconds.
# Sets app (its process) and boxes (its windows named "Dorvel" afterwards).
save_with_limit() {
  local limit="$1" case="$tmp/case-$1.dvl"
  cp "$example" "$case"
  # The program's output goes through a pipe: under the limit it could not
  # write a word of it to a file itself.
  bash -c "ulimit -f $limit; exec \"\$0\" \"\$1\"" "$gui" "$case" > >(cat >"$tmp/app-$limit.log") 2>&1 &
  app=$!
  pids+=($app)
  local win=""
  for i in $(seq 200); do
    win="$(xdotool search --onlyvisible --name "case-$limit.dvl" 2>/dev/null | head -1)"
    [ -n "$win" ] && break
    kill -0 "$app" 2>/dev/null || break
    sleep 0.2
  done
  kill -0 "$xvfb" 2>/dev/null || { echo "FAIL: the X server :$n ended: $(cat "$tmp/xvfb.log")"; exit 1; }
  [ -n "$win" ] || { fail "no window (limit $limit): $(cat "$tmp/app-$limit.log")"; return 1; }
  sleep 1
  xdotool windowfocus --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
  sleep 0.3
  xdotool key --clearmodifiers ctrl+s
  sleep 3
  boxes="$(xdotool search --onlyvisible --name '^Dorvel$' 2>/dev/null | wc -l)"
  saved_case="$case"
}

# Under the limit: an "Output error" box, the program alive, the file kept.
if save_with_limit 0; then
  kill -0 "$app" 2>/dev/null || { wait "$app"; fail "the program ended with status $? under the file-size limit"; }
  [ "$boxes" -ge 1 ] || fail "no message box after Ctrl+S under the limit"
  cmp -s "$example" "$saved_case" || fail "the case file changed under the limit"
  kill "$app" 2>/dev/null
fi
# Without it the same keys save: the file is rewritten in the current form.
if save_with_limit unlimited; then
  cmp -s "$example" "$saved_case" && fail "Ctrl+S did not reach the window (the file is unchanged)"
  head -c 2 "$saved_case" | grep -q " L" || fail "the saved file is no case file"
  kill "$app" 2>/dev/null
fi
[ "$failed" -eq 0 ] && echo "window save under ulimit -f OK"
exit "$failed"
