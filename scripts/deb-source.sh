# Fetches Debian source packages with apt-get source. Sourced by the cross
# build scripts.
#
#   fetch_deb_source PACKAGE DIR    unpacks PACKAGE's source (with Debian's
#                                   patches applied) into DIR

# apt-get source needs a deb-src entry for the suite this system runs.
ensure_deb_src() {
  local package=$1 sudo=()
  if apt-get source --print-uris "$package" >/dev/null 2>&1; then
    return
  fi
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  . /etc/os-release
  echo "Adding a deb-src entry for Debian $VERSION_CODENAME"
  printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
    "$VERSION_CODENAME" | "${sudo[@]}" tee /etc/apt/sources.list.d/drvinst-deb-src.sources >/dev/null
  "${sudo[@]}" apt-get update -qq
}

fetch_deb_source() {
  local package=$1 dir=$2
  ensure_deb_src "$package"
  rm -rf "$dir"
  mkdir -p "$dir"
  (cd "$dir" && apt-get source -qq "$package" >/dev/null)
}

# The version apt-get source would fetch, for naming what is built from it.
deb_source_version() {
  ensure_deb_src "$1"
  apt-cache showsrc "$1" | sed -n 's/^Version: //p' | sort -V | tail -n1
}
