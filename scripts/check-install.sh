#!/usr/bin/env bash
# Builds the Debian package, installs it on this machine as a user would, checks what the
# desktop and the shell see of the installed files, then removes the package and checks
# that nothing it installed is left. Run as root (as CI does) or as a user who may sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
build="build-pkg"
app_id=example.tamovid.Tamovid

fail() {
  echo "check-install: $*" >&2
  exit 1
}
step() { echo "== $*"; }

scripts/setup.sh
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

step "building the package in $build/"
rm -f "$build"/tamovid_*.deb
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DTAMOVID_SANITIZE=OFF \
  -DTAMOVID_BUILD_TESTS=OFF -DTAMOVID_BUILD_BENCHMARKS=OFF -DTAMOVID_APP_ID="$app_id"
cmake --build "$build" -j"$(nproc)"
(cd "$build" && cpack -G DEB)
debs=("$build"/tamovid_*.deb)
{ [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ]; } || fail "expected one package, found: ${debs[*]}"
dpkg-deb --info "${debs[0]}"

step "installing ${debs[0]}"
# A copy left by an earlier run would make apt keep its files instead of these.
if dpkg-query -W -f='${Status}' tamovid 2>/dev/null | grep -q 'install ok installed'; then
  $sudo apt-get remove -y tamovid
fi
$sudo apt-get install -y "./${debs[0]}"
# Whatever fails from here on, the machine does not keep the package.
trap '$sudo apt-get remove -y tamovid >/dev/null 2>&1 || true' EXIT
mapfile -t installed < <(dpkg-query -L tamovid | while read -r path; do [ -d "$path" ] || echo "$path"; done)
printf '%s\n' "${installed[@]}"

work=$(mktemp -d)
cd "$work"
[ "$(command -v tamovid)" = /usr/bin/tamovid ] || fail "tamovid is not on the PATH"
[ "$(command -v tamovid-cli)" = /usr/bin/tamovid-cli ] || fail "tamovid-cli is not on the PATH"

step "desktop entry and AppStream file"
desktop=/usr/share/applications/$app_id.desktop
desktop-file-validate "$desktop"
appstreamcli validate --no-net "/usr/share/metainfo/$app_id.metainfo.xml"
grep -qx 'Exec=tamovid %f' "$desktop" || fail "the menu entry does not pass the file to tamovid"
for icon in scalable/apps/$app_id.svg 48x48/apps/$app_id.png 256x256/apps/$app_id.png; do
  [ -f "/usr/share/icons/hicolor/$icon" ] || fail "icon $icon is missing"
done

step "chart file type"
mime_type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "/usr/share/mime/packages/$app_id.xml")
[ -n "$mime_type" ] || fail "the installed file type declares no type"
grep -qx "MimeType=$mime_type;" "$desktop" || fail "the menu entry does not claim $mime_type"
cp "$source_dir/tests/chartfile/data/sample.vug" chart.vug
# A desktop session asks GLib; without one xdg-mime would fall back to file(1).
found=$(XDG_CURRENT_DESKTOP=GNOME xdg-mime query filetype chart.vug)
[ "$found" = "$mime_type" ] || fail "chart.vug is \"$found\", not $mime_type"
default=$(xdg-mime query default "$mime_type")
[ "$default" = "$app_id.desktop" ] || fail "$mime_type opens with \"$default\", not $app_id.desktop"

step "versions"
window_version=$(env -u DISPLAY -u WAYLAND_DISPLAY tamovid --version)
cli_version=$(tamovid-cli --version)
package_version=$(dpkg-query -W -f='${Version}' tamovid)
[ "$window_version" = "tamovid $package_version" ] || fail "tamovid --version says \"$window_version\""
[ "$cli_version" = "tamovid-cli $package_version" ] || fail "tamovid-cli --version says \"$cli_version\""

step "the installed programs name no folder of the build"
# A path of the source or build tree in an installed program would let anyone who can
# create that folder feed it files.
for program in /usr/bin/tamovid /usr/bin/tamovid-cli; do
  for tree in "$source_dir" "$source_dir/$build"; do
    if grep -qaF "$tree/" "$program"; then fail "$program holds the path $tree"; fi
  done
done

step "the installed tool computes charts from another folder"
# The place comes from the installed atlas, so this also finds share/tamovid.
tamovid-cli --place "Pune, India" --date 1975-12-03 --time 10:30 --name "Ravi Kumar" | tee reading.txt
grep -q '^Ascendant: ' reading.txt || fail "no chart from tamovid-cli"
tamovid-cli --open chart.vug | grep -qx 'Sun:       27 Can 59' || fail "tamovid-cli --open gave another chart"
# --chart and --pdf load the drawing module from lib/tamovid.
env -u DISPLAY -u WAYLAND_DISPLAY tamovid-cli --open chart.vug --chart chart.svg --pdf reading.pdf >/dev/null \
  || fail "tamovid-cli could not draw the chart or write the PDF"
grep -q '<svg' chart.svg || fail "chart.svg is not an SVG drawing"
pdftotext reading.pdf - | grep -q 'Dhuma' || fail "reading.pdf does not hold the reading"

step "the installed window opens a chart given on its command line"
mkdir -p home/config home/runtime
chmod 700 home/runtime
# A message box would hold the window open and the timeout would end it.
HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_RUNTIME_DIR=$work/home/runtime \
  timeout 60 xvfb-run -a tamovid --quit-after-show chart.vug || fail "tamovid did not start and close cleanly"

step "removing the package"
trap - EXIT
$sudo apt-get remove -y tamovid
for path in "${installed[@]}"; do
  if [ -e "$path" ] || [ -L "$path" ]; then
    fail "$path is left after removal"
  fi
done
hash -r
! command -v tamovid >/dev/null || fail "tamovid is still on the PATH"
found=$(XDG_CURRENT_DESKTOP=GNOME xdg-mime query filetype chart.vug)
[ "$found" != "$mime_type" ] || fail "chart.vug is still $mime_type after removal"
cd "$source_dir"
rm -rf "$work"
echo "check-install: all checks passed"
