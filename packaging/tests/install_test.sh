#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tavolix developers
#
# Installs a build into a scratch DESTDIR under /usr, as the Debian package
# does, and checks that every file a desktop and a distribution need is
# where they look for it, and that the launcher, the AppStream metadata and
# the manual pages pass their own validators.
#   install_test.sh BUILD_DIR PACKAGING_DIR APP_ID [PROGRAM...]
# APP_ID names the launcher and the metadata; PROGRAM lists the programs
# this build makes (tavolix, tavolix-calc): the launcher, the metadata and
# the icons come with the window, tavolix, and each program has its page.
# TAVOLIX_NO_MAN_PAGES set in the environment: the build makes no manual pages.
# Exits 77 (skipped) when all files are in place but a validator
# (desktop-file-validate, appstreamcli, man) is missing.
set -euo pipefail

build=$1
packaging=$2
app_id=$3
shift 3
programs=("$@")

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
root=$stage/usr

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

expect_file() {
    [ -f "$root/$1" ] && [ -s "$root/$1" ] || fail "$1 is not installed"
}

# A PNG keeps its width and height as two big-endian 32-bit numbers from byte 16.
png_size() {
    local bytes
    read -r -a bytes < <(od -An -v -tu1 -j16 -N8 "$1")
    echo "$(((bytes[0] << 24) | (bytes[1] << 16) | (bytes[2] << 8) | bytes[3]))x$(((bytes[4] << 24) | (bytes[5] << 16) | (bytes[6] << 8) | bytes[7]))"
}

window=no
for program in "${programs[@]}"; do
    [ -x "$root/bin/$program" ] || fail "bin/$program is not installed as a program"
    [ "$program" = tavolix ] && window=yes
done
for program in tavolix tavolix-calc; do
    case " ${programs[*]} " in
        *" $program "*) ;;
        *) [ ! -e "$root/bin/$program" ] || fail "bin/$program is installed but this build does not make it" ;;
    esac
done

for doc in README.md manuale.html copyright changelog.gz; do
    expect_file "share/doc/tavolix/$doc"
done
# Every field of the copyright file's header is filled in from the build's
# settings; an empty one means a setting was read before it was made.
empty=$(sed '/^$/q' "$root/share/doc/tavolix/copyright" 2>/dev/null | grep -E '^[A-Za-z-]+:[[:space:]]*$' || true)
[ -z "$empty" ] || fail "the copyright file has empty fields:" $empty
# Compressed with -n, as Debian wants: no name and no time in the header,
# so that two builds of one release are the same.
for compressed in "$root"/share/doc/tavolix/*.gz "$root"/share/man/man1/*.gz; do
    [ -f "$compressed" ] || continue
    gzip -t "$compressed" || fail "${compressed#"$root"/} is not a sound gzip file"
    [ "$(od -An -tx1 -j3 -N5 "$compressed" | tr -d ' ')" = 0000000000 ] ||
        fail "${compressed#"$root"/} keeps a name or a time in its header"
done
# A build configured with TAVOLIX_MAN_PAGES=OFF sets TAVOLIX_NO_MAN_PAGES.
pages=()
for program in "${programs[@]}"; do
    if [ -n "${TAVOLIX_NO_MAN_PAGES:-}" ]; then
        [ ! -e "$root/share/man/man1/$program.1.gz" ] || fail "a manual page is installed though they are off"
    else
        expect_file "share/man/man1/$program.1.gz"
        pages+=("$root/share/man/man1/$program.1.gz")
    fi
done

desktop=share/applications/$app_id.desktop
metainfo=share/metainfo/$app_id.metainfo.xml
if [ "$window" = yes ]; then
    expect_file "$desktop"
    expect_file "$metainfo"
    expect_file share/icons/hicolor/scalable/apps/tavolix.svg
    for size in 16 22 24 32 48 64 128 256; do
        icon=share/icons/hicolor/${size}x${size}/apps/tavolix.png
        expect_file "$icon"
        if [ -f "$root/$icon" ]; then
            actual=$(png_size "$root/$icon")
            [ "$actual" = "${size}x${size}" ] || fail "$icon is $actual pixels"
        fi
    done
    if [ -f "$root/$desktop" ]; then
        exec_line=$(sed -n 's/^Exec=//p' "$root/$desktop")
        [ -x "$root/bin/${exec_line%% *}" ] || fail "the launcher starts '$exec_line', which is not installed"
        icon_name=$(sed -n 's/^Icon=//p' "$root/$desktop")
        [ -f "$root/share/icons/hicolor/scalable/apps/$icon_name.svg" ] ||
            fail "the launcher's icon '$icon_name' is not installed"
    fi
else
    [ ! -e "$root/$desktop" ] || fail "a launcher is installed without the window"
    [ ! -e "$root/$metainfo" ] || fail "AppStream metadata is installed without the window"
    # Checked all the same, so a broken entry shows before the window lands.
    desktop=
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures problem(s) in the installed tree:"
    (cd "$stage" && find . -type f | sort)
    exit 1
fi

missing=()
if command -v desktop-file-validate >/dev/null; then
    if [ -n "$desktop" ]; then
        desktop-file-validate "$root/$desktop"
    else
        desktop-file-validate "$packaging/$app_id.desktop"
    fi
else
    missing+=("desktop-file-validate (package desktop-file-utils)")
fi
if command -v appstreamcli >/dev/null; then
    if [ "$window" = yes ]; then
        # The installed tree, so the metadata's launcher is looked for too.
        # --no-net: the home page and the screenshot are on the publisher's
        # site, which a build machine need not reach. Warnings fail too.
        report=$(appstreamcli validate-tree --no-net "$stage" 2>&1) || { echo "$report"; exit 1; }
        if grep -Eq '^ *[EW]:' <<<"$report"; then
            echo "$report"
            exit 1
        fi
    fi
else
    missing+=("appstreamcli (package appstream)")
fi
if command -v man >/dev/null; then
    for page in "${pages[@]}"; do
        complaints=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
        [ -z "$complaints" ] || { echo "FAIL: ${page#"$root"/}: $complaints"; exit 1; }
    done
else
    missing+=("man (package man-db)")
fi
if [ ${#missing[@]} -gt 0 ]; then
    printf 'missing, so not validated: %s\n' "${missing[@]}"
    exit 77
fi
echo "installed tree complete and valid for: ${programs[*]:-no programs}"
