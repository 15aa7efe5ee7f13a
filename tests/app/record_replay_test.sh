#!/usr/bin/env bash
# Record and replay through the real binary: a replay writes the recorded
# session's output byte for byte, seeded or not; a record is written as the
# session goes; files that cannot be replayed or recorded are refused before
# the title screen (SessionRecordTest has every reason a record is refused).
set -u
bin=$1
transcripts=$(cd "$(dirname "$0")/../transcripts" && pwd)
version=$("$bin" --version | cut -d' ' -f2)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# Records transcript case `case` as NAME.txt, replays it, and compares; each
# plays in a fresh directory set up by the case's setup.
record_then_replay() {
    local name=$1 case=$2
    shift 2
    for dir in "$name.rec-dir" "$name.rep-dir"; do
        mkdir "$dir"
        [ -f "$transcripts/$case.setup" ] && (cd "$dir" && bash "$transcripts/$case.setup")
    done
    "$bin" --dir "$name.rec-dir" --record "$name.txt" "$@" <"$transcripts/$case.in" >"$name.recorded" 2>err.txt ||
        fail "$name: recording ended with status $?: $(cat err.txt)"
    "$bin" --dir "$name.rep-dir" --replay "$name.txt" </dev/null >"$name.replayed" 2>err.txt ||
        fail "$name: replay ended with status $?: $(cat err.txt)"
    [ ! -s err.txt ] || fail "$name: the replay complained: $(cat err.txt)"
    cmp -s "$name.recorded" "$name.replayed" || fail "$name: the replay's output differs from the session's"
}

# A seeded session with a fight: recording changes nothing the player sees,
# and every calendar reading is the fixed one.
record_then_replay seeded arena_defeat --seed 1
cmp -s seeded.recorded "$transcripts/arena_defeat.out" || fail "seeded: recording changed the session's output"
[ "$(head -n 2 seeded.txt)" = $'vaskarn-record 1\ngame '"$version" ] || fail "seeded: the record's header is wrong"
[ "$(grep '^time ' seeded.txt | sort -u)" = "time 1" ] || fail "seeded: the calendar readings are not the fixed one"
# Unseeded, with a fight and with the play clock: the real readings.
record_then_replay unseeded arena_defeat
[ "$(awk '/^time / && $2 > 1600000000' unseeded.txt | wc -l)" -gt 2 ] ||
    fail "unseeded: the fight's real calendar readings are missing"
record_then_replay clock new_game_warrior_status
grep -q '^play ' clock.txt || fail "clock: the play clock's reading is missing"

# A replay plays what the record says: a made-up play clock of 3725 seconds.
sed 's/^play .*/play 3725000/' clock.txt >edited.txt
"$bin" --dir edited --replay edited.txt 2>/dev/null | grep -A3 -x 'Game Time Play' | tr '\n' ' ' |
    grep -q 'Hours: 1 Minutes: 2 Seconds: 5' || fail "edited: the replayed play clock is not the recorded one"

# A record of another version of the game plays, with a warning.
sed '2s/.*/game 0.0.9/' clock.txt >older.txt
"$bin" --dir older --replay older.txt >older.out 2>err.txt && cmp -s older.out clock.recorded ||
    fail "older: status $?, or the output differs"
grep -qxF "vaskarn: 'older.txt' was recorded by Vaskarn 0.0.9; this is Vaskarn $version, so the replay may differ" \
    err.txt || fail "older: said '$(cat err.txt)'"

# The record is written as the session goes: a killed session leaves what
# it had read, and replaying that reproduces it up to there.
mkfifo keys
"$bin" --seed 1 --dir killed --record killed.txt <keys >killed.out 2>&1 &
game=$!
exec 3>keys
printf '1\n\nbran\n' >&3
for _ in $(seq 100); do grep -q '5. An Adventurous Scout' killed.out 2>/dev/null && break; sleep 0.1; done
kill -9 "$game"
wait "$game" 2>/dev/null
exec 3>&-
tail -n 1 killed.txt | grep -qx 'in bran\\n' || fail "killed: the record lacks the last line typed"
"$bin" --dir killed-replay --replay killed.txt 2>&1 | cmp -s killed.out - || fail "killed: the replay differs"

# Records that cannot be replayed or made: a message, status 2, no title screen.
expect_refused() {
    local message=$1
    shift
    "$bin" --dir refused "$@" </dev/null >out.txt 2>err.txt
    local status=$?
    [ "$status" -eq 2 ] && [ ! -s out.txt ] || fail "$*: status $status, expected 2, or the game started"
    grep -qxF "vaskarn: $message" err.txt || fail "$*: said '$(cat err.txt)'"
}
printf 'vaskarn-record 1\ngame 0.1.0\nin 1\\n\nin 2\\z\n' >damaged.txt
expect_refused "cannot replay 'nowhere.txt': it cannot be read (No such file or directory)" --replay nowhere.txt
expect_refused "cannot replay 'damaged.txt': it is damaged: line 4 holds a malformed input record" \
    --replay damaged.txt
expect_refused "cannot create the record 'no/such/dir.txt': No such file or directory" --record no/such/dir.txt
expect_refused "cannot create the record '/dev/full': No space left on device" --record /dev/full

# A record that fills up during the session ends it, with the reason.
# (The game's output goes through a pipe, which the limit does not cover.)
(
    trap '' XFSZ
    ulimit -f 1
    yes $'3\n' 2>/dev/null | head -n 400 | "$bin" --seed 1 --dir limited --record limited.txt 2>err.txt
) | cat >/dev/null
status=${PIPESTATUS[0]}
[ "$status" -eq 1 ] || fail "limited: status $status, expected 1"
grep -qxF "vaskarn: cannot write the record 'limited.txt': File too large" err.txt ||
    fail "limited: said '$(cat err.txt)'"
exit $failed
