# One library per subsystem folder, so that a half-finished subsystem never
# stops another from building and testing.
#   gridmoot_module(<target> <folder> [DEPENDS targets...])
# A folder without sources gives an interface library.
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
endfunction()
