#!/usr/bin/env bash
# The game's output through the real binary: output that cannot be written
# ends the game with the reason and status 1; a game whose input ends at a
# prompt leaves a terminal on a fresh line, and a pipe untouched.
set -u
bin=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failed=0
fail() { echo "FAIL: $*"; failed=1; }
expect_lost() {
    local what=$1 reason=$2
    [ "$status" -eq 1 ] || fail "$what: status $status, expected 1"
    grep -qxF "vaskarn: cannot write the game's output: $reason" err.txt || fail "$what: said '$(cat err.txt)'"
}

# A full disk.
if [ -w /dev/full ]; then
    for options in --version --help "--seed 1 --dir full"; do
        # shellcheck disable=SC2086
        "$bin" $options <<<"0" >/dev/full 2>err.txt
        status=$?
        expect_lost "$options into /dev/full" "No space left on device"
    done
fi

# A reader that goes away, with SIGPIPE ignored: the game stops at its next
# read instead of showing the About page to nobody for ever.
(
    trap '' PIPE
    yes $'3\n' 2>/dev/null | timeout 20 "$bin" --seed 1 --dir pipe 2>err.txt | head -c 100 >/dev/null
    exit "${PIPESTATUS[1]}"
)
status=$?
expect_lost "a closed pipe" "Broken pipe"

# End of input at the title prompt: on a terminal the game ends on a fresh
# line; into a pipe the output ends with the prompt, as the game wrote it.
"$bin" --seed 1 --dir tty </dev/null | tail -c 2 >piped.txt
[ "$(od -An -c piped.txt | tr -d ' ')" = '\n>' ] || fail "piped output does not end with the prompt"
if command -v script >/dev/null; then
    script -q -e -c "'$bin' --seed 1 --dir tty </dev/null" /dev/null </dev/null >terminal.txt 2>&1
    [ "$(tail -c 3 terminal.txt | od -An -c | tr -d ' ')" = '>\r\n' ] ||
        fail "on a terminal the game did not end on a fresh line: $(tail -c 20 terminal.txt | od -An -c)"
else
    echo "script(1) is missing: the terminal case is not checked"
fi
exit $failed
