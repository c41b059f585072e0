#!/usr/bin/env bash
# Builds the Debian package from a configured and built tree and checks what it holds.
# Usage: check_package.sh BUILD_DIR VERSION
set -euo pipefail
build_dir=$1
version=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

cpack --config "$build_dir/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || {
  cat "$out/cpack.log" >&2
  exit 1
}
deb=$(ls "$out"/quenmar_"$version"_*.deb)
listing=$(dpkg-deb -c "$deb" | awk '{print $6}')
fields=$(dpkg-deb -f "$deb" Package Version Depends)

status=0
expect() {
  if ! grep -qxF "$1" <<<"$listing"; then
    echo "missing from the package: $1" >&2
    status=1
  fi
}
expect ./usr/bin/quenmar
expect ./usr/bin/quenmar-check
expect ./usr/share/applications/org.tolvash.quenmar.desktop
expect ./usr/share/metainfo/org.tolvash.quenmar.metainfo.xml
expect ./usr/share/man/man1/quenmar-check.1.gz
expect ./usr/share/icons/hicolor/scalable/apps/org.tolvash.quenmar.svg
for size in 16 32 48 64 128 256; do
  expect "./usr/share/icons/hicolor/${size}x${size}/apps/org.tolvash.quenmar.png"
done

grep -qx "Package: quenmar" <<<"$fields" || { echo "wrong package name" >&2; status=1; }
grep -qx "Version: $version" <<<"$fields" || { echo "wrong version" >&2; status=1; }
for dep in fonts-nanum-coding libqt6widgets6 libqt6svg6; do
  grep -q "$dep" <<<"$fields" || { echo "Depends lacks $dep: $fields" >&2; status=1; }
done
exit $status
