#!/usr/bin/env bash
# Configuring without GoogleTest builds the game alone and says the tests
# are off; asking for the tests without GoogleTest fails.
set -u
cmake=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

"$cmake" -S "$source" -B "$work/plain" -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON >"$work/plain.log" 2>&1
status=$?
if [ "$status" -ne 0 ]; then
    echo "FAIL: configuring without GoogleTest failed:"
    cat "$work/plain.log"
    failed=1
fi
grep -q "GoogleTest was not found. The tests are off: only the game is built." "$work/plain.log" || {
    echo "FAIL: the configuration does not say that the tests are off"
    failed=1
}
[ -d "$work/plain/CMakeFiles/vaskarn.dir" ] && [ ! -e "$work/plain/CMakeFiles/vaskarn_tests.dir" ] || {
    echo "FAIL: without GoogleTest the game should be built and the tests not"
    failed=1
}

if "$cmake" -S "$source" -B "$work/tests" -DBUILD_TESTING=ON -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON \
    >"$work/tests.log" 2>&1; then
    echo "FAIL: asking for the tests without GoogleTest did not fail"
    failed=1
fi
exit $failed
