#!/usr/bin/env bash
# The inn's games through a real pipe, with the game's own descriptor-backed
# console and keys (the probe plays one game on standard input and output).
# On a pipe every key is already there at the first look: the darts target
# stops at 1 and the balloon at 0 gallons. A recorded game whose key came
# late replays byte for byte.
set -u
probe=$1
cases=$(cd "$(dirname "$0")/pipe" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

# case game gold gold-after: CASE.in piped in, CASE.out expected exactly.
play() {
    local name=$1 game=$2 gold=$3 after=$4
    cat "$cases/$name.in" | "$probe" "$game" "$gold" >"$name.out" 2>"$name.err"
    [ $? -eq 0 ] || fail "$name: status $?"
    diff -u "$cases/$name.out" "$name.out" || fail "$name: output differs"
    [ "$(cat "$name.err")" = "gold $after" ] || fail "$name: $(cat "$name.err"), expected gold $after"
}
play darts_bets_at_limits darts 100 0  # 0, 101 and -1 ask again; all 100 is bet
play darts_without_gold darts 0 0      # no bet could ever do: back to the inn
play balloon_first_look balloon 0 0
play horse_hit horse 5 2005
play gamble gamble 10 10

# Input that ends before the key: the game ends instead of counting on.
printf '\n5\n' | timeout 10 "$probe" darts 10 >/dev/null 2>ended.err
[ $? -eq 0 ] && [ "$(cat ended.err)" = "gold 10" ] || fail "ended: $(cat ended.err)"

# A key that comes while the target runs: the looks that found none are
# recorded, and the replay stops on the same line.
mkfifo keys
"$probe" darts 100 --record darts.rec <keys >recorded.out 2>recorded.err &
game=$!
exec 3>keys
printf '\n50\nk' >&3
for _ in $(seq 100); do
    grep -q '^Target: 50$' recorded.out 2>/dev/null && break
    sleep 0.1
done
printf 'k\n' >&3
exec 3>&-
wait "$game" || fail "recorded: status $?"
grep -q '^idle [1-9]' darts.rec || fail "recorded: no look without a key was recorded"
"$probe" darts 100 --replay darts.rec </dev/null >replayed.out 2>replayed.err
cmp -s recorded.out replayed.out || fail "replayed: the output differs from the recorded game's"
cmp -s recorded.err replayed.err || fail "replayed: $(cat replayed.err), recorded $(cat recorded.err)"

exit $failed
