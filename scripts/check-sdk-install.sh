#!/usr/bin/env bash
# Installs the SDK from a build into a temporary prefix, checks its version,
# file names and SONAME, compiles the example against it through its
# pkg-config file only, and runs it against the simulated spectrometer of
# that build, which must give the demo LED's colour.
#
#   scripts/check-sdk-install.sh [build-dir]     default build
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --component specsdk --prefix "$prefix" >/dev/null
export PKG_CONFIG_PATH="$prefix/lib/pkgconfig"

# One version: pkg-config's, the installed header's, the library file's;
# the SONAME and the link the example records carry its major number.
version=$(pkg-config --modversion specsdk)
major=${version%%.*}
header_version=$(printf '#include <specsdk.h>\nSPECSDK_VERSION\n' |
  cc -E -P $(pkg-config --cflags specsdk) - | tail -n 1)
if [ "$header_version" != "\"$version\"" ]; then
  echo "check-sdk-install: specsdk.h says $header_version, pkg-config $version" >&2
  exit 1
fi
lib="$prefix/lib"
if [ "$(readlink "$lib/libspecsdk.so")" != "libspecsdk.so.$major" ] ||
  [ "$(readlink "$lib/libspecsdk.so.$major")" != "libspecsdk.so.$version" ] ||
  [ ! -f "$lib/libspecsdk.so.$version" ] || [ -L "$lib/libspecsdk.so.$version" ]; then
  echo "check-sdk-install: expected libspecsdk.so -> .so.$major -> .so.$version in $lib:" >&2
  ls -l "$lib" >&2
  exit 1
fi
if ! objdump -p "$lib/libspecsdk.so.$version" | grep -qE "SONAME +libspecsdk\.so\.$major\$"; then
  echo "check-sdk-install: the SONAME of libspecsdk.so.$version is not libspecsdk.so.$major" >&2
  exit 1
fi
cc -std=c99 -Wall -Wextra -Werror "$prefix/share/specsdk/examples/acquire.c" \
  $(pkg-config --cflags --libs specsdk) -o "$prefix/acquire"
if ! objdump -p "$prefix/acquire" | grep -qE "NEEDED +libspecsdk\.so\.$major\$"; then
  echo "check-sdk-install: the example does not record libspecsdk.so.$major" >&2
  exit 1
fi
# The installed library finds the simulated USB library of the build. The
# demo spectrometer looks at the cool-white LED of 6040 K, x 0.3199,
# y 0.3498: the example must report those within 1 %.
LD_LIBRARY_PATH="$prefix/lib:$build/bin" \
  TESSELUSB_STATE="$PWD/tesselusb/examples/spectrometer_demo.json" "$prefix/acquire" 150 |
  tee "$prefix/acquire.out"
awk '
  function near(got, want) { return got >= want * 0.99 && got <= want * 1.01 }
  $1 == "CCT" { cct = $2 }
  $1 == "x" && $3 == "y" { x = $2; y = $4 }
  END {
    if (!near(cct, 6040) || !near(x, 0.3199) || !near(y, 0.3498)) {
      print "check-sdk-install: the example reports CCT " cct " K, x " x ", y " y \
        "; the demo LED is 6040 K, x 0.3199, y 0.3498" > "/dev/stderr"
      exit 1
    }
  }' "$prefix/acquire.out"
