#!/usr/bin/env bash
# Checks the Debian package that `make package` built: its contents, its
# dependencies, the desktop entry and the MIME type, then unpacks it into a
# temporary root and runs the installed command-line tool on an installed
# example.
set -euo pipefail
build=${1:-build}
deb=$(ls "$build"/varnholt_*.deb)
echo "package: $deb"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
expected=(
  ./usr/bin/varnholt
  ./usr/bin/varnholt-cli
  ./usr/lib/varnholt/varnholt-cli-draw
  ./usr/share/applications/varnholt.desktop
  ./usr/share/mime/packages/varnholt.xml
  ./usr/share/icons/hicolor/scalable/apps/varnholt.svg
  ./usr/share/man/man1/varnholt.1
  ./usr/share/man/man1/varnholt-cli.1
  ./usr/share/varnholt/examples/01_residential_level_entered_ka.vrh
  ./usr/share/varnholt/examples/06_residential_cohesion_eccentricity_deduction.vrh
  ./usr/share/varnholt/examples/examples.vrhbook
  ./usr/share/varnholt/examples/book/both_cases.vrhbook
  ./usr/share/varnholt/doc/manual/README.md
  ./usr/share/varnholt/doc/manual/cli.md
  ./usr/share/varnholt/doc/theory/README.md
  ./usr/share/varnholt/doc/theory/verify/common.py
  ./usr/share/varnholt/doc/decisions.md
  ./usr/share/varnholt/doc/screenshots/first_conditions.png
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/varnholt.png")
done
for f in "${expected[@]}"; do
  grep -qxF "$f" <<<"$contents" || { echo "missing in the package: $f"; exit 1; }
done

depends=$(dpkg-deb -f "$deb" Depends)
for d in fonts-ipafont-mincho libqt6gui6 libqt6widgets6 libqt6svg6 libxlsxwriter; do
  grep -q "$d" <<<"$depends" || { echo "Depends lacks $d: $depends"; exit 1; }
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/varnholt.desktop"
grep -qxF 'MimeType=application/x-varnholt-project;' "$root/usr/share/applications/varnholt.desktop"
# The MIME database accepts the type and maps *.vrh to it.
update-mime-database "$root/usr/share/mime" >/dev/null 2>&1
grep -q '^application/x-varnholt-project:\*\.vrh$' "$root/usr/share/mime/globs"
for page in varnholt varnholt-cli; do
  out=$(groff -k -man -Tutf8 -ww -z "$root/usr/share/man/man1/$page.1" 2>&1)
  [ -z "$out" ] || { echo "$page.1: $out"; exit 1; }
done

# Every chapter the manual's contents link to is installed beside it.
for chapter in $(grep -o '](\([a-z_]*\.md\))' "$root/usr/share/varnholt/doc/manual/README.md" |
                 tr -d '()]'); do
  [ -f "$root/usr/share/varnholt/doc/manual/$chapter" ] || { echo "missing chapter $chapter"; exit 1; }
done

cli="$root/usr/bin/varnholt-cli"
"$cli" --version | grep -qxF "varnholt-cli $(dpkg-deb -f "$deb" Version)"
QT_QPA_PLATFORM=offscreen "$root/usr/bin/varnholt" --version
status=0
QT_QPA_PLATFORM=offscreen "$root/usr/bin/varnholt" --no-such-option 2>/dev/null || status=$?
[ "$status" -eq 2 ] || { echo "varnholt took an unknown option for a file (exit $status)" >&2; exit 1; }
"$cli" calc "$root/usr/share/varnholt/examples/01_residential_level_entered_ka.vrh"
"$cli" table "$root/usr/share/varnholt/examples/01_residential_level_entered_ka.vrh" \
  --heights 2:4:1 --xlsx "$root/table.xlsx" >/dev/null
# The commands that draw run the installed drawing program.
"$cli" report "$root/usr/share/varnholt/examples/01_residential_level_entered_ka.vrh" \
  -o "$root/report.pdf"
head -c 5 "$root/report.pdf" | grep -qxF '%PDF-'
"$cli" section "$root/usr/share/varnholt/examples/03_residential_raised_seismic_method2.vrh" \
  -o "$root/wall.dxf" --forces
grep -q 'AC1009' "$root/wall.dxf"  # lines end in CR LF
# calc loads no Qt Gui.
if ldd "$cli" | grep -q libQt6Gui; then echo "varnholt-cli links Qt Gui"; exit 1; fi
echo "package: all checks passed"
