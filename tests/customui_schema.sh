# Sourced by the checks that validate ribbon documents: finds the customUI
# schema. It is Microsoft's file and is not part of the project: it is taken
# from $KORVANTA_CUSTOMUI_SCHEMA, or on the project's own machines from the
# reference folder beside the repository. Sets $schema to its path, or to
# nothing when there is none, in which case the caller reports validation as
# skipped. A variable that names no file is an error, not a skip.
korvanta_find_customui_schema() {
  local repo=$1
  schema=${KORVANTA_CUSTOMUI_SCHEMA:-}
  if [ -n "$schema" ]; then
    [ -f "$schema" ] || { echo "KORVANTA_CUSTOMUI_SCHEMA names no file: $schema" >&2; return 1; }
    return 0
  fi
  # Only the project's own machines have this folder beside the repository; a
  # user's clone has nothing there, and then $schema stays empty and every
  # caller says that validation was skipped and how to supply the schema.
  local beside=$repo/../shared/reference/customUI.libxml2.xsd
  if [ -f "$beside" ]; then
    schema=$beside
  else
    schema=
  fi
  return 0
}
