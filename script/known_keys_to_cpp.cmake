# Turns the list of known keys (known_keys.tsv) into rows of C++ for
# known_keys.cpp, at build time:
#   cmake -DLIST=known_keys.tsv -DROWS=known_keys_list.inc -P known_keys_to_cpp.cmake
# Each row of the list, "key<TAB>kind<TAB>read_by", becomes
#   {"SECTION", "key", ValueKind::kKind},
# with the section empty for a key of the body, the part before the dot of a
# dotted key otherwise; names of sections are written in upper case. Lines
# beginning with "#" and empty lines are passed over; the first other line
# names the columns. Any other line stops the build, naming its line.
cmake_minimum_required(VERSION 3.25)

set(kinds flag whole number text triple quadruple section)
set(enumerators kFlag kWhole kNumber kText kTriple kQuadruple kSection)

file(STRINGS "${LIST}" lines)
set(rows "// Made from known_keys.tsv by known_keys_to_cpp.cmake when the project is built.\n")
set(line_number 0)
set(columns_named OFF)
foreach(line IN LISTS lines)
  math(EXPR line_number "${line_number} + 1")
  if(line STREQUAL "" OR line MATCHES "^#")
    continue()
  endif()
  if(NOT columns_named)
    if(NOT line STREQUAL "key\tkind\tread_by")
      message(FATAL_ERROR "${LIST}:${line_number}: the columns must be key, kind and read_by")
    endif()
    set(columns_named ON)
    continue()
  endif()
  if(NOT line MATCHES "^([A-Za-z0-9_]+)(\\.([A-Za-z0-9_]+))?\t([a-z]+)\t(game|later engine|both)$")
    message(FATAL_ERROR "${LIST}:${line_number}: not a key (letters, digits, _, at most one dot),"
                        " a tab, a kind, a tab and game, later engine or both: \"${line}\"")
  endif()
  set(first "${CMAKE_MATCH_1}")
  set(second "${CMAKE_MATCH_3}")
  set(kind "${CMAKE_MATCH_4}")
  list(FIND kinds "${kind}" kind_index)
  if(kind_index LESS 0)
    string(REPLACE ";" ", " known_kinds "${kinds}")
    message(FATAL_ERROR "${LIST}:${line_number}: unknown kind \"${kind}\" (one of ${known_kinds})")
  endif()
  list(GET enumerators ${kind_index} enumerator)
  if(second STREQUAL "")
    set(section "")
    set(key "${first}")
    if(kind STREQUAL "section")
      string(TOUPPER "${key}" key)
    endif()
  else()
    string(TOUPPER "${first}" section)
    set(key "${second}")
    if(kind STREQUAL "section")
      message(FATAL_ERROR "${LIST}:${line_number}: a section cannot stand inside another")
    endif()
  endif()
  string(APPEND rows "{\"${section}\", \"${key}\", ValueKind::${enumerator}},\n")
endforeach()
if(NOT columns_named)
  message(FATAL_ERROR "${LIST}: holds no keys")
endif()
file(WRITE "${ROWS}" "${rows}")
