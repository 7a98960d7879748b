#!/usr/bin/env bash
# Fails, naming the files, when a tracked .cpp or .h differs from what clang-format
# makes of it with the committed .clang-format. --fix rewrites those files instead.
# CLANG_FORMAT picks another binary.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
tool=${CLANG_FORMAT:-clang-format}
if ! command -v "$tool" >/dev/null; then
  echo "check_format: $tool not found (Debian package clang-format)" >&2
  exit 2
fi
# Other versions break lines differently; CI uses Debian 12's clang-format 14.
version=$("$tool" --version | sed -n 's/.*version \([0-9]*\).*/\1/p')
[ "$version" = 14 ] || echo "check_format: $tool is version ${version:-unknown}, CI uses 14" >&2

mapfile -d '' listed < <(git ls-files -z -- '*.cpp' '*.h')
files=()
for f in "${listed[@]}"; do [ -f "$f" ] && files+=("$f"); done  # skip deletions not yet staged
[ ${#files[@]} -eq 0 ] && { echo "check_format: no tracked sources" >&2; exit 2; }
# A broken .clang-format would otherwise be reported once per file.
"$tool" --style=file --dump-config "${files[0]}" >/dev/null
if [ "${1:-}" = --fix ]; then
  exec "$tool" --style=file -i "${files[@]}"
fi
# A clang-format that cannot run (an unreadable file, say) must fail too,
# so its status counts as well as the list of files it complained about.
status=0
report=$("$tool" --style=file --dry-run --Werror "${files[@]}" 2>&1) || status=$?
mapfile -t bad < <(printf '%s\n' "$report" |
  sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' | sort -u)
if [ ${#bad[@]} -gt 0 ]; then
  echo "check_format: ${#bad[@]} file(s) differ from clang-format's output:" >&2
  printf '  %s\n' "${bad[@]}" >&2
  echo "Fix with: tools/check_format.sh --fix" >&2
  exit 1
fi
if [ "$status" -ne 0 ]; then
  printf '%s\n' "$report" >&2
  exit "$status"
fi
echo "check_format: ${#files[@]} files formatted"
