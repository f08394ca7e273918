#!/bin/sh
# Builds the .deb with CPack and checks what it holds and what it depends on.
#   PackageTest.sh <cpack> <build dir> <scratch dir>
# Exit 0: passed, 77: skipped (no dpkg-deb), anything else: failed.
set -u

cpack=$1
build=$2
out=$3

fail() {
    printf 'FAIL: %s\n' "$*" >&2
    exit 1
}

command -v dpkg-deb >/dev/null || {
    printf 'SKIP: dpkg-deb is not installed\n'
    exit 77
}

rm -rf "$out"
mkdir -p "$out"
(cd "$build" && "$cpack" -G DEB -B "$out" --config CPackConfig.cmake >"$out/cpack.log" 2>&1) ||
    fail "cpack failed: $(cat "$out/cpack.log")"
set -- "$out"/zelto2000_*.deb
if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    fail "cpack made no single zelto2000 .deb"
fi
deb=$1

dpkg-deb -c "$deb" >"$out/contents" || fail "dpkg-deb cannot read $deb"
has() {
    grep -q " \./usr/$1\$" "$out/contents" || fail "the package lacks /usr/$1"
}
has bin/zelto2000
has lib/zelto2000/zelto2000
has share/applications/zelto2000.desktop
has share/metainfo/org.example.Zelto2000.metainfo.xml
has share/zelto2000/Config.dat
for size in 16 32 48 64 128 256; do
    has "share/icons/hicolor/${size}x${size}/apps/zelto2000.png"
done
has share/icons/hicolor/scalable/apps/zelto2000.svg
grep -q '^-rwxr-xr-x .* \./usr/bin/zelto2000$' "$out/contents" || fail "bin/zelto2000 is not executable"

field() {
    dpkg-deb -f "$deb" "$1"
}
[ "$(field Package)" = zelto2000 ] || fail "package name is $(field Package)"
[ "$(field Section)" = games ] || fail "section is $(field Section)"
[ "$(field Maintainer)" = 'Zelto 2000 team <team@example.org>' ] || fail "maintainer is $(field Maintainer)"
[ -n "$(field Version)" ] || fail "no version"
depends=$(field Depends)
for dep in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins qt6-wayland libjpeg62-turbo \
    libsdl2-mixer-2.0-0 libfluidsynth3 'timgm6mb-soundfont | fluid-soundfont-gm' xdg-utils; do
    case ", $depends," in
        *", $dep,"* | *", $dep ("*) ;;
        *) fail "Depends lacks $dep: $depends" ;;
    esac
done

# The launcher must name where the package puts things, not CPack's staging folder.
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/bin/zelto2000 >"$out/launcher" ||
    fail "cannot extract the launcher"
grep -qx "prefix='/usr'" "$out/launcher" || fail "the packaged launcher names $(grep '^prefix=' "$out/launcher")"
printf 'PASS: %s\n' "$deb"
