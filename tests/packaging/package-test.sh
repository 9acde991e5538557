#!/usr/bin/env bash
# The Debian package as a user gets it: made by cpack into a folder of its
# own, unpacked (not installed), and its programs, manual pages and desktop
# entry tried there.
#   package-test.sh BUILD-FOLDER
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package-test: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >/dev/null
deb=$(ls "$work"/out/primorator_*_amd64.deb) || fail "no primorator_<version>_amd64.deb"
dpkg-deb -x "$deb" "$work/root"
root=$work/root/usr

for file in bin/primorator bin/primorator-cli lib/primorator/primorator \
            lib/primorator/primorator-cli lib/primorator/libnumkern.so \
            lib/primorator/liblsqkern.so lib/primorator/libtxtbank.so lib/primorator/prmr.dat \
            lib/primorator/libprimorator-image.so \
            lib/primorator/manual.html share/man/man1/primorator.1.gz \
            share/man/man1/primorator-cli.1.gz share/applications/primorator.desktop \
            share/icons/hicolor/scalable/apps/primorator.svg; do
  [ -e "$root/$file" ] || fail "the package has no /usr/$file"
done
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "no dependency on Qt found"

# The programs run from the unpacked tree, through their launchers.
[ "$("$root/bin/primorator-cli" --bare 12 12)" = "12 = (2^2) * 3" ] || fail "primorator-cli does not run"
"$root/bin/primorator" --version | grep -q '^primorator ' || fail "primorator --version"
"$root/bin/primorator-cli" --pc --image "$work/colours.bmp" 1 2000 >/dev/null &&
  [ -s "$work/colours.bmp" ] || fail "primorator-cli --image draws no picture"

# The manual pages are the programs' help, every option of it.
for option in $("$root/bin/primorator-cli" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
  zcat "$root/share/man/man1/primorator-cli.1.gz" | grep -q -- "${option//-/\\\\-}" ||
    fail "the manual page has no $option"
done
zcat "$root/share/man/man1/primorator.1.gz" | grep -q '^\.SH NAME' || fail "primorator(1) is empty"

# The desktop entry starts the installed launcher and passes validation.
grep -q '^Exec="/usr/bin/primorator"$' "$root/share/applications/primorator.desktop" ||
  fail "the desktop entry's Exec line"
desktop-file-validate "$root/share/applications/primorator.desktop" || fail "desktop entry"
# Completion of the options, from the program's own --help.
completion=$root/share/bash-completion/completions/primorator-cli
[ -f "$completion" ] || fail "no bash completion"
words=$(bash -c 'source "$1"; COMP_WORDS=("$2" --sep); COMP_CWORD=1; _primorator_cli
                 echo "${COMPREPLY[*]}"' _ "$completion" "$root/bin/primorator-cli")
[ "$words" = "--separator" ] || fail "bash completion of --sep gave '$words'"

echo "package-test: $(basename "$deb") holds and runs what it should"
