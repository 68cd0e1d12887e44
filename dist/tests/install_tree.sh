#!/usr/bin/env bash
# `cmake --install` into a fresh prefix puts exactly the expected files in place: the programs,
# the menu entry, the AppStream data, the icon in each size it claims, the manual pages and the
# licence; the installed data tool answers from there.
#   install_tree.sh BUILD_DIR PREFIX TREE_LIST VERSION
set -euo pipefail
build=${1:?usage: install_tree.sh BUILD_DIR PREFIX TREE_LIST VERSION}
prefix=${2:?}
tree=${3:?}
version=${4:?}

failures=0
fail() {
    echo "install_tree: FAIL: $*"
    failures=$((failures + 1))
}

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

# Every expected file, and nothing else.
diff -u "$tree" <(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort) ||
    fail "the installed tree differs from $tree (- expected, + installed)"

for program in zentaloger zentadata; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not executable"
done

# Each icon is a PNG of the size its folder names.
for icon in "$prefix"/share/icons/hicolor/*/apps/*.png; do
    size=$(basename "$(dirname "$(dirname "$icon")")")
    info=$(file -b "$icon")
    [[ $info == "PNG image data, ${size/x/ x },"* ]] || fail "$icon: $info"
done

# The manual pages are well-formed roff (man prints the warnings of the formatter).
for page in "$prefix"/share/man/man1/*.1.gz; do
    warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null || echo "man failed")
    [ -z "$warnings" ] || fail "$page: $warnings"
done

# The licence: ours, which covers the embedded faces too.
grep -q '^License: Expat$' "$prefix/share/doc/zentaloger/copyright" || fail "our licence is missing"

answer=$("$prefix/bin/zentadata" --version) || fail "installed zentadata --version failed"
[ "$answer" = "zentadata $version" ] || fail "installed zentadata --version said '$answer'"

if [ "$failures" -gt 0 ]; then
    echo "install_tree: $failures check(s) failed"
    exit 1
fi
echo "install_tree: $(wc -l <"$tree") files in place under $prefix"
