#!/usr/bin/env bash
# Installs the build into a temporary prefix: the game in bin/, its manual
# page in share/man/man6/, nothing else; the page renders without a warning.
set -u
cmake=$1
build=$2
source=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

log=$("$cmake" --install "$build" --prefix "$prefix" 2>&1) || fail "the install failed: $log"
installed=$(cd "$prefix" && find . -type f | sort | tr '\n' ' ')
[ "$installed" = "./bin/vaskarn ./share/man/man6/vaskarn.6 " ] || fail "installed: $installed"
"$prefix/bin/vaskarn" --version | grep -q '^vaskarn [0-9]' || fail "the installed game does not run"
page=$prefix/share/man/man6/vaskarn.6
cmp -s "$page" "$source/doc/vaskarn.6" || fail "the installed page differs"
if command -v man >/dev/null; then
    warnings=$(MANWIDTH=80 man -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man -l warns: $warnings"
    rendered=$(MANWIDTH=80 man -l "$page" 2>/dev/null)
    for word in --help --version --seed --dir --record --replay VASKARN_DIR Player.dll Bank.dll \
        Vaskarn.lock "EXIT STATUS" "RECORD FORMAT" vaskarn-record; do
        grep -qF -- "$word" <<<"$rendered" || fail "the manual page does not mention $word"
    done
else
    echo "man is missing: the page's rendering is not checked"
fi
exit $failed
