#!/usr/bin/env bash
# The game directory through the real binary: --dir and VASKARN_DIR (which
# wins is OptionsTest's), directories that cannot be had, and the lock
# between two real games, which a killed game never leaves behind.
set -u
bin=$1
work=$(mktemp -d)
holder=
trap '[ -n "$holder" ] && kill -9 "$holder" 2>/dev/null; rm -rf "$work"' EXIT
cd "$work" || exit 1
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# A new hero saved from the status screen, then the crossroads' exit; a
# missing directory is made.
"$bin" --seed 1 --dir "new/deep dir" <<<$'1\n\nbran\n1\n\n\n3\n\n11\n0\n10\n\n' >/dev/null 2>err.txt ||
    fail "--dir: $(cat err.txt)"
[ -f "new/deep dir/Player.dll" ] && [ -f "new/deep dir/Bank.dll" ] || fail "--dir: no save in 'new/deep dir'"
# --help names the directory it would use, and makes nothing.
VASKARN_DIR=not-made "$bin" --help | grep -qx '  not-made (from VASKARN_DIR)' || fail "--help: no VASKARN_DIR"
[ ! -e not-made ] || fail "--help made the directory"

# Runs a game on "0": it must end with the status `expected`, having said
# `message` and shown nothing.
expect_refused() {
    local expected=$1 what=$2 message=$3
    shift 3
    "$bin" --seed 1 "$@" <<<"0" >out.txt 2>err.txt
    local status=$?
    [ "$status" -eq "$expected" ] || fail "$what: status $status, expected $expected"
    [ ! -s out.txt ] || fail "$what: the game started"
    grep -qxF "vaskarn: $message" err.txt || fail "$what: said '$(cat err.txt)'"
}
# Directories that cannot be had.
touch a-file
expect_refused 2 "a file" "cannot use 'a-file' as the game directory: it is not a directory" --dir a-file
expect_refused 2 "under a file" "cannot create the game directory 'a-file/saves': Not a directory" --dir a-file/saves
mkdir planted
ln -s "$work/target" planted/Vaskarn.lock
expect_refused 2 "a planted lock link" \
    "cannot use the game directory 'planted': Vaskarn.lock: Too many levels of symbolic links" --dir planted
[ ! -e target ] || fail "the planted link was followed"

# Two games at once: the second one is turned away before its title screen.
# The first game's input is a pipe kept open, so it waits at its title.
mkdir shared
mkfifo keys
"$bin" --seed 1 --dir shared <keys >first.txt 2>&1 &
holder=$!
exec 3>keys
for _ in $(seq 100); do grep -q '>' first.txt 2>/dev/null && break; sleep 0.1; done
expect_refused 1 "second game" "the game directory 'shared' is in use by another game of Vaskarn" --dir shared
# A killed game leaves nothing locked.
kill -9 "$holder"
wait "$holder" 2>/dev/null
holder=
"$bin" --seed 1 --dir shared <<<"0" 2>err.txt | grep -q '0. Exit' || fail "after a killed game: $(cat err.txt)"
exit $failed
