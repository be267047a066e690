#!/usr/bin/env bash
# Packs a .tar.gz or a .zip that CPack made again, so that its bytes depend on nothing but the
# files it holds: entries sorted by name, owned by root, modes u=rwX,go=rX, every time stamp
# SOURCE_DATE_EPOCH (in UTC), no extra fields in the .zip, no name or time in the gzip header.
#
#   repack.sh CMAKE ARCHIVE     (CMAKE: the cmake program, which unpacks either kind)
set -euo pipefail
cmake=$1
archive=$(realpath "$2")
epoch=${SOURCE_DATE_EPOCH:?SOURCE_DATE_EPOCH must be set}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$work" && "$cmake" -E tar xf "$archive")
chmod -R u=rwX,go=rX "$work"
find "$work" -exec touch -h -d "@$epoch" {} +
cd "$work"
case $archive in
  *.tar.gz)
    tar --create --format=gnu --sort=name --owner=0 --group=0 --numeric-owner \
      --mtime="@$epoch" --file=- -- * | gzip -9n >"$archive.new" ;;
  *.zip)
    find . -mindepth 1 | sed 's|^\./||' | LC_ALL=C sort | TZ=UTC zip -q -X -9 "$archive.new.zip" -@
    mv "$archive.new.zip" "$archive.new" ;;
  *) echo "repack.sh: neither a .tar.gz nor a .zip: $archive" >&2; exit 1 ;;
esac
mv "$archive.new" "$archive"
