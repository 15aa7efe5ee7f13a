#!/usr/bin/env bash
# The inn's darts through the real game with a key that comes late: the
# looks that found no key are recorded, and the replay stops the target on
# the same line.
set -u
bin=$(realpath "$1")
hero_file=$(cd "$(dirname "$0")/../../../transcripts" && pwd)/hero_file.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

mkdir recorded replayed
# shellcheck source=/dev/null
(cd recorded && source "$hero_file" && FLAGS=100000000000000 write_hero)
cp recorded/*.dll replayed/

# Load, to the Ocean City inn, darts, a bet of 50 and the first key; the
# second key only once the target has passed 50.
mkfifo keys
"$bin" --seed 1 --dir recorded --record darts.rec <keys >recorded.out 2>recorded.err &
game=$!
exec 3>keys
printf '2\n\n8\n\n\n1\n\n2\n\n50\nk' >&3
for _ in $(seq 100); do
    grep -q '^Target: 50$' recorded.out 2>/dev/null && break
    sleep 0.1
done
printf 'k\n' >&3
exec 3>&-
wait "$game" || fail "recorded: status $?: $(cat recorded.err)"
grep -q '^Target: 50$' recorded.out || fail "recorded: the target never reached 50"
grep -q '^idle [1-9]' darts.rec || fail "recorded: no look without a key was recorded"
"$bin" --dir replayed --replay darts.rec </dev/null >replayed.out 2>replayed.err
[ $? -eq 0 ] && [ ! -s replayed.err ] || fail "replayed: $(cat replayed.err)"
cmp -s recorded.out replayed.out || fail "replayed: the output differs from the recorded game's"
exit $failed
