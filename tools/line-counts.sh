#!/usr/bin/env bash
# Lines of tests against lines of code, over the tracked .cpp, .h and .py files.
# Tests are tests/; code is the layers and tools/; bench/ and fuzz/ are shown
# apart and counted in neither. "All" counts every line; "code only" leaves out
# blank lines and lines that hold nothing but a comment.
#
#   tools/line-counts.sh            (from anywhere inside the checkout)
set -euo pipefail
cd "$(git -C "$(dirname "$0")" rev-parse --show-toplevel)"

CODE_DIRS="app sky scope engine catalogue astro framework tools"

# Prints "<all lines> <code-only lines>" for the tracked sources under the given folders.
count() {
  local files=()
  local d
  for d in "$@"; do
    while IFS= read -r f; do files+=("$f"); done < <(git ls-files -- "$d/*.cpp" "$d/*.h" "$d/*.py")
  done
  if [ ${#files[@]} -eq 0 ]; then echo "0 0"; return; fi
  awk '
    FNR == 1 { block = 0; py = (FILENAME ~ /\.py$/) }
    {
      all++
      line = $0
      gsub(/^[ \t]+|[ \t\r]+$/, "", line)
      if (block) {                       # inside /* ... */
        if (index(line, "*/")) { block = 0; rest = substr(line, index(line, "*/") + 2); gsub(/^[ \t]+/, "", rest); if (rest != "") code++ }
        next
      }
      if (line == "") next
      if (py) { if (substr(line, 1, 1) == "#") next; code++; next }
      if (substr(line, 1, 2) == "//") next
      if (substr(line, 1, 2) == "/*") { if (!index(substr(line, 3), "*/")) block = 1; next }
      code++
    }
    END { printf "%d %d\n", all, code }' "${files[@]}"
}

read -r tests_all tests_code < <(count tests)
# shellcheck disable=SC2086
read -r code_all code_code < <(count $CODE_DIRS)
read -r bench_all bench_code < <(count bench)
read -r fuzz_all fuzz_code < <(count fuzz)

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else printf "-" }'; }

printf "%-28s %8s %10s\n" "" "all" "code only"
printf "%-28s %8d %10d\n" "tests (tests/)" "$tests_all" "$tests_code"
printf "%-28s %8d %10d\n" "code (layers and tools/)" "$code_all" "$code_code"
printf "%-28s %8s %10s\n" "ratio tests/code" "$(ratio "$tests_all" "$code_all")" \
  "$(ratio "$tests_code" "$code_code")"
printf "%-28s %8d %10d\n" "bench/ (apart)" "$bench_all" "$bench_code"
printf "%-28s %8d %10d\n" "fuzz/ (apart)" "$fuzz_all" "$fuzz_code"
