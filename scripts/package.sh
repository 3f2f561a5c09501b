#!/usr/bin/env bash
# Builds what a Windows user downloads, into build/dist/:
#   Vantrel.exe                       the program
#   Vantrel-<version>-portable.zip    Vantrel.exe, help\, 说明.txt (GBK, CR LF)
#   Vantrel-<version>-setup.exe       the installer (installer/Vantrel.nsi, NSIS,
#                                     with its helper installer/helper/RunningCopy.exe)
# Installs what is missing and builds first, unless PACKAGE_NO_BUILD=1 (as
# scripts/test.sh does after its own build).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
version=2.0.4
if [[ ${PACKAGE_NO_BUILD:-0} != 1 ]]; then
    bash "$root/scripts/setup.sh"
    bash "$root/scripts/build.sh"
fi

exe="$root/build/win32/src/app/Vantrel.exe"
help="$root/build/win32/src/app/help"
helper="$root/build/win32/installer/helper/RunningCopy.exe"
for f in "$exe" "$help/index.htm" "$help/loading.htm" "$helper"; do
    [[ -f $f ]] || { echo "package: missing $f; build first" >&2; exit 1; }
done

dist="$root/build/dist"
stage="$dist/stage"
rm -rf "$dist"
mkdir -p "$stage/help"
cp "$exe" "$stage/Vantrel.exe"
cp "$help/index.htm" "$help/loading.htm" "$stage/help/"
# The read-me is kept in UTF-8 with LF; Windows users get GBK with CR LF.
sed 's/$/\r/' "$root/installer/说明.txt" | iconv -f UTF-8 -t GBK >"$stage/说明.txt"
cp "$stage/Vantrel.exe" "$dist/Vantrel.exe"

# The zip: file names stored as written, the Chinese one in GBK, as Windows'
# own unzip (code page 936) reads it; -X leaves out Unix attributes.
zipfile="$dist/Vantrel-$version-portable.zip"
(
    cd "$stage"
    gbkname=$(printf '说明.txt' | iconv -f UTF-8 -t GBK)
    mv 说明.txt "$gbkname"
    zip -q -X -r "$zipfile" Vantrel.exe help "$gbkname"
    mv "$gbkname" 说明.txt
)

# makensis crashes on non-ASCII file names under the C locale (a fresh
# machine may set no locale at all); C.UTF-8 is always there.
LC_ALL=C.UTF-8 makensis -V2 -INPUTCHARSET UTF8 \
    -DVERSION="$version" -DSOURCE="$stage" -DHELPER="$helper" -DICON="$root/assets/Vantrel.ico" \
    -DOUTFILE="$dist/Vantrel-$version-setup.exe" "$root/installer/Vantrel.nsi"

rm -rf "$stage"
ls -l "$dist"
