#!/usr/bin/env bash
# Every include points down: base/ includes only itself; hook/, archive/, net/
# and controls/ include only base/ and themselves; app/ sits on top. Prints
# each include that points elsewhere and fails when there is one.
set -uo pipefail
cd "$(dirname "$0")/.."

allowed() {  # layer -> the folders its includes may name
  case $1 in
    base) echo "base" ;;
    hook | archive | net | controls) echo "base $1" ;;
  esac
}

wrong=0
for layer in base hook archive net controls; do
  [ -d "$layer" ] || continue
  pattern=$(allowed "$layer" | sed 's/ /|/g')
  while IFS= read -r line; do
    echo "layers: $line"
    wrong=1
  done < <(grep -rnE '^\s*#\s*include\s+"[^"]+/' "$layer" |
             grep -vE "#\s*include\s+\"($pattern)/")
done
[ "$wrong" -eq 0 ] && echo "layers: every include points down"
exit "$wrong"
