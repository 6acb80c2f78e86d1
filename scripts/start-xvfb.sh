# Sourced by the other scripts: start_xvfb DEPTH starts a private Xvfb on a free display,
# exports DISPLAY and XVFB_PID, and arranges for the server to stop when the script exits.
stop_xvfb() {
  kill "$XVFB_PID" 2>/dev/null || true
  wait "$XVFB_PID" 2>/dev/null || true
}

start_xvfb() {
  local depth=${1:-24} fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  # -noreset: a server that resets when its last client leaves refuses the next one meanwhile,
  # and tests run one after another in one process connect right after the last has left.
  Xvfb -displayfd 3 -screen 0 1280x1024x"$depth" -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  trap stop_xvfb EXIT
  local number
  if ! read -r -t 20 number <"$fifo"; then
    rm -f "$fifo"
    echo "Xvfb did not start" >&2
    return 1
  fi
  rm -f "$fifo"
  export DISPLAY=":$number"
}
