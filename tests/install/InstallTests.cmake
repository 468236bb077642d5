# The installed program: one test program that installs the build into a
# temporary prefix, checks the layout a desktop expects, and runs what it
# installed. Included from tests/CMakeLists.txt; needs the desktop program.
if(NOT TARGET gridmoot)
  return()
endif()
gridmoot_test_suite(gridmoot_install_tests install ${gui_main} gridmoot_ui_shell Qt6::Gui)
target_compile_definitions(gridmoot_install_tests PRIVATE
  GRIDMOOT_BINARY_DIR="${CMAKE_BINARY_DIR}"
  GRIDMOOT_CMAKE_COMMAND="${CMAKE_COMMAND}")
# Everything `cmake --install` copies must be built before the tests run.
add_dependencies(gridmoot_install_tests gridmoot gridmoot-cli gridmoot_manpages)
