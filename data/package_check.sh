#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds zirev1's Debian package from a build folder, has Debian's own checker (lintian) look at
# it, installs it, checks what a user would meet (the two programs, the launcher, the icon, the
# manual pages) and removes it again.
#   package_check.sh BUILD_DIR
set -euo pipefail
build=$1
if [ "$(id -u)" -ne 0 ]; then
    echo "package check: needs root to install the package; skipped"
    exit 77 # ctest reports it as skipped, not passed
fi
if dpkg-query -W -f='${Status}' zirev1 2>/dev/null | grep -q 'install ok installed'; then
    echo "package check: a zirev1 package is installed already; not touching it" >&2
    exit 1
fi
out=$(mktemp -d)
trap 'dpkg -r zirev1 >/dev/null 2>&1 || true; rm -rf "$out"' EXIT

(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/zirev1_*.deb)
echo "package: $(basename "$deb")"
# No error and no warning; lintian's remark about running as root is not about the package.
if ! lintian --fail-on error,warning "$deb" >"$out/lintian.log" 2>&1; then
    grep -v 'running with root privileges' "$out/lintian.log" >&2
    echo "lintian finds fault with the package" >&2
    exit 1
fi
echo "lintian: no error, no warning"
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] || { echo "qt6-wayland not recommended" >&2; exit 1; }
depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6; do
    grep -q "$library" <<<"$depends" || { echo "missing dependency on $library" >&2; exit 1; }
done

dpkg -i "$deb" >/dev/null
expected=$'36\n52\n12\n53\n7\n48\n89\n59\n60\n4.\n6.\n12.'
[ "$(LC_ALL=C /usr/bin/zirev1-calc 3 4 5)" = "$expected" ] || { echo "zirev1-calc 3 4 5 is wrong" >&2; exit 1; }
for file in /usr/bin/zirev1 \
    /usr/share/applications/io.github.zirev1.Zirev1.desktop \
    /usr/share/metainfo/io.github.zirev1.Zirev1.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/io.github.zirev1.Zirev1.svg \
    /usr/share/man/man1/zirev1-calc.1.gz \
    /usr/share/man/man1/zirev1.1.gz \
    /usr/share/doc/zirev1/copyright \
    /usr/share/doc/zirev1/changelog.gz; do
    [ -e "$file" ] || { echo "not installed: $file" >&2; exit 1; }
done
desktop-file-validate /usr/share/applications/io.github.zirev1.Zirev1.desktop
grep -qx 'Icon=io.github.zirev1.Zirev1' /usr/share/applications/io.github.zirev1.Zirev1.desktop
dpkg -r zirev1 >/dev/null
[ ! -e /usr/bin/zirev1-calc ] || { echo "zirev1-calc still there after removal" >&2; exit 1; }
echo "package check: installed, used and removed"
