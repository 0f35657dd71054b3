#!/usr/bin/env bash
# Runs a program that commits a fault and passes only when a sanitizer reported it and the program failed.
output="$("$@" 2>&1)"
status=$?
echo "$output"
[ "$status" -ne 0 ] || { echo "FAIL: exit status 0 after the fault"; exit 1; }
grep -qE "ERROR: (AddressSanitizer|LeakSanitizer)|runtime error" <<<"$output" || { echo "FAIL: no report"; exit 1; }
