#!/bin/sh
# Builds the Debian package of the build folder BUILD with CPACK into OUT and reads it back:
# its name, version and Qt dependencies, every file it must install, the owner and mode of
# every entry, the changelog's latest version and the reproducible compression of the .gz
# files; and where lintian is installed, that it finds no error. Exits 77 (skipped) where
# the Debian package tools are missing.
#
# usage: check_package.sh CPACK BUILD OUT VERSION
set -eu
cpack=$1 build=$2 out=$3 version=$4

for tool in dpkg dpkg-deb dpkg-shlibdeps; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "$tool not found: the package cannot be built here"
        exit 77
    fi
done

rm -rf "$out"
mkdir -p "$out"
if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    exit 1
fi

deb="$out/brindlex_${version}_$(dpkg --print-architecture).deb"
if [ ! -f "$deb" ]; then
    echo "FAIL: cpack made no $deb:"
    ls "$out"
    exit 1
fi

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

[ "$(dpkg-deb --field "$deb" Package)" = brindlex ] || fail "Package is not brindlex"
[ "$(dpkg-deb --field "$deb" Version)" = "$version" ] || fail "Version is not $version"
depends=$(dpkg-deb --field "$deb" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6 libstdc++6 libc6; do
    case ", $depends," in
        *", $library "* | *", $library,"*) ;;
        *) fail "Depends lacks $library: $depends" ;;
    esac
done

contents=$(dpkg-deb --contents "$deb")
icons=usr/share/icons/hicolor
for path in usr/bin/brindlex usr/bin/brindlex-code \
    usr/share/applications/org.brindlex.Brindlex.desktop \
    usr/share/metainfo/org.brindlex.Brindlex.metainfo.xml \
    $icons/scalable/apps/org.brindlex.Brindlex.svg \
    $icons/16x16/apps/org.brindlex.Brindlex.png $icons/32x32/apps/org.brindlex.Brindlex.png \
    $icons/48x48/apps/org.brindlex.Brindlex.png $icons/64x64/apps/org.brindlex.Brindlex.png \
    $icons/128x128/apps/org.brindlex.Brindlex.png $icons/256x256/apps/org.brindlex.Brindlex.png \
    usr/share/man/man1/brindlex.1.gz usr/share/man/man1/brindlex-code.1.gz \
    usr/share/doc/brindlex/copyright usr/share/doc/brindlex/changelog.gz; do
    echo "$contents" | grep -q " \./$path\$" || fail "the package lacks /$path"
done

# Everything belongs to root; directories and programs are 0755, every other file 0644.
wrong=$(echo "$contents" | awk '
    $2 != "root/root" { print; next }
    $NF ~ /\/$/ { if ($1 != "drwxr-xr-x") print; next }
    $NF ~ /^\.\/usr\/bin\// { if ($1 != "-rwxr-xr-x") print; next }
    $1 != "-rw-r--r--" { print }')
[ -z "$wrong" ] || fail "wrong owner or mode:
$wrong"

# The files themselves, unpacked.
root="$out/root"
dpkg-deb --extract "$deb" "$root"
latest=$(gzip -dc "$root/usr/share/doc/brindlex/changelog.gz" | head -n 1)
case "$latest" in
    "brindlex ($version) "*) ;;
    *) fail "the changelog's latest entry is not for $version: $latest" ;;
esac
# gzip -n: no file name and no time stamp in the header (bytes 3 to 7 all zero).
for file in usr/share/man/man1/brindlex.1.gz usr/share/man/man1/brindlex-code.1.gz \
    usr/share/doc/brindlex/changelog.gz; do
    header=$(od -An -tx1 -j3 -N5 "$root/$file" | tr -d ' \n')
    [ "$header" = 0000000000 ] || fail "/$file carries a name or time stamp: $header"
done

if command -v lintian >/dev/null 2>&1; then
    lintian --fail-on error "$deb" || fail "lintian reports errors"
fi

if [ "$failures" -gt 0 ]; then
    exit 1
fi
echo "$deb: all checks passed"
