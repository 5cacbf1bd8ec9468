# The pure core: sources without COM or Win32 types, and their tests. The
# product's folders build them into the DLL and its test programs, and
# tests/native builds the same lists natively under the sanitizers.
# Include with KORVANTA_ROOT set to the source root.
set(KORVANTA_RIBBON_CORE_SOURCES
  ${KORVANTA_ROOT}/ribbon/customui_document.cpp ${KORVANTA_ROOT}/ribbon/menu_catalogue.cpp
  ${KORVANTA_ROOT}/ribbon/file_menu.cpp ${KORVANTA_ROOT}/ribbon/callback_tables.cpp ${KORVANTA_ROOT}/ribbon/ribbon_texts.cpp)
set(KORVANTA_RIBBON_CORE_TESTS
  ${KORVANTA_ROOT}/tests/ribbon/customui_document_test.cpp ${KORVANTA_ROOT}/tests/ribbon/menu_catalogue_test.cpp
  ${KORVANTA_ROOT}/tests/ribbon/file_menu_test.cpp ${KORVANTA_ROOT}/tests/ribbon/callback_tables_test.cpp)

set(KORVANTA_SETTINGS_CORE_SOURCES ${KORVANTA_ROOT}/settings/stored_value.cpp ${KORVANTA_ROOT}/settings/language_setting.cpp)
set(KORVANTA_SETTINGS_CORE_TESTS ${KORVANTA_ROOT}/tests/settings/stored_value_test.cpp
  ${KORVANTA_ROOT}/tests/settings/language_setting_test.cpp)

set(KORVANTA_DIALOGS_CORE_SOURCES ${KORVANTA_ROOT}/dialogs/layout.cpp)
set(KORVANTA_DIALOGS_CORE_TESTS ${KORVANTA_ROOT}/tests/dialogs/layout_test.cpp)

set(KORVANTA_REGISTRATION_CORE_SOURCES ${KORVANTA_ROOT}/dll/registration_table.cpp)
set(KORVANTA_REGISTRATION_CORE_TESTS ${KORVANTA_ROOT}/tests/dll/registration_table_test.cpp)
