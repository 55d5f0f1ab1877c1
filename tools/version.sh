# Sourced: the program's version, read from project() in CMakeLists.txt, and
# the caption of its main window, which the scripts look for.
ZELK_ROOT=${ZELK_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
ZELK_VERSION=$(sed -n 's/^project(ZELK VERSION \([0-9.]*\) .*/\1/p' "$ZELK_ROOT/CMakeLists.txt")
if [ -z "$ZELK_VERSION" ]; then
  echo "version: no 'project(ZELK VERSION ...)' in $ZELK_ROOT/CMakeLists.txt" >&2
  return 1
fi
ZELK_CAPTION="ZELK Ver.$ZELK_VERSION"
