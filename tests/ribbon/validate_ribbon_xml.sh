#!/usr/bin/env bash
# Checks every document the ribbon returns, as Office would read it.
# Usage: validate_ribbon_xml.sh <output folder> <command that runs ribbon_xml_dump...>
#
# Every document must be well-formed, have the customUI namespace on the root
# that its kind takes (customUI for the ribbon, menu for a menu's content) and
# carry no id twice. Against the customUI schema it is validated as well when
# the schema is at hand: $KORVANTA_CUSTOMUI_SCHEMA, or the reference folder
# beside the repository on the project's own machines. The schema is
# Microsoft's file and is not shipped here; without it the run counts as
# skipped (exit 77) once the other checks have passed.
set -euo pipefail
folder=$1
shift
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
readonly skipped=77
readonly namespace=http://schemas.microsoft.com/office/2006/01/customui

source "$repo/tests/customui_schema.sh"
korvanta_find_customui_schema "$repo"

rm -rf "$folder"
mkdir -p "$folder"
"$@" "$folder"

shopt -s nullglob
documents=("$folder"/*.xml)
# In each of the three languages: customUI, eight fixed menus, and at least the
# File menus with and without files.
[ ${#documents[@]} -ge 33 ] || { echo "only ${#documents[@]} documents written" >&2; exit 1; }

failed=0
fail() { echo "FAIL: $1" >&2; failed=1; }
for document in "${documents[@]}"; do
  name=$(basename "$document")
  if ! xmllint --noout "$document" 2>"$document.log"; then
    cat "$document.log" >&2
    fail "$name is not well-formed XML"
    continue
  fi
  expected_root=menu
  case $name in *_customui.xml) expected_root=customUI ;; esac
  root=$(xmllint --xpath 'local-name(/*)' "$document")
  root_namespace=$(xmllint --xpath 'namespace-uri(/*)' "$document")
  [ "$root" = "$expected_root" ] || fail "$name: root element is '$root', expected '$expected_root'"
  [ "$root_namespace" = "$namespace" ] || fail "$name: root namespace is '$root_namespace'"
  repeated=$( (xmllint --xpath '//@id' "$document" 2>/dev/null || true) | tr ' ' '\n' | sed -n 's/^id="\(.*\)"$/\1/p' |
    sort | uniq -d | tr '\n' ' ')
  [ -z "$repeated" ] || fail "$name: ids used more than once: $repeated"
  if [ -n "$schema" ] && ! xmllint --noout --schema "$schema" "$document" 2>"$document.log"; then
    cat "$document.log" >&2
    fail "$name is not valid against the customUI schema"
  fi
done

[ $failed -eq 0 ] || exit 1
if [ -z "$schema" ]; then
  echo "${#documents[@]} documents well-formed, namespaced and with unique ids; not validated: set KORVANTA_CUSTOMUI_SCHEMA to a libxml2-compilable customUI.xsd to validate them"
  exit $skipped
fi
echo "${#documents[@]} documents valid against $schema"
