#!/usr/bin/env bash
# Runs one transcript case against the built game.
#   run_case.sh [--update] BIN tests/transcripts/CASE
#   CASE.in      what the player types (standard input)
#   CASE.out     the exact expected standard output
#   CASE.args    optional command-line options (default: --seed 1)
#   CASE.setup   optional shell script run first in the empty game directory
#                (VASKARN_BIN names the game, for a case that plays a first session)
#   CASE.check   optional shell script run afterwards in the game directory
#   CASE.status  optional expected exit status (default: 0)
# --update rewrites CASE.out from what the game printed instead of comparing,
# and shows the difference. Review every changed line (git diff) before
# committing: an expected output taken unread proves nothing.
set -u
update=0
if [ "${1:-}" = "--update" ]; then
    update=1
    shift
fi
# Absolute paths, since the case runs in a directory of its own.
bin=$(realpath "$1")
case_path=$(realpath -m "$2")
name=$(basename "$case_path")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

args="--seed 1"
[ -f "$case_path.args" ] && args=$(cat "$case_path.args")
expected_status=0
[ -f "$case_path.status" ] && expected_status=$(cat "$case_path.status")

cd "$work" || exit 1
if [ -f "$case_path.setup" ]; then
    VASKARN_BIN=$bin bash "$case_path.setup" || { echo "$name: setup failed"; exit 1; }
fi

# shellcheck disable=SC2086
timeout 60 "$bin" $args <"$case_path.in" >"$work/actual.out" 2>"$work/actual.err"
status=$?

failed=0
if [ "$status" -ne "$expected_status" ]; then
    echo "$name: exit status $status, expected $expected_status"
    cat "$work/actual.err"
    failed=1
fi
if [ "$update" -eq 1 ]; then
    diff -uN "$case_path.out" "$work/actual.out"
    cp "$work/actual.out" "$case_path.out"
elif ! diff -u "$case_path.out" "$work/actual.out" >"$work/diff"; then
    echo "$name: output differs from $case_path.out"
    head -n 80 "$work/diff"
    failed=1
fi
if [ -f "$case_path.check" ]; then
    if ! bash "$case_path.check"; then
        echo "$name: check failed"
        failed=1
    fi
fi
exit $failed
