#!/usr/bin/env bash
# `cpack -G DEB` makes a package that holds exactly the install tree under /usr, with stripped
# programs, the control fields we set and the library dependencies computed from the programs;
# lintian finds no error in it (its warnings are printed).
#   package.sh BUILD_DIR OUT_DIR TREE_LIST VERSION
set -euo pipefail
build=${1:?usage: package.sh BUILD_DIR OUT_DIR TREE_LIST VERSION}
out=${2:?}
tree=${3:?}
version=${4:?}

failures=0
fail() {
    echo "package: FAIL: $*"
    failures=$((failures + 1))
}

rm -rf "$out"
(cd "$build" && cpack -G DEB -B "$out" >"$out.log" 2>&1) || { cat "$out.log"; exit 1; }
deb=$out/zentaloger_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "package: $deb was not made"; ls "$out"; exit 1; }

diff -u <(sed 's|^|usr/|' "$tree") \
    <(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | LC_ALL=C sort) ||
    fail "the package's files differ from $tree under usr/ (- expected, + packaged)"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = zentaloger ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = misc ] || fail "Section: $(field Section)"
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer: $(field Maintainer)"
[[ $(field Description) == "field guide to the 251 Zentari"* ]] || fail "Description: $(field Description)"

# The dependencies come from the programs' libraries (with versions), plus the window system
# plugins that Qt only recommends; nothing from the build machine's paths.
depends=$(field Depends)
for needed in "libc6 (>= " "libstdc++6 (>= " "libqt6core6 (>= " "libqt6gui6 (>= " \
    "libqt6widgets6 (>= " "libtomlplusplus3 (>= " "qt6-qpa-plugins"; do
    [[ ", $depends" == *", $needed"* ]] || fail "Depends lacks '$needed': $depends"
done
[[ $depends != *libasan* && $depends != *libubsan* ]] || fail "Depends names a sanitizer: $depends"

# Programs stripped of their debugging information.
mkdir "$out/root"
dpkg-deb --extract "$deb" "$out/root"
for program in zentaloger zentadata; do
    info=$(file -b "$out/root/usr/bin/$program")
    [[ $info == *ELF*", stripped"* ]] || fail "usr/bin/$program is not stripped: $info"
done

# lintian ends with status 1 on an error tag (its default --fail-on), 2 when it cannot run.
status=0
lintian --fail-on error --tag-display-limit 0 "$deb" >"$out/lintian.log" 2>&1 || status=$?
sed -n '/^[EW]: /p' "$out/lintian.log"
[ "$status" = 0 ] || { cat "$out/lintian.log"; fail "lintian found errors or could not run (status $status)"; }

if [ "$failures" -gt 0 ]; then
    echo "package: $failures check(s) failed"
    exit 1
fi
echo "package: $deb ($(field Installed-Size) KiB installed), Depends: $depends"
