# The include check (cmake/CheckIncludes.cmake) on a small tree of its own,
# tests/cmake/includes: module a depends on b; c is a module a does not
# depend on, and d belongs to no module. Included from tests/CMakeLists.txt.
set(tree ${CMAKE_CURRENT_LIST_DIR}/includes)
set(out ${CMAKE_CURRENT_BINARY_DIR}/include-check-test)

function(gridmoot_include_check_case name)
  set(files ${ARGN})
  list(TRANSFORM files PREPEND ${tree}/src/a/)
  file(WRITE ${out}/${name}.cmake
    "set(CHECK_TARGET mod_a)\n"
    "set(CHECK_ALLOWED \"mod_a;mod_b\")\n"
    "set(CHECK_FILES \"${files}\")\n"
    "set(CHECK_SEARCH \"${tree}/src\")\n"
    "set(MODULE_FOLDERS \"${tree}/src/a;${tree}/src/b;${tree}/src/c\")\n"
    "set(MODULE_OWNERS \"mod_a;mod_b;mod_c\")\n"
    "set(SOURCE_ROOT \"${tree}\")\n")
  add_test(NAME IncludeCheck.${name}
    COMMAND ${CMAKE_COMMAND} -DRULES=${out}/${name}.cmake -DSTAMP=${out}/${name}.stamp
            -P ${CMAKE_SOURCE_DIR}/cmake/CheckIncludes.cmake)
endfunction()

gridmoot_include_check_case(PassesDeclaredIncludes A.cpp A.h)
gridmoot_include_check_case(RefusesUndeclaredIncludes A.cpp Reaching.cpp)
set_tests_properties(IncludeCheck.RefusesUndeclaredIncludes PROPERTIES
  PASS_REGULAR_EXPRESSION
    "src/a/Reaching.cpp includes c/C.h but mod_a does not depend on mod_c\n *src/a/Reaching.cpp includes d/D.h, which belongs to no module"
  # The include of the declared dependency, and the file that has only such, pass.
  FAIL_REGULAR_EXPRESSION "B\\.h|A\\.cpp")
