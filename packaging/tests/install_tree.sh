#!/usr/bin/env bash
# Installs the build into a fresh DESTDIR, lists the tree, and checks that it holds what an install
# must and nothing else: the program, korvex for programs and for developers, the sample with its
# recordings, and the desktop integration.
#
#   install_tree.sh BUILD STAGE PREFIX BINDIR LIBDIR INCLUDEDIR DATADIR APP_ID SOURCE
set -euo pipefail
build=$1 stage=$2 prefix=$3 bindir=$4 libdir=$5 includedir=$6 datadir=$7 app_id=$8 source=$9

rm -rf "$stage"
DESTDIR="$stage" cmake --install "$build" >/dev/null
root="$stage$prefix"
cd "$root"
echo "Installed under $root:"
find . \( -type f -o -type l \) | sed 's|^\./||' | sort | grep -v '/languages/.*\.mp3$' | sed 's/^/  /'
echo "  (+ $(find "$datadir/quillory/languages" -name '*.mp3' | wc -l) sample recordings)"

fail=0
check() {
  if ! eval "$2"; then
    echo "FAIL: $1"
    fail=1
  fi
}

# Nothing outside the places an install of ours may write: a test program or a build tool that
# slipped into the install rules shows up here.
unexpected=$(find . \( -type f -o -type l \) | sed 's|^\./||' | grep -v -E \
  "^($bindir/quillory|$libdir/libkorvex\.so(\.1(\.0\.0)?)?|$libdir/pkgconfig/korvex\.pc|$includedir/korvex\.h|$datadir/applications/$app_id\.desktop|$datadir/icons/hicolor/scalable/apps/$app_id\.svg|$datadir/metainfo/$app_id\.metainfo\.xml|$datadir/quillory/(silence|beep)\.mp3|$datadir/quillory/translations/quillory_(es|de|fr|pt_BR)\.qm|$datadir/quillory/languages/.*)$" || true)
check "nothing unexpected is installed: $unexpected" '[ -z "$unexpected" ]'

check "the program is installed and executable" '[ -x "$bindir/quillory" ]'
for lang in es de fr pt_BR; do
  check "the $lang interface translation is installed" '[ -s "$datadir/quillory/translations/quillory_$lang.qm" ]'
done
# The library: the real file, the SONAME link the program loads, and the link developers link with.
check "libkorvex.so.1 is a link to the versioned library" \
  '[ "$(readlink "$libdir/libkorvex.so.1")" = libkorvex.so.1.0.0 ] && [ -f "$libdir/libkorvex.so.1.0.0" ]'
check "libkorvex.so is the development link" '[ -L "$libdir/libkorvex.so" ] && [ -e "$libdir/libkorvex.so" ]'
check "the library's SONAME is libkorvex.so.1" \
  'readelf -d "$libdir/libkorvex.so.1.0.0" | grep -q "SONAME.*\[libkorvex\.so\.1\]"'
# The program never links korvex; its RUNPATH must still lead to the installed copy it loads.
runpath=$(readelf -d "$bindir/quillory" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')
echo "RUNPATH of quillory: $runpath"
lib_from_runpath=${runpath//\$ORIGIN/$root/$bindir}
check "the program's RUNPATH ($runpath) leads to libkorvex.so.1" '[ -e "$lib_from_runpath/libkorvex.so.1" ]'
check "the program does not link korvex" '! readelf -d "$bindir/quillory" | grep -q "NEEDED.*korvex"'

# pkg-config hands out the installed header and library; a C program builds and runs against them.
export PKG_CONFIG_PATH="$root/$libdir/pkgconfig" PKG_CONFIG_SYSROOT_DIR="$stage"
flags=$(pkg-config --cflags --libs korvex)
echo "pkg-config --cflags --libs korvex: $flags"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# shellcheck disable=SC2086
check "a C program compiles and links against the installed korvex" \
  'cc -std=c99 -o "$tmp/c_user" "$source/korvex/tests/c_header_test.c" $flags'
check "that program runs against the installed library" 'LD_LIBRARY_PATH="$root/$libdir" "$tmp/c_user"'

# The sample: every list of the sources, and a recording for every numbered entry of each master.
for lang_dir in "$source"/sample/languages/*/; do
  lang=$(basename "$lang_dir")
  for f in "$lang_dir"*; do
    name=$(basename "$f")
    check "sample file $lang/$name installed unchanged" 'cmp -s "$f" "$datadir/quillory/languages/$lang/$name"'
  done
  numbers=$(tr -d '\r' <"$lang_dir/master_$lang.txt" | awk -F'|' 'NF == 3 && $1 != "" && $3 ~ /^[0-9][0-9]+$/ {print $3}')
  for n in $numbers; do
    check "recording $lang/${n:0:2}/$n.mp3 installed" '[ -s "$datadir/quillory/languages/$lang/${n:0:2}/$n.mp3" ]'
  done
done
check "the compilation clips are installed" '[ -s "$datadir/quillory/silence.mp3" ] && [ -s "$datadir/quillory/beep.mp3" ]'
check "the desktop entry starts the program on the installed icon" \
  'grep -qx "Exec=quillory" "$datadir/applications/$app_id.desktop" && grep -qx "Icon=$app_id" "$datadir/applications/$app_id.desktop"'

exit $fail
