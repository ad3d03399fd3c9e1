#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tavolix developers
#
# The manual is read offline from the installed documentation: it must be
# UTF-8, well-formed (so any browser shows it alike) and free of scripts.
# Exits 77 (skipped) when xmllint is missing and all else passes.
#   manual_test.sh MANUAL
set -euo pipefail
manual=$1

failures=0
iconv -f UTF-8 -t UTF-8 "$manual" >/dev/null || { echo "FAIL: not UTF-8"; failures=$((failures + 1)); }
grep -qi '<meta charset="utf-8"' "$manual" || { echo "FAIL: declares no UTF-8 charset"; failures=$((failures + 1)); }
if grep -Eqi '<script|[[:space:]]on[a-z]+[[:space:]]*=|javascript:' "$manual"; then
    echo "FAIL: holds a script:"
    grep -Eni '<script|[[:space:]]on[a-z]+[[:space:]]*=|javascript:' "$manual"
    failures=$((failures + 1))
fi
grep -q '<html lang="it"' "$manual" || { echo "FAIL: not marked as Italian"; failures=$((failures + 1)); }
[ "$failures" -eq 0 ] || exit 1

if ! command -v xmllint >/dev/null; then
    echo "xmllint is missing (package libxml2-utils): well-formedness not checked"
    exit 77
fi
xmllint --noout "$manual"
echo "manual well-formed, UTF-8, without scripts"
