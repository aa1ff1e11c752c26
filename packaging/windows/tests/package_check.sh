#!/bin/bash
# SPDX-License-Identifier: MIT
# Checks a Windows package as a user meets it, in a Wine prefix of its own:
#   zip: it holds the two programs, LICENSE and LEGGIMI.txt in one folder, and the driver
#        unpacked from it calculates;
#   msi: it installs silently for the whole machine, with a Start-menu entry and an uninstall
#        entry; the installed window passes the message-level test; a package of the next version,
#        made by wixl from the same sources, replaces it; it uninstalls leaving nothing.
#   package_check.sh zip PACKAGE.zip
#   package_check.sh msi PACKAGE.msi WINDOW_TEST.exe STAGING_FOLDER
set -euo pipefail
mode=$1 package=$2
here=$(cd "$(dirname "$0")" && pwd)
wine_run=$here/../../../cmake/wine_run.sh
source "$here/../../../scripts/lib/xsession.sh"

work=$(mktemp -d)
export WINEPREFIX=$work/prefix LC_ALL=C
cleanup() {
    /usr/lib/wine/wineserver64 -k 2>/dev/null || true
    stop_x_session || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The driver's answer for 3, 4, 5, the same on every build.
expected_345=$'36\n52\n12\n53\n7\n48\n89\n59\n60\n4.\n6.\n12.'
check_driver() {
    local answer
    answer=$("$wine_run" "$1" 3 4 5 | tr -d '\r')
    [ "$answer" = "$expected_345" ] || fail "$1 3 4 5 printed: $answer"
}

if [ "$mode" = zip ]; then
    folder=$(basename "$package" .zip)
    listing=$(unzip -Z1 "$package" | sort)
    wanted=$(printf '%s\n' "$folder/" "$folder/LEGGIMI.txt" "$folder/LICENSE" \
        "$folder/zirev1-calc.exe" "$folder/zirev1.exe" | sort)
    # Some zip writers list the folder itself and some do not.
    [ "$(grep -v '/$' <<<"$listing")" = "$(grep -v '/$' <<<"$wanted")" ] ||
        fail "the .zip holds: $listing"
    unzip -q "$package" -d "$work"
    # Notepad on older Windows shows a file with bare LF line ends as one line.
    ! grep -q $'[^\r]$' "$work/$folder/LEGGIMI.txt" || fail "LEGGIMI.txt has a line without CR LF"
    grep -q "zirev1-calc --help" "$work/$folder/LEGGIMI.txt" || fail "LEGGIMI.txt lacks the driver"
    check_driver "$work/$folder/zirev1-calc.exe"
    echo "zip: $(wc -c <"$package") bytes, $(wc -l <<<"$listing") entries, the driver calculates"
    exit 0
fi

window_test=$3 staging=$4
windows_path() { echo "Z:${1//\//\\}"; }
msi=$(windows_path "$package")
programs=$WINEPREFIX/drive_c/Program\ Files/zirev1
start_menus=("$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
    "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs")
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
uninstall_entries() {
    "$wine_run" reg query "$uninstall" /s 2>/dev/null | tr -d '\r' |
        awk '/^HKEY/ { key = $0 } /DisplayName.*zirev1/ { print key }'
}
installed_version() {
    "$wine_run" reg query "$1" /v DisplayVersion | tr -d '\r' | awk '/DisplayVersion/ { print $3 }'
}
start_x_session 1280 1024

"$wine_run" msiexec /i "$msi" /qn || fail "msiexec /i ended with status $?"
/usr/lib/wine/wineserver64 -w
for file in zirev1.exe zirev1-calc.exe LICENSE LEGGIMI.txt; do
    [ -f "$programs/$file" ] || fail "C:\\Program Files\\zirev1\\$file was not installed"
done
# Windows puts the entry of a per-machine package in the Start menu of all users; Wine 8 puts it
# in the installing user's. The package asks for all users.
msiinfo export "$package" Property | tr -d "\r" | grep -qx $'ALLUSERS\t1' || fail "the package is not per-machine"
shortcut=
for menu in "${start_menus[@]}"; do
    [ -f "$menu/zirev1.lnk" ] && shortcut=$menu/zirev1.lnk
done
[ -n "$shortcut" ] || fail "no Start-menu entry"
comment=$(sed -n 's|.*<summary>\(.*\)</summary>.*|\1|p' \
    "$here/../../../data/io.github.zirev1.Zirev1.metainfo.xml")
# A shortcut keeps its description in UTF-16, or in the ANSI code page.
python3 -c 'import sys; d = open(sys.argv[1], "rb").read(); t = sys.argv[2]
sys.exit(not (t.encode("utf-16-le") in d or t.encode("utf-8") in d))' "$shortcut" "$comment" ||
    fail "the Start-menu entry lacks the comment \"$comment\""
version=$(basename "$package" | cut -d- -f2)
key=$(uninstall_entries)
[ -n "$key" ] || fail "no uninstall entry names zirev1"
[ "$(installed_version "$key")" = "$version" ] || fail "the uninstall entry has another version"

check_driver "$programs/zirev1-calc.exe"
"$wine_run" "$window_test" 96 'C:\Program Files\zirev1\zirev1.exe' ||
    fail "the installed window failed its test"

# The next version keeps the upgrade code, so installing it removes this one.
next=${version%.*}.$((${version##*.} + 1))
sed "s/Version=\"$version\"/Version=\"$next\"/" "$staging/zirev1.wxs" >"$staging/next.wxs"
(cd "$staging" && wixl --arch x64 --output "$work/next.msi" next.wxs)
"$wine_run" msiexec /i "$(windows_path "$work/next.msi")" /qn || fail "the upgrade failed: $?"
/usr/lib/wine/wineserver64 -w
key=$(uninstall_entries)
[ "$(wc -l <<<"$key")" = 1 ] || fail "after the upgrade, uninstall entries: $key"
[ "$(installed_version "$key")" = "$next" ] || fail "the upgrade left version $version"
check_driver "$programs/zirev1-calc.exe"

"$wine_run" msiexec /x "$(windows_path "$work/next.msi")" /qn || fail "msiexec /x ended with $?"
/usr/lib/wine/wineserver64 -w
[ ! -e "$programs" ] || fail "uninstalling left: $(ls -A "$programs")"
[ ! -e "$shortcut" ] || fail "uninstalling left the Start-menu entry"
[ -z "$(uninstall_entries)" ] || fail "uninstalling left the uninstall entry"
echo "msi: $(wc -c <"$package") bytes; installed for all users, run, upgraded to $next, uninstalled"
