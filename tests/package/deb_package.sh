#!/usr/bin/env bash
# The Debian package: built by CPack from the build tree into a temporary folder (never installed
# here), with every file a desktop program needs under /usr, Debian's modes, a stripped binary,
# compressed manual page and changelog, dependencies found by shlibdeps, and lintian without an
# error or warning.
# $1 = the vesperanova executable, $2 = the source directory, $3 = the build directory.
set -u
build="$3"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB -B "$tmp" --config "$build/CPackConfig.cmake" >"$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log" >&2; fail "cpack did not build the package"; }
debs=("$tmp"/vesperanova_*_amd64.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no vesperanova_<version>_amd64.deb"
deb="${debs[0]}"
version="$(dpkg-deb -f "$deb" Version)"
[ "$(basename "$deb")" = "vesperanova_${version}_amd64.deb" ] || fail "file name $(basename "$deb")"

[ "$(dpkg-deb -f "$deb" Section)" = science ] || fail "section is not science"
[ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "no maintainer"
depends="$(dpkg-deb -f "$deb" Depends)"
for lib in libwxgtk3.2 libcairo2 libpangocairo libstdc++6 fonts-liberation; do
    [[ $depends == *"$lib"* ]] || fail "Depends lacks $lib: $depends"
done

dpkg-deb -c "$deb" >"$tmp/list"
for path in usr/bin/vesperanova \
    usr/share/vesperanova/bsc5.big usr/share/vesperanova/location.bin \
    usr/share/vesperanova/help/index.html usr/share/vesperanova/Images/M31.jpg \
    usr/share/vesperanova/splash.svg usr/share/vesperanova/place-names \
    usr/share/applications/org.vesperanova.Vesperanova.desktop \
    usr/share/metainfo/org.vesperanova.Vesperanova.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/vesperanova.svg \
    usr/share/icons/hicolor/48x48/apps/vesperanova.png \
    usr/share/man/man1/vesperanova.1.gz \
    usr/share/bash-completion/completions/vesperanova \
    usr/share/doc/vesperanova/copyright usr/share/doc/vesperanova/changelog.gz; do
    grep -q " \./$path\$" "$tmp/list" || fail "package lacks /$path"
done
# Nothing outside /usr; directories and the program 0755, every other file 0644, owned by root.
awk '$6 !~ /^\.\/usr\// && $6 != "./" {print "outside /usr: " $6}' "$tmp/list" | grep . && fail "files outside /usr"
awk '$1 ~ /^d/ && $1 != "drwxr-xr-x" {print}
     $1 ~ /^-/ && $6 != "./usr/bin/vesperanova" && $1 != "-rw-r--r--" {print}
     $6 == "./usr/bin/vesperanova" && $1 != "-rwxr-xr-x" {print}
     $2 != "root/root" {print}' "$tmp/list" | grep . && fail "wrong modes or owners"

dpkg-deb -x "$deb" "$tmp/root"
file "$tmp/root/usr/bin/vesperanova" | grep -q ", stripped" || fail "the program is not stripped"
gzip -t "$tmp/root/usr/share/man/man1/vesperanova.1.gz" || fail "manual page not gzip"
# The manual page formats without a warning from groff.
warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$tmp/root/usr/share/man/man1/vesperanova.1.gz" 2>&1 >/dev/null)"
[ -z "$warnings" ] || fail "man page warnings: $warnings"
[ "$(zcat "$tmp/root/usr/share/doc/vesperanova/changelog.gz" | head -1 | cut -d' ' -f2)" = "($version)" ] ||
    fail "changelog does not start with version $version"

# lintian: neither errors nor warnings (informational tags are advice, not faults, and pass).
lintian --no-tag-display-limit "$deb" >"$tmp/lintian" 2>&1
if grep -E '^(E|W):' "$tmp/lintian"; then
    fail "lintian reports errors or warnings"
fi
echo "package $(basename "$deb") ok"
