# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vocalyne developers
#
# cmake -DBUILD=<build folder> -DPREFIX=<folder> -P installprefix.cmake
# Installs the existing build into a fresh prefix, as a user's `cmake --install`
# would, and builds the desktop's file-type and application caches there as the
# package tools do on a real system.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(result)
  message(FATAL_ERROR "cmake --install failed (${result}): is the whole tree built?")
endif()
foreach(step "update-mime-database;${PREFIX}/share/mime"
             "update-desktop-database;${PREFIX}/share/applications")
  execute_process(COMMAND ${step} RESULT_VARIABLE result)
  if(result)
    message(FATAL_ERROR "${step} failed (${result})")
  endif()
endforeach()
