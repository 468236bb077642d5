# The entry functions shared by the fuzz targets and by the regression test
# that replays their kept inputs (tests/core/fuzzregress).
add_library(gridmoot_fuzz_entries STATIC ${CMAKE_CURRENT_LIST_DIR}/FuzzEntries.cpp ${CMAKE_CURRENT_LIST_DIR}/FuzzEntries.h)
target_include_directories(gridmoot_fuzz_entries PUBLIC ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(gridmoot_fuzz_entries PUBLIC gridmoot_core_site gridmoot_core_members gridmoot_core_sidepools gridmoot_core_pool gridmoot_core_nfl gridmoot_core_output gridmoot_core_data)
target_compile_definitions(gridmoot_fuzz_entries PRIVATE GRIDMOOT_SEASONS="${CMAKE_SOURCE_DIR}/share/seasons")
gridmoot_check_includes(gridmoot_fuzz_entries FOLDER ${CMAKE_CURRENT_LIST_DIR})
