#!/usr/bin/env bash
# Validates every document the ribbon returns against the customUI schema.
# Usage: validate_ribbon_xml.sh <output folder> <command that runs ribbon_xml_dump...>
# The schema is looked for in the shared reference folder next to the
# repository (in CI the repository is cloned beside a copy of it).
set -euo pipefail
folder=$1
shift
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
schema=${KORVANTA_CUSTOMUI_SCHEMA:-$repo/../shared/reference/customUI.libxml2.xsd}
[ -f "$schema" ] || { echo "schema not found: $schema" >&2; exit 1; }

rm -rf "$folder"
mkdir -p "$folder"
"$@" "$folder"

shopt -s nullglob
documents=("$folder"/*.xml)
# customUI, eight fixed menus, and at least the File menus with and without files.
[ ${#documents[@]} -ge 11 ] || { echo "only ${#documents[@]} documents written" >&2; exit 1; }
failed=0
for document in "${documents[@]}"; do
  if ! xmllint --noout --schema "$schema" "$document" 2>"$document.log"; then
    cat "$document.log" >&2
    failed=1
  fi
done
echo "${#documents[@]} documents checked"
exit $failed
