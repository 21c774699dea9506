#!/usr/bin/env bash
# Builds the Debian package velbrisk_<version>_<arch>.deb: the program in
# /usr/bin, its templates, pictures, sound, help page and empty data file in
# /usr/share/velbrisk, a menu entry, icons and AppStream metainfo. The
# dependencies are read off the linked libraries.
#   bash tools/package.sh                    release build in build-release/, package here
#   bash tools/package.sh --from DIR         package what DIR has built (velbrisk, template)
#   bash tools/package.sh --out DIR          write the package into DIR
#   bash tools/package.sh --no-lintian       skip the lintian check
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
from=""
out="$root"
lint=1
while [ $# -gt 0 ]; do
  case "$1" in
    --from) from=$(cd "$2" && pwd); shift 2 ;;
    --out) mkdir -p "$2"; out=$(cd "$2" && pwd); shift 2 ;;
    --no-lintian) lint=0; shift ;;
    *) echo "unknown option: $1" >&2; exit 2 ;;
  esac
done
for tool in dpkg-deb dpkg-shlibdeps; do
  if ! command -v "$tool" >/dev/null; then
    echo "$tool is missing: run bash tools/deps.sh" >&2
    exit 3
  fi
done
if [ -z "$from" ]; then
  bash tools/deps.sh
  from="$root/build-release"
  cmake -S . -B "$from" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$from" --target velbrisk template
fi
version=$(sed -n 's/^project(Velbrisk VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
arch=$(dpkg --print-architecture)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stage="$work/velbrisk"
DESTDIR="$stage" cmake --install "$from" --prefix /usr --strip >/dev/null

doc="$stage/usr/share/doc/velbrisk"
{
  echo "velbrisk ($version) stable; urgency=medium"
  echo
  echo "  * Release $version."
  echo
  echo " -- 澄岳软件有限公司 <support@chengyue.cn>  $(date -R -d 2026-12-11)"
} | gzip -9n > "$doc/changelog.gz"
gzip -9n "$stage/usr/share/man/man1/velbrisk.1"
find "$stage" -type d -exec chmod 0755 {} +
find "$stage" -type f -exec chmod 0644 {} +
chmod 0755 "$stage/usr/bin/velbrisk"

# dpkg-shlibdeps reads the package names from a control file of its own.
mkdir -p "$work/shlibs/debian"
printf 'Source: velbrisk\n\nPackage: velbrisk\nArchitecture: any\n' > "$work/shlibs/debian/control"
depends=$(cd "$work/shlibs" && dpkg-shlibdeps -O "$stage/usr/bin/velbrisk" 2>/dev/null | sed -n 's/^shlibs:Depends=//p')
if [ -z "$depends" ]; then
  echo "dpkg-shlibdeps found no dependencies" >&2
  exit 1
fi

mkdir -p "$stage/DEBIAN"
cat > "$stage/DEBIAN/control" <<CONTROL
Package: velbrisk
Version: $version
Architecture: $arch
Maintainer: 澄岳软件有限公司 <support@chengyue.cn>
Installed-Size: $(du -sk --exclude=DEBIAN "$stage" | cut -f1)
Depends: $depends, fonts-wqy-microhei
Recommends: qt6-translations-l10n
Section: misc
Priority: optional
Description: sports venue management (澄岳体育场馆管理软件)
 The front desk of a sports venue: a room board with live countdowns and
 overtime alarms, timing by the hour or per use, consumption, checkout into
 numbered bills with printed tickets, bookings and a booking calendar,
 business reports and charts, a finance ledger, users and rights, settings,
 backups and spreadsheet export. Several desks may share one data file.
 .
 Each user's data file, settings and backups are kept in
 ~/.local/share/velbrisk (\$XDG_DATA_HOME/velbrisk).
CONTROL
# The package's own files list of checksums.
(cd "$stage" && find usr -type f -print0 | sort -z | xargs -0 md5sum > DEBIAN/md5sums)
chmod 0644 "$stage/DEBIAN/control" "$stage/DEBIAN/md5sums"

deb="$out/velbrisk_${version}_${arch}.deb"
dpkg-deb --root-owner-group -Zxz --build "$stage" "$deb" >/dev/null
echo "$deb"
if [ "$lint" = 1 ] && command -v lintian >/dev/null; then
  # An error or a warning fails the build; the README lists the notes we accept.
  lintian --fail-on error,warning "$deb" >&2
fi
