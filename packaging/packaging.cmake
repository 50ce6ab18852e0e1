# SPDX-License-Identifier: GPL-3.0-or-later
# Tavrimo as a desktop program: its version record, what `cmake --install`
# puts where, and the Debian package CPack builds from that.
#
# The version record is set here once, from project(VERSION) and the cache
# variables below, and filled into app/version.h (the program), the AppStream
# file, the package and, on Windows, the version resource.

include(GNUInstallDirs)

if(PROJECT_VERSION_MINOR LESS 10)
  set(tavrimo_minor_text "0${PROJECT_VERSION_MINOR}")
else()
  set(tavrimo_minor_text "${PROJECT_VERSION_MINOR}")
endif()
set(TAVRIMO_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${tavrimo_minor_text}" CACHE STRING
    "The version as a text, major.minor with two digits of minor")
set(TAVRIMO_INTERNAL_NAME "Tavrimo" CACHE STRING "Internal name of the program in its version record")
set(TAVRIMO_FILE_NAME "Tavrimo.exe" CACHE STRING "File name of the program in its version record")
set(TAVRIMO_APP_ID "org.tavrimo.tavrimo" CACHE STRING
    "Reverse-DNS name of the desktop entry, the icon and the AppStream file")
set(TAVRIMO_RELEASE_DATE "2026-12-06" CACHE STRING "Date of this version's release (YYYY-MM-DD)")
set(TAVRIMO_MAINTAINER "Tavrimo developers <developers@tavrimo.org>" CACHE STRING
    "Who answers for the Debian package, as Name <address>; the newest entry of packaging/changelog names the same")
set(TAVRIMO_SCREENSHOT_URL "https://tavrimo.org/screenshots/page-0.png" CACHE STRING
    "Where software centres fetch the screenshot named in the AppStream file")
set(TAVRIMO_EXECUTABLE tavrimo)
set(TAVRIMO_ICO "${PROJECT_SOURCE_DIR}/assets/pictures/tavrimo.ico")

set(tavrimo_generated "${CMAKE_CURRENT_BINARY_DIR}/generated")
configure_file("${PROJECT_SOURCE_DIR}/app/version.h.in" "${tavrimo_generated}/app/version.h" @ONLY)
target_include_directories(tavrimo-app PRIVATE "${tavrimo_generated}")
target_include_directories(tavrimo PRIVATE "${tavrimo_generated}")

set(TAVRIMO_DESKTOP_FILE "${tavrimo_generated}/${TAVRIMO_APP_ID}.desktop")
set(TAVRIMO_METAINFO_FILE "${tavrimo_generated}/${TAVRIMO_APP_ID}.metainfo.xml")
set(TAVRIMO_WINDOWS_RC "${tavrimo_generated}/tavrimo.rc")
set(TAVRIMO_CHANGELOG "${CMAKE_CURRENT_LIST_DIR}/changelog")
configure_file("${CMAKE_CURRENT_LIST_DIR}/tavrimo.desktop.in" "${TAVRIMO_DESKTOP_FILE}" @ONLY)
configure_file("${CMAKE_CURRENT_LIST_DIR}/tavrimo.metainfo.xml.in" "${TAVRIMO_METAINFO_FILE}" @ONLY)
set(TAVRIMO_MANUAL "${tavrimo_generated}/man/tavrimo.1")
set(TAVRIMO_MANUAL_AR "${tavrimo_generated}/man/ar/tavrimo.1")
configure_file("${CMAKE_CURRENT_LIST_DIR}/tavrimo.1.in" "${TAVRIMO_MANUAL}" @ONLY)
configure_file("${CMAKE_CURRENT_LIST_DIR}/tavrimo.ar.1.in" "${TAVRIMO_MANUAL_AR}" @ONLY)
# Made on every system so that its tests can compile it; only a Windows build uses it.
configure_file("${CMAKE_CURRENT_LIST_DIR}/windows/tavrimo.rc.in" "${TAVRIMO_WINDOWS_RC}" @ONLY)

if(WIN32)
  get_filename_component(tavrimo_output_name "${TAVRIMO_FILE_NAME}" NAME_WE)
  target_sources(tavrimo PRIVATE "${TAVRIMO_WINDOWS_RC}")
  set_target_properties(tavrimo PROPERTIES OUTPUT_NAME "${tavrimo_output_name}" WIN32_EXECUTABLE ON)
endif()

# The program, its menu entry, its description for software centres, its
# icon at every size it is drawn in, its manual page, its licence and its
# changelog. The script driver is a developer's tool and is not installed.
install(TARGETS tavrimo RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
# The print preview's module, in the program's private library folder; the
# program finds it from its own folder, so an install tree moved elsewhere
# still finds it. A folder below lib/tavrimo: CPack would have a shared
# object directly in lib/tavrimo run ldconfig on install, which a module
# outside the linker's folders does not need (lintian warns).
set(TAVRIMO_PRIVATE_LIBDIR "${CMAKE_INSTALL_LIBDIR}/tavrimo/plugins")
install(TARGETS tavrimo-preview LIBRARY DESTINATION "${TAVRIMO_PRIVATE_LIBDIR}")
file(RELATIVE_PATH tavrimo_preview_folder "${CMAKE_INSTALL_FULL_BINDIR}" "${CMAKE_INSTALL_FULL_LIBDIR}/tavrimo/plugins")
target_compile_definitions(tavrimo-printing PRIVATE TAVRIMO_PREVIEW_FOLDER="${tavrimo_preview_folder}")
# A stripped program (cpack, `cmake --install --strip`) also loses the
# compiler's notes, as Debian's own packages do.
if(NOT WIN32 AND CMAKE_OBJCOPY)
  install(CODE "set(tavrimo_objcopy \"${CMAKE_OBJCOPY}\")
                set(tavrimo_preview_module \"${TAVRIMO_PRIVATE_LIBDIR}/$<TARGET_FILE_NAME:tavrimo-preview>\")")
  install(CODE [[
    if(CMAKE_INSTALL_DO_STRIP)
      foreach(binary "bin/tavrimo" "${tavrimo_preview_module}")
        execute_process(COMMAND "${tavrimo_objcopy}" --remove-section=.comment --remove-section=.note
                                "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${binary}"
                        COMMAND_ERROR_IS_FATAL ANY)
      endforeach()
    endif()
  ]])
endif()
install(FILES "${TAVRIMO_DESKTOP_FILE}" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${TAVRIMO_METAINFO_FILE}" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
# The 32-pixel icon is the window icon's own picture, stored as a PNG.
install(FILES "${CMAKE_CURRENT_LIST_DIR}/icons/tavrimo-32.png"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps" RENAME "${TAVRIMO_APP_ID}.png")
foreach(size 48 64 128 256)
  install(FILES "${PROJECT_SOURCE_DIR}/assets/pictures/tavrimo-${size}.png"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps" RENAME "${TAVRIMO_APP_ID}.png")
endforeach()

# The manual page and the changelog go in compressed, the way Debian keeps
# them; gzip -n leaves out the file's name and time, so that the same sources
# give the same package.
if(NOT WIN32)
  find_program(TAVRIMO_GZIP gzip REQUIRED)
  set(tavrimo_manual "${tavrimo_generated}/man/tavrimo.1.gz")
  set(tavrimo_manual_ar "${tavrimo_generated}/man/ar/tavrimo.1.gz")
  set(tavrimo_changelog "${tavrimo_generated}/doc/changelog.gz")
  file(MAKE_DIRECTORY "${tavrimo_generated}/doc")
  add_custom_command(OUTPUT "${tavrimo_manual}"
    COMMAND "${TAVRIMO_GZIP}" -9nkf "${tavrimo_generated}/man/tavrimo.1"
    DEPENDS "${tavrimo_generated}/man/tavrimo.1"
    VERBATIM)
  add_custom_command(OUTPUT "${tavrimo_manual_ar}"
    COMMAND "${TAVRIMO_GZIP}" -9nkf "${tavrimo_generated}/man/ar/tavrimo.1"
    DEPENDS "${tavrimo_generated}/man/ar/tavrimo.1"
    VERBATIM)
  add_custom_command(OUTPUT "${tavrimo_changelog}"
    COMMAND "${CMAKE_COMMAND}" -E copy "${TAVRIMO_CHANGELOG}" "${tavrimo_generated}/doc/changelog"
    COMMAND "${TAVRIMO_GZIP}" -9nf "${tavrimo_generated}/doc/changelog"
    DEPENDS "${TAVRIMO_CHANGELOG}"
    VERBATIM)
  add_custom_target(tavrimo-documents ALL DEPENDS "${tavrimo_manual}" "${tavrimo_manual_ar}" "${tavrimo_changelog}")
  install(FILES "${tavrimo_manual}" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
  # The Arabic page, for `man tavrimo` in an Arabic locale.
  install(FILES "${tavrimo_manual_ar}" DESTINATION "${CMAKE_INSTALL_MANDIR}/ar/man1")
  install(FILES "${CMAKE_CURRENT_LIST_DIR}/copyright" "${tavrimo_changelog}"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/tavrimo")
endif()

# The Debian package: `cpack -G DEB` in the build folder. The Qt libraries
# come from the program's own links (dpkg-shlibdeps); what it loads at run
# time without linking is named here: the platform plugins, Qt's Arabic
# translation (the message box's buttons) and the fonts the window is drawn in.
set(CPACK_PACKAGE_NAME tavrimo)
set(CPACK_PACKAGE_VENDOR Tavrimo)
set(CPACK_PACKAGE_CONTACT "${TAVRIMO_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TAVRIMO_MAINTAINER}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "unit and temperature converter with a quadratic solver, in Arabic")
set(CPACK_PACKAGE_DESCRIPTION
    "Tavrimo is a small desktop program in Arabic, right to left: it converts\n"
    "lengths, areas, volumes and weights between metric and imperial units,\n"
    "converts temperatures between Celsius, Fahrenheit and Kelvin, solves\n"
    "quadratic equations and holds a sheet of geometry formulas with drawings.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-noto-ui-core, fonts-dejavu-core")
include(CPack)
