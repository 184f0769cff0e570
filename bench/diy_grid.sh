#!/usr/bin/env bash
# The do-it-yourself alternative to the viewer's start-up: start four players and place each
# window with xdotool as soon as it shows. Used by measure.py start for comparison.
set -euo pipefail
player=$1
pids=()
for n in 1 2 3 4; do
  "$player" udp://@127.0.0.1:$((5040 + n)) >/dev/null 2>&1 &
  pids+=($!)
done
cells=("0 0" "480 0" "0 270" "480 270")
for i in 0 1 2 3; do
  window=$(xdotool search --sync --pid "${pids[$i]}" | head -1)
  xdotool windowsize "$window" 480 270 windowmove "$window" ${cells[$i]}
done
kill "${pids[@]}"
