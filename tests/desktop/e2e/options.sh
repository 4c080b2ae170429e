#!/usr/bin/env bash
# The command line as a teacher types it: --help lists the options, and an
# option the program does not know is refused before any window opens, with a
# message in Japanese and English and status 2.
set -u
program=$1
fail() {
  echo "options: $*" >&2
  exit 1
}
help=$("$program" --help) || fail "--help failed"
for option in --size --a --b --quick --draw --aux; do
  grep -q -- "  $option" <<<"$help" || fail "--help does not list $option"
done
out=$("$program" --draw --colour red 2>&1)
status=$?
[ "$status" = 2 ] || fail "an unknown option ended with status $status, not 2"
grep -q "知らないオプションです: --colour" <<<"$out" || fail "no Japanese message: $out"
grep -q "unknown option: --colour" <<<"$out" || fail "no English message: $out"
"$program" --size 9 >/dev/null 2>&1
[ $? = 2 ] || fail "an unreadable value was not refused with status 2"
echo "options: all passed"
