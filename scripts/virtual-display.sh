# Sourced by the scripts: gives them an X display. Uses the caller's when there is one (unless
# a virtual one is asked for), else starts a virtual 1024 x 768 screen that ends with the script.
start_virtual_display() {
  local n
  for n in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    VIRTUAL_DISPLAY_PID=$!
    # Wine's processes go first, so that none is left talking to a display that is gone. The
    # script keeps its own exit status.
    trap 'status=$?
          WINEPREFIX="$PWD/build/win64/wineprefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
          kill $VIRTUAL_DISPLAY_PID 2>/dev/null || true
          exit $status' EXIT
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    echo "error: the virtual display :$n did not start" >&2
    return 1
  done
  echo "error: no free display number for a virtual display" >&2
  return 1
}
