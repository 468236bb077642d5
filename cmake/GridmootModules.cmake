# One library per subsystem folder, so that a half-finished subsystem never
# stops another from building and testing.
#   gridmoot_module(<target> <folder> [DEPENDS targets...])
# A folder without sources gives an interface library.
#
# A module may include the files of its own folder and of the modules it
# depends on, directly or through them; the build checks it (see
# gridmoot_check_includes below).
function(gridmoot_module target folder)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${folder}/*.h)
  file(GLOB resources CONFIGURE_DEPENDS ${folder}/*.qrc)
  if(sources)
    add_library(${target} STATIC ${sources} ${headers} ${resources})
    target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${target} PUBLIC ${ARG_DEPENDS})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${target} INTERFACE ${ARG_DEPENDS})
  endif()
  gridmoot_check_includes(${target} FOLDER ${folder})
endfunction()

# Module boundaries the build enforces. Every folder of src/ belongs to one
# target; a file may include a file of another module's folder only when its
# own target links that module, directly or through the modules it links
# (public links only: a private link is the linking target's own business).
#
#   gridmoot_check_includes(<target> [FOLDER dir] [FILES files...])
#
# FOLDER makes `target` the owner of the folder (its *.cpp and *.h are
# checked, and an include of one of them needs `target`); FILES are checked
# without owning their folder. The check is a build step of `target`, so a
# build that reaches past the declared dependencies fails, naming the file,
# the include and the missing dependency (cmake/CheckIncludes.cmake).
# The dependencies are read from the targets' link properties once the whole
# project is configured, so links added after the module's declaration count.
set(GRIDMOOT_INCLUDE_CHECK_DIR ${CMAKE_BINARY_DIR}/include-check)
set(GRIDMOOT_INCLUDE_CHECK_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/CheckIncludes.cmake)

function(gridmoot_check_includes target)
  cmake_parse_arguments(ARG "" "FOLDER" "FILES" ${ARGN})
  set(files ${ARG_FILES})
  if(ARG_FOLDER)
    cmake_path(ABSOLUTE_PATH ARG_FOLDER NORMALIZE OUTPUT_VARIABLE folder)
    string(REGEX REPLACE "(.)/$" "\\1" folder "${folder}")
    get_property(owned GLOBAL PROPERTY GRIDMOOT_MODULE_FOLDERS)
    list(FIND owned "${folder}" at)
    if(at GREATER_EQUAL 0)
      get_property(owners GLOBAL PROPERTY GRIDMOOT_MODULE_OWNERS)
      list(GET owners ${at} owner)
      message(FATAL_ERROR "${folder} belongs to ${owner} already; ${target} cannot own it too")
    endif()
    set_property(GLOBAL APPEND PROPERTY GRIDMOOT_MODULE_FOLDERS "${folder}")
    set_property(GLOBAL APPEND PROPERTY GRIDMOOT_MODULE_OWNERS ${target})
    file(GLOB own CONFIGURE_DEPENDS ${folder}/*.cpp ${folder}/*.h)
    list(APPEND files ${own})
  endif()
  set(absolute "")
  foreach(file IN LISTS files)
    cmake_path(ABSOLUTE_PATH file NORMALIZE)
    list(APPEND absolute ${file})
  endforeach()
  set(files ${absolute})
  list(REMOVE_DUPLICATES files)
  set_property(TARGET ${target} PROPERTY GRIDMOOT_CHECKED_FILES ${files})
  set_property(GLOBAL APPEND PROPERTY GRIDMOOT_CHECKED_TARGETS ${target})

  set(rules ${GRIDMOOT_INCLUDE_CHECK_DIR}/${target}.cmake)
  set(stamp ${GRIDMOOT_INCLUDE_CHECK_DIR}/${target}.stamp)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DRULES=${rules} -DSTAMP=${stamp} -P ${GRIDMOOT_INCLUDE_CHECK_SCRIPT}
    DEPENDS ${files} ${rules} ${GRIDMOOT_INCLUDE_CHECK_SCRIPT}
    COMMENT "Checking the includes of ${target}"
    VERBATIM)
  add_custom_target(${target}_includes ALL DEPENDS ${stamp})
  add_dependencies(${target} ${target}_includes)
endfunction()

# The targets `target` may include from: those it links, and those they link
# publicly, transitively. Imported targets (Qt, GoogleTest) are not ours.
function(_gridmoot_reachable target out)
  set(queue "")
  get_target_property(type ${target} TYPE)
  if(NOT type STREQUAL "INTERFACE_LIBRARY")
    get_target_property(links ${target} LINK_LIBRARIES)
    if(links)
      list(APPEND queue ${links})
    endif()
  endif()
  get_target_property(links ${target} INTERFACE_LINK_LIBRARIES)
  if(links)
    list(APPEND queue ${links})
  endif()
  set(reached "")
  while(queue)
    list(POP_FRONT queue item)
    # Link-only entries (private links of static libraries), directory
    # markers and generator expressions grant no includes.
    if(item MATCHES "^::@" OR item MATCHES "\\$<" OR NOT TARGET "${item}")
      continue()
    endif()
    get_target_property(aliased ${item} ALIASED_TARGET)
    if(aliased)
      set(item ${aliased})
    endif()
    get_target_property(imported ${item} IMPORTED)
    if(imported OR item IN_LIST reached)
      continue()
    endif()
    list(APPEND reached ${item})
    get_target_property(links ${item} INTERFACE_LINK_LIBRARIES)
    if(links)
      list(APPEND queue ${links})
    endif()
  endwhile()
  set(${out} ${reached} PARENT_SCOPE)
endfunction()

# Include folders in the compiler's order: the target's own, then those its
# dependencies hand on.
function(_gridmoot_search_path target reached out)
  get_target_property(dirs ${target} INCLUDE_DIRECTORIES)
  if(NOT dirs)
    set(dirs "")
  endif()
  foreach(dep IN LISTS reached)
    get_target_property(more ${dep} INTERFACE_INCLUDE_DIRECTORIES)
    if(more)
      list(APPEND dirs ${more})
    endif()
  endforeach()
  list(FILTER dirs EXCLUDE REGEX "\\$<")
  list(REMOVE_DUPLICATES dirs)
  set(${out} ${dirs} PARENT_SCOPE)
endfunction()

# Runs once the whole project is configured: writes each checked target's
# rules, rewriting a file only when its rules changed (so a new configure
# does not run every check again).
function(_gridmoot_write_include_rules)
  get_property(targets GLOBAL PROPERTY GRIDMOOT_CHECKED_TARGETS)
  get_property(folders GLOBAL PROPERTY GRIDMOOT_MODULE_FOLDERS)
  get_property(owners GLOBAL PROPERTY GRIDMOOT_MODULE_OWNERS)
  foreach(target IN LISTS targets)
    _gridmoot_reachable(${target} reached)
    _gridmoot_search_path(${target} "${reached}" search)
    get_target_property(files ${target} GRIDMOOT_CHECKED_FILES)
    set(rules ${GRIDMOOT_INCLUDE_CHECK_DIR}/${target}.cmake)
    set(content "# Written by cmake/GridmootModules.cmake.\n")
    string(APPEND content "set(CHECK_TARGET \"${target}\")\n")
    string(APPEND content "set(CHECK_ALLOWED \"${target};${reached}\")\n")
    string(APPEND content "set(CHECK_FILES \"${files}\")\n")
    string(APPEND content "set(CHECK_SEARCH \"${search}\")\n")
    string(APPEND content "set(MODULE_FOLDERS \"${folders}\")\n")
    string(APPEND content "set(MODULE_OWNERS \"${owners}\")\n")
    string(APPEND content "set(SOURCE_ROOT \"${CMAKE_SOURCE_DIR}\")\n")
    file(WRITE ${rules}.new "${content}")
    file(COPY_FILE ${rules}.new ${rules} ONLY_IF_DIFFERENT)
    file(REMOVE ${rules}.new)
  endforeach()
endfunction()

get_property(deferred GLOBAL PROPERTY GRIDMOOT_INCLUDE_RULES_DEFERRED)
if(NOT deferred)
  set_property(GLOBAL PROPERTY GRIDMOOT_INCLUDE_RULES_DEFERRED TRUE)
  cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL _gridmoot_write_include_rules)
endif()
