#!/usr/bin/env bash
# Configuring without GoogleTest builds the game alone and says the tests
# are off; asking for the tests without GoogleTest fails.
set -u
cmake=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

"$cmake" -S "$source" -B "$work/plain" -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON >"$work/plain.log" 2>&1 ||
    fail "configuring without GoogleTest failed: $(cat "$work/plain.log")"
grep -q "GoogleTest was not found. The tests are off: only the game is built." "$work/plain.log" ||
    fail "the configuration does not say that the tests are off"
[ -d "$work/plain/CMakeFiles/vaskarn.dir" ] && [ ! -e "$work/plain/CMakeFiles/vaskarn_tests.dir" ] ||
    fail "without GoogleTest the game should be built and the tests not"
! "$cmake" -S "$source" -B "$work/tests" -DBUILD_TESTING=ON -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON >/dev/null 2>&1 ||
    fail "asking for the tests without GoogleTest did not fail"
exit $failed
