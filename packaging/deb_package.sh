#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks it as someone who
# installs it would get it:
#   deb_package.sh BUILD_DIR APPLICATION_ID VERSION
# - the package holds the program, its libraries, its data files, the
#   desktop entry, the AppStream metadata and the icons, and depends on the
#   Qt libraries (found by dpkg-shlibdeps) and on what the program needs
#   without linking it;
# - unpacked into a scratch root, its desktop entry and metadata pass the
#   validators, and the program started as the desktop entry starts it, from
#   any working folder, shows its main window and opens windows that read
#   data files and load the grating control library, with no message box;
# - spoiling a data file and the library in the scratch root spoils those
#   windows, which shows that the program read them there and not from the
#   build or source tree.
#
# The package is unpacked with dpkg-deb -x rather than installed with
# dpkg --root: unpacking puts every file where installing would, and needs
# neither root nor a dpkg database (nor the dependencies installed in it).
# All that installing adds is the maintainer scripts, and they only run
# ldconfig, which the program does not need: it finds its libraries by its
# run path (checked below). The scratch root lies outside the build tree on
# purpose: a program inside the build tree also looks there for component
# libraries.
set -euo pipefail
build=$(cd "$1" && pwd)
id=$2
version=$3
source_dir=$(cd "$(dirname "$0")/.." && pwd)

scratch=$(mktemp -d "${TMPDIR:-/tmp}/lumivara-deb.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

# --- the package, from this build --------------------------------------------
if ! cpack --config "$build/CPackConfig.cmake" -B "$scratch/pkg" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log" >&2
  echo "FAIL: cpack could not build the package" >&2
  exit 1
fi
debs=("$scratch"/pkg/lumivara_*.deb)
[ -f "${debs[0]}" ] || { echo "FAIL: cpack wrote no lumivara_*.deb" >&2; exit 1; }
deb=${debs[0]}
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

# --- its contents -------------------------------------------------------------
# Each line of the listing ends with the path ("./usr/bin/lumivara"), or
# with "path -> target" for a symbolic link.
dpkg-deb -c "$deb" | sed -E 's/^([^ ]+ +){5}//; s/ -> .*$//' >"$scratch/contents"
expected=(
  ./usr/bin/lumivara
  ./usr/lib/libcorvane.so
  ./usr/lib/liblumivara-forms.so.0
  ./usr/share/lumivara/landoltc.html
  "./usr/share/applications/$id.desktop"
  "./usr/share/metainfo/$id.metainfo.xml"
  "./usr/share/icons/hicolor/scalable/apps/$id.svg"
)
for size in 16 24 32 48 64 128 256; do
  expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for f in "$source_dir"/assets/images/*; do
  expected+=("./usr/share/lumivara/images/$(basename "$f")")
done
missing=0
for path in "${expected[@]}"; do
  grep -qxF -- "$path" "$scratch/contents" || { fail "the package lacks $path"; missing=1; }
done
[ $missing -eq 0 ] && pass "the package holds all ${#expected[@]} files expected"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for p in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libqt6webenginewidgets6 \
         libqt6webenginecore6-bin fonts-liberation fonts-dejavu-core libc6; do
  grep -qE "(^|, )$p( |,|$)" <<<"$depends" || fail "Depends lacks $p"
done
for field in Maintainer Section Homepage Description; do
  [ -n "$(dpkg-deb -f "$deb" "$field")" ] || fail "the package has no $field"
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is $(dpkg-deb -f "$deb" Version), not $version"

# Installing would run only ldconfig besides unpacking.
dpkg-deb -e "$deb" "$scratch/control"
for script in "$scratch"/control/{preinst,postinst,prerm,postrm}; do
  [ -e "$script" ] || continue
  other=$(grep -vE '^(#!/bin/sh|set -e|if \[ "\$1" = "[a-z]+" \]; then|[[:space:]]*ldconfig|fi|[[:space:]]*)$' "$script" || true)
  [ -z "$other" ] || fail "$(basename "$script") does more than run ldconfig: $other"
done

# --- unpacked: the files a desktop reads ------------------------------------
root=$scratch/root
dpkg-deb -x "$deb" "$root"
for size in 16 24 32 48 64 128 256; do
  png="$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
  file -b "$png" | grep -q "PNG image data, $size x $size" || fail "$png is not a $size x $size PNG: $(file -b "$png")"
done
desktop="$root/usr/share/applications/$id.desktop"
if desktop-file-validate "$desktop"; then pass "desktop-file-validate"; else fail "desktop-file-validate"; fi
if appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"; then
  pass "appstreamcli validate"
else
  fail "appstreamcli validate"
fi
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry's icon is not $id"
exec_path=$(sed -n 's/^Exec=//p' "$desktop")
[ "$exec_path" = /usr/bin/lumivara ] || fail "the desktop entry starts $exec_path, not /usr/bin/lumivara"
program=$root$exec_path
forms_lib=$(ldd "$program" | sed -n 's/^\s*liblumivara-forms\.so\.0 => \(.*\) (0x.*$/\1/p')
[ -n "$forms_lib" ] && [ "$(realpath "$forms_lib")" = "$(realpath "$root/usr/lib/liblumivara-forms.so.0")" ] \
  || fail "the program does not take its toolkit library from the lib beside its bin: ${forms_lib:-not found}"

# --- unpacked: the program ----------------------------------------------------
# Started as the desktop entry starts it; it chooses the spiral aftereffect
# (which reads 36 pictures when it opens) and the contrast-sensitivity
# window (which loads libcorvane.so), then says what opened and quits.
run() { # run WORKING_FOLDER OUTPUT
  (cd "$1" && env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=offscreen HOME="$scratch/home" \
     timeout 120 "$program" --quit-when-shown --choose mnuSpiralitem --choose mnuMeasureConItem) \
     >"$2" 2>"$2.err"
}
mkdir -p "$scratch/home" "$scratch/empty"
for cwd in "$scratch/empty" /; do
  if run "$cwd" "$scratch/out"; then status=0; else status=$?; fi
  cat "$scratch/out"
  if [ $status -eq 0 ] && grep -q "main window shown" "$scratch/out" \
     && grep -q "frmMotAfter .* shown" "$scratch/out" \
     && grep -q "frmContrast .* shown, with controls uctCorvane1" "$scratch/out" \
     && ! grep -q "message box" "$scratch/out"; then
    pass "the unpacked program starts from $cwd and finds its data and the grating control"
  else
    cat "$scratch/out.err" >&2
    fail "the unpacked program, started from $cwd (exit status $status)"
  fi
done

# A spoilt picture and a spoilt library in the scratch root show that those
# are the files the program read.
frame="$root/usr/share/lumivara/images/spiral 00.bmp"
head -c 100 "$frame" >"$scratch/spoilt.bmp" && mv "$scratch/spoilt.bmp" "$frame"
echo "not a library" >"$root/usr/lib/libcorvane.so"
if run "$scratch/empty" "$scratch/out"; then status=0; else status=$?; fi
cat "$scratch/out"
if [ $status -eq 1 ] && grep -q 'message box .*spiral 00.bmp' "$scratch/out" \
   && grep -q "frmContrast .* shown, with controls lblNoControl" "$scratch/out" \
   && ! grep -q uctCorvane1 "$scratch/out"; then
  pass "the program reads its picture and its library from the scratch root"
else
  fail "spoiling the scratch root's picture and library went unnoticed (exit status $status)"
fi

if [ $failures -gt 0 ]; then
  echo "deb_package: $failures check(s) failed" >&2
  exit 1
fi
echo "deb_package: all checks passed"
