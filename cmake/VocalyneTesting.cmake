# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vocalyne developers
#
# vocalyne_add_test(<name> [GUI] SOURCES <files...> LIBRARIES <targets...>)
# Builds a GoogleTest program and registers each of its test cases with CTest
# on its own. Tests that need a QCoreApplication get one from the shared main;
# GUI tests (GUI) get a QApplication on the offscreen platform.
function(vocalyne_add_test name)
  cmake_parse_arguments(ARG "GUI;NO_QT_MAIN" "TIMEOUT" "SOURCES;LIBRARIES;ENVIRONMENT" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(ARG_NO_QT_MAIN)
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest GTest::gtest_main)
  elseif(ARG_GUI)
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} vocalyne_testmain_gui GTest::gtest)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} vocalyne_testmain_core GTest::gtest)
  endif()
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT ${ARG_TIMEOUT}
               ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${ARG_ENVIRONMENT}")
endfunction()
