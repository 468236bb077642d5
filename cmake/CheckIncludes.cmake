# Checks one target's includes against its declared dependencies.
#   cmake -DRULES=<rules file> -DSTAMP=<stamp file> -P CheckIncludes.cmake
# The rules file (written by GridmootModules.cmake at configure time) names
# the target, the files to read, the include folders in the compiler's order,
# the targets the target may include from, and the folder each module owns.
# An include is found the way the compiler finds it: a quoted one beside the
# including file first, then along the include folders. One that lands in a
# module's folder outside the allowed targets fails the check, as does one
# that lands in a folder of src/ that no module owns. Anything not found in
# the sources (Qt, the standard library, generated files) is not ours.

cmake_minimum_required(VERSION 3.25)
include(${RULES})

function(_relative path out)
  foreach(root IN LISTS CHECK_SEARCH)
    cmake_path(IS_PREFIX root "${path}" NORMALIZE under)
    if(under)
      cmake_path(RELATIVE_PATH path BASE_DIRECTORY "${root}" OUTPUT_VARIABLE shown)
      set(${out} "${shown}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  cmake_path(RELATIVE_PATH path BASE_DIRECTORY "${SOURCE_ROOT}" OUTPUT_VARIABLE shown)
  set(${out} "${shown}" PARENT_SCOPE)
endfunction()

set(problems "")
foreach(file IN LISTS CHECK_FILES)
  if(NOT EXISTS "${file}")
    continue()
  endif()
  cmake_path(GET file PARENT_PATH here)
  cmake_path(RELATIVE_PATH file BASE_DIRECTORY "${SOURCE_ROOT}" OUTPUT_VARIABLE includer)
  file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\"")
      set(search "${here};${CHECK_SEARCH}")
    elseif(line MATCHES "^[ \t]*#[ \t]*include[ \t]*<([^>]+)>")
      set(search "${CHECK_SEARCH}")
    else()
      continue()
    endif()
    set(name "${CMAKE_MATCH_1}")
    set(found "")
    foreach(root IN LISTS search)
      set(candidate "${root}/${name}")
      cmake_path(NORMAL_PATH candidate)
      if(EXISTS "${candidate}" AND NOT IS_DIRECTORY "${candidate}")
        set(found "${candidate}")
        break()
      endif()
    endforeach()
    if(NOT found)
      continue()
    endif()
    cmake_path(GET found PARENT_PATH folder)
    list(FIND MODULE_FOLDERS "${folder}" at)
    if(at LESS 0)
      cmake_path(RELATIVE_PATH folder BASE_DIRECTORY "${SOURCE_ROOT}" OUTPUT_VARIABLE rel)
      if(rel MATCHES "^src/")
        _relative("${found}" shown)
        string(APPEND problems "  ${includer} includes ${shown}, which belongs to no module\n")
      endif()
      continue()
    endif()
    list(GET MODULE_OWNERS ${at} owner)
    if(NOT owner IN_LIST CHECK_ALLOWED)
      _relative("${found}" shown)
      string(APPEND problems "  ${includer} includes ${shown} but ${CHECK_TARGET} does not depend on ${owner}\n")
    endif()
  endforeach()
endforeach()

if(problems)
  message(FATAL_ERROR "Includes past the module's declared dependencies:\n${problems}"
                      "Declare the dependency where ${CHECK_TARGET} is defined, or move the shared piece "
                      "into a module both may use.")
endif()
file(TOUCH "${STAMP}")
