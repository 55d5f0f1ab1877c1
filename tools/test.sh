#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests, Win32 tests under
# Wine, end-to-end journeys with the real ZELK.exe under Xvfb. Ends with one
# line "N passed, M failed" and fails when any test failed.
set -uo pipefail
# Wine takes a closed standard input for one of its own channels: give it none.
exec </dev/null
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/setup.sh || exit 1
bash tools/build.sh || exit 1

passed=0
failed=0
count_gtest() {  # gtest output file
  local p f
  p=$(grep -oP '^\[  PASSED  \] \K[0-9]+' "$1" | tail -1)
  f=$(grep -oP '^\[  FAILED  \] \K[0-9]+(?= tests?, listed below)' "$1" | tail -1)
  passed=$((passed + ${p:-0}))
  failed=$((failed + ${f:-0}))
  if ! grep -q '^\[  PASSED  \]' "$1" && [ -z "$f" ]; then failed=$((failed + 1)); fi
}
log=$(mktemp -d)

echo "== layers"
if bash tools/check-layers.sh; then passed=$((passed + 1)); else failed=$((failed + 1)); fi

echo "== native unit tests"
build/native/tests/zelk_core_tests --gtest_brief=1 >"$log/native" 2>&1
cat "$log/native"; count_gtest "$log/native"

echo "== the deliverables are i386 Windows programs"
for file in build/win32/bin/*.exe build/win32/bin/*.dll; do
  [ -e "$file" ] || continue
  if objdump -f "$file" | grep -q 'file format pei-i386'; then
    passed=$((passed + 1)); echo "ok $file"
  else
    failed=$((failed + 1)); echo "FAIL $file is not PE32 i386"
  fi
done

# The hook library exports its five names undecorated, in this order.
hook_exports=$(objdump -p build/win32/bin/zelkhook.dll | sed -n '/Ordinal\/Name Pointer/,/^$/p' |
  grep -oP '\[\s*\K[0-9]+\] \S+' | sort -n | awk '{print $2}' | tr '\n' ' ')
if [ "$hook_exports" = "ReleaseFMObj GetFMObj SetHook RemoveHook GetHookMsgString " ]; then
  passed=$((passed + 1)); echo "ok zelkhook.dll exports $hook_exports"
else
  failed=$((failed + 1)); echo "FAIL zelkhook.dll exports '$hook_exports'"
fi

echo "== the help and the package"
if bash tools/package.sh >"$log/package" 2>&1; then
  source tools/version.sh
  bash tests/help/help_package_check.sh build/win32/bin/ZELK.CHM "dist/ZELK-$ZELK_VERSION.zip" >"$log/help"
  cat "$log/help"
  passed=$((passed + $(grep -c '^ok ' "$log/help")))
  failed=$((failed + $(grep -c '^FAIL ' "$log/help")))
else
  failed=$((failed + 1)); echo "FAIL tools/package.sh"; cat "$log/package"
fi

source tools/wine-env.sh || exit 1
trap wine_stop EXIT
wine_start

echo "== Win32 tests under Wine"
for program in build/win64/bin/*_tests.exe; do
  (cd "$(dirname "$program")" && timeout 600 "$WINE" "$(basename "$program")" --gtest_brief=1) \
    >"$log/wine" 2>&1
  cat "$log/wine"; count_gtest "$log/wine"
done

echo "== end-to-end journeys"
source tests/e2e/lib.sh
for script in tests/e2e/*_e2e.sh; do
  source "$script"
  for journey in $(declare -F | awk '{print $3}' | grep '^journey_'); do
    if e2e_run "$journey"; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
    unset -f "$journey"
  done
done

echo "== at 150 % and 200 %: the window's scale in a Wine of its own"
# Its own prefix and server, so that the other tests keep their 96 DPI; a
# screen large enough for the window at 200 %.
touch "$log/dpi144" "$log/dpi192" "$log/dpi-journeys"
(
  export WINEPREFIX="$root/build/wineprefix-dpi" ZELK_SCREEN=1600x1200
  wine_start || exit 1
  trap wine_stop EXIT
  for dpi in 144 192; do
    wine_set_dpi "$dpi"
    (cd build/win64/bin && timeout 600 "$WINE" zelk_win_tests.exe --gtest_brief=1 \
      --gtest_filter='ScreenScale.*:HookPixels.*') >"$log/dpi$dpi" 2>&1
  done
  wine_set_dpi 144
  source tests/e2e/scale_dpi.sh
  for journey in $(declare -F | awk '{print $3}' | grep '^journey_'); do
    e2e_run "$journey"
  done >"$log/dpi-journeys"
)
for dpi in 144 192; do
  echo "-- $dpi DPI"; cat "$log/dpi$dpi"; count_gtest "$log/dpi$dpi"
done
cat "$log/dpi-journeys"
passed=$((passed + $(grep -c '^PASS ' "$log/dpi-journeys")))
failed=$((failed + $(grep -c '^FAIL ' "$log/dpi-journeys")))
grep -q '^PASS \|^FAIL ' "$log/dpi-journeys" || failed=$((failed + 1))

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
