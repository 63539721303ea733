#!/bin/sh
# make_manpage's check of a page's copy of a manual page's option table:
# it fails for a copy that differs in one cell and for a page that holds no
# copy, and the update makes the changed copy the page it was.
#   table_copy_check.sh MAKE_MANPAGE PAGE.md SOURCE.md OTHER_PAGE.md
set -u
make_manpage=$1 page=$2 source=$3 other=$4
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "table_copy_check: $*" >&2; exit 1; }

"$make_manpage" --check-copies "$page" "$source" || fail "the page's own copy is refused"
sed 's/| only the chosen file, or all three components (3) |/| all three components (3) |/' "$page" >"$dir/page.md"
cmp -s "$page" "$dir/page.md" && fail "the cell to change was not found in $page"
"$make_manpage" --check-copies "$dir/page.md" "$source" 2>"$dir/said" && fail "a changed cell passes the check"
grep -q "page.md:[0-9]*: the option table differs" "$dir/said" || fail "the check does not say where: $(cat "$dir/said")"
"$make_manpage" --check-copies "$other" "$source" 2>/dev/null && fail "a page without the copy passes the check"
"$make_manpage" --update-copies "$dir/page.md" "$source" || fail "the update failed"
cmp "$page" "$dir/page.md" || fail "the update did not give back the page"
exit 0
