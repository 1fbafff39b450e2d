#!/usr/bin/env bash
# Measures the real program from outside, on a virtual display: the time from
# its process start to its main window mapped, and its peak memory (VmHWM)
# once the window is up, beside the same two figures for an empty Qt Widgets
# window of the same size built here. Each is started several times (15 by
# default, after one unmeasured start) and the medians are compared. The same
# window with one label is measured too, for the share of fonts and text in
# the difference; the targets are held against the empty window.
#
#     bash bench/startup.sh [runs]
set -euo pipefail
export LC_ALL=C
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-bench"
runs=${1:-15}

if [ "${2:-}" != "--on-virtual-display" ]; then
    # What the measurement needs beyond the build: the virtual display and
    # xev, which reports every window the moment it is mapped.
    bash "$root/scripts/setup.sh" --display
    if ! dpkg-query -W -f='${Status}' x11-utils 2>/dev/null | grep -q "install ok installed"; then
        if [ "$(id -u)" -eq 0 ]; then apt-get update -qq; else sudo apt-get update -qq; fi
        if [ "$(id -u)" -eq 0 ]; then apt-get install -y -qq --no-install-recommends x11-utils
        else sudo apt-get install -y -qq --no-install-recommends x11-utils; fi
    fi
    cmake -S "$root" -B "$build" -DKOVEX_BENCH=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" -j"$(nproc)" --target kovex kovex_refdata kovex-startup-phases
    mkdir -p "$build/bench"
    # shellcheck disable=SC2046
    g++ -std=c++17 -O2 -fPIC "$root/bench/EmptyWindow.cpp" -o "$build/bench/kovex-empty-window" \
        $(pkg-config --cflags --libs Qt6Widgets)
    exec xvfb-run -a -s "-screen 0 1920x1200x24" bash "$0" "$runs" --on-virtual-display
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Starts a program in a fresh working folder seeded with the databases, as
# the run command seeds one; prints the milliseconds from its start to its
# first top-level window mapped, the peak memory in KiB a second later, and
# the window's width and height.
measure() {
    local work="$scratch/work-$RANDOM$RANDOM"
    mkdir -p "$work"
    cp "$build"/data/*.mdb "$work"/
    local events="$scratch/events"
    rm -f "$events"
    mkfifo "$events"
    stdbuf -oL xev -root -event substructure >"$events" &
    local watcher=$!
    exec 3<"$events"
    sleep 0.3 # xev has connected and selected the events
    local started=$EPOCHREALTIME
    (cd "$work" && exec "$@") >/dev/null 2>&1 &
    local program=$!
    local mapped="" size="0 0" line
    local -A sizes=()
    while read -r -t 30 line <&3; do
        case "$line" in
        CreateNotify*)
            read -r line <&3
            if [[ $line =~ window\ (0x[0-9a-f]+),.*width\ ([0-9]+),\ height\ ([0-9]+) ]]; then
                sizes[${BASH_REMATCH[1]}]="${BASH_REMATCH[2]} ${BASH_REMATCH[3]}"
            fi
            ;;
        MapNotify*)
            local at=$EPOCHREALTIME
            read -r line <&3
            if [[ $line == *"override NO"* && $line =~ window\ (0x[0-9a-f]+) ]]; then
                mapped=$at
                size=${sizes[${BASH_REMATCH[1]}]:-0 0}
                break
            fi
            ;;
        esac
    done
    sleep 1 # the first paint done
    local peak
    peak=$(awk '/^VmHWM:/ {print $2}' "/proc/$program/status")
    kill "$program" "$watcher"
    wait "$program" "$watcher" 2>/dev/null || true
    exec 3<&-
    rm -rf "$work"
    if [ -z "$mapped" ]; then
        echo "no window was mapped by $1" >&2
        exit 1
    fi
    awk -v a="$started" -v b="$mapped" -v m="$peak" -v s="$size" 'BEGIN { printf "%.1f %d %s\n", (b - a) * 1000, m, s }'
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')," \
    "load $(cut -d' ' -f1-3 /proc/loadavg)"

# The programs take turns, run after run, so that a slower spell of a shared
# machine falls on all of them alike. One unmeasured start each goes first; the
# program's gives the size of the empty windows.
: >"$scratch/kovex"
: >"$scratch/empty"
: >"$scratch/label"
read -r _ _ width height < <(measure "$build/src/gui/kovex")
empty=("$build/bench/kovex-empty-window" "$width" "$height")
measure "${empty[@]}" >/dev/null
measure "${empty[@]}" "Start" >/dev/null
for _ in $(seq "$runs"); do
    measure "$build/src/gui/kovex" >>"$scratch/kovex"
    measure "${empty[@]}" >>"$scratch/empty"
    measure "${empty[@]}" "Start" >>"$scratch/label"
done

report() {
    local name=$1 label=$2
    printf "%-13s window after %7.1f ms, peak memory %6.1f MiB  (median of %d; times: %s)\n" "$label" \
        "$(cut -d' ' -f1 "$scratch/$name" | median)" \
        "$(cut -d' ' -f2 "$scratch/$name" | median | awk '{ print $1 / 1024 }')" \
        "$runs" "$(cut -d' ' -f1 "$scratch/$name" | tr '\n' ' ')"
}
report kovex "kovex"
report empty "empty window"
report label "one label"
echo "window size: ${width} x ${height}"

# The program's entry again, step by step, counted from the launch: where the
# time goes before the window is shown.
work="$scratch/phases-work"
mkdir -p "$work"
cp "$build"/data/*.mdb "$work"/
for _ in $(seq "$runs"); do
    (cd "$work" && exec "$build/bench/kovex-startup-phases" "$EPOCHREALTIME") 2>/dev/null
done >"$scratch/phases"
echo "kovex, each step ended after (median of $runs):"
for step in main-entered QApplication-made databases-read window-built window-shown; do
    printf "  %-18s %6.1f ms\n" "$step" "$(awk -v s="$step" '$1 == s { print $2 }' "$scratch/phases" | median)"
done
awk -v kt="$(cut -d' ' -f1 "$scratch/kovex" | median)" -v et="$(cut -d' ' -f1 "$scratch/empty" | median)" \
    -v km="$(cut -d' ' -f2 "$scratch/kovex" | median)" -v em="$(cut -d' ' -f2 "$scratch/empty" | median)" 'BEGIN {
    printf "ratio to the empty window: time %.2f x, memory %.2f x (targets: 1.5 x each): %s\n", kt / et, km / em,
        (kt <= 1.5 * et && km <= 1.5 * em) ? "met" : "MISSED"
}'
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
