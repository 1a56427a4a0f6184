#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and runs the programs from there: the
# PNG plug-in must be found through the bin/ symbolic link; its changelog is NEWS. Then lintian,
# when present, must find no error.
# Usage: package.sh BUILD_DIR NEWS [lintian]
set -euo pipefail
build=$1
news=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log") || { cat "$scratch/cpack.log"; exit 1; }
deb=$(ls "$scratch"/out/tessmark_*.deb)
dpkg-deb -x "$deb" "$scratch/root"
bin=$scratch/root/usr/bin

for program in tessmark vornade; do
  [ "$(readlink "$bin/$program")" = "../lib/tessmark/$program" ] || { echo "bin/$program is not a relative link"; exit 1; }
done
[ -f "$scratch/root/usr/lib/tessmark/png.so" ] || { echo "png.so is not in lib/tessmark"; exit 1; }
for f in share/applications/org.haldrune.vornade.desktop share/metainfo/org.haldrune.vornade.metainfo.xml \
  share/icons/hicolor/64x64/apps/org.haldrune.vornade.png share/bash-completion/completions/tessmark \
  share/man/man1/tessmark.1.gz share/doc/tessmark/copyright share/doc/tessmark/changelog.gz; do
  [ -f "$scratch/root/usr/$f" ] || { echo "missing: /usr/$f"; exit 1; }
done

zcat "$scratch/root/usr/share/doc/tessmark/changelog.gz" | cmp -s - "$news" || { echo "changelog.gz is not NEWS"; exit 1; }

version=$("$bin/tessmark" --version)
[[ $version == "tessmark "[0-9]* ]] || { echo "tessmark --version said: $version"; exit 1; }
"$bin/tessmark" --seed 1 --size 16x16 -o "$scratch/stamp.png" circle:count=20
"$bin/tessmark" --seed 2 --size 64x64 -o "$scratch/tagged.bmp" "tag:count=5,files=$scratch/stamp.png"
[ -s "$scratch/tagged.bmp" ] || { echo "the tag operation wrote nothing"; exit 1; }

if [ "${3:-}" = lintian ] && command -v lintian >/dev/null; then
  lintian --tag-display-limit 0 --display-info "$deb" >"$scratch/lintian.log" 2>&1 || true
  cat "$scratch/lintian.log"
  if grep -q '^E:' "$scratch/lintian.log"; then exit 1; fi
fi
echo "package: 1 passed, 0 failed"
