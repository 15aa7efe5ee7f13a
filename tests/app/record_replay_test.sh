#!/usr/bin/env bash
# Record and replay through the real binary: a replay writes the recorded
# session's output byte for byte, seeded or not; a record is written as the
# session goes; files that cannot be replayed or recorded are refused before
# the title screen.
set -u
bin=$1
transcripts=$(cd "$(dirname "$0")/../transcripts" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

# Records transcript case `case` in a fresh directory (after the case's
# setup), replays it in another set up alike, and compares.
record_then_replay() {
    local name=$1 case=$2
    local input=$transcripts/$case.in
    shift 2
    mkdir "$name.rec-dir" "$name.rep-dir"
    if [ -f "$transcripts/$case.setup" ]; then
        (cd "$name.rec-dir" && bash "$transcripts/$case.setup") || fail "$name: setup failed"
        (cd "$name.rep-dir" && bash "$transcripts/$case.setup") || fail "$name: setup failed"
    fi
    "$bin" --dir "$name.rec-dir" --record "$name.txt" "$@" <"$input" >"$name.recorded" 2>"$name.err"
    [ $? -eq 0 ] || fail "$name: recording ended with status $?: $(cat "$name.err")"
    "$bin" --dir "$name.rep-dir" --replay "$name.txt" </dev/null >"$name.replayed" 2>"$name.err"
    [ $? -eq 0 ] || fail "$name: replay ended with status $?: $(cat "$name.err")"
    [ ! -s "$name.err" ] || fail "$name: the replay complained: $(cat "$name.err")"
    cmp -s "$name.recorded" "$name.replayed" || fail "$name: the replay's output differs from the session's"
}

# A seeded session with a fight: recording changes nothing the player sees.
record_then_replay seeded arena_defeat --seed 1
cmp -s seeded.recorded "$transcripts/arena_defeat.out" ||
    fail "seeded: recording changed the session's output"
[ "$(grep -c '^time ' seeded.txt)" -gt 0 ] && ! grep '^time ' seeded.txt | grep -vqx 'time 1' ||
    fail "seeded: the calendar readings are not the fixed one"
[ "$(head -n 2 seeded.txt)" = $'vaskarn-record 1\ngame '"$("$bin" --version | cut -d' ' -f2)" ] ||
    fail "seeded: the record's header is wrong"

# Unseeded, with a fight and the play clock: the real readings are recorded.
record_then_replay unseeded arena_defeat
grep '^time ' unseeded.txt | awk '$2 < 1600000000 { bad = 1 } END { exit bad }' ||
    fail "unseeded: the calendar readings are not the real ones"
[ "$(grep -c '^time ' unseeded.txt)" -gt 2 ] || fail "unseeded: the fight's clock readings are missing"
record_then_replay clock new_game_warrior_status
grep -q '^play ' clock.txt || fail "clock: the play clock's reading is missing"

# A replay plays what the record says: a made-up play clock of 3725 seconds.
sed 's/^play .*/play 3725000/' clock.txt >edited.txt
mkdir edited
"$bin" --dir edited --replay edited.txt >edited.out 2>/dev/null
grep -A3 -x 'Game Time Play' edited.out | tr '\n' ' ' | grep -q 'Hours: 1 Minutes: 2 Seconds: 5' ||
    fail "edited: the replayed play clock is not the recorded one"

# A record of another version of the game plays, with a warning.
sed '2s/.*/game 0.0.9/' clock.txt >older.txt
mkdir older
"$bin" --dir older --replay older.txt >older.out 2>err.txt
status=$?
[ "$status" -eq 0 ] && cmp -s older.out clock.recorded || fail "older: status $status, or the output differs"
grep -qxF "vaskarn: 'older.txt' was recorded by Vaskarn 0.0.9; this is Vaskarn $("$bin" --version | cut -d' ' -f2), so the replay may differ" err.txt ||
    fail "older: said '$(cat err.txt)'"

# The record is written as the session goes: a killed session leaves what
# it had read, and replaying that reproduces it up to there.
mkfifo keys
mkdir killed
"$bin" --seed 1 --dir killed --record killed.txt <keys >killed.out 2>&1 &
game=$!
exec 3>keys
printf '1\n\nbran\n' >&3
for _ in $(seq 100); do
    grep -q '5. An Adventurous Scout' killed.out 2>/dev/null && break
    sleep 0.1
done
kill -9 "$game"
wait "$game" 2>/dev/null
exec 3>&-
tail -n 1 killed.txt | grep -qx 'in bran\\n' || fail "killed: the record lacks the last line typed"
mkdir killed-replay
"$bin" --dir killed-replay --replay killed.txt >killed.replayed 2>&1
cmp -s killed.out killed.replayed || fail "killed: the replay differs from the killed session"

# Records that cannot be replayed: a message, status 2, no title screen.
expect_refused() {
    local what=$1 message=$2
    shift 2
    mkdir -p refused
    "$bin" --dir refused "$@" </dev/null >out.txt 2>err.txt
    status=$?
    [ "$status" -eq 2 ] || fail "$what: status $status, expected 2"
    [ ! -s out.txt ] || fail "$what: the game started"
    grep -qxF "vaskarn: $message" err.txt || fail "$what: said '$(cat err.txt)'"
}
printf 'vaskarn-record 1\ngame 0.1.0\nin 1\\n\nin 2\\z\n' >damaged.txt
cp "$bin" foreign.txt
expect_refused "missing" "cannot replay 'nowhere.txt': it cannot be read (No such file or directory)" \
    --replay nowhere.txt
expect_refused "damaged" "cannot replay 'damaged.txt': it is damaged: line 4 holds a malformed input record" \
    --replay damaged.txt
expect_refused "foreign" "cannot replay 'foreign.txt': it is not a Vaskarn session record" --replay foreign.txt
head -c -1 seeded.txt >cut.txt
expect_refused "cut" "cannot replay 'cut.txt': it is damaged: line $(wc -l <seeded.txt) is cut short" \
    --replay cut.txt
expect_refused "unwritable record" "cannot create the record 'no/such/dir.txt': No such file or directory" \
    --record no/such/dir.txt
expect_refused "full record" "cannot create the record '/dev/full': No space left on device" --record /dev/full

# A record that fills up during the session ends it, with the reason.
# (The game's output goes through a pipe, which the limit does not cover.)
mkdir limited
for _ in $(seq 200); do printf '3\n\n'; done >about.in
(
    trap '' XFSZ
    ulimit -f 1
    exec "$bin" --seed 1 --dir limited --record limited.txt <about.in 2>err.txt
) | cat >limited.out
status=${PIPESTATUS[0]}
[ "$status" -eq 1 ] || fail "limited: status $status, expected 1"
grep -qxF "vaskarn: cannot write the record 'limited.txt': File too large" err.txt ||
    fail "limited: said '$(cat err.txt)'"

exit $failed
