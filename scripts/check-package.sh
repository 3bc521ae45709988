#!/usr/bin/env bash
# Builds the Debian package from a finished build folder (without touching it), then checks
# what it would install: the desktop entry and the AppStream metadata validate, every file a
# desktop install needs is there, the programs are stripped and the dependencies were found.
# Usage: check-package.sh BUILD_FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || {
    cat "$work/cpack.log"
    exit 1
}
debs=("$work"/out/sortiva_*.deb)
deb=${debs[0]}
echo "package: $(basename "$deb")"
dpkg-deb -f "$deb" Package Version Section Maintainer Depends
dpkg-deb -c "$deb"
dpkg-deb -x "$deb" "$work/root"
root=$work/root

desktop-file-validate "$root/usr/share/applications/sortiva.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.sortiva.Sortiva.metainfo.xml"

fail=0
for f in usr/bin/sortiva usr/bin/sortiva-cli \
         usr/share/applications/sortiva.desktop \
         usr/share/metainfo/org.sortiva.Sortiva.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/sortiva.svg \
         usr/share/icons/hicolor/48x48/apps/sortiva.png \
         usr/share/icons/hicolor/128x128/apps/sortiva.png \
         usr/share/man/man1/sortiva.1.gz usr/share/man/man1/sortiva-cli.1.gz \
         usr/share/doc/sortiva/copyright usr/share/doc/sortiva/changelog.gz; do
    [ -s "$root/$f" ] || { echo "missing from the package: /$f"; fail=1; }
done
for size in 48 128; do
    file -b "$root/usr/share/icons/hicolor/${size}x${size}/apps/sortiva.png" |
        grep -q "PNG image data, $size x $size" || { echo "icon $size is not $size px"; fail=1; }
done
for p in sortiva sortiva-cli; do
    file -b "$root/usr/bin/$p" | grep -q ", stripped" || { echo "/usr/bin/$p not stripped"; fail=1; }
done
dpkg-deb -f "$deb" Depends | grep -q "libqt6core6" || { echo "no library dependencies"; fail=1; }
[ "$(dpkg-deb -f "$deb" Section)" = sound ] || { echo "section is not sound"; fail=1; }
[ "$(dpkg-deb -f "$deb" Version)" = "$(sed -n 's/^project(sortiva VERSION \([0-9.]*\).*/\1/p' \
    "$(dirname "$0")/../CMakeLists.txt")" ] || { echo "version differs from the project's"; fail=1; }
# The manual page names every command and every option the program's own help lists.
cli=$root/usr/bin/sortiva-cli
page=$(zcat "$root/usr/share/man/man1/sortiva-cli.1.gz" | sed 's/\\-/-/g')
for command in $("$cli" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z]*\) .*/\1/p'); do
    grep -q "^\.B[I]* \"*$command" <<<"$page" || { echo "sortiva-cli.1 lacks $command"; fail=1; }
    for option in $("$cli" "$command" --help 2>/dev/null | grep -o -- '--[a-z-]*' | sort -u); do
        grep -q -- "$option" <<<"$page" || { echo "sortiva-cli.1 lacks $command $option"; fail=1; }
    done
done
[ $fail -eq 0 ] && echo "package checks passed"
exit $fail
