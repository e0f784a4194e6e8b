#!/usr/bin/env bash
# test_deb.sh BUILD_DIR VERSION WITH_WINDOW
# Builds the Debian package with CPack, checks its control fields, unpacks it into a scratch root
# (dpkg -x, no root needed), validates the desktop entry, the MIME type, the man pages and the
# copyright file, checks that the dependencies are what the programs link and that no installed
# program carries a path of the build machine, and runs the installed batch calculator on the
# installed example, checking the neutral point.
set -euo pipefail
build=$1 version=$2 window=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; fail "cpack"; }
deb=$(ls "$scratch"/out/*.deb)
[ "$(dpkg-deb -f "$deb" Package)" = tarvolin4 ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version $(dpkg-deb -f "$deb" Version)"

# Every dependency (the first of each alternative) is a package this Debian knows.
deps=$(dpkg-deb -f "$deb" Depends)
for p in $(tr ',' '\n' <<<"$deps" | sed 's/|.*//; s/(.*)//; s/ //g'); do
  [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" = "install ok installed" ] ||
    apt-cache show --no-all-versions "$p" >/dev/null 2>&1 || fail "unknown dependency $p"
done

# What the programs link decides the dependencies: OpenBLAS is one, LAPACKE (the benchmarks'
# reference only) is not.
grep -q 'libopenblas0' <<<"$deps" || fail "no dependency on OpenBLAS: $deps"
! grep -q 'lapacke' <<<"$deps" || fail "a dependency on LAPACKE, which no program links: $deps"

dpkg -x "$deb" "$scratch/root"
usr=$scratch/root/usr
[ -x "$usr/bin/tarvolin4-calc" ] || fail "tarvolin4-calc not installed"
if [ "$window" = 1 ]; then [ -x "$usr/bin/tarvolin4" ] || fail "tarvolin4 not installed"; fi
desktop=$usr/share/applications/tarvolin4.desktop
desktop-file-validate "$desktop" || fail "desktop entry"
grep -qx 'MimeType=application/x-tarvolin4-project;' "$desktop" || fail "desktop entry without the MIME type"
[ -s "$usr/share/icons/hicolor/scalable/apps/tarvolin4.svg" ] || fail "icon"

# The MIME type compiles and claims both extensions.
mkdir -p "$scratch/mime/packages"
cp "$usr/share/mime/packages/tarvolin4.xml" "$scratch/mime/packages/"
update-mime-database "$scratch/mime" >/dev/null 2>&1 || fail "MIME type"
for ext in tv4 da4; do
  grep -q "application/x-tarvolin4-project:\*\.$ext" "$scratch/mime/globs2" || fail "MIME type lacks *.$ext"
done

grep -q '^Files: \*' "$usr/share/doc/tarvolin4/copyright" || fail "copyright file"

# The pages render without roff warnings or escapes left in the text, and name every option
# and exit status of their program.
page=$(MANWIDTH=200 man --warnings -l "$usr/share/man/man1/tarvolin4-calc.1" 2>"$scratch/man.err") || fail "man page"
[ ! -s "$scratch/man.err" ] || { cat "$scratch/man.err"; fail "man page warnings"; }
grep -q 'tarvolin4-calc - neutral point' <<<"$page" || fail "man page"
grep -q 'c×cl / c_ref' <<<"$page" || fail "man page formula"
for word in --json --exact-solve --margin --lang --avl --csv --version --help; do
  grep -q -- "$word" <<<"$page" || fail "man page lacks $word"
done
for status in 0 1 2 3; do grep -Eq "^ +$status +[A-Z]" <<<"$page" || fail "man page lacks exit status $status"; done
if [ "$window" = 1 ]; then
  page=$(MANWIDTH=200 man -l "$usr/share/man/man1/tarvolin4.1" 2>/dev/null) || fail "window man page"
  grep -q -- '--pdf' <<<"$page" || fail "window man page lacks --pdf"
fi

# An installed program must not look for anything in the folders it was built in.
for program in "$usr"/bin/*; do
  if strings "$program" | grep -F "$(cd "$build" && pwd)" ||
     strings "$program" | grep -F "$(cd "$(dirname "$0")/.." && pwd)"; then
    fail "$program carries a path of the build machine"
  fi
done

out=$("$usr/bin/tarvolin4-calc" "$usr/share/tarvolin4/examples/default.tv4")
grep -q 'Neutral point x: 116.5 mm' <<<"$out" || { echo "$out"; fail "neutral point of the installed example"; }
[ "$("$usr/bin/tarvolin4-calc" --version)" = "tarvolin4-calc $version" ] || fail "--version"
echo "tarvolin4 $version: $(basename "$deb") installs and runs"
