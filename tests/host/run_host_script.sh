#!/usr/bin/env bash
# Runs the real talvoro-run on one host test script, in a fresh temporary
# folder that is also its TMPDIR, and checks what it printed, what it wrote
# on standard error and its exit status against the lines inside the script:
#
#   '> text                  the next line on standard output
#   '2> text                 the next line on standard error
#   '!exit N                 the exit status (0 when not given)
#   '!args a "b c" /n:1      the arguments after the script's name
#   '< text                  a line of standard input (none: standard input is empty)
#   '!setup COMMAND          run in the folder before the script
#   '!after COMMAND          run in the folder after it; its output counts as standard output
#   '!file-size-limit KB     the largest file the run may write (writes past it fail)
#
# Usage: run_host_script.sh TALVORO_RUN SCRIPT
set -u
runner=$(realpath "$1")
script=$2
name=$(basename "$script")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$script" "$work/$name"
mkdir "$work/tmp"
cd "$work" || exit 2

# The text after MARKER (and one blank) on each line that begins with it.
lines_after() {
    local marker=$1
    tr -d '\r' < "$name" | while IFS= read -r line; do
        local trimmed="${line#"${line%%[![:space:]]*}"}"
        if [[ "$trimmed" == "$marker"* ]]; then
            local rest="${trimmed#"$marker"}"
            printf '%s\n' "${rest# }"
        fi
    done
}

lines_after "'>" > "$work/tmp/expected.out"
lines_after "'2>" > "$work/tmp/expected.err"
lines_after "'<" > "$work/tmp/stdin"
expected_exit=$(lines_after "'!exit" | tail -n 1)
expected_exit=${expected_exit:-0}
eval "arguments=($(lines_after "'!args" | tail -n 1))"
limit=$(lines_after "'!file-size-limit" | tail -n 1)
[ -s "$work/tmp/stdin" ] || : > "$work/tmp/stdin"

while IFS= read -r command; do eval "$command"; done < <(lines_after "'!setup")

(
    if [ -n "$limit" ]; then
        trap '' XFSZ  # a write past the limit then fails instead of ending the process
        ulimit -f "$limit"
    fi
    TMPDIR="$work/tmp" exec "$runner" "$name" "${arguments[@]}"
) < "$work/tmp/stdin" > "$work/tmp/actual.out" 2> "$work/tmp/actual.err"
actual_exit=$?

while IFS= read -r command; do eval "$command"; done < <(lines_after "'!after") >> "$work/tmp/actual.out"

failed=0
if ! diff -u --label expected --label printed "$work/tmp/expected.out" "$work/tmp/actual.out"; then failed=1; fi
if ! diff -u --label expected-stderr --label stderr "$work/tmp/expected.err" "$work/tmp/actual.err"; then failed=1; fi
if [ "$actual_exit" != "$expected_exit" ]; then
    echo "exit status $actual_exit, expected $expected_exit"
    failed=1
fi
exit $failed
