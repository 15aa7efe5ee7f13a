#!/usr/bin/env bash
# The game directory through the real binary: --dir, VASKARN_DIR and the
# current directory; directories that cannot be had; and the lock between
# two real games, which a killed game never leaves behind.
set -u
bin=$1
work=$(mktemp -d)
holder=
cleanup() {
    [ -n "$holder" ] && kill -9 "$holder" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
cd "$work" || exit 1
failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

# A new hero saved from the status screen, then the crossroads' exit.
save_a_hero=$'1\n\nbran\n1\n\n\n3\n\n11\n0\n10\n\n'

# Runs the game with the given options on `save_a_hero`; sets status, out, err.
play() {
    "$bin" --seed 1 "$@" <<<"$save_a_hero" >out.txt 2>err.txt
    status=$?
}

expect_saved_in() {
    local dir=$1 what=$2
    [ "$status" -eq 0 ] || fail "$what: status $status: $(cat err.txt)"
    [ -f "$dir/Player.dll" ] && [ -f "$dir/Bank.dll" ] || fail "$what: no save in '$dir'"
}

# The option, the variable, and neither; a missing directory is made.
play --dir "new/deep dir"
expect_saved_in "new/deep dir" "--dir"
VASKARN_DIR=env-saves play
expect_saved_in env-saves "VASKARN_DIR"
VASKARN_DIR=env-unused play --dir option-saves
expect_saved_in option-saves "--dir over VASKARN_DIR"
[ ! -e env-unused ] || fail "VASKARN_DIR was used although --dir was given"
mkdir here && (cd here && VASKARN_DIR= "$bin" --seed 1 <<<"$save_a_hero" >/dev/null 2>&1)
[ -f here/Player.dll ] || fail "an empty VASKARN_DIR should mean the current directory"
[ ! -e Player.dll ] || fail "a save landed outside the chosen directory"

# --help names the directory it would use, and makes nothing.
VASKARN_DIR=not-made "$bin" --help >out.txt
grep -qx '  not-made (from VASKARN_DIR)' out.txt || fail "--help does not name VASKARN_DIR's directory"
[ ! -e not-made ] || fail "--help made the directory"

# Directories that cannot be had: a message, status 2, no title screen.
expect_refused() {
    local what=$1 message=$2
    shift 2
    "$bin" --seed 1 "$@" <<<"0" >out.txt 2>err.txt
    status=$?
    [ "$status" -eq 2 ] || fail "$what: status $status, expected 2"
    [ ! -s out.txt ] || fail "$what: the game started"
    grep -qxF "vaskarn: $message" err.txt || fail "$what: said '$(cat err.txt)'"
}
touch a-file
expect_refused "a file" "cannot use 'a-file' as the game directory: it is not a directory" --dir a-file
expect_refused "under a file" \
    "cannot create the game directory 'a-file/saves': Not a directory" --dir a-file/saves
mkdir -p planted
ln -s "$work/target" planted/Vaskarn.lock
expect_refused "a planted lock link" \
    "cannot use the game directory 'planted': Vaskarn.lock: Too many levels of symbolic links" --dir planted
[ ! -e target ] || fail "the planted link was followed"

# Two games at once: the second one is turned away before its title screen.
# The first game's input is a pipe kept open, so it waits at its title.
mkdir shared
mkfifo keys
"$bin" --seed 1 --dir shared <keys >first.txt 2>&1 &
holder=$!
exec 3>keys
for _ in $(seq 100); do
    grep -q '>' first.txt 2>/dev/null && break
    sleep 0.1
done
grep -q '0. Exit' first.txt || fail "the first game did not reach its title screen"
"$bin" --seed 1 --dir shared <<<"0" >out.txt 2>err.txt
status=$?
[ "$status" -eq 1 ] || fail "second game: status $status, expected 1"
[ ! -s out.txt ] || fail "second game: it showed its title screen"
grep -qxF "vaskarn: the game directory 'shared' is in use by another game of Vaskarn" err.txt ||
    fail "second game said '$(cat err.txt)'"

# A killed game leaves nothing locked.
kill -9 "$holder"
wait "$holder" 2>/dev/null
holder=
exec 3>&-
"$bin" --seed 1 --dir shared <<<"0" >out.txt 2>err.txt
status=$?
[ "$status" -eq 0 ] && grep -q '0. Exit' out.txt || fail "after a killed game: status $status, $(cat err.txt)"

exit $failed
