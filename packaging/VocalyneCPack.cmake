# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vocalyne developers
#
# The Debian package of the whole suite, made from an existing build tree with
# scripts/package (cpack -G DEB). Library dependencies come from the binaries
# (dpkg-shlibdeps); what the programs need without linking it is listed here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vocalyne)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Vocalyne developers")
set(CPACK_PACKAGE_CONTACT "The Vocalyne developers <vocalyne@halvern.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "text-to-speech editor with word highlighting and audio export")
# The long description below the summary line; CPack indents it for the control file.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Vocalyne reads text aloud with the system's speech voices and highlights each
word as it is spoken. Speech documents hold speech sections with their own
voice, speed, volume and pitch, speech elements such as pauses, and bookmarks.

The suite exports speech to audio files (one document or a batch), imports
text from office documents, corrects pronunciations, checks spelling, turns
scanned pages into text (Halvern Glyphix) and lets browser and mail add-ons
speak through its speech host. It ships the speech engine library qvtts with
its header and pkg-config file for other programs.")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)

# Installed under /usr through DESTDIR, so that install steps see the real
# prefix (the speech host registers itself for every user in /etc and /usr/lib).
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Package what the build tree holds, as `cmake --install` does: packaging a
# CMake project would first build every target (tests and benchmarks too).
set(CPACK_INSTALL_CMAKE_PROJECTS "")

# A Debian package carries its copyright and changelog in its doc folder.
set(debian_dir ${CMAKE_CURRENT_BINARY_DIR}/debian)
file(WRITE ${debian_dir}/changelog.Debian
"vocalyne (${PROJECT_VERSION}-1) unstable; urgency=medium

  * Package of Vocalyne ${PROJECT_VERSION}, made from its build tree.

 -- ${CPACK_PACKAGE_CONTACT}  Mon, 07 Dec 2026 00:00:00 +0000
")
vocalyne_gzip(${debian_dir}/changelog.Debian ${debian_dir}/changelog.Debian.gz)

set(install_script ${CMAKE_CURRENT_BINARY_DIR}/VocalyneCPackInstall.cmake)
file(WRITE ${install_script}
"# Generated: installs the build tree under the package's prefix, stripped,
# and the package's own documents.
set(CMAKE_INSTALL_PREFIX \"${CPACK_PACKAGING_INSTALL_PREFIX}\")
set(CMAKE_INSTALL_DO_STRIP 1)
include(\"${CMAKE_BINARY_DIR}/cmake_install.cmake\")
file(INSTALL \"${CMAKE_CURRENT_SOURCE_DIR}/copyright\" \"${debian_dir}/changelog.Debian.gz\"
     DESTINATION \"${CPACK_PACKAGING_INSTALL_PREFIX}/share/doc/vocalyne\"
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
")
set(CPACK_INSTALL_SCRIPTS ${install_script})

set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# Not linked, but needed at run time: the voices' data, the recogniser's eight
# languages, Qt's SQLite driver (the history) and its X11 / offscreen platforms.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "espeak-ng-data, libqt6sql6-sqlite, qt6-qpa-plugins, tesseract-ocr-eng, tesseract-ocr-deu, tesseract-ocr-spa, tesseract-ocr-fra, tesseract-ocr-ita, tesseract-ocr-nld, tesseract-ocr-por, tesseract-ocr-vie")
# Qt's own German texts, opening pages and mail, and the desktop's file types
# and "Open with" lists.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-translations-l10n, xdg-utils, shared-mime-info, desktop-file-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "chromium | firefox-esr, thunderbird, qt6-wayland")

# The speech host's system-wide registration is a configuration file; the
# engine library is registered with the dynamic linker through its trigger.
file(WRITE ${debian_dir}/conffiles "/etc/chromium/native-messaging-hosts/org.halvern.vocalyne.json\n")
file(WRITE ${debian_dir}/triggers "activate-noawait ldconfig\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${debian_dir}/conffiles ${debian_dir}/triggers)

include(CPack)
