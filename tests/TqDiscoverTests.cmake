# Included by ctest through a program's <program>_include.cmake (see
# CMakeLists.txt here): adds one ctest test per test case of the program,
# named "<area>_test_<file>.<Suite>.<Name>" after the file that defines it,
# with that file's properties.  The list is made again only when the program
# or its table changed.
#
# Input: TQ_PROGRAM, TQ_WORKING_DIR, TQ_TESTS_FILE, and for each source file
# name TQ_FILE_<name> (the name prefix of its cases), TQ_PROPERTIES_<name>,
# TQ_LABELS_<name> and TQ_RETRIES_<name> (the cases that may run twice).
# The names are made as gtest_discover_tests makes them, so that they stay
# what they were when each file was a program of its own, except that a
# parameterised case keeps the name its name generator gave it, without the
# printed parameter.

cmake_policy(VERSION 3.18)
get_filename_component(program_name "${TQ_PROGRAM}" NAME)

if(NOT EXISTS "${TQ_PROGRAM}")
  add_test(${program_name}_NOT_BUILT ${program_name}_NOT_BUILT)
  return()
endif()
if(EXISTS "${TQ_TESTS_FILE}" AND
   "${TQ_TESTS_FILE}" IS_NEWER_THAN "${TQ_PROGRAM}" AND
   "${TQ_TESTS_FILE}" IS_NEWER_THAN "${CMAKE_CURRENT_LIST_FILE}" AND
   "${TQ_TESTS_FILE}" IS_NEWER_THAN "${TQ_INCLUDE_FILE}")
  include("${TQ_TESTS_FILE}")
  return()
endif()

# gtest lists the cases as text (whose form the names come from) and, in the
# XML report, with the file of each.
set(listing "${TQ_TESTS_FILE}.xml")
file(REMOVE "${listing}")
execute_process(
  COMMAND "${TQ_PROGRAM}" --gtest_list_tests "--gtest_output=xml:${listing}"
  WORKING_DIRECTORY "${TQ_WORKING_DIR}"
  TIMEOUT 60
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors
  RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT EXISTS "${listing}")
  # One failing test, which shows the failure, rather than an error that
  # would stop ctest with all the other programs' tests.
  message(WARNING "Listing the tests of ${TQ_PROGRAM} failed (${result})")
  add_test(${program_name}_NOT_LISTED "${TQ_PROGRAM}" --gtest_list_tests)
  return()
endif()

file(STRINGS "${listing}" lines REGEX "<testsuite |<testcase ")
foreach(line IN LISTS lines)
  if(line MATCHES "<testsuite name=\"([^\"]*)\"")
    set(suite "${CMAKE_MATCH_1}")
  elseif(line MATCHES "<testcase name=\"([^\"]*)\".* file=\"([^\"]*)\"")
    get_filename_component(file_name "${CMAKE_MATCH_2}" NAME)
    set("file_of_${suite}.${CMAKE_MATCH_1}" "${file_name}")
  endif()
endforeach()

# The text listing, read as gtest_discover_tests reads it.
set(open_guard "[=[")
set(close_guard "]=]")
set(counter 1)
while(output MATCHES "${close_guard}")
  math(EXPR counter "${counter} + 1")
  string(REPEAT "=" ${counter} equals)
  set(open_guard "[${equals}[")
  set(close_guard "]${equals}]")
endwhile()
foreach(bracket "[" "]")
  set(placeholder_${bracket} "")
  if(output MATCHES "\\${bracket}")
    if(bracket STREQUAL "[")
      set(placeholder "__osb")
    else()
      set(placeholder "__csb")
    endif()
    while(output MATCHES "${placeholder}")
      string(APPEND placeholder "_")
    endwhile()
    string(REPLACE "${bracket}" "${placeholder}" output "${output}")
    set(placeholder_${bracket} "${placeholder}")
  endif()
endforeach()
string(REPLACE [[;]] [[\;]] output "${output}")
string(REPLACE "\n" ";" output "${output}")

function(tq_quote out)
  set(args "")
  foreach(arg ${ARGN})
    if(arg MATCHES "[^-./:a-zA-Z0-9_]")
      string(APPEND args " [==[${arg}]==]")
    else()
      string(APPEND args " ${arg}")
    endif()
  endforeach()
  set(${out} "${args}" PARENT_SCOPE)
endfunction()

set(script "")
set(seen "")
set(failures "")
foreach(line ${output})
  if(line MATCHES "gtest_main\\.cc" OR line STREQUAL "")
    continue()
  endif()
  if(NOT line MATCHES "^  ")
    string(REGEX REPLACE "\\.( *#.*)?$" "" suite "${line}")
    if(line MATCHES "#")
      string(REGEX REPLACE "/.*" "" pretty_suite "${line}")
      string(REGEX REPLACE ".*/[0-9]+[ .#]+TypeParam = (.*)" "\\1" type_parameter "${line}")
      set(template "@prefix@.@pretty_suite@.@pretty_test@<@type_parameter@>")
    else()
      set(pretty_suite "${suite}")
      set(template "@prefix@.@pretty_suite@.@pretty_test@")
    endif()
    string(REGEX REPLACE "^DISABLED_" "" pretty_suite "${pretty_suite}")
    continue()
  endif()

  string(STRIP "${line}" test)
  # A parameterised case is named by its instantiation's name generator;
  # gtest's comment after it prints the parameter, for a struct its bytes
  # (pointers among them), which would change the name from build to build.
  string(REGEX REPLACE " +#.*" "" pretty_test "${test}")
  string(REGEX REPLACE "^DISABLED_" "" pretty_test "${pretty_test}")
  string(REGEX REPLACE " +#.*" "" test "${test}")

  set(key "${suite}.${test}")
  foreach(bracket "[" "]")
    if(placeholder_${bracket})
      string(REPLACE "${placeholder_${bracket}}" "${bracket}" key "${key}")
    endif()
  endforeach()
  # Two files that define the same case would both run under one filter.
  if(key IN_LIST seen)
    list(APPEND failures "${key} is defined twice")
    continue()
  endif()
  list(APPEND seen "${key}")
  set(file_name "${file_of_${key}}")
  if(file_name STREQUAL "" OR NOT DEFINED "TQ_FILE_${file_name}")
    list(APPEND failures "${key} is not in a test file of the program (${file_name})")
    continue()
  endif()
  set(prefix "${TQ_FILE_${file_name}}")

  string(CONFIGURE "${template}" name @ONLY)
  foreach(bracket "[" "]")
    if(placeholder_${bracket})
      string(REPLACE "${placeholder_${bracket}}" "${bracket}" name "${name}")
    endif()
  endforeach()
  set(name "${open_guard}${name}${close_guard}")

  tq_quote(args "${TQ_PROGRAM}" "--gtest_filter=${key}" "--gtest_also_run_disabled_tests")
  string(APPEND script "add_test(${name}${args})\n")
  if(suite MATCHES "^DISABLED_" OR test MATCHES "^DISABLED_")
    string(APPEND script "set_tests_properties(${name} PROPERTIES DISABLED TRUE)\n")
  endif()
  tq_quote(args WORKING_DIRECTORY "${TQ_WORKING_DIR}" SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]"
    ${TQ_PROPERTIES_${file_name}})
  string(APPEND script "set_tests_properties(${name} PROPERTIES${args})\n")
  if(key IN_LIST TQ_RETRIES_${file_name})
    string(APPEND script "set_tests_properties(${name} PROPERTIES REPEAT UNTIL_PASS:2)\n")
  endif()
  if(TQ_LABELS_${file_name})
    # One argument: ctest reads the ";" in it as the list of labels.
    string(APPEND script "set_tests_properties(${name} PROPERTIES LABELS [==[${TQ_LABELS_${file_name}}]==])\n")
  endif()
endforeach()

# A fault of the table shows as a failing test rather than as a case that
# silently runs under another name or not at all.
foreach(failure IN LISTS failures)
  string(MAKE_C_IDENTIFIER "${failure}" id)
  tq_quote(args sh -c "echo \"$0\" && false" "${failure}")
  string(APPEND script "add_test(${program_name}.DISCOVERY.${id}${args})\n")
endforeach()

file(WRITE "${TQ_TESTS_FILE}" "${script}")
include("${TQ_TESTS_FILE}")
