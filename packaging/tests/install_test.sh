#!/usr/bin/env bash
# Installs a build into a scratch DESTDIR under /usr, as the Debian package
# does, and checks that every file a desktop needs is where it looks for it.
#   install_test.sh BUILD_DIR PACKAGING_DIR [PROGRAM...]
# PROGRAM lists the programs this build makes (tavolix, tavolix-calc); the
# launcher and the icons are expected only with the window, tavolix.
# Exits 77 (skipped) when all files are in place but desktop-file-validate
# is missing.
set -euo pipefail

build=$1
packaging=$2
shift 2
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

expect_file share/doc/tavolix/README.md
expect_file share/doc/tavolix/manuale.html

desktop=share/applications/tavolix.desktop
if [ "$window" = yes ]; then
    expect_file "$desktop"
    expect_file share/icons/hicolor/scalable/apps/tavolix.svg
    for size in 16 32 48 64 128 256; do
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
    # Checked all the same, so a broken entry shows before the window lands.
    desktop=
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures problem(s) in the installed tree:"
    (cd "$stage" && find . -type f | sort)
    exit 1
fi

if ! command -v desktop-file-validate >/dev/null; then
    echo "desktop-file-validate is missing (package desktop-file-utils): the launcher is not validated"
    exit 77
fi
if [ -n "$desktop" ]; then
    desktop-file-validate "$root/$desktop"
else
    desktop-file-validate "$packaging/tavolix.desktop"
fi
echo "installed tree complete for: ${programs[*]:-no programs}"
