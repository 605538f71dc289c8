#!/usr/bin/env bash
# Runs the game built with AddressSanitizer and UndefinedBehaviorSanitizer
# through its start-up and one change of scene (the logo screens into the
# main menu) on a copy of the game folder, under Xvfb when no display is set.
# A sanitizer report, or a game that ends before the menu's scene has loaded,
# fails the run.
#
#   tests/sanitize/run.sh
#
# The game is linked from the fuzz build's sanitized engine (the same build
# folder as tests/fuzz/run.sh), so after the fuzz targets it costs the
# game's scripts and one link.  It plays on a copy of the main build's game
# folder (build/game, made here when missing), whose generated data does not
# depend on the compiler.  Its output is left in <build>/sanitize-work/err.txt.
#
# With TQ_SANITIZE_BUILD_DIR set, the same run plays the g++ build made with
# -DTQ_SANITIZE=ON in that folder instead (game, generators and game folder
# all built there, the generators running under the sanitizers too):
#
#   TQ_SANITIZE_BUILD_DIR=build-asan tests/sanitize/run.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${TQ_FUZZ_BUILD_DIR:-$root/build-fuzz}
main=${TQ_BUILD_DIR:-$root/build}
seconds=${SANITIZE_SECONDS:-240}

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp -noreset" "$0" "$@"
fi

if [ -n "${TQ_SANITIZE_BUILD_DIR:-}" ]; then
  build=$(mkdir -p "$TQ_SANITIZE_BUILD_DIR" && cd "$TQ_SANITIZE_BUILD_DIR" && pwd)
  main=$build
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTQ_SANITIZE=ON >/dev/null
  cmake --build "$build" --target tolvane_quirn -j"$(nproc)"
  game_binary=$build/bin/tolvane_quirn
else
  cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTQ_BUILD_FUZZ=ON -DTQ_BUILD_TESTS=OFF >/dev/null
  cmake --build "$build" --target tolvane_quirn_sanitized -j"$(nproc)"
  [ -f "$main/CMakeCache.txt" ] || cmake -S "$root" -B "$main" -DCMAKE_BUILD_TYPE=Debug >/dev/null
  cmake --build "$main" --target game_data -j"$(nproc)"
  game_binary=$build/bin/tolvane_quirn_sanitized
fi

work="$build/sanitize-work"
rm -rf "$work"
mkdir -p "$work/home" "$work/run"
cp -r "$main/game" "$work/game"
# The player's folder, the instance lock and the sound device of this run
# only; no person to answer a message box.
export XDG_DATA_HOME="$work/home" XDG_RUNTIME_DIR="$work/run" ALSOFT_DRIVERS=null LP_NUM_THREADS=2
export TQ_MESSAGEBOX_ANSWER=ok
# Every finding stops the game.  Leaks are not looked for: the run is ended
# from outside, and at a clean exit LeakSanitizer reports as lost what Mesa's
# GL modules (swrast_dri.so, libGLX_mesa.so) still hold when they are
# unloaded; with their unloading held back there is no leak to report.
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

(cd "$work/game" && exec "$game_binary" -log >"$work/out.txt" 2>"$work/err.txt") &
game=$!
menu="Scene 00_interface_start.scene loaded"
status=1
for ((i = 0; i < seconds; i += 2)); do
  sleep 2
  if ! kill -0 "$game" 2>/dev/null; then
    echo "sanitize: the game ended before the menu's scene loaded" >&2
    break
  fi
  if grep -q "$menu" "$work/err.txt"; then
    status=0
    break
  fi
  # A click and Escape skip the logo screens, as a player would.
  window=$(xdotool search --name "Tolvane Quirn" 2>/dev/null | head -n 1 || true)
  if [ -n "$window" ]; then
    xdotool mousemove --window "$window" 400 300 mousedown 1 sleep 0.2 mouseup 1 \
      keydown Escape sleep 0.2 keyup Escape >/dev/null 2>&1 || true
  fi
done
[ $status -eq 0 ] || [ $i -lt $seconds ] || echo "sanitize: no scene change in $seconds s" >&2
kill "$game" 2>/dev/null || true
wait "$game" 2>/dev/null || true
if grep -qE "AddressSanitizer|LeakSanitizer|runtime error:" "$work/err.txt"; then
  echo "sanitize: the sanitizers reported a fault:" >&2
  grep -A30 -E "AddressSanitizer|LeakSanitizer|runtime error:" "$work/err.txt" | head -60 >&2
  status=1
fi
[ $status -eq 0 ] && echo "sanitize: start-up and scene change clean"
exit $status
