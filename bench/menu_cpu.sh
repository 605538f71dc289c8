#!/usr/bin/env bash
# CPU use and frame rate of the game idling at its main menu.
#
#   bench/menu_cpu.sh <game binary> <game folder> [runs] [seconds] [vsync]
#
# vsync is the option "VSync" the run starts with: Yes (the default option)
# or No.
# Each run starts the game on a private Xvfb in a fresh copy of the game
# folder (its own user folder and lock), waits until the logo screens have
# given way to the menu, then reads the process's user and system time from
# /proc/<pid>/stat over the sampling window and the "-info" title's frame
# rate.  Prints one line per run and the medians.  Needs xvfb and xdotool.
set -euo pipefail
binary=$(realpath "$1")
folder=$(realpath "$2")
runs=${3:-5}
seconds=${4:-20}
vsync=${5:-Yes}
settle=15

ticks=$(getconf CLK_TCK)
cpu_time() { awk '{print $14 + $15}' "/proc/$1/stat"; }
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

cpus=()
servers=()
rates=()
for run in $(seq 1 "$runs"); do
  work=$(mktemp -d /tmp/tq-menu-cpu-XXXXXX)
  cp -r "$folder" "$work/game"
  display=$((200 + RANDOM % 500))
  while [ -e "/tmp/.X${display}-lock" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb=$!
  sleep 0.5
  options="$work/data/Harbolt Studios/Ostravelle Vindals - Tolvane Quirn"
  mkdir -p "$options"
  printf '[Options]\nVSync=%s\n' "$vsync" >"$options/options.ini"
  (cd "$work/game" && DISPLAY=":$display" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work" \
    ALSOFT_DRIVERS=null LP_NUM_THREADS=2 TQ_MESSAGEBOX_ANSWER=ok \
    exec "$binary" -info >"$work/out.txt" 2>"$work/err.txt") &
  game=$!
  sleep "$settle"
  before=$(cpu_time "$game")
  serverBefore=$(cpu_time "$xvfb")
  sleep "$seconds"
  after=$(cpu_time "$game")
  serverAfter=$(cpu_time "$xvfb")
  title=$(DISPLAY=":$display" xdotool search --name "FPS" getwindowname 2>/dev/null | head -n1 || true)
  fps=$(sed -n 's/.*FPS: \([0-9.]*\).*/\1/p' <<<"$title")
  cpu=$(awk -v a="$after" -v b="$before" -v t="$ticks" -v s="$seconds" 'BEGIN {printf "%.1f", 100 * (a - b) / t / s}')
  server=$(awk -v a="$serverAfter" -v b="$serverBefore" -v t="$ticks" -v s="$seconds" 'BEGIN {printf "%.1f", 100 * (a - b) / t / s}')
  echo "run $run (VSync=$vsync): game ${cpu} % of one core, X server ${server} %, ${fps:-?} frames a second"
  cpus+=("$cpu")
  servers+=("$server")
  rates+=("${fps:-0}")
  kill "$game" 2>/dev/null || true
  wait "$game" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  rm -rf "$work"
done
echo "median (VSync=$vsync): game $(printf '%s\n' "${cpus[@]}" | median) % of one core, X server $(printf '%s\n' "${servers[@]}" | median) %, $(printf '%s\n' "${rates[@]}" | median) frames a second"
