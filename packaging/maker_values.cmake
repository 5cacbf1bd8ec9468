# Prints the maker's details and the version from cmake/maker.cmake as shell
# assignments, for the packaging scripts: cmake -P packaging/maker_values.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/maker.cmake)
foreach(name KORVANTA_PRODUCT_NAME KORVANTA_MAKER_NAME KORVANTA_MAKER_WEB KORVANTA_VERSION KORVANTA_VERSION_TEXT)
  execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${name}='${${name}}'")
endforeach()
