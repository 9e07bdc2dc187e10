# Sourced by the build scripts from the top of the tree: compile through
# ccache when it is installed, so that a build in a fresh clone reuses the
# objects of earlier builds on this machine.
if command -v ccache >/dev/null; then
  export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
  export CCACHE_BASEDIR="$PWD"
  # Debug builds hash the build folder too unless told not to; without it a
  # fresh clone (scripts/check-packages.sh) misses every object. The cost:
  # the compilation folder in the debug information is that of the build
  # that filled the cache.
  export CCACHE_NOHASHDIR=1
fi
