#!/usr/bin/env bash
# window-cpu.sh PROGRAM FOLDER [ACTION...]: starts PROGRAM in FOLDER on
# $DISPLAY (an Xvfb display, say) and prints the main thread's CPU time
# (schedstat, ns resolution) for the start-up until the window is shown and
# idle, then for each ACTION (a shell command, e.g. an xdotool click) until
# the window is idle again. CPU time, not wall time: other work on the
# machine does not count. Example, the chooser's drop-down at 100 %:
#   tools/window-cpu.sh build/kalustra DIR "xdotool mousemove 283 25 click 1"
set -euo pipefail
program=$1
folder=$2
shift 2
cpu() { awk '{print $1}' "/proc/$pid/task/$pid/schedstat"; }
# Idle: less than 0.2 ms of CPU in 0.3 s (the text cursor blinks).
settle() {
    local last now
    last=$(cpu)
    while sleep 0.3; now=$(cpu); [ $((now - last)) -gt 200000 ]; do last=$now; done
}
cd "$folder"
"$program" &
pid=$!
trap 'kill $pid 2>/dev/null' EXIT
xdotool search --sync --onlyvisible --pid "$pid" >/dev/null
settle
echo "start-up: $(($(cpu) / 1000)) us"
for action in "$@"; do
    before=$(cpu)
    eval "$action"
    sleep 0.05
    settle
    echo "$action: $((($(cpu) - before) / 1000)) us"
done
