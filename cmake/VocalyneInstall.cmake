# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vocalyne developers
#
# Where an installed Vocalyne puts its files (relative to the install prefix),
# and the functions every folder uses to install its programs and data there.
# VocalyneLocations (app/common) finds the files by the same folders.
#
#   bin                         programs users start
#   lib/vocalyne                helper programs and private libraries
#   LIBDIR, include             the engine library, its headers and pkg-config file
#   share/vocalyne              help, pages, dictionaries, extensions
#   share/vocalyne/translations translation catalogues
include(GNUInstallDirs)

set(VOCALYNE_INSTALL_BINDIR ${CMAKE_INSTALL_BINDIR})
set(VOCALYNE_INSTALL_HELPERDIR lib/vocalyne CACHE STRING
    "Folder of the helper programs and private libraries, relative to the install prefix")
set(VOCALYNE_INSTALL_LIBDIR ${CMAKE_INSTALL_LIBDIR})
# Debian's multiarch library folder, whatever the prefix (GNUInstallDirs picks it
# for /usr only, but the package is made from a tree configured for any prefix;
# the dynamic linker and pkg-config search it under /usr/local too).
if(CMAKE_LIBRARY_ARCHITECTURE AND EXISTS /etc/debian_version
   AND CMAKE_INSTALL_LIBDIR STREQUAL "lib")
  set(VOCALYNE_INSTALL_LIBDIR lib/${CMAKE_LIBRARY_ARCHITECTURE})
endif()
set(VOCALYNE_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR})
set(VOCALYNE_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/vocalyne)
set(VOCALYNE_INSTALL_TRANSLATIONSDIR ${VOCALYNE_INSTALL_DATADIR}/translations)

foreach(folder BINDIR HELPERDIR LIBDIR DATADIR TRANSLATIONSDIR)
  if(IS_ABSOLUTE "${VOCALYNE_INSTALL_${folder}}")
    message(FATAL_ERROR "VOCALYNE_INSTALL_${folder} must be relative to the install prefix: "
                        "the programs find each other through these folders")
  endif()
endforeach()

# Installed programs find the libraries relative to themselves, so that an
# install under any prefix (or a staging folder) runs as it is.
file(RELATIVE_PATH _vocalyne_bin_to_lib /p/${VOCALYNE_INSTALL_BINDIR} /p/${VOCALYNE_INSTALL_LIBDIR})
file(RELATIVE_PATH _vocalyne_bin_to_helpers /p/${VOCALYNE_INSTALL_BINDIR}
     /p/${VOCALYNE_INSTALL_HELPERDIR})
file(RELATIVE_PATH _vocalyne_helpers_to_lib /p/${VOCALYNE_INSTALL_HELPERDIR}
     /p/${VOCALYNE_INSTALL_LIBDIR})
set(VOCALYNE_PROGRAM_RPATH "$ORIGIN/${_vocalyne_bin_to_lib}" "$ORIGIN/${_vocalyne_bin_to_helpers}")
set(VOCALYNE_HELPER_RPATH "$ORIGIN" "$ORIGIN/${_vocalyne_helpers_to_lib}")
# The helper folder as seen from bin, for scripts installed there.
set(VOCALYNE_HELPERS_FROM_PROGRAMS ${_vocalyne_bin_to_helpers})

# vocalyne_install_programs(<targets...>): programs users start, into bin.
function(vocalyne_install_programs)
  foreach(target IN LISTS ARGN)
    set_property(TARGET ${target} PROPERTY INSTALL_RPATH ${VOCALYNE_PROGRAM_RPATH})
    install(TARGETS ${target} RUNTIME DESTINATION ${VOCALYNE_INSTALL_BINDIR})
  endforeach()
endfunction()

# vocalyne_install_helpers(<targets...>): programs the suite starts itself and
# private shared libraries, into the helper folder (never bin: the OCR adapter
# is called "tesseract" and would shadow the system's program).
function(vocalyne_install_helpers)
  foreach(target IN LISTS ARGN)
    set_property(TARGET ${target} PROPERTY INSTALL_RPATH ${VOCALYNE_HELPER_RPATH})
    install(TARGETS ${target}
      RUNTIME DESTINATION ${VOCALYNE_INSTALL_HELPERDIR}
      LIBRARY DESTINATION ${VOCALYNE_INSTALL_HELPERDIR})
  endforeach()
endfunction()

# vocalyne_install_data([SUBFOLDER <folder>] FILES <files...> | DIRECTORIES <folders...>):
# read-only data into share/vocalyne[/<folder>].
function(vocalyne_install_data)
  cmake_parse_arguments(ARG "" "SUBFOLDER" "FILES;DIRECTORIES" ${ARGN})
  set(destination ${VOCALYNE_INSTALL_DATADIR})
  if(ARG_SUBFOLDER)
    set(destination ${destination}/${ARG_SUBFOLDER})
  endif()
  if(ARG_FILES)
    install(FILES ${ARG_FILES} DESTINATION ${destination})
  endif()
  if(ARG_DIRECTORIES)
    install(DIRECTORY ${ARG_DIRECTORIES} DESTINATION ${destination})
  endif()
endfunction()

# vocalyne_install_translations(<.qm files...>): catalogues into share/vocalyne/translations.
function(vocalyne_install_translations)
  install(FILES ${ARGN} DESTINATION ${VOCALYNE_INSTALL_TRANSLATIONSDIR})
endfunction()
