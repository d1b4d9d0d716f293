#!/usr/bin/env bash
# Runs the engine benchmarks side by side with their Lua and Python twins and
# prints, per program, the median whole-process time of each and our ratios.
#
#   bench/run.sh [path/to/talvoro-run] [runs]
#
# The programs are in bench/programs (or $TALVORO_BENCH_DIR): the same work in
# VBScript, Lua and Python. Every run's first output line is checked against
# the expected checksum, so a fast wrong answer never counts.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
runner=${1:-$here/../build/bin/talvoro-run}
runs=${2:-5}
bench_dir=${TALVORO_BENCH_DIR:-$here/programs}
lua=$(command -v lua5.4 || command -v lua || true)
# Debian's own CPython: a version manager's shim in PATH would add its start-up to every run.
python=$( [ -x /usr/bin/python3 ] && echo /usr/bin/python3 || command -v python3 || true)

if [ ! -x "$runner" ]; then echo "no runner at $runner (build first)" >&2; exit 2; fi
if [ ! -d "$bench_dir/vbs" ]; then echo "no benchmarks in $bench_dir" >&2; exit 2; fi

# median_time NAME EXPECTED CMD...: median wall seconds of $runs runs, or "wrong"/"fail".
median_time() {
  local name=$1 expected=$2; shift 2
  local times=() out t0 t1
  for _ in $(seq "$runs"); do
    t0=$(date +%s.%N)
    if ! out=$("$@" 2>&1); then echo fail; return; fi
    t1=$(date +%s.%N)
    if ! grep -qxF "$expected" <<<"$out"; then echo wrong; return; fi
    times+=("$(awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.4f", b - a }')")
  done
  printf '%s\n' "${times[@]}" | sort -g | awk '{a[NR]=$1} END {printf "%.3f", a[int((NR+1)/2)]}'
}

ratio() {
  if [[ $1 =~ ^[0-9.]+$ && $2 =~ ^[0-9.]+$ ]]; then awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'
  else echo "-"; fi
}

# The geometric mean is taken over the programs whose work is the engine's
# own: strings and text measure Lua's copying of immutable strings more than
# either engine, and start measures nothing but start-up.
mean_of="fib loop loopg arrays mandel dict calls"

printf '%-8s %9s %9s %9s %9s %9s\n' program talvoro lua5.4 python3 vs_lua vs_py
log_sum=0; count=0
for f in "$bench_dir"/vbs/*.vbs; do
  name=$(basename "$f" .vbs)
  expected=$(cat "$bench_dir/expected/$name.txt")
  ours=$(median_time "$name" "$expected" "$runner" "$f")
  theirs_lua=-; theirs_py=-
  [ -n "$lua" ] && theirs_lua=$(median_time "$name" "$expected" "$lua" "$bench_dir/lua/$name.lua")
  [ -n "$python" ] && theirs_py=$(median_time "$name" "$expected" "$python" "$bench_dir/py/$name.py")
  r_lua=$(ratio "$ours" "$theirs_lua"); r_py=$(ratio "$ours" "$theirs_py")
  printf '%-8s %9s %9s %9s %9s %9s\n' "$name" "$ours" "$theirs_lua" "$theirs_py" "$r_lua" "$r_py"
  if [[ $r_lua =~ ^[0-9.]+$ ]] && [[ " $mean_of " == *" $name "* ]]; then
    log_sum=$(awk -v s="$log_sum" -v r="$r_lua" 'BEGIN { printf "%.6f", s + log(r) }'); count=$((count + 1))
  fi
done
if [ "$count" -gt 0 ]; then
  awk -v s="$log_sum" -v n="$count" -v set="$mean_of" \
    'BEGIN { printf "geometric mean of talvoro/lua over %s: %.2f\n", set, exp(s / n) }'
fi
